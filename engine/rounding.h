// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// Round to the nearest integer, a value exactly halfway going to the even
// neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

}  // namespace velmora
