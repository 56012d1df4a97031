// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entry_fields.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_survey.h"

namespace tavoric {
namespace {

TEST(NumberFields, TakeDigitsOnlyAndFourOfThem) {
    EXPECT_EQ(DigitsOnly("12a3-45", 4), "1234");
    EXPECT_EQ(DigitsOnly("x", 4), "");
    EXPECT_EQ(FourDigitNumber("12"), "0012");
    EXPECT_EQ(FourDigitNumber(""), "0000");
    EXPECT_EQ(FourDigitNumber("12345"), "1234");
    EXPECT_EQ(FourDigitNumber(7), "0007");
}

TEST(NumberFields, SpinStopsAtTheEndsOfTheRange) {
    EXPECT_EQ(StepNumber("0004", StepDirection::Up), "0005");
    EXPECT_EQ(StepNumber("12", StepDirection::Up), "0013");
    EXPECT_EQ(StepNumber("0000", StepDirection::Down), "0000");
    EXPECT_EQ(StepNumber("9999", StepDirection::Up), "9999");
    EXPECT_EQ(StepNumber("", StepDirection::Up), "0001");
}

TEST(IntervalField, StepsFiveMinutesAndNeverBelowZero) {
    EXPECT_EQ(StepInterval("30", StepDirection::Up), "35");
    EXPECT_EQ(StepInterval("5", StepDirection::Down), "0");
    EXPECT_EQ(StepInterval("3", StepDirection::Down), "0");
    EXPECT_EQ(StepInterval("", StepDirection::Up), "5");
    EXPECT_EQ(StepInterval("9998", StepDirection::Up), "9999");
}

TEST(SingleLineText, LineBreaksCannotReachTheProjectFile) {
    EXPECT_EQ(SingleLineText("Markt\r\nplein", 100), "Markt  plein");
    EXPECT_EQ(SingleLineText("abcdef", 3), "abc");
}

TEST(SortIfNeeded, GivesTheOrderOfSortLines) {
    const LineList mixed{"0002 b", "0001 B", "0001 a", "0001 b", "0001 A", "0003", "0001 b"};
    for (std::size_t appendedFrom = 0; appendedFrom <= mixed.size(); ++appendedFrom) {
        LineList front(mixed.begin(), mixed.begin() + static_cast<std::ptrdiff_t>(appendedFrom));
        SortLines(front);
        LineList lines = front;
        lines.insert(lines.end(), mixed.begin() + static_cast<std::ptrdiff_t>(appendedFrom),
                     mixed.end());
        LineList expected = lines;
        SortLines(expected);
        SortIfNeeded(lines, appendedFrom);
        EXPECT_EQ(lines, expected) << "appended from " << appendedFrom;
    }
}

TEST(SortIfNeeded, GivesTheOrderOfSortLinesOnLongLinesThatDifferLate) {
    // Lines alike in their first 24 characters but for case, differing after them, some equal.
    LineList lines;
    for (int i = 0; i < 400; ++i) {
        std::string line =
            "0001 0002 0003 0600-0615 " + std::to_string(i % 7) + "b" + std::to_string(i % 3);
        if (i % 5 == 0) {
            line[3] = 'X';
        } else if (i % 5 == 1) {
            line[3] = 'x';
        }
        line.resize(static_cast<std::size_t>(20 + i % 17), 'q');
        lines.push_back(line + std::to_string(i % 4));
    }
    std::reverse(lines.begin(), lines.end());
    LineList expected = lines;
    SortLines(expected);
    SortIfNeeded(lines);
    EXPECT_EQ(lines, expected);
}

TEST(ReplaceGroup, ReplacesOnlyTheGroupAndKeepsTheListSorted) {
    LineList lines{"0001 0001 a", "0002 0001 b", "0002 0002 c", "0003 0001 d"};
    ReplaceGroup(lines, RouteKey, "0002", {"0005 e", "0000 f"});
    EXPECT_EQ(lines, (LineList{"0001 0001 a", "0002 0000 f", "0002 0005 e", "0003 0001 d"}));
    ReplaceGroup(lines, RouteKey, "0001", {});
    EXPECT_EQ(lines.front(), "0002 0000 f");
}

// The index names the inserted line also when the insert makes the list grow elsewhere in memory
// (the list windows select and later dereference it).
TEST(InsertSorted, GivesTheIndexOfTheInsertedLine) {
    LineList lines;
    for (const std::string line : {"0003", "0001", "0004", "0002", "0000", "0005", "00025"}) {
        const std::size_t index = InsertSorted(lines, line);
        ASSERT_LT(index, lines.size()) << line;
        EXPECT_EQ(lines[index], line);
    }
    EXPECT_EQ(lines, (LineList{"0000", "0001", "0002", "00025", "0003", "0004", "0005"}));
}

}  // namespace
}  // namespace tavoric
