// SPDX-License-Identifier: GPL-3.0-or-later
#include "rounding.h"

#include <cmath>

namespace velmora {

double roundHalfEven(double value) {
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
