// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes from the peer, in one piece or two: moves name playing cells, the
// held bytes can still become a message, a chat line is last, and what was
// read, sent again as the messages it was read as, reads the same in one piece
// or cut anywhere before its chat line.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "wire_messages.h"
#include "wire_reader.h"

namespace {

using velmora::wire::Message;
using velmora::wire::Reading;

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "wire reader: %s\n", what);
        std::abort();
    }
}

bool same(const Message& a, const Message& b) {
    return a.kind == b.kind && a.column == b.column && a.row == b.row && a.text == b.text;
}

bool same(const std::vector<Message>& a, const std::vector<Message>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!same(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

bool same(const Reading& a, const Reading& b) {
    return same(a.messages, b.messages) && a.held == b.held;
}

bool canStillBecomeMessage(std::string_view held) {
    if (held.size() == 1 && held[0] >= '0' && held[0] <= '9') {
        return true;
    }
    for (std::string_view word :
         {velmora::wire::kReset, velmora::wire::kFinish, velmora::wire::kClose}) {
        if (!held.empty() && held.size() < word.size() && word.substr(0, held.size()) == held) {
            return true;
        }
    }
    return false;
}

// What holds for any one reading of `held` + `arrived`.
void checkReading(std::string_view held, std::string_view arrived, const Reading& reading) {
    check(reading.held.empty() || canStillBecomeMessage(reading.held), "held bytes are no prefix");
    const std::string waiting = std::string(held) + std::string(arrived);
    check(std::string_view(waiting).substr(waiting.size() - reading.held.size()) == reading.held,
          "held bytes are not the end of what was waiting");
    for (std::size_t i = 0; i < reading.messages.size(); ++i) {
        const Message& m = reading.messages[i];
        if (m.kind == Message::Kind::Move) {
            check(m.column >= 1 && m.column <= 9 && m.row >= 1 && m.row <= 9, "move off the board");
        }
        if (m.kind == Message::Kind::Chat) {
            check(i + 1 == reading.messages.size() && reading.held.empty(),
                  "something after a chat line");
        }
    }
    check(same(velmora::wire::readArrival({}, waiting), reading), "held bytes read differently");
    if (!reading.held.empty()) {
        const Reading before = velmora::wire::readArrival(
            {}, std::string_view(waiting).substr(0, waiting.size() - reading.held.size()));
        check(same(before.messages, reading.messages) && before.held.empty(),
              "held bytes changed the messages before them");
    }
}

Reading readInTwo(std::string_view bytes, std::size_t cut) {
    Reading first = velmora::wire::readArrival({}, bytes.substr(0, cut));
    checkReading({}, bytes.substr(0, cut), first);
    const Reading second = velmora::wire::readArrival(first.held, bytes.substr(cut));
    checkReading(first.held, bytes.substr(cut), second);
    first.messages.insert(first.messages.end(), second.messages.begin(), second.messages.end());
    first.held = second.held;
    return first;
}

std::string encode(const Message& m) {
    switch (m.kind) {
        case Message::Kind::Move:
            return velmora::wire::encodeMove(m.column, m.row);
        case Message::Kind::Reset:
            return std::string(velmora::wire::kReset);
        case Message::Kind::Finish:
            return std::string(velmora::wire::kFinish);
        case Message::Kind::Close:
            return std::string(velmora::wire::kClose);
        case Message::Kind::Chat:
            break;
    }
    return velmora::wire::encodeChat(m.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned cutChoice = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const Reading reading = readInTwo(bytes, cutChoice % (bytes.size() + 1));
    const Reading flushed = velmora::wire::flushHeldBytes(reading.held);
    check(flushed.held.empty(), "a flush holds bytes back");
    if (reading.held.empty()) {
        check(flushed.messages.empty(), "a flush of nothing read something");
    } else {
        check(flushed.messages.size() == 1 && flushed.messages[0].kind == Message::Kind::Chat &&
                  flushed.messages[0].text == reading.held.substr(1),
              "held bytes flushed as other than a chat line");
    }

    // The messages sent as a peer sends them, with the held bytes behind.
    const Reading whole = velmora::wire::readArrival({}, bytes);
    std::string sent;
    std::size_t chatStart = std::string::npos;
    for (const Message& m : whole.messages) {
        if (m.kind == Message::Kind::Chat) {
            chatStart = sent.size();
        }
        sent += encode(m);
    }
    sent += whole.held;
    check(same(velmora::wire::readArrival({}, sent), whole),
          "messages sent again read differently");
    const std::size_t cutLimit = chatStart == std::string::npos ? sent.size() : chatStart;
    check(same(readInTwo(sent, cutChoice % (cutLimit + 1)), whole),
          "messages cut in two read differently");
    return 0;
}
