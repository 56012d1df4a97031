// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/number_format.h"

#include <gtest/gtest.h>

namespace tavoric {

TEST(RoundHalfEven, ExactHalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(37.5), 38);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(22.5), 22);
    EXPECT_EQ(RoundHalfEven(12.500001), 13);
    EXPECT_EQ(RoundHalfEven(12.499999), 12);
    EXPECT_EQ(RoundHalfEven(0), 0);
}

TEST(RoundHalfEven, PercentagesAreComputedAsTheFormulaReads) {
    EXPECT_EQ(RoundHalfEven(1.0 / 8 * 100), 12);
    EXPECT_EQ(RoundHalfEven(3.0 / 8 * 100), 38);
    // 23 / 40 is just below 0,575 in binary floating point.
    EXPECT_EQ(RoundHalfEven(23.0 / 40 * 100), 57);
}

TEST(FormatDecimalComma, WritesTheRoundedValueWithADecimalComma) {
    EXPECT_EQ(FormatDecimalComma(3, 1), "3,0");
    EXPECT_EQ(FormatDecimalComma(2.5, 1), "2,5");
    EXPECT_EQ(FormatDecimalComma(12.25, 1), "12,2");
    EXPECT_EQ(FormatDecimalComma(2.0 / 3, 1), "0,7");
    EXPECT_EQ(FormatDecimalComma(0, 1), "0,0");
    EXPECT_EQ(FormatDecimalComma(2.5, 0), "2");
    EXPECT_EQ(FormatDecimalComma(3.5, 0), "4");
    EXPECT_EQ(FormatDecimalComma(4.0 / 3, 1), "1,3");
    EXPECT_EQ(FormatDecimalComma(999999.94, 1), "999999,9");
    EXPECT_EQ(FormatDecimalComma(0.05, 2), "0,05");
    EXPECT_EQ(FormatDecimalComma(0.0004, 4), "0,0004");
}

}  // namespace tavoric
