// SPDX-License-Identifier: GPL-3.0-or-later
// Any text: never a NaN, blanks never change the value, and the value is the
// one the C library reads from the same characters without their blanks: a
// decimal number exactly, down to the sign of a zero and the side an overflow
// falls on; a short hexadecimal or octal number exactly too.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "leading_number.h"

namespace {

std::string withoutBlanks(const std::string& text) {
    std::string clean;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            clean += c;
        }
    }
    return clean;
}

// The leading decimal number of `clean` in strtod's own syntax, read
// separately from the code under test: D taken as E, and an exponent without
// digits left off. Empty when the text starts with no digit.
std::string decimalNumber(const std::string& clean) {
    std::size_t i = 0;
    auto take = [&](std::string& out) {
        const std::size_t start = i;
        while (i < clean.size() && clean[i] >= '0' && clean[i] <= '9') {
            out += clean[i++];
        }
        return i - start;
    };
    std::string number;
    if (i < clean.size() && (clean[i] == '+' || clean[i] == '-')) {
        number += clean[i++];
    }
    std::size_t digits = take(number);
    if (i < clean.size() && clean[i] == '.') {
        number += clean[i++];
        digits += take(number);
    }
    if (digits == 0) {
        return {};
    }
    if (i < clean.size() && std::string("eEdD").find(clean[i]) != std::string::npos) {
        std::string exponent = "e";
        ++i;
        if (i < clean.size() && (clean[i] == '+' || clean[i] == '-')) {
            exponent += clean[i++];
        }
        if (take(exponent) > 0) {
            number += exponent;
        }
    }
    return number;
}

// The digits of "&H..." or "&O..." and their radix; radix 0 for anything else.
std::string radixDigits(const std::string& clean, int& radix) {
    radix = 0;
    if (clean.size() < 2 || clean[0] != '&') {
        return {};
    }
    const char kind = char(clean[1] | 0x20);
    radix = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
    const char* valid = radix == 16 ? "0123456789abcdefABCDEF" : "01234567";
    const std::size_t end = radix == 0 ? 2 : clean.find_first_not_of(valid, 2);
    return clean.substr(2, std::min(end, clean.size()) - 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = velmora::leadingNumber(text);
    if (std::isnan(value)) {
        std::abort();
    }
    std::string spaced;
    for (char c : text) {
        spaced += c;
        spaced += ' ';
    }
    const double again = velmora::leadingNumber(spaced);
    if (!(again == value)) {
        std::abort();
    }

    const std::string clean = withoutBlanks(text);
    if (!clean.empty() && clean[0] == '&') {
        int radix = 0;
        const std::string digits = radixDigits(clean, radix);
        // Up to 52 bits the value is exact; beyond, at least not negative.
        const bool exact = digits.size() * (radix == 16 ? 4 : 3) <= 52;
        const double expected =
            digits.empty() ? 0.0 : double(std::strtoull(digits.c_str(), nullptr, radix));
        if (exact ? value != expected : !(value >= 0)) {
            std::abort();
        }
        return 0;
    }
    const std::string number = decimalNumber(clean);
    const double expected = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
    if (value != expected || std::signbit(value) != std::signbit(expected)) {
        std::abort();
    }
    return 0;
}
