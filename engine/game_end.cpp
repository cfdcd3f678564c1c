#include "game_end.h"

#include "leading_number.h"

namespace velmora {

GameResult JudgeGame(std::string_view opponentTotal, std::string_view userTotal) {
    const double opponent = LeadingNumber(opponentTotal);
    const double user = LeadingNumber(userTotal);
    if (opponent == user) {
        return GameResult::Level;
    }
    if (opponent < user) {
        return GameResult::Win;
    }
    return GameResult::Lost;
}

}  // namespace velmora
