// SPDX-License-Identifier: GPL-3.0-or-later
#include "leading_number.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace velmora {

namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

// Reads characters of `text` from `pos`, passing over the skipped blanks.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    char peek() {
        while (pos_ < text_.size() && isSkipped(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The power of ten of the first significant digit of `mantissa` (digits and
// at most one point, no sign), so 120 gives 2 and 0.05 gives -2.
long leadingPowerOfTen(std::string_view mantissa) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    return first < point ? long(point - first) - 1 : long(point) - long(first);
}

double readRadix(Reader& reader, int radix) {
    double value = 0;
    while (digitValue(reader.peek()) < radix) {
        value = value * radix + digitValue(reader.peek());
        reader.advance();
    }
    return value;
}

}  // namespace

double leadingNumber(std::string_view text) {
    Reader reader(text);
    if (reader.peek() == '&') {
        reader.advance();
        const char kind = reader.peek();
        if (kind == 'h' || kind == 'H') {
            reader.advance();
            return readRadix(reader, 16);
        }
        if (kind == 'o' || kind == 'O') {
            reader.advance();
            return readRadix(reader, 8);
        }
        return 0;
    }

    // The number is rebuilt without its blanks and handed to the locale-free
    // converter, so the result is correctly rounded however many digits came.
    std::string number;
    if (reader.peek() == '-' || reader.peek() == '+') {
        if (reader.peek() == '-') {
            number += '-';
        }
        reader.advance();
    }
    bool anyDigit = false;
    auto readDigits = [&] {
        while (reader.peek() >= '0' && reader.peek() <= '9') {
            number += reader.peek();
            anyDigit = true;
            reader.advance();
        }
    };
    readDigits();
    if (reader.peek() == '.') {
        number += '.';
        reader.advance();
        readDigits();
    }
    if (!anyDigit) {
        return 0;
    }
    const std::size_t signLength = number[0] == '-' ? 1 : 0;
    const std::size_t mantissaEnd = number.size();
    long exponent = 0;
    const char e = reader.peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        reader.advance();
        bool negative = false;
        if (reader.peek() == '-' || reader.peek() == '+') {
            negative = reader.peek() == '-';
            reader.advance();
        }
        // Capped beyond the number of digits read plus the range of a double:
        // a larger exponent over- or underflows whatever the digits, and the
        // cap keeps it from wrapping.
        const long cap = long(number.size()) + 1000;
        while (reader.peek() >= '0' && reader.peek() <= '9') {
            if (exponent < cap) {
                exponent = exponent * 10 + (reader.peek() - '0');
            }
            reader.advance();
        }
        exponent = negative ? -exponent : exponent;
        number += 'e';
        number += std::to_string(exponent);
    }

    // The sign goes back on afterwards, also onto an overflow.
    double value = 0;
    const auto [end, error] =
        std::from_chars(number.data() + signLength, number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Huge or tiny by the value's own power of ten, digits and exponent
        // together: 400 digits outweigh an exponent of -1.
        const std::string_view mantissa(number.data() + signLength, mantissaEnd - signLength);
        const bool huge = leadingPowerOfTen(mantissa) + exponent > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return signLength == 1 ? -value : value;
}

}  // namespace velmora
