// The reader of the peer's bytes, through its two entry points: arrivals in
// pieces, the bytes it holds back between them, and the flush when no more
// come. Messages are rendered as "M37 R F C T:text"; "~RES" is what is still
// held at the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wire_reader.h"

namespace velmora::wire {
namespace {

std::string render(const std::vector<Message>& messages) {
    std::string out;
    for (const Message& m : messages) {
        out += out.empty() ? "" : " ";
        switch (m.kind) {
            case Message::Kind::Move:
                out += "M" + std::to_string(m.column) + std::to_string(m.row);
                break;
            case Message::Kind::Reset:
                out += "R";
                break;
            case Message::Kind::Finish:
                out += "F";
                break;
            case Message::Kind::Close:
                out += "C";
                break;
            case Message::Kind::Chat:
                out += "T:" + m.text;
                break;
        }
    }
    return out;
}

struct Case {
    std::vector<std::string> pieces;  // one arrival each, held bytes carried across
    bool flush;                       // then no more come in time
    std::string expected;
};

std::string readPieces(const Case& c) {
    std::vector<Message> all;
    std::string held;
    for (const std::string& piece : c.pieces) {
        Reading reading = readArrival(held, piece);
        all.insert(all.end(), reading.messages.begin(), reading.messages.end());
        held = reading.held;
    }
    if (c.flush) {
        const Reading flushed = flushHeldBytes(held);
        EXPECT_TRUE(flushed.held.empty());
        all.insert(all.end(), flushed.messages.begin(), flushed.messages.end());
        held.clear();
    }
    const std::string messages = render(all);
    return held.empty() ? messages : messages + (messages.empty() ? "~" : " ~") + held;
}

const Case kCases[] = {
    // Each message alone, as a peer of the original kind reads it.
    {{"RESET"}, false, "R"},
    {{"FINISH"}, false, "F"},
    {{"CLOSE"}, false, "C"},
    {{"37"}, false, "M37"},
    {{"19"}, false, "M19"},
    {{"99"}, false, "M99"},
    {{"@hello"}, false, "T:hello"},
    {{"@"}, false, "T:"},
    {{"@12"}, false, "T:12"},
    {{"@RES"}, false, "T:RES"},
    {{"@caf\xe9 \xff"}, false, "T:caf\xe9 \xff"},
    // Not a message: one text, chat without its first character.
    {{"reset"}, false, "T:eset"},
    {{"Finish"}, false, "T:inish"},
    {{"FINISHED"}, false, "T:INISHED"},
    {{"CLOSED"}, false, "T:LOSED"},
    {{"RESETS"}, false, "T:ESETS"},
    {{"RESET "}, false, "T:ESET "},
    {{"hi"}, false, "T:i"},
    {{"\xe9t\xe9"}, false, "T:t\xe9"},
    {{"100"}, false, "T:00"},
    {{"5"}, true, "T:"},
    {{"1 0"}, false, "T: 0"},
    {{"9 9.5"}, false, "T: 9.5"},
    // A leading number of 11..99 is a move named by the first and last characters.
    {{"1 2"}, false, "M12"},
    {{"1 1"}, false, "M11"},
    {{"9 9"}, false, "M99"},
    {{"1\t\n7"}, false, "M17"},
    {{"1.2E1"}, false, "M11"},
    // ... and dropped when either is not a digit 1..9.
    {{"10"}, false, ""},
    {{"20"}, false, ""},
    {{"05"}, false, ""},
    {{"2 0"}, false, ""},
    {{"1 2.0"}, false, ""},
    {{" 12"}, false, ""},
    {{"&HC"}, false, ""},
    // Several messages in one arrival.
    {{"RESET37"}, false, "R M37"},
    {{"37@hi"}, false, "M37 T:hi"},
    {{"37FINISH"}, false, "M37 F"},
    {{"FINISHCLOSE"}, false, "F C"},
    {{"RESET12FINISH@x"}, false, "R M12 F T:x"},
    {{"20RESET"}, false, "R"},
    {{"RESET@"}, false, "R T:"},
    {{"12FINISHED"}, false, "M12 T:INISHED"},
    {{"@hiRESET"}, false, "T:hiRESET"},
    {{"123"}, false, "T:23"},
    {{"1234"}, false, "T:234"},
    // Held back at the end, then completed or flushed.
    {{"RES", "ET"}, false, "R"},
    {{"R", "ESETX"}, false, "T:ESETX"},
    {{"RESET", "X"}, false, "R T:"},
    {{"3", "7"}, false, "M37"},
    {{"3", "7@a"}, false, "M37 T:a"},
    {{"1", "23"}, false, "T:23"},
    {{"12", "3"}, false, "M12 ~3"},
    {{"RESETFI"}, false, "R ~FI"},
    {{"RESETFI", "NISH"}, false, "R F"},
    {{"C", "L", "OS", "E"}, false, "C"},
    {{"CLOS", "ED"}, false, "T:LOSED"},
    {{"37FIN"}, true, "M37 T:IN"},
    {{"RESET7"}, true, "R T:"},
    {{"C"}, true, "T:"},
    {{"RESE"}, true, "T:ESE"},
    {{"@x"}, true, "T:x"},
    {{"FIN", ""}, false, "~FIN"},
};

TEST(WireReader, ReadsEachArrivalAsTheContractSays) {
    for (const Case& c : kCases) {
        std::string pieces;
        for (const std::string& piece : c.pieces) {
            pieces += "[" + piece + "]";
        }
        EXPECT_EQ(readPieces(c), c.expected) << pieces << (c.flush ? " flushed" : "");
    }
}

}  // namespace
}  // namespace velmora::wire
