// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/demo_survey.h"

#include <gtest/gtest.h>

#include <set>

#include "core/atomic_file.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"

namespace tavoric {
namespace {

TEST(DemoSurvey, IsTheSameForTheSameSeedAndDiffersForAnother) {
    const Survey a = MakeDemoSurvey({150, 7});
    EXPECT_EQ(ProjectFileContent(a), ProjectFileContent(MakeDemoSurvey({150, 7})));
    EXPECT_NE(ProjectFileContent(a), ProjectFileContent(MakeDemoSurvey({150, 8})));
}

TEST(DemoSurvey, HoldsAConsistentSortedSurvey) {
    const Survey survey = MakeDemoSurvey({300, 1});
    EXPECT_EQ(survey.ParkeerplaatsenList.size(), 300u);

    std::set<int> intervals;
    for (const std::string& route : survey.RoutesList) {
        intervals.insert(RouteInterval(survey.RoutesList, RouteKey(route)));
    }
    EXPECT_EQ(intervals, (std::set<int>{15, 30, 60}));

    std::set<char> types;
    std::size_t expectedSlots = 0;
    for (const std::string& place : survey.ParkeerplaatsenList) {
        ASSERT_EQ(place.size(), 16u);
        types.insert(place.back());
        const int interval = RouteInterval(survey.RoutesList, RouteKey(place));
        expectedSlots += PlacePeriods("0600", "1830", interval).size();
    }
    EXPECT_EQ(types.size(), 10u) << "every place type occurs";
    EXPECT_EQ(survey.KentekensList.size(), expectedSlots);

    for (const LineList* list :
         {&survey.RoutesList, &survey.SectiesList, &survey.ParkeerplaatsenList}) {
        LineList sorted = *list;
        SortLines(sorted);
        EXPECT_EQ(sorted, *list);
    }
    LineList slots(survey.KentekensList.begin(), survey.KentekensList.end());
    SortLines(slots);
    EXPECT_TRUE(survey.KentekensList == slots);
}

TEST(DemoSurvey, ObservationsLookLikeFieldWork) {
    const Survey survey = MakeDemoSurvey({300, 1});
    std::size_t withPlate = 0, wronglyParked = 0, blocked = 0, empty = 0, notKeyedIn = 0;
    std::size_t longestStay = 0, run = 0;
    std::string previous;
    for (const std::string_view line : survey.KentekensList) {
        if (line.size() == 24) {
            ++notKeyedIn;
            continue;
        }
        ASSERT_EQ(line.size(), 33u);
        const std::string plate(PpePlate(line));
        const std::string_view remark = PpeRemark(line);
        if (remark == "B") {
            ++blocked;
            EXPECT_EQ(plate, "      ");
        } else if (plate == "      ") {
            ++empty;
        } else {
            ++withPlate;
            wronglyParked += remark == "F";
        }
        run = plate == previous && plate != "      " ? run + 1 : 1;
        longestStay = std::max(longestStay, run);
        previous = plate;
    }
    const std::size_t total = survey.KentekensList.size();
    EXPECT_GT(withPlate, total / 2) << "most slots hold a plate";
    EXPECT_GT(empty, 0u);
    EXPECT_GT(wronglyParked, 0u);
    EXPECT_GT(blocked, 0u);
    EXPECT_GT(notKeyedIn, 0u);
    EXPECT_GE(longestStay, 10u) << "some vehicles stay many rounds";
}

TEST(DemoSurvey, SizesFromOnePlaceToTheLargeBenchmarkSurvey) {
    EXPECT_EQ(MakeDemoSurvey({1, 1}).ParkeerplaatsenList.size(), 1u);
    EXPECT_EQ(MakeDemoSurvey({2, 1}).RoutesList.size(), 2u);
    const Survey large = MakeDemoSurvey({20000, 1});
    EXPECT_EQ(large.ParkeerplaatsenList.size(), 20000u);
    EXPECT_NEAR(static_cast<double>(large.KentekensList.size()), 1e6, 3e4);
}

TEST(BundledDemo, LoadsWithItsCountsAndIsWhatTheDemoCommandMakes) {
    Survey survey;
    ScriptedPrompter prompter;
    const std::string path = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";
    ASSERT_TRUE(ReadProjectFile(survey, path, prompter));
    EXPECT_EQ(survey.RoutesList.size(), 3u);
    EXPECT_EQ(survey.SectiesList.size(), 14u);
    EXPECT_EQ(survey.ParkeerplaatsenList.size(), 200u);
    EXPECT_EQ(survey.KentekensList.size(), 7502u);

    std::string content;
    ASSERT_TRUE(ReadWholeFile(path, content));
    EXPECT_EQ(content, ProjectFileContent(MakeDemoSurvey({200, 1})))
        << "remake it with: tavoric-cli demo data/demo/Demodorp.par";
}

}  // namespace
}  // namespace tavoric
