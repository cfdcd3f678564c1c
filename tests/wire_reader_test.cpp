// The reader of the peer's bytes, through its two entry points: arrivals in
// pieces, the bytes it held back between them, and the flush when no more come.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "wire_reader.h"

namespace velmora::wire {
namespace {

// "M37 R F C T:text" for the messages, then "~RES" for the bytes still held.
std::string render(const Reading& reading) {
    const char* const kMarks[] = {"M", "R", "F", "C", "T:"};  // in the order of Message::Kind
    std::string out;
    for (const Message& m : reading.messages) {
        out += std::string(out.empty() ? "" : " ") + kMarks[int(m.kind)] + m.text;
        if (m.kind == Message::Kind::Move) {
            out += std::to_string(m.column) + std::to_string(m.row);
        }
    }
    if (!reading.held.empty()) {
        out += (out.empty() ? "~" : " ~") + reading.held;
    }
    return out;
}

struct Case {
    std::vector<std::string> pieces;  // one arrival each, held bytes carried across
    std::string expected;
};

// Each case's pieces as successive arrivals, then with `flush` no more in time.
void ExpectReadings(std::initializer_list<Case> cases, bool flush = false) {
    for (const Case& c : cases) {
        Reading all;
        auto take = [&all](const Reading& reading) {
            all.messages.insert(all.messages.end(), reading.messages.begin(),
                                reading.messages.end());
            all.held = reading.held;
        };
        std::string pieces;
        for (const std::string& piece : c.pieces) {
            take(readArrival(all.held, piece));
            pieces += "[" + piece + "]";
        }
        if (flush) {
            take(flushHeldBytes(all.held));
        }
        EXPECT_EQ(render(all), c.expected) << pieces << (flush ? " flushed" : "");
    }
}

TEST(WireReader, ReadsEachMessageAloneAsAPeerOfTheOriginalKind) {
    ExpectReadings({Case{{"RESET"}, "R"}, Case{{"FINISH"}, "F"}, Case{{"CLOSE"}, "C"},
                    Case{{"37"}, "M37"}, Case{{"19"}, "M19"}, Case{{"99"}, "M99"},
                    Case{{"@hello"}, "T:hello"}, Case{{"@"}, "T:"}, Case{{"@12"}, "T:12"},
                    Case{{"@RES"}, "T:RES"}, Case{{"@caf\xe9 \xff"}, "T:caf\xe9 \xff"}});
}

TEST(WireReader, ReadsAnythingElseAsOneTextShownWithoutItsFirstCharacter) {
    ExpectReadings({Case{{"reset"}, "T:eset"}, Case{{"Finish"}, "T:inish"},
                    Case{{"FINISHED"}, "T:INISHED"}, Case{{"CLOSED"}, "T:LOSED"},
                    Case{{"RESETS"}, "T:ESETS"}, Case{{"RESET "}, "T:ESET "}, Case{{"hi"}, "T:i"},
                    Case{{"\xe9t\xe9"}, "T:t\xe9"}, Case{{"100"}, "T:00"}, Case{{"1 0"}, "T: 0"},
                    Case{{"9 9.5"}, "T: 9.5"}});
}

TEST(WireReader, TakesALeadingNumberOf11To99AsAMoveByItsFirstAndLastCharacters) {
    ExpectReadings({Case{{"1 2"}, "M12"}, Case{{"1 1"}, "M11"}, Case{{"9 9"}, "M99"},
                    Case{{"1\t\n7"}, "M17"}, Case{{"1.2E1"}, "M11"}});
    // Dropped when either is not a digit 1..9.
    ExpectReadings({Case{{"10"}, ""}, Case{{"20"}, ""}, Case{{"05"}, ""}, Case{{"2 0"}, ""},
                    Case{{"1 2.0"}, ""}, Case{{" 12"}, ""}, Case{{"&HC"}, ""}});
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
