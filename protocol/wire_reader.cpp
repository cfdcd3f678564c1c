// SPDX-License-Identifier: GPL-3.0-or-later
#include "wire_reader.h"

#include "leading_number.h"
#include "wire_messages.h"

namespace velmora::wire {

namespace {

constexpr std::string_view kControlWords[] = {kReset, kFinish, kClose};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isCellDigit(char c) {
    return c >= '1' && c <= '9';
}

// The control word `text` starts with, or an empty view.
std::string_view leadingControlWord(std::string_view text) {
    for (std::string_view word : kControlWords) {
        if (text.substr(0, word.size()) == word) {
            return word;
        }
    }
    return {};
}

bool isProperPrefixOfControlWord(std::string_view text) {
    for (std::string_view word : kControlWords) {
        if (text.size() < word.size() && word.substr(0, text.size()) == text) {
            return true;
        }
    }
    return false;
}

// Whether `rest` may be the next message, or the start of one still on its
// way: a control word with anything else behind it is one text, as a peer that
// reads each arrival as one message reads it ("FINISHED" is chat, not "FINISH" and a "D").
bool beginsMessage(std::string_view rest) {
    return rest.empty() || rest[0] == kChatMark || isDigit(rest[0]) ||
           !leadingControlWord(rest).empty() || isProperPrefixOfControlWord(rest);
}

Message control(std::string_view word) {
    if (word == kReset) {
        return {Message::Kind::Reset, 0, 0, {}};
    }
    if (word == kFinish) {
        return {Message::Kind::Finish, 0, 0, {}};
    }
    return {Message::Kind::Close, 0, 0, {}};
}

// A text as a peer that reads each arrival as one message reads it, once the
// control words have been split off: a move when its leading number is
// 11..99, else a chat line.
void classifyText(std::string_view text, std::vector<Message>& out) {
    const double value = leadingNumber(text);
    if (value < 11 || value > 99) {
        out.push_back({Message::Kind::Chat, 0, 0, std::string(text.substr(1))});
        return;
    }
    // A number of 11..99 that names no playing cell is dropped, never played.
    if (isCellDigit(text.front()) && isCellDigit(text.back())) {
        out.push_back({Message::Kind::Move, text.front() - '0', text.back() - '0', {}});
    }
}

}  // namespace

Reading readArrival(std::string_view held, std::string_view arrived, Follows follows) {
    if (held.empty() && !arrived.empty() &&
        (follows == Follows::CutRead ||
         (follows == Follows::ChatLine && !beginsMessage(arrived)))) {
        Reading rest;
        rest.messages.push_back({Message::Kind::Chat, 0, 0, std::string(arrived)});
        rest.endsInChat = true;
        return rest;
    }
    std::string waiting;
    waiting.reserve(held.size() + arrived.size());
    waiting.append(held).append(arrived);
    std::string_view rest(waiting);

    Reading reading;
    while (!rest.empty()) {
        if (const std::string_view word = leadingControlWord(rest);
            !word.empty() && beginsMessage(rest.substr(word.size()))) {
            reading.messages.push_back(control(word));
            rest.remove_prefix(word.size());
            continue;
        }
        if (isDigit(rest[0]) && rest.size() >= 2 && isDigit(rest[1]) &&
            (rest.size() == 2 || !isDigit(rest[2]))) {
            if (isCellDigit(rest[0]) && isCellDigit(rest[1])) {
                reading.messages.push_back({Message::Kind::Move, rest[0] - '0', rest[1] - '0', {}});
            }
            rest.remove_prefix(2);
            continue;
        }
        if (rest[0] == kChatMark) {
            reading.messages.push_back({Message::Kind::Chat, 0, 0, std::string(rest.substr(1))});
            break;
        }
        // Possibly the start of a message still on its way.
        if (isProperPrefixOfControlWord(rest) || (rest.size() == 1 && isDigit(rest[0]))) {
            reading.held = std::string(rest);
            break;
        }
        classifyText(rest, reading.messages);
        break;
    }
    reading.endsInChat = reading.held.empty() && !reading.messages.empty() &&
                         reading.messages.back().kind == Message::Kind::Chat;
    return reading;
}

Reading flushHeldBytes(std::string_view held) {
    Reading reading;
    if (!held.empty()) {
        classifyText(held, reading.messages);
    }
    reading.endsInChat =
        !reading.messages.empty() && reading.messages.back().kind == Message::Kind::Chat;
    return reading;
}

}  // namespace velmora::wire
