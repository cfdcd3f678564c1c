// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

enum class GameResult { Level, Win, Lost };

// The result from the local user's side.
GameResult judgeGame(int opponentTotal, int userTotal);

}  // namespace velmora
