// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_selection.h"

#include <gtest/gtest.h>

#include "analysis_test_support.h"

namespace tavoric {

namespace {

// Two routes (15 and 30 minutes), three sections, five places of types V, I and P.
Survey TwoRouteSurvey() {
    return SurveyBuilder("0600", "1300")
        .Route("0002", 30)
        .Route("0001", 15)
        .Place("0001 0001 0001", "V", {})
        .Place("0001 0001 0002", "I", {})
        .Place("0001 0002 0001", "V", {})
        .Place("0002 0001 0001", "P", {})
        .Place("0002 0001 0002", "V", {})
        .Build();
}

LineList SelectedOf(const AnalysisSelection& selection, NarrowingLevel level) {
    return selection.List(level).SelectedEntries();
}

}  // namespace

TEST(AnalysisSelection, FirstOpeningSelectsEverythingAndTakesTheSurveyPeriod) {
    const Survey survey = TwoRouteSurvey();
    AnalysisSelection selection;
    EXPECT_TRUE(selection.Open(survey));

    EXPECT_EQ(selection.Window(survey).start, "0600");
    EXPECT_EQ(selection.Window(survey).end, "1300");
    const NarrowingList& routes = selection.List(NarrowingLevel::Routes);
    ASSERT_EQ(routes.Count(), 2u);
    EXPECT_EQ(routes.Entry(0), "0001 Route 0001" + std::string(24, ' '));  // 39 characters
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Sections),
              (LineList{"0001 0001 Straat", "0001 0002 Straat", "0002 0001 Straat"}));
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Places).size(), 5u);
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Types), (LineList{"I", "P", "V"}));
}

TEST(AnalysisSelection, TheDefaultWindowReachesEverySlotOfTheSelectedPlaces) {
    // Survey 0630 to 1930: the hour route's last round ends at 2030, after the survey end; the
    // quarter route ends within it. A slot before the survey start widens the window too.
    Survey survey = SurveyBuilder("0630", "1930")
                        .Route("0001", 60)
                        .Route("0002", 15)
                        .Place("0001 0001 0001", "V", std::vector<std::string>(14, "AA11BB"))
                        .Place("0002 0001 0001", "V", {"CC22DD"})
                        .Build();
    survey.KentekensList.push_back(PpeLineWithPlate("0002 0001 0001 0600-0615", "EE33FF", " "));
    SortLines(survey.KentekensList);
    AnalysisSelection selection;
    selection.Open(survey);
    EXPECT_EQ(selection.Window(survey).start, "0600");
    EXPECT_EQ(selection.Window(survey).end, "2030");
    EXPECT_FALSE(selection.WindowTyped());

    // Only the hour route: its own first start is later than the survey start.
    ASSERT_FALSE(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0001"}));
    EXPECT_EQ(selection.Window(survey).start, "0630");
    EXPECT_EQ(selection.Window(survey).end, "2030");
    const AnalysisParameters parameters = selection.Parameters(survey, ReportKind::PerPlace);
    EXPECT_EQ(parameters.windowEnd, "2030");

    // Taking over the times shown keeps the default; a typed window holds as typed.
    selection.SetWindow(survey, "0630", "2030");
    EXPECT_FALSE(selection.WindowTyped());
    selection.SetWindow(survey, "0630", "1930");
    EXPECT_TRUE(selection.WindowTyped());
    ASSERT_FALSE(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0001", "0002"}));
    EXPECT_EQ(selection.Window(survey).start, "0630");
    EXPECT_EQ(selection.Window(survey).end, "1930");

    // Without slots the survey period as it stands.
    EXPECT_EQ(DefaultWindow(survey, {}).start, "0630");
    EXPECT_EQ(DefaultWindow(survey, {}).end, "1930");
}

TEST(AnalysisSelection, TheDefaultWindowFollowsEverySelectionItWasNotReadAfter) {
    Survey survey = SurveyBuilder("0630", "0700")
                        .Route("0001", 15)
                        .Route("0002", 15)
                        .Place("0001 0001 0001", "V", {"AA11BB"})
                        .Place("0002 0001 0001", "V", {"CC22DD"})
                        .Build();
    survey.KentekensList.push_back(PpeLineWithPlate("0002 0001 0001 0600-0615", "EE33FF", " "));
    SortLines(survey.KentekensList);
    AnalysisSelection selection;
    selection.Open(survey);
    ASSERT_FALSE(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0001"}));
    ASSERT_FALSE(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0002"}));
    ASSERT_FALSE(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0001"}));
    // The times of the selection made last are its default, not a typed window.
    selection.SetWindow(survey, "0630", "0700");
    EXPECT_FALSE(selection.WindowTyped());
    ASSERT_FALSE(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0002"}));
    EXPECT_EQ(selection.Parameters(survey, ReportKind::PerPlace).windowStart, "0600");
    ASSERT_FALSE(selection.SelectOnly(survey, NarrowingLevel::Types, {"V"}));
    EXPECT_EQ(selection.Window(survey).start, "0600");
}

TEST(AnalysisSelection, LaterOpeningsKeepTheSelectionUntilReset) {
    const Survey survey = TwoRouteSurvey();
    AnalysisSelection selection;
    selection.Open(survey);
    selection.SetWindow(survey, "0700", "0800");
    selection.SetSelected(NarrowingLevel::Types, 0, false);

    EXPECT_FALSE(selection.Open(survey));
    EXPECT_EQ(selection.Window(survey).start, "0700");
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Types), (LineList{"P", "V"}));

    selection.Reset();
    EXPECT_TRUE(selection.Open(survey));
    EXPECT_EQ(selection.Window(survey).start, "0600");
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Types), (LineList{"I", "P", "V"}));
}

TEST(AnalysisSelection, AClickRebuildsAndReselectsEverythingBelow) {
    const Survey survey = TwoRouteSurvey();
    AnalysisSelection selection;
    selection.Open(survey);
    selection.SetSelected(NarrowingLevel::Places, 0, false);
    selection.Rebuild(survey, NarrowingLevel::Places);
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Types), (LineList{"I", "P", "V"}));

    selection.SetSelected(NarrowingLevel::Routes, 1, false);  // route 0002
    selection.Rebuild(survey, NarrowingLevel::Routes);
    EXPECT_EQ(selection.List(NarrowingLevel::Sections).Count(), 2u);
    // The place deselected earlier is selected again.
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Places),
              (LineList{"0001 0001 0001 V", "0001 0001 0002 I", "0001 0002 0001 V"}));
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Types), (LineList{"I", "V"}));

    selection.SetSelected(NarrowingLevel::Sections, 0, false);
    selection.Rebuild(survey, NarrowingLevel::Sections);
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Places), (LineList{"0001 0002 0001 V"}));
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Types), (LineList{"V"}));
}

