// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::wire {

// One message read from the peer's bytes.
struct Message {
    enum class Kind { Move, Reset, Finish, Close, Chat };
    Kind kind = Kind::Chat;
    int column = 0;    // Move: 1..9
    int row = 0;       // Move: 1..9
    std::string text;  // Chat: the line to show, ISO 8859-1
};

struct Reading {
    std::vector<Message> messages;
    // Bytes that may still become a message when more arrive: hand them back
    // with the next arrival, or to flushHeldBytes when none comes in time.
    std::string held;
    // The last message read is a chat line, which the next arrival may go on with.
    bool endsInChat = false;
};

// What an arrival follows.
enum class Follows {
    Message,  // read it afresh
    // The last arrival ended in a chat line: an arrival that begins no
    // message is the rest of that line, cut by the network, and shown whole.
    ChatLine,
    // The last read stopped inside a chat line with bytes still waiting:
    // this arrival is all chat, whatever it starts with.
    CutRead,
};

// Reads what the peer sent. `held` is what the previous reading kept back;
// `arrived` is every byte that came since.
//
// The stream has no framing, so messages are told apart by their shape, in
// order from the start:
//   "RESET", "FINISH", "CLOSE"  a control word;
//   two digits, no third       a move, column first; played only when both
//                              digits are 1..9, otherwise dropped;
//   "@" and all that follows   a chat line, to the end of what is waiting;
//   anything else              one text to the end of what is waiting, read
//                              as a peer that reads each arrival as one
//                              message reads it: a leading number of 11..99 is a move
//                              (its first and last characters, when both are
//                              digits 1..9), anything else a chat line shown
//                              without its first character.
// A proper prefix of a control word, or a single digit, at the very end is
// held back. A message that arrives alone is read exactly as such a peer reads
// a whole arrival.
//
// What no reader of this protocol can tell apart: a chat line has no end, so
// a chat line followed at once by another message arrives as one longer chat
// line; and a piece of a cut chat line that looks like a message is read as one.
Reading readArrival(std::string_view held, std::string_view arrived,
                    Follows follows = Follows::Message);

// The held bytes once no more have come in time, read as a whole text.
Reading flushHeldBytes(std::string_view held);

}  // namespace velmora::wire
