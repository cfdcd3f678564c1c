// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the peer's bytes, through its two entry points: arrivals in
// pieces, the bytes it held back between them, and the flush when no more come.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "wire_reader.h"

namespace velmora::wire {
namespace {

struct Case {
    // One arrival each, held bytes carried across; null when no more came in time.
    std::vector<const char*> pieces;
    std::string expected;  // "M37 R F C T:text", then "~RES" for the bytes held
};

void ExpectReadings(std::initializer_list<Case> cases) {
    const char* const kMarks[] = {"M", "R", "F", "C", "T:"};  // in the order of Message::Kind
    for (const Case& c : cases) {
        std::string out;
        std::string held;
        for (const char* piece : c.pieces) {
            const Reading reading = piece ? readArrival(held, piece) : flushHeldBytes(held);
            for (const Message& m : reading.messages) {
                out += (out.empty() ? "" : " ") + (kMarks[int(m.kind)] + m.text);
                out += m.kind == Message::Kind::Move ? std::to_string(m.column * 10 + m.row) : "";
            }
            held = reading.held;
        }
        out += held.empty() ? "" : (out.empty() ? "~" : " ~") + held;
        EXPECT_EQ(out, c.expected) << c.pieces[0] << "... in " << c.pieces.size();
    }
}

TEST(WireReader, ReadsArrivalsAsAPeerThatReadsEachAsOneMessageReadsThem) {
    ExpectReadings({Case{{"RESET"}, "R"}, Case{{"FINISH"}, "F"}, Case{{"CLOSE"}, "C"},
                    Case{{"37"}, "M37"}, Case{{"99"}, "M99"}, Case{{"@"}, "T:"},
                    Case{{"@12"}, "T:12"}, Case{{"@caf\xe9 \xff"}, "T:caf\xe9 \xff"}});
    // Anything else is one text, shown without its first character.
    ExpectReadings({Case{{"reset"}, "T:eset"}, Case{{"FINISHED"}, "T:INISHED"},
                    Case{{"RESET "}, "T:ESET "}, Case{{"\xe9t\xe9"}, "T:t\xe9"},
                    Case{{"100"}, "T:00"}, Case{{"1 0"}, "T: 0"}, Case{{"9 9.5"}, "T: 9.5"}});
    // A leading number of 11 to 99 is a move, by its first and last characters,
    // dropped when either is not a digit 1..9.
    ExpectReadings({Case{{"1 2"}, "M12"}, Case{{"1\t\n7"}, "M17"}, Case{{"1.2E1"}, "M11"},
                    Case{{"9 9"}, "M99"}, Case{{"10"}, ""}, Case{{"20"}, ""}, Case{{"05"}, ""},
                    Case{{"2 0"}, ""}, Case{{"1 2.0"}, ""}, Case{{" 12"}, ""}, Case{{"&HC"}, ""}});
    // Several messages in one arrival.
    ExpectReadings({Case{{"RESET12FINISH@x"}, "R M12 F T:x"}, Case{{"FINISHCLOSE"}, "F C"},
                    Case{{"20RESET"}, "R"}, Case{{"RESET@"}, "R T:"},
                    Case{{"12FINISHED"}, "M12 T:INISHED"}, Case{{"@hiRESET"}, "T:hiRESET"},
                    Case{{"123"}, "T:23"}});
    // Held back while it may still become a message, until completed or flushed.
    ExpectReadings(
        {Case{{"RES", "ET"}, "R"}, Case{{"R", "ESETX"}, "T:ESETX"}, Case{{"RESET", "X"}, "R T:"},
         Case{{"3", "7@a"}, "M37 T:a"}, Case{{"1", "23"}, "T:23"}, Case{{"12", "3"}, "M12 ~3"},
         Case{{"RESETFI"}, "R ~FI"}, Case{{"C", "L", "OS", "E"}, "C"},
         Case{{"CLOS", "ED"}, "T:LOSED"}, Case{{"FIN", ""}, "~FIN"}, Case{{"5", nullptr}, "T:"},
         Case{{"37FIN", nullptr}, "M37 T:IN"}, Case{{"RESET7", nullptr}, "R T:"},
         Case{{"RESE", nullptr}, "T:ESE"}, Case{{"@x", nullptr}, "T:x"}});
}

}  // namespace
}  // namespace velmora::wire