TEST(AnalysisSelection, SelectOnlyNamesEntriesByKeyAndReportsAnUnknownOne) {
    const Survey survey = TwoRouteSurvey();
    AnalysisSelection selection;
    selection.Open(survey);

    EXPECT_EQ(selection.SelectOnly(survey, NarrowingLevel::Sections, {"0001 0001", "0002 0001"}),
              std::nullopt);
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Places).size(), 4u);
    EXPECT_EQ(selection.SelectOnly(survey, NarrowingLevel::Types, {"v"}), std::nullopt);
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Types), (LineList{"V"}));

    // A place outside the sections let in is not in the list: nothing changes.
    EXPECT_EQ(
        selection.SelectOnly(survey, NarrowingLevel::Places, {"0001 0001 0001", "0001 0002 0001"}),
        "0001 0002 0001");
    EXPECT_EQ(SelectedOf(selection, NarrowingLevel::Places).size(), 4u);
}

TEST(AnalysisSelection, IntervalsOfTheSelectedRoutesSortAsText) {
    Survey survey = SurveyBuilder("0600", "1300")
                        .Route("0001", 15)
                        .Route("0002", 15)
                        .Route("0003", 30)
                        .Route("0004", 5)
                        .Route("0005", 10)
                        .Build();
    AnalysisSelection selection;
    selection.Open(survey);
    ASSERT_EQ(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0001", "0002", "0003"}),
              std::nullopt);
    EXPECT_EQ(selection.Intervals(survey), (std::vector<std::string>{"15", "15", "30"}));
    EXPECT_FALSE(selection.ReportAllowed(survey, ReportKind::PerInterval));
    EXPECT_TRUE(selection.ReportAllowed(survey, ReportKind::PerPlace));

    ASSERT_EQ(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0004", "0005"}), std::nullopt);
    EXPECT_EQ(selection.Intervals(survey), (std::vector<std::string>{"10", "5"}));
    EXPECT_FALSE(selection.ReportAllowed(survey, ReportKind::PerInterval));

    ASSERT_EQ(selection.SelectOnly(survey, NarrowingLevel::Routes, {"0001", "0002"}), std::nullopt);
    EXPECT_TRUE(selection.ReportAllowed(survey, ReportKind::PerInterval));
    ASSERT_EQ(selection.SelectOnly(survey, NarrowingLevel::Routes, {}), std::nullopt);
    EXPECT_TRUE(IntervalsEqual(selection.Intervals(survey)));
}

TEST(AnalysisSelection, ParametersFollowTheListsTimesAndDurationClasses) {
    Survey survey = TwoRouteSurvey();
    survey.AlgemeneGegevens.durationClasses[2].to = 90;
    AnalysisSelection selection;
    selection.Open(survey);
    selection.SetSelected(NarrowingLevel::Types, 0, false);

    const AnalysisParameters parameters = selection.Parameters(survey, ReportKind::PerInterval);
    EXPECT_EQ(parameters.reportKind, ReportKind::PerInterval);
    EXPECT_EQ(parameters.windowStart, "0600");
    EXPECT_EQ(parameters.selectedPlaces.front(), "0001 0001 0001 V");
    EXPECT_EQ(parameters.selectedPlaces.size(), 5u);
    EXPECT_EQ(parameters.selectedTypes, (LineList{"P", "V"}));
    EXPECT_TRUE(parameters.typeListHasEntries);
    EXPECT_EQ(parameters.classes[2].to, 90);
    EXPECT_TRUE(parameters.countIllegalInPpl);
    EXPECT_FALSE(parameters.addDetailList);
}

}  // namespace tavoric
