#include "leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using velmora::leadingNumber;
using velmora::roundHalfEven;

namespace {

struct Case {
    const char* text;
    double value;
};

class LeadingNumberReads : public testing::TestWithParam<Case> {};

TEST_P(LeadingNumberReads, TheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().text), GetParam().value)
        << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberReads,
    testing::Values(
        // Plain numbers and what is not one.
        Case{"", 0}, Case{"abc", 0}, Case{"12", 12}, Case{"37", 37}, Case{"-5", -5}, Case{"+7", 7},
        Case{"0", 0}, Case{".5", 0.5}, Case{"-", 0}, Case{".", 0}, Case{"@12", 0}, Case{"RESET", 0},
        Case{"12abc", 12},
        // Dotted addresses stop at the second point.
        Case{"192.168.1.7", 192.168}, Case{"0.0.0.0", 0}, Case{"0.5.1.1", 0.5},
        Case{"256.1.1.1", 256.1}, Case{"127.0.0.1", 127},
        // Blanks, tabs and line feeds are skipped anywhere, carriage returns are not.
        Case{"  42", 42}, Case{"1 2 3", 123}, Case{"\t4\n5", 45}, Case{"- 3", -3},
        Case{"1 . 5", 1.5}, Case{"7\r8", 7},
        // Exponents with E or D, in either case.
        Case{"1e3", 1000}, Case{"1E3", 1000}, Case{"2d2", 200}, Case{"2D-1", 0.2},
        Case{"1.5e+2", 150}, Case{"3e", 3}, Case{"1 e 2", 100}, Case{"1e2e3", 100},
        // Hexadecimal and octal.
        Case{"&HFF", 255}, Case{"&hff", 255}, Case{"&H1G", 1}, Case{"&O17", 15}, Case{"&o8", 0},
        Case{"&H", 0}, Case{"&X1", 0}, Case{" & H 1 0", 16},
        // Port answers.
        Case{"65530", 65530}, Case{"1234.9", 1234.9}, Case{"-5", -5}));

TEST(leadingNumber, HugeNumbersSaturateInsteadOfWrapping) {
    EXPECT_TRUE(std::isinf(leadingNumber("1e400")));
    EXPECT_LT(leadingNumber("-1e400"), 0);
    EXPECT_EQ(leadingNumber("1e-400"), 0);
    EXPECT_TRUE(std::isinf(leadingNumber("9e99999999999999999999")));
    EXPECT_TRUE(std::isinf(leadingNumber(std::string(400, '9'))));
    EXPECT_DOUBLE_EQ(leadingNumber("1" + std::string(300, '0')), 1e300);
}

TEST(leadingNumber, HugeOrTinyByTheValueNotByTheExponentSign) {
    const std::string zeros400(400, '0');
    EXPECT_EQ(leadingNumber("1" + zeros400 + "e-1"), HUGE_VAL);  // about 1e399
    EXPECT_EQ(leadingNumber("-1" + zeros400 + "e-1"), -HUGE_VAL);
    EXPECT_EQ(leadingNumber("0." + std::string(330, '0') + "1"), 0);  // about 1e-331
    EXPECT_EQ(leadingNumber("0.0" + zeros400 + "1e+70"), 0);
    EXPECT_EQ(leadingNumber("0.0" + zeros400 + "1e+800"), HUGE_VAL);
    // An exponent longer than any run of digits still decides.
    const std::string zeros(3000, '0');
    EXPECT_EQ(leadingNumber("1" + zeros + "e-99999999999999999999"), 0);
    EXPECT_EQ(leadingNumber("0." + zeros + "1e99999999999999999999"), HUGE_VAL);
}

TEST(roundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(222.5), 222);
    EXPECT_EQ(roundHalfEven(667.5), 668);
    EXPECT_EQ(roundHalfEven(444.444), 444);
    EXPECT_EQ(roundHalfEven(209.33), 209);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.6), -3);
}

}  // namespace
