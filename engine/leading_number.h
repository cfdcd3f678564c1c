// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace velmora {

// The value of the number at the start of `text`, 0 when there is none.
// Blanks, tabs and line feeds are skipped wherever they stand, so " 1 2" reads
// 12. Accepted: a sign, digits, one decimal point, an exponent introduced by
// E or D, and the prefixes &H and &O. Reading stops at the first character
// that cannot continue the number: "192.168.1.7" reads 192.168.
// Too large a number reads as an infinity, never as a wrapped value.
double leadingNumber(std::string_view text);

}  // namespace velmora
