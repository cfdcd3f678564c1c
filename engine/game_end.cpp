// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_end.h"

namespace velmora {

GameResult judgeGame(int opponentTotal, int userTotal) {
    if (opponentTotal == userTotal) {
        return GameResult::Level;
    }
    return opponentTotal < userTotal ? GameResult::Win : GameResult::Lost;
}

}  // namespace velmora
