// Any text: a number or 0, never a NaN, and blanks never change the value.
#include <cmath>
#include <cstdlib>
#include <string>

#include "leading_number.h"

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
    return 0;
}
