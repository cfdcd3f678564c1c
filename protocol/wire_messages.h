// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The messages two copies of the game exchange: bare bytes, no length, no
// terminator, nothing between them. A peer that reads each arrival as one message reads
// exactly these.
namespace velmora::wire {

inline constexpr std::string_view kReset = "RESET";
inline constexpr std::string_view kFinish = "FINISH";
inline constexpr std::string_view kClose = "CLOSE";
inline constexpr char kChatMark = '@';

// Column digit then row digit, each 1..9: column 3, row 7 is "37".
std::string encodeMove(int column, int row);

// "@" and the text, which travels in ISO 8859-1.
std::string encodeChat(std::string_view latin1Text);

}  // namespace velmora::wire
