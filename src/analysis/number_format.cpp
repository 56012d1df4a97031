// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tavoric {

std::int64_t RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double result = below;
    if (fraction > 0.5) {
        result = below + 1;
    } else if (fraction == 0.5) {
        result = std::fmod(below, 2.0) == 0 ? below : below + 1;
    }
    return static_cast<std::int64_t>(result);
}

std::int64_t WholePercent(std::int64_t part, std::int64_t whole) {
    return whole > 0 ? RoundHalfEven(static_cast<double>(part) / static_cast<double>(whole) * 100)
                     : 0;
}

std::string FormatDecimalComma(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = static_cast<double>(RoundHalfEven(value * scale)) / scale;

    // Fifteen significant digits and the decimal exponent, as in d.dddddddddddddd e+x.
    constexpr int kDigits = 15;
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.*e", kDigits - 1, rounded);
    std::string digits;
    const char* p = scientific;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits += *p;
        }
    }
    const int exponent = rounded == 0 ? 0 : std::atoi(p + 1);

    std::string text;
    if (exponent >= 0) {
        if (static_cast<int>(digits.size()) < exponent + 1) {
            digits.append(static_cast<std::size_t>(exponent + 1) - digits.size(), '0');
        }
        text = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "," +
               digits.substr(static_cast<std::size_t>(exponent + 1));
    } else {
        text = "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const std::size_t comma = text.find(',');
    if (decimals <= 0) {
        return text.substr(0, comma);
    }
    return text.substr(0, comma + 1 + static_cast<std::size_t>(decimals));
}

}  // namespace tavoric
