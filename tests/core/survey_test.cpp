// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/survey.h"

#include <gtest/gtest.h>

#include "core/text.h"

namespace tavoric {
namespace {

std::string RouteLine(const std::string& number, const std::string& interval) {
    return number + " " + PadField("L", "Centrum", " ", 35) + interval;
}

TEST(RouteInterval, ReadsTheLastValidLineOfTheRoute) {
    EXPECT_EQ(RouteInterval({RouteLine("0001", "30")}, "0001"), 30);
    EXPECT_EQ(RouteInterval({RouteLine("0001", " 30 ")}, "0001"), 30);
    EXPECT_EQ(RouteInterval({RouteLine("0001", "3x")}, "0001"), 0);
    EXPECT_EQ(RouteInterval({RouteLine("0001", "15"), RouteLine("0001", "20")}, "0001"), 20);
    EXPECT_EQ(RouteInterval({RouteLine("0001", "15"), RouteLine("0001", "x")}, "0001"), 15);
    EXPECT_EQ(RouteInterval({RouteLine("0002", "15")}, "0001"), 0);
    EXPECT_EQ(RouteInterval({"0001"}, "0001"), 0);
}

TEST(PlacePeriods, JoinWithoutGapAndPassTheSurveyEnd) {
    EXPECT_EQ(PlacePeriods("0600", "0700", 20),
              (std::vector<std::string>{"0600-0620", "0620-0640", "0640-0700"}));
    EXPECT_EQ(PlacePeriods("2330", "2359", 60), (std::vector<std::string>{"2330-2430"}));
    const auto periods = PlacePeriods("0600", "1300", 45);
    EXPECT_EQ(periods.front(), "0600-0645");
    EXPECT_EQ(periods.back(), "1245-1330");
}

TEST(PlacePeriods, RefusesIntervalsThatCannotEnd) {
    EXPECT_TRUE(PlacePeriods("0600", "1300", 0).empty());
    EXPECT_TRUE(PlacePeriods("0600", "1300", -15).empty());
    EXPECT_EQ(PlacePeriods("0000", "999999999", 1).size(), std::size_t{kMaxPeriodsPerPlace});
}

TEST(SurveyLines, FieldsAndKeysReadPastTheEndAsEmpty) {
    const std::string generated = "0001 0002 0003 0600-0630";
    EXPECT_EQ(generated.size(), 24u);
    EXPECT_EQ(PpePlate(generated), "");
    EXPECT_EQ(PpeRemark(generated), "");
    EXPECT_EQ(PpeKey(generated), generated);
    EXPECT_EQ(PlaceKey(generated), "0001 0002 0003");
    EXPECT_EQ(SectionKey(generated), "0001 0002");
    EXPECT_EQ(PpePeriodEnd(generated), "0630");
    const std::string stored = PpeLineWithPlate(generated, "", "");
    EXPECT_EQ(stored, generated + std::string(9, ' '));
    EXPECT_EQ(PpeLineWithPlate(generated, "AB12CD", "F"), generated + " AB12CD F");
    EXPECT_EQ(RouteDescription(RouteLine("0001", "30")), "Centrum");
}

TEST(SurveyLines, PeriodBoundsReadAsWholeNumbersAsToIntegerDoes) {
    const auto boundsOf = [](std::string_view period) {
        return PpePeriodBounds("0001 0002 0003 " + std::string(period) + " AB12CD ");
    };
    ASSERT_TRUE(boundsOf("0815-0830"));
    EXPECT_EQ(boundsOf("0815-0830")->start, 815);
    EXPECT_EQ(boundsOf("0815-0830")->end, 830);
    EXPECT_EQ(boundsOf("2345-0000")->end, 0);
    // Odd fields of hand-made files give what the general parser gives, digit by digit.
    const std::vector<std::string> odd{
        "+815-0830", "-815-0830", "0815-+830", "0815--830", " 815-0830", "081 -0830",   "08a5-0830",
        "0815-083",  "++15-0830", "0815-",     "08:5-0830", "0/15-0830", "0815-083\xff"};
    for (const std::string& period : odd) {
        const std::string line = "0001 0002 0003 " + period;
        const std::optional<int> start = ToInteger(PpePeriodStart(line));
        const std::optional<int> end = ToInteger(PpePeriodEnd(line));
        const std::optional<PeriodBounds> bounds = PpePeriodBounds(line);
        ASSERT_EQ(bounds.has_value(), start && end) << period;
        if (bounds) {
            EXPECT_EQ(bounds->start, *start) << period;
            EXPECT_EQ(bounds->end, *end) << period;
        }
    }
    EXPECT_FALSE(PpePeriodBounds("0001 0002 0003 0815"));
}

TEST(SortLines, OrdersByRouteThenSectionIgnoringCase) {
    LineList lines{"0002 0001 0001 0600-0630", "0001 0003 0001 0600-0630", "0001 0003 0001 0530"};
    SortLines(lines);
    EXPECT_EQ(lines[0], "0001 0003 0001 0530");
    EXPECT_EQ(lines[2], "0002 0001 0001 0600-0630");
    LineList words{"b", "A", "a"};
    SortLines(words);
    EXPECT_EQ(words, (LineList{"A", "a", "b"}));
}

TEST(Survey, NewProjectValuesAndReset) {
    Survey survey;
    survey.RoutesList.push_back("x");
    survey.ProjectChanged = true;
    survey.AlgemeneGegevens.startTime = "0700";
    survey.ResetToNew(NewProjectFileName());
    EXPECT_EQ(survey.ProjectPath, "Nieuw.par");
    EXPECT_FALSE(survey.ProjectChanged);
    EXPECT_TRUE(survey.RoutesList.empty());
    const GeneralValues& v = survey.AlgemeneGegevens;
    EXPECT_EQ(v.surveyArea, "Parkeeronderzoek Centrum Demodorp");
    EXPECT_EQ(v.startTime, "0600");
    EXPECT_EQ(v.endTime, "1300");
    EXPECT_EQ(DurationBoundByKey(v, 16), 1440);
    EXPECT_EQ(DurationBoundByKey(v, 11), 60);
    EXPECT_EQ(v.reportText1, "Opdrachtgever: Gemeente Demodorp");
    EXPECT_EQ(v.reportText2, "");
}

}  // namespace
}  // namespace tavoric
