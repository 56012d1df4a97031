// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/cascade.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/demo_survey.h"
#include "test_survey.h"

namespace tavoric {
namespace {

using entry_test::RecordingProgress;
using entry_test::SmallSurvey;

template <typename Lines>
bool AnyStartsWith(const Lines& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](std::string_view line) { return line.starts_with(prefix); });
}

TEST(RemoveDependentLines, DeletingARouteTakesEverythingUnderIt) {
    Survey survey = SmallSurvey();
    const Survey before = survey;
    survey.RoutesList.erase(survey.RoutesList.begin());
    RecordingProgress progress;
    RemoveDependentLines(survey, progress);

    for (const LineList* list : {&survey.SectiesList, &survey.ParkeerplaatsenList}) {
        EXPECT_FALSE(AnyStartsWith(*list, "0001"));
        EXPECT_TRUE(AnyStartsWith(*list, "0002"));
    }
    EXPECT_FALSE(AnyStartsWith(survey.KentekensList, "0001"));
    EXPECT_TRUE(AnyStartsWith(survey.KentekensList, "0002"));
    EXPECT_EQ(survey.SectiesList.size(), 2u);
    EXPECT_EQ(survey.ParkeerplaatsenList.size(), 4u);
    EXPECT_EQ(survey.KentekensList.size(), 8u);
    // What stays keeps its order.
    EXPECT_TRUE(std::equal(survey.KentekensList.begin(), survey.KentekensList.end(),
                           before.KentekensList.end() - 8));
    EXPECT_EQ(progress.shown, 1);
    EXPECT_EQ(progress.hidden, 1);
    EXPECT_EQ(progress.lastDone, progress.lastTotal);
}

TEST(RemoveDependentLines, ASectionNumberOfAnotherRouteIsAnotherSection) {
    Survey survey = SmallSurvey();
    std::erase(survey.SectiesList, "0001 0002 Straat 0002");
    RecordingProgress progress;
    RemoveDependentLines(survey, progress);
    EXPECT_FALSE(AnyStartsWith(survey.ParkeerplaatsenList, "0001 0002"));
    EXPECT_FALSE(AnyStartsWith(survey.KentekensList, "0001 0002"));
    EXPECT_TRUE(AnyStartsWith(survey.ParkeerplaatsenList, "0002 0002"));
    EXPECT_TRUE(AnyStartsWith(survey.KentekensList, "0002 0002"));
    EXPECT_EQ(survey.KentekensList.size(), 24u - 8u);
}

TEST(RemoveDependentLines, PlacesGoneLeaveTheirSectionAndTakeTheirSlots) {
    Survey survey = SmallSurvey();
    std::erase_if(survey.ParkeerplaatsenList,
                  [](const std::string& line) { return line.starts_with("0002 0001"); });
    RecordingProgress progress;
    RemoveDependentLines(survey, progress);
    EXPECT_EQ(survey.SectiesList.size(), 4u);
    EXPECT_FALSE(AnyStartsWith(survey.KentekensList, "0002 0001"));
    EXPECT_EQ(survey.KentekensList.size(), 20u);
}

TEST(RemoveDependentLines, StraySlotsAndUnsortedListsAreHandled) {
    Survey survey = SmallSurvey();
    // A slot of a place that never existed, between two runs of the same vanished place.
    survey.ParkeerplaatsenList.erase(survey.ParkeerplaatsenList.begin());
    LineList slots(survey.KentekensList.begin(), survey.KentekensList.end());
    slots.insert(slots.begin() + 2, "0009 0009 0009 0600-0630");
    slots.push_back(slots.front());
    std::rotate(slots.begin(), slots.begin() + 5, slots.end());
    survey.KentekensList = LineBuffer(slots);
    RecordingProgress progress;
    RemoveDependentLines(survey, progress);
    EXPECT_FALSE(AnyStartsWith(survey.KentekensList, "0009"));
    EXPECT_FALSE(AnyStartsWith(survey.KentekensList, "0001 0001 0001"));
    EXPECT_EQ(survey.KentekensList.size(), 20u);
}

