// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a slot by place and period: in a list in ascending order (searched where it stands) and
// in any other list (a table), with the same answers.
#include <gtest/gtest.h>

#include <array>

#include "entry/slot_index.h"
#include "test_survey.h"

namespace tavoric {
namespace {

using entry_test::SmallSurvey;

PlaceNumbers NumbersOf(std::string_view line) {
    return {IntegerOrZero(RouteKey(line)), IntegerOrZero(SectionNumber(line)),
            IntegerOrZero(PlaceNumber(line))};
}

// Every slot line of the survey but a malformed one is found where it stands, asked for last to
// first and then first to last (rows in slot order take the shortcut, the others the search).
void ExpectEverySlotFound(const Survey& survey, std::size_t malformed) {
    SlotIndex index(survey, false);
    const LineBuffer& slots = survey.KentekensList;
    for (std::size_t n = 0; n < 2 * slots.size(); ++n) {
        const std::size_t i = n < slots.size() ? slots.size() - 1 - n : n - slots.size();
        if (i == malformed) {
            continue;
        }
        EXPECT_EQ(index.SlotOfPeriod(NumbersOf(slots[i]), PpePeriod(slots[i])), i) << slots[i];
    }
}

void ExpectNoSlotsBesideThem(const Survey& survey) {
    SlotIndex index(survey, false);
    EXPECT_EQ(index.SlotOfPeriod({1, 1, 1}, "0615-0645"), std::nullopt) << "between two slots";
    EXPECT_EQ(index.SlotOfPeriod({1, 1, 1}, "0600-0700"), std::nullopt) << "another end";
    EXPECT_EQ(index.SlotOfPeriod({1, 1, 1}, "0800-0830"), std::nullopt) << "after the last";
    EXPECT_EQ(index.SlotOfPeriod({1, 1, 3}, "0600-0630"), std::nullopt) << "between places";
    EXPECT_EQ(index.SlotOfPeriod({0, 1, 1}, "0600-0630"), std::nullopt) << "before the first";
    EXPECT_EQ(index.SlotOfPeriod({3, 1, 1}, "0600-0700"), std::nullopt) << "after the last";
    EXPECT_EQ(index.SlotOfPeriod({1, 1, 1}, "06x0-0630"), std::nullopt) << "not a period";
}

TEST(SlotIndex, FindsEverySlotOfAnAscendingOrUnsortedList) {
    const Survey ascending = SmallSurvey();
    Survey unsorted = ascending;
    std::vector<std::size_t> reversed(unsorted.KentekensList.size());
    for (std::size_t i = 0; i < reversed.size(); ++i) {
        reversed[i] = reversed.size() - 1 - i;
    }
    unsorted.KentekensList.Reorder(0, reversed);
    Survey withBadLine = ascending;
    withBadLine.KentekensList.Insert(5, "0001 0001 0001 06:30-0700");
    ExpectEverySlotFound(ascending, SIZE_MAX);
    ExpectEverySlotFound(unsorted, SIZE_MAX);
    ExpectEverySlotFound(withBadLine, 5);
    for (const Survey* survey : std::array<const Survey*, 3>{&ascending, &unsorted, &withBadLine}) {
        ExpectNoSlotsBesideThem(*survey);
    }
}

TEST(SlotIndex, TheFirstLineOfARepeatedKeyStays) {
    Survey survey = SmallSurvey();
    LineBuffer& slots = survey.KentekensList;
    // The first and the last slot repeated, once with another end.
    slots.Insert(1, "0001 0001 0001 0600-0630 AB12CD");
    slots.Insert(2, "0001 0001 0001 0600-0700");
    slots.push_back(std::string(slots.back()));
    SlotIndex index(survey, false);
    EXPECT_EQ(index.SlotOfPeriod({1, 1, 1}, "0600-0630"), 0u);
    EXPECT_EQ(index.SlotOfPeriod({1, 1, 1}, "0600-0700"), std::nullopt);
    EXPECT_EQ(index.SlotOfPeriod({2, 2, 2}, "0700-0800"), slots.size() - 2);
    EXPECT_EQ(index.SlotOfPeriod({1, 1, 1}, "0630-0700"), 3u);
}

}  // namespace
}  // namespace tavoric
