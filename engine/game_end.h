#pragma once

#include <string_view>

namespace velmora {

enum class GameResult { Level, Win, Lost };

// The result from the local user's side, judged from the two total boxes'
// texts read as numbers (an empty text counts as 0).
GameResult JudgeGame(std::string_view opponentTotal, std::string_view userTotal);

}  // namespace velmora
