// SPDX-License-Identifier: GPL-3.0-or-later
#include "wire_messages.h"

namespace velmora::wire {

std::string encodeMove(int column, int row) {
    return std::to_string(column) + std::to_string(row);
}

std::string encodeChat(std::string_view latin1Text) {
    std::string message(1, kChatMark);
    message += latin1Text;
    return message;
}

}  // namespace velmora::wire
