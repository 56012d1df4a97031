// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tavoric {
namespace {

using namespace std::chrono;

TEST(TimeZone, IsoDaysExistOrAreRefused) {
    ASSERT_TRUE(IsoDay("2024-02-29"));
    EXPECT_EQ(IsoDayText(*IsoDay("2024-02-29")), "2024-02-29");
    EXPECT_EQ(IsoDayText(NextDay(*IsoDay("2024-12-31"))), "2025-01-01");
    for (const char* bad :
         {"2023-02-29", "2024-13-01", "2024-5-16", "16-05-2024", "", "2024-05-1x"}) {
        EXPECT_FALSE(IsoDay(bad)) << bad;
    }
}

TEST(TimeZone, NamesOfTheZoneDatabase) {
    EXPECT_TRUE(IsKnownTimeZone("Europe/Amsterdam"));
    EXPECT_TRUE(IsKnownTimeZone("UTC"));
    for (const char* bad :
         {"Mars/Olympus", "", "/etc/passwd", "../zoneinfo/UTC", "Europe", "Europe/Amsterdam "}) {
        EXPECT_FALSE(IsKnownTimeZone(bad)) << bad;
    }
}

TEST(TimeZone, LocalTimeFollowsDaylightSavingAndThePreviousZoneReturns) {
    ::setenv("TZ", "UTC", 1);
    {
        const LocalTimeZone amsterdam("Europe/Amsterdam");
        // 31 March 2024, 01:00 UTC: clocks go from 02:00 to 03:00.
        const sys_seconds change = sys_days(2024y / March / 31) + 1h;
        EXPECT_EQ(amsterdam.FromUtc(change - 1s).secondOfDay, (2 * 60 * 60) - 1);
        EXPECT_EQ(amsterdam.FromUtc(change).secondOfDay, 3 * 60 * 60);
        const LocalTime evening = amsterdam.FromUtc(sys_days(2024y / May / 16) + 23h);
        EXPECT_EQ(IsoDayText(evening.day), "2024-05-17");
        EXPECT_EQ(evening.secondOfDay, 60 * 60);
    }
    EXPECT_STREQ(std::getenv("TZ"), "UTC");
    const LocalTimeZone system;
    EXPECT_EQ(system.FromUtc(sys_days(2024y / May / 16) + 23h).secondOfDay, 23 * 60 * 60);
    ::unsetenv("TZ");
}

}  // namespace
}  // namespace tavoric
