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
    std::vector<std::string> pieces;  // one arrival each, held bytes carried across
    std::string expected;             // "M37 R F C T:text", then "~RES" for the bytes held
};

// Each case's pieces as successive arrivals, then with `flush` no more in time.
void ExpectReadings(std::initializer_list<Case> cases, bool flush = false) {
    const char* const kMarks[] = {"M", "R", "F", "C", "T:"};  // in the order of Message::Kind
    for (const Case& c : cases) {
        std::string out;
        std::string held;
        std::string pieces;
        auto take = [&](const Reading& reading) {
            for (const Message& m : reading.messages) {
                out += (out.empty() ? "" : " ") + (kMarks[int(m.kind)] + m.text);
                if (m.kind == Message::Kind::Move) {
                    out += std::to_string(m.column) + std::to_string(m.row);
                }
            }
            held = reading.held;
        };
        for (const std::string& piece : c.pieces) {
            take(readArrival(held, piece));
            pieces += "[" + piece + "]";
        }
        if (flush) {
            take(flushHeldBytes(held));
        }
        if (!held.empty()) {
            out += (out.empty() ? "~" : " ~") + held;
        }
        EXPECT_EQ(out, c.expected) << pieces << (flush ? " flushed" : "");
    }
}

TEST(WireReader, ReadsEachArrivalAsAPeerOfTheOriginalKindReadsIt) {
    ExpectReadings({Case{{"RESET"}, "R"}, Case{{"FINISH"}, "F"}, Case{{"CLOSE"}, "C"},
                    Case{{"37"}, "M37"}, Case{{"99"}, "M99"}, Case{{"@hello"}, "T:hello"},
                    Case{{"@"}, "T:"}, Case{{"@12"}, "T:12"},
                    Case{{"@caf\xe9 \xff"}, "T:caf\xe9 \xff"}});
    // Anything else is one text, shown without its first character.
    ExpectReadings({Case{{"reset"}, "T:eset"}, Case{{"FINISHED"}, "T:INISHED"},
                    Case{{"CLOSED"}, "T:LOSED"}, Case{{"RESET "}, "T:ESET "}, Case{{"hi"}, "T:i"},
                    Case{{"\xe9t\xe9"}, "T:t\xe9"}, Case{{"100"}, "T:00"}, Case{{"1 0"}, "T: 0"},
                    Case{{"9 9.5"}, "T: 9.5"}});
    // A leading number of 11 to 99 is a move, by its first and last characters,
    // dropped when either is not a digit 1..9.
    ExpectReadings({Case{{"1 2"}, "M12"}, Case{{"1 1"}, "M11"}, Case{{"9 9"}, "M99"},
                    Case{{"1\t\n7"}, "M17"}, Case{{"1.2E1"}, "M11"}, Case{{"10"}, ""},
                    Case{{"20"}, ""}, Case{{"05"}, ""}, Case{{"2 0"}, ""}, Case{{"1 2.0"}, ""},
                    Case{{" 12"}, ""}, Case{{"&HC"}, ""}});
}

TEST(WireReader, SplitsSeveralMessagesInOneArrival) {
    ExpectReadings(
        {Case{{"RESET37"}, "R M37"}, Case{{"37@hi"}, "M37 T:hi"}, Case{{"37FINISH"}, "M37 F"},
         Case{{"FINISHCLOSE"}, "F C"}, Case{{"RESET12FINISH@x"}, "R M12 F T:x"},
         Case{{"20RESET"}, "R"}, Case{{"RESET@"}, "R T:"}, Case{{"12FINISHED"}, "M12 T:INISHED"},
         Case{{"@hiRESET"}, "T:hiRESET"}, Case{{"123"}, "T:23"}, Case{{"1234"}, "T:234"}});
}

TEST(WireReader, HoldsBackWhatMayStillBecomeAMessageUntilCompletedOrFlushed) {
    ExpectReadings({Case{{"RES", "ET"}, "R"}, Case{{"R", "ESETX"}, "T:ESETX"},
                    Case{{"RESET", "X"}, "R T:"}, Case{{"3", "7"}, "M37"},
                    Case{{"3", "7@a"}, "M37 T:a"}, Case{{"1", "23"}, "T:23"},
                    Case{{"12", "3"}, "M12 ~3"}, Case{{"RESETFI"}, "R ~FI"},
                    Case{{"RESETFI", "NISH"}, "R F"}, Case{{"C", "L", "OS", "E"}, "C"},
                    Case{{"CLOS", "ED"}, "T:LOSED"}, Case{{"FIN", ""}, "~FIN"}});
    ExpectReadings({Case{{"5"}, "T:"}, Case{{"37FIN"}, "M37 T:IN"}, Case{{"RESET7"}, "R T:"},
                    Case{{"C"}, "T:"}, Case{{"RESE"}, "T:ESE"}, Case{{"@x"}, "T:x"}},
                   true);
}

}  // namespace
}  // namespace velmora::wire
