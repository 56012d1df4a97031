// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"

#include <limits>

#include <gtest/gtest.h>

namespace tavoric {
namespace {

TEST(Clock, FormatNormalisesOneCarry) {
    EXPECT_EQ(FormatHhmm(7), "0007");
    EXPECT_EQ(FormatHhmm(60), "0100");
    EXPECT_EQ(FormatHhmm(2360), "2400");
    EXPECT_EQ(FormatHhmm(1299), "1339");
    EXPECT_EQ(FormatHhmm(1260), "1300");
    EXPECT_EQ(FormatHhmm(12345), "12345");
}

TEST(Clock, MinutesBothWays) {
    EXPECT_EQ(HhmmToMinutes(630), 390);
    EXPECT_EQ(HhmmToMinutes(75), 75);
    EXPECT_EQ(MinutesToHhmm(390), 630);
    EXPECT_EQ(MinutesToHhmm(65), 105);
    EXPECT_EQ(MinutesToHhmm(1440), 2400);
    EXPECT_EQ(MinutesToHhmm(1470), 2430);
    EXPECT_EQ(AddMinutes("1245", 45), "1330");
}

TEST(Clock, StepBorrowsAnHourAndStopsAtZero) {
    EXPECT_EQ(StepHhmm("1300", StepDirection::Down), "1255");
    EXPECT_EQ(StepHhmm("1303", StepDirection::Down), "1258");
    EXPECT_EQ(StepHhmm("1310", StepDirection::Down), "1305");
    EXPECT_EQ(StepHhmm("0955", StepDirection::Up), "1000");
    EXPECT_EQ(StepHhmm("0000", StepDirection::Down), "0000");
    EXPECT_EQ(StepHhmm("0003", StepDirection::Down), "0000");
}

TEST(TimeField, ChangeFocusLossAndSpinRules) {
    EXPECT_EQ(TimeFieldAfterChange("2400"), "0000");
    EXPECT_EQ(TimeFieldAfterChange("2399"), "2399");
    EXPECT_EQ(TimeFieldAfterChange("12"), "12");
    EXPECT_EQ(TimeFieldAfterChange("ab"), "ab");
    EXPECT_EQ(TimeFieldAfterFocusLoss("630"), "0630");
    EXPECT_EQ(TimeFieldAfterFocusLoss("675"), "0715");
    EXPECT_EQ(TimeFieldAfterFocusLoss(""), "0000");
    EXPECT_EQ(TimeFieldAfterFocusLoss("x1"), "0000");
    EXPECT_EQ(TimeFieldAfterStep("2355", StepDirection::Up), "0000");
    EXPECT_EQ(TimeFieldAfterStep("0000", StepDirection::Down), "0000");
}

// A hand-made file may hold any number as a time or an interval: results stay at a bound far
// beyond any survey instead of overflowing into nonsense like "0600-715828527".
TEST(Clock, HostileNumbersAreHeldAtABoundWithoutOverflow) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(AddMinutes("0600", kMax), "999999999");
    EXPECT_EQ(AddMinutes("2147483647", kMax), "999999999");
    EXPECT_EQ(FormatHhmm(2147483599), "999999999");
    EXPECT_EQ(MinutesToHhmm(kMax), 999999999);
    EXPECT_EQ(MinutesToHhmm(kMin), -999999999);
    EXPECT_EQ(HhmmToMinutes(kMax), 600000039);
    EXPECT_EQ(StepHhmm("2147483647", StepDirection::Up), "999999999");
    EXPECT_EQ(StepHhmm("-2147483648", StepDirection::Down), "0000");
    EXPECT_EQ(TimeFieldAfterStep("2147483647", StepDirection::Up), "0000");
}

TEST(Clock, CommandLineTimesAreFourDigitsWithMinutesBelowSixty) {
    for (const char* valid : {"0000", "0630", "1959", "2359"}) {
        EXPECT_TRUE(IsClockTime(valid, 2359)) << valid;
    }
    // What the time field would carry or pad silently is refused here.
    for (const char* invalid :
         {"2599", "2400", "12", "630", "0675", "06:30", "+630", "", "00000"}) {
        EXPECT_FALSE(IsClockTime(invalid, 2359)) << invalid;
    }
    EXPECT_TRUE(IsClockTime("2400", 2400));  // a bound may close the day
    EXPECT_FALSE(IsClockTime("2401", 2400));
    EXPECT_FALSE(IsClockTime("2500", 2400));
}

}  // namespace
}  // namespace tavoric