TEST(RemoveDependentLines, NoPlacesLeavesNoSlots) {
    Survey survey = SmallSurvey();
    survey.ParkeerplaatsenList.clear();
    RecordingProgress progress;
    RemoveDependentLines(survey, progress);
    EXPECT_TRUE(survey.KentekensList.empty());
    EXPECT_EQ(survey.SectiesList.size(), 4u);
}

TEST(StoreEditedList, OnlyAChangeReachesTheSurveyAndOnlyADeletionCascades) {
    Survey survey = SmallSurvey();
    RecordingProgress progress;
    LineList routes{survey.RoutesList[1]};
    EXPECT_FALSE(
        StoreEditedList(survey, &Survey::RoutesList, routes, false, true, progress).projectChanged);
    EXPECT_EQ(survey.RoutesList.size(), 2u);
    EXPECT_FALSE(survey.ProjectChanged);

    const ApplyResult changed =
        StoreEditedList(survey, &Survey::RoutesList, routes, true, false, progress);
    EXPECT_TRUE(changed.projectChanged);
    EXPECT_TRUE(changed.resetAnalysisSelection);
    EXPECT_TRUE(survey.ProjectChanged);
    EXPECT_EQ(survey.SectiesList.size(), 4u);

    StoreEditedList(survey, &Survey::RoutesList, routes, true, true, progress);
    EXPECT_EQ(survey.SectiesList.size(), 2u);
}

// The removal as three plain passes, each searching its parent list line by line.
void RemoveDependentLinesByPasses(Survey& survey) {
    auto removeOrphans = [](LineList& lines, const LineList& parents, auto key) {
        std::erase_if(lines, [&](const std::string& line) {
            return std::none_of(parents.begin(), parents.end(), [&](const std::string& parent) {
                return key(parent) == key(line);
            });
        });
    };
    removeOrphans(survey.SectiesList, survey.RoutesList, RouteKey);
    removeOrphans(survey.ParkeerplaatsenList, survey.SectiesList, SectionKey);
    LineList slots(survey.KentekensList.begin(), survey.KentekensList.end());
    removeOrphans(slots, survey.ParkeerplaatsenList, PlaceKey);
    survey.KentekensList = LineBuffer(slots);
}

TEST(RemoveDependentLines, LeavesWhatThePlainPassesLeave) {
    const Survey demo = MakeDemoSurvey({300, 5});
    RecordingProgress progress;
    for (std::size_t cut = 0; cut < 3; ++cut) {
        Survey survey = demo;
        // A route, every third section and every seventh place go, and one stray slot comes.
        survey.RoutesList.erase(survey.RoutesList.begin() + static_cast<std::ptrdiff_t>(cut));
        for (std::size_t i = cut; i < survey.SectiesList.size(); i += 3) {
            survey.SectiesList[i] = "9999 " + survey.SectiesList[i].substr(5);
        }
        for (std::size_t i = cut; i < survey.ParkeerplaatsenList.size(); i += 7) {
            survey.ParkeerplaatsenList[i][15] = 'x';
            survey.ParkeerplaatsenList[i][12] = 'x';
        }
        survey.KentekensList.Insert(17, "0001 0001 xxxx 0600-0615");
        Survey expected = survey;
        RemoveDependentLinesByPasses(expected);
        RemoveDependentLines(survey, progress);
        EXPECT_EQ(survey.SectiesList, expected.SectiesList);
        EXPECT_EQ(survey.ParkeerplaatsenList, expected.ParkeerplaatsenList);
        EXPECT_EQ(survey.KentekensList, expected.KentekensList);
        EXPECT_LT(survey.KentekensList.size(), demo.KentekensList.size());
    }
}

}  // namespace
}  // namespace tavoric
