#include "leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

// Compared exactly: a text reads as the nearest double, and an overflow as an
// infinity, never as the largest double.
struct Case {
    std::string text;
    double value;
};

void ExpectReads(std::initializer_list<Case> cases) {
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(velmora::leadingNumber(text), value) << "text: \"" << text.substr(0, 40) << "\"";
    }
}

TEST(leadingNumber, ReadsTheNumberAtTheStartOfAText) {
    ExpectReads({Case{"", 0}, Case{"abc", 0}, Case{"37", 37}, Case{"-5", -5}, Case{"+7", 7},
                 Case{".5", 0.5}, Case{"-", 0}, Case{".", 0}, Case{"@12", 0}, Case{"RESET", 0},
                 Case{"12abc", 12}, Case{"65530", 65530}, Case{"1234.9", 1234.9},
                 Case{"192.168.1.7", 192.168}, Case{"0.5.1.1", 0.5}, Case{"127.0.0.1", 127}});
    // Blanks, tabs and line feeds are skipped anywhere; a carriage return ends the number.
    ExpectReads({Case{"  42", 42}, Case{"1 2 3", 123}, Case{"\t4\n5", 45}, Case{"- 3", -3},
                 Case{"1 . 5", 1.5}, Case{"7\r8", 7}, Case{"1 e 2", 100}, Case{" & H 1 0", 16}});
    // Exponents by E or D, hexadecimal and octal.
    ExpectReads({Case{"1e3", 1000}, Case{"1E3", 1000}, Case{"2d2", 200}, Case{"2D-1", 0.2},
                 Case{"1.5e+2", 150}, Case{"3e", 3}, Case{"1e2e3", 100}, Case{"&HFF", 255},
                 Case{"&hff", 255}, Case{"&H1G", 1}, Case{"&O17", 15}, Case{"&o8", 0},
                 Case{"&H", 0}, Case{"&X1", 0}});
    // Huge numbers saturate instead of wrapping, judged by digits and exponent
    // together, even when the exponent is longer than any run of digits.
    const std::string zeros400(400, '0');
    const std::string zeros3000(3000, '0');
    ExpectReads({Case{"1e400", HUGE_VAL}, Case{"-1e400", -HUGE_VAL}, Case{"1e-400", 0},
                 Case{"9e99999999999999999999", HUGE_VAL}, Case{std::string(400, '9'), HUGE_VAL},
                 Case{"1" + std::string(300, '0'), 1e300}, Case{"1" + zeros400 + "e-1", HUGE_VAL},
                 Case{"-1" + zeros400 + "e-1", -HUGE_VAL},
                 Case{"0." + std::string(330, '0') + "1", 0}, Case{"0.0" + zeros400 + "1e+70", 0},
                 Case{"0.0" + zeros400 + "1e+800", HUGE_VAL},
                 Case{"1" + zeros3000 + "e-99999999999999999999", 0},
                 Case{"0." + zeros3000 + "1e99999999999999999999", HUGE_VAL}});
}

TEST(roundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{222.5, 222},  {667.5, 668}, {444.444, 444},
                                               {209.33, 209}, {0.5, 0},     {1.5, 2},
                                               {-0.5, 0},     {-1.5, -2},   {-2.6, -3}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(velmora::roundHalfEven(value), rounded) << value;
    }
}

}  // namespace
