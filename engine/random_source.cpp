// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <cstring>

namespace velmora {

void TimeSeededRandom::seedFromTimeOfDay() {
    const double seconds = clock_.secondsSinceMidnight();
    uint64_t bits = 0;
    static_assert(sizeof bits == sizeof seconds);
    std::memcpy(&bits, &seconds, sizeof bits);
    engine_.seed(bits);
}

double TimeSeededRandom::nextUniform() {
    // 53 random bits scaled by 2^-53: never reaches 1.0, unlike some library
    // distributions, so a draw of floor(u * 9) + 1 stays within 1..9.
    return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace velmora
