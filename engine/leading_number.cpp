#include "leading_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velmora {

namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

int DigitValue(char c) {
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
    char Peek() {
        while (pos_ < text_.size() && IsSkipped(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Advance() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

double ReadRadix(Reader& reader, int radix) {
    double value = 0;
    while (DigitValue(reader.Peek()) < radix) {
        value = value * radix + DigitValue(reader.Peek());
        reader.Advance();
    }
    return value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    Reader reader(text);
    if (reader.Peek() == '&') {
        reader.Advance();
        const char kind = reader.Peek();
        if (kind == 'h' || kind == 'H') {
            reader.Advance();
            return ReadRadix(reader, 16);
        }
        if (kind == 'o' || kind == 'O') {
            reader.Advance();
            return ReadRadix(reader, 8);
        }
        return 0;
    }

    // The number is rebuilt without its blanks and handed to the locale-free
    // converter, so the result is correctly rounded however many digits came.
    std::string number;
    if (reader.Peek() == '-' || reader.Peek() == '+') {
        if (reader.Peek() == '-') {
            number += '-';
        }
        reader.Advance();
    }
    bool anyDigit = false;
    auto readDigits = [&] {
        while (reader.Peek() >= '0' && reader.Peek() <= '9') {
            number += reader.Peek();
            anyDigit = true;
            reader.Advance();
        }
    };
    readDigits();
    if (reader.Peek() == '.') {
        number += '.';
        reader.Advance();
        readDigits();
    }
    if (!anyDigit) {
        return 0;
    }
    const char e = reader.Peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        reader.Advance();
        bool negative = false;
        if (reader.Peek() == '-' || reader.Peek() == '+') {
            negative = reader.Peek() == '-';
            reader.Advance();
        }
        // Capped: any exponent past a few hundred already over- or underflows.
        long exponent = 0;
        while (reader.Peek() >= '0' && reader.Peek() <= '9') {
            if (exponent < 100000) {
                exponent = exponent * 10 + (reader.Peek() - '0');
            }
            reader.Advance();
        }
        number += 'e';
        number += std::to_string(negative ? -exponent : exponent);
    }

    double value = 0;
    const char* first = number.data();
    const char* last = first + number.size();
    if (*first == '-') {
        ++first;  // the sign goes back on afterwards, also onto an overflow
    }
    const auto [end, error] = std::from_chars(first, last, value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return number[0] == '-' ? -value : value;
}

double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) {
        return below + 1;
    }
    if (fraction == 0.5 && std::fmod(below, 2.0) != 0) {
        return below + 1;
    }
    return below;
}

}  // namespace velmora
