// SPDX-License-Identifier: GPL-3.0-or-later
// How the analysis rounds and writes its figures: halves go to the even neighbour, decimals take
// a decimal comma whatever the locale.
#pragma once

#include <cstdint>
#include <string>

namespace tavoric {

// The nearest whole number; exact halves go to the even neighbour (12.5 gives 12, 37.5 gives 38).
std::int64_t RoundHalfEven(double value);

// part / whole as a whole percentage, rounded as above; 0 when whole is 0.
std::int64_t WholePercent(std::int64_t part, std::int64_t whole);

// A non-negative number rounded to the given decimals (halves to even), with a decimal comma and
// no thousands separator: (3, 1) gives "3,0", (12.25, 1) gives "12,2", (2.5, 0) gives "2".
std::string FormatDecimalComma(double value, int decimals);

}  // namespace tavoric
