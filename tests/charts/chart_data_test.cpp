// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chart_data.h"

#include <gtest/gtest.h>

#include "analysis/clock_times.h"
#include "analysis/observation_selection.h"
#include "analysis_test_support.h"
#include "charts/chart_texts.h"

namespace tavoric {

namespace {

// Two routes of different intervals side by side:
//   0001 0001 0001 V  (15 min)  AA11BB, AA11BB (blocked), -, CC22DD
//   0001 0001 0002 I  (15 min)  EE33FF, -, -, -
//   0001 0001 0003 V            no slots at all
//   0002 0001 0001 V  (30 min)  GG44HH, " B12CD" (leading blank: no vehicle)
// Section 0001 0001 is described "Markt, oost"; section 0002 0001 has no description.
Survey MixedSurvey() {
    Survey survey = SurveyBuilder("0800", "0900")
                        .Route("0001", 15)
                        .Route("0002", 30)
                        .Place("0001 0001 0001", "V", {"AA11BB", "AA11BB", "", "CC22DD"}, " B")
                        .Place("0001 0001 0002", "I", {"EE33FF", "", "", ""})
                        .Place("0002 0001 0001", "V", {"GG44HH", " B12CD"})
                        .Build();
    survey.ParkeerplaatsenList.push_back("0001 0001 0003 V");
    SortLines(survey.ParkeerplaatsenList);
    survey.SectiesList = {"0001 0001 Markt, oost   ", "0002 0001"};
    return survey;
}

ObservationSlots SlotsOf(const Survey& survey, const AnalysisParameters& parameters) {
    Progress progress;
    return *SelectObservations(survey.KentekensList, SelectPlaces(parameters), parameters,
                               progress);
}

std::string Text(const ClockOccupancy& p) {
    return p.time + " " + std::to_string(p.capacity) + "/" + std::to_string(p.vehicles) + " " +
           std::to_string(p.occupancy);
}

std::vector<std::string> Texts(const std::vector<ClockOccupancy>& occupancy) {
    std::vector<std::string> texts;
    for (const ClockOccupancy& p : occupancy) {
        texts.push_back(Text(p));
    }
    return texts;
}

std::string Text(const SectionPressure& s) {
    return s.route + "-" + s.section + " [" + s.description + "] " + std::to_string(s.places) +
           " " + std::to_string(s.capacity) + "/" + std::to_string(s.occupied) + " " +
           std::to_string(s.occupancy) + " " + std::to_string(s.peak);
}

// The totals row of the report per parking place.
std::vector<std::string_view> ReportTotals(const Survey& survey,
                                           const AnalysisParameters& parameters,
                                           ReportDocument& report) {
    Progress progress;
    RunParkingDurationAnalysis(survey, parameters, report, progress);
    return report.Table().Row(report.Table().RowCount() - 2);
}

}  // namespace

TEST(ChartData, OccupancyAtEveryClockTimeOverTheRoutesOfAllIntervals) {
    const Survey survey = MixedSurvey();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    // The 30-minute route counts at 0815 and 0845 too. Blocked slots add no capacity but their
    // vehicle counts; a leading blank is no vehicle; 1 of 3 rounds half to even.
    EXPECT_EQ(
        Texts(OccupancyByClockTime(SlotsOf(survey, parameters), parameters)),
        (std::vector<std::string>{"0800 3/3 100", "0815 2/2 100", "0830 3/0 0", "0845 3/1 33"}));

    // Without illegal places in the capacity, their vehicles still count; no capacity gives 0.
    parameters.countIllegalInPpe = false;
    EXPECT_EQ(
        Texts(OccupancyByClockTime(SlotsOf(survey, parameters), parameters)),
        (std::vector<std::string>{"0800 2/3 150", "0815 1/2 200", "0830 2/0 0", "0845 2/1 50"}));

    // Only whole periods inside the window count.
    parameters.windowEnd = "0830";
    EXPECT_EQ(OccupancyByClockTime(SlotsOf(survey, parameters), parameters).size(), 2u);
    EXPECT_TRUE(OccupancyByClockTime({}, parameters).empty());
}

TEST(ChartData, ClockTimesCountOnPastMidnightAndRoundHalfToEven) {
    // Rounds of 15, 30 and 60 minutes from 2330; the 60-minute round ends at 2430.
    const Survey survey = SurveyBuilder("2330", "2430")
                              .Route("0001", 15)
                              .Route("0002", 30)
                              .Route("0003", 60)
                              .Place("0001 0001 0001", "V", {"AA", "", "", "BB"})
                              .Place("0001 0001 0002", "V", {"", "", "", "FF"})
                              .Place("0002 0001 0001", "V", {"CC", "CC"})
                              .Place("0003 0001 0001", "V", {"DD"})
                              .Place("0003 0001 0002", "V", {"EE"})
                              .Place("0003 0001 0003", "V", {""})
                              .Place("0003 0001 0004", "V", {""})
                              .Place("0003 0001 0005", "V", {""})
                              .Build();
    const AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    // The longer rounds count at every clock time they cover: 3 of 8 is 37.5, to even 38; 5 of
    // 8 is 62.5, to even 62.
    EXPECT_EQ(
        Texts(OccupancyByClockTime(SlotsOf(survey, parameters), parameters)),
        (std::vector<std::string>{"2330 8/4 50", "2345 8/3 38", "2400 8/3 38", "2415 8/5 62"}));
    // The street by time, its peak the highest of its clock times.
    const std::vector<SectionPressure> sections =
        PressureBySection(SlotsOf(survey, parameters), survey.SectiesList, parameters);
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(
        Texts(sections[0].byClockTime),
        (std::vector<std::string>{"2330 2/1 50", "2345 2/0 0", "2400 2/0 0", "2415 2/2 100"}));
    EXPECT_EQ(sections[0].peak, 100);
    EXPECT_EQ(Texts(sections[2].byClockTime).back(), "2415 5/2 40");
}

TEST(ChartData, PressurePerSectionInSelectionOrder) {
    const Survey survey = MixedSurvey();
    const AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    const std::vector<SectionPressure> sections =
        PressureBySection(SlotsOf(survey, parameters), survey.SectiesList, parameters);
    ASSERT_EQ(sections.size(), 2u);
    // 4 of 7 slots; the busiest period of the section is full. The place without slots is no
    // place of the chart.
    EXPECT_EQ(Text(sections[0]), "0001-0001 [Markt, oost] 2 7/4 57 100");
    EXPECT_EQ(Text(sections[1]), "0002-0001 [] 1 2/1 50 100");
    // A section without a line in the sections list has no description either.
    EXPECT_EQ(PressureBySection(SlotsOf(survey, parameters), {"0002 0001 Dijk"}, parameters)
                  .front()
                  .description,
              "");
}

TEST(ChartData, ASectionWithoutPlateOrRemarkInTheSelectionIsNotObserved) {
    const Survey survey = SurveyBuilder("0800", "0900")
                              .Route("0001", 30)
                              .Place("0001 0001 0001", "V", {"", ""})
                              .Place("0001 0002 0001", "V", {"", ""}, " b")
                              .Place("0001 0003 0001", "V", {"", " B12CD"})
                              .Place("0001 0004 0001", "V", {"", ""})
                              .Place("0001 0004 0002", "V", {"AA11BB", ""})
                              .Build();
    const AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    const std::vector<SectionPressure> sections =
        PressureBySection(SlotsOf(survey, parameters), survey.SectiesList, parameters);
    ASSERT_EQ(sections.size(), 4u);
    // Empty all through: no figures, though its capacity counts as 0 %.
    EXPECT_FALSE(sections[0].observed);
    EXPECT_EQ(Text(sections[0]), "0001-0001 [Straat] 1 2/0 0 0");
    // A remark alone, or a plate without a vehicle, is an observation of the street.
    EXPECT_TRUE(sections[1].observed);
    EXPECT_TRUE(sections[2].observed);
    EXPECT_EQ(sections[2].occupied, 0);
    // One observed place makes its whole section observed.
    EXPECT_TRUE(sections[3].observed);
}

TEST(ChartData, SectionOccupancyEqualsTheReportOfThatSection) {
    const Survey survey = MixedSurvey();
    for (bool countIllegal : {true, false}) {
        AnalysisSelection selection;
        selection.Open(survey);
        ASSERT_FALSE(selection.SelectOnly(survey, NarrowingLevel::Sections, {"0001 0001"}));
        AnalysisParameters parameters = selection.Parameters(survey, ReportKind::PerPlace);
        parameters.countIllegalInPpe = countIllegal;
        const std::vector<SectionPressure> sections =
            PressureBySection(SlotsOf(survey, parameters), survey.SectiesList, parameters);
        ReportDocument report(1, ReportSettings{});
        const auto& totals = ReportTotals(survey, parameters, report);
        ASSERT_EQ(sections.size(), 1u);
        EXPECT_EQ(std::to_string(sections[0].capacity), totals[5]);
        EXPECT_EQ(std::to_string(sections[0].occupied), totals[19]);
        EXPECT_EQ(std::to_string(sections[0].occupancy), totals[21]);
    }
}

TEST(ChartData, DurationsAreTheReportTotals) {
    Survey survey = MixedSurvey();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    for (const auto& classes :
         {parameters.classes, std::array<DurationClass, kDurationClassCount>{
                                  {{0, 15}, {15, 30}, {0, 60}, {30, 31}, {60, 0}}}}) {
        parameters.classes = classes;
        parameters.countIllegalInPpl = false;
        const DurationDistribution durations =
            DurationsOf(SlotsOf(survey, parameters), survey.RoutesList, parameters);
        ReportDocument report(1, ReportSettings{});
        const auto& totals = ReportTotals(survey, parameters, report);
        for (std::size_t k = 0; k < durations.size(); ++k) {
            EXPECT_EQ(durations[k].range.from, classes[k].from);
            EXPECT_EQ(std::to_string(durations[k].vehicles), totals[7 + 2 * k]) << k;
            EXPECT_EQ(std::to_string(durations[k].percent), totals[8 + 2 * k]) << k;
        }
    }
}

TEST(ChartData, ComputesEveryChartOfTheSelection) {
    const Survey survey = MixedSurvey();
    const AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    Progress progress;
    const std::optional<ChartData> data = ComputeChartData(survey, parameters, 80, progress);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->threshold, 80);
    EXPECT_EQ(data->windowStart, "0800");
    EXPECT_EQ(data->occupancy.size(), 4u);
    EXPECT_EQ(data->sections.size(), 2u);
    // 30 (AA11BB), 15 (EE33FF), 15 (CC22DD), 30 (GG44HH): classes 0-30 and 30-60.
    EXPECT_EQ(data->durations[0].vehicles, 2);
    EXPECT_EQ(data->durations[1].vehicles, 2);
    EXPECT_EQ(data->durations[1].percent, 50);

    struct CancellingProgress : Progress {
        bool Cancelled() override { return true; }
    } cancelling;
    EXPECT_FALSE(ComputeChartData(survey, parameters, 80, cancelling));
}

TEST(ChartData, PressureClassesFollowTheThreshold) {
    EXPECT_EQ(ClassifyPressure(69, 85), PressureClass::Low);
    EXPECT_EQ(ClassifyPressure(70, 85), PressureClass::Moderate);
    EXPECT_EQ(ClassifyPressure(85, 85), PressureClass::Moderate);
    EXPECT_EQ(ClassifyPressure(86, 85), PressureClass::High);
    EXPECT_EQ(ClassifyPressure(140, 100), PressureClass::High);
    // A threshold below 70: above it is pressure, whatever the middle class says.
    EXPECT_EQ(ClassifyPressure(65, 60), PressureClass::High);
    EXPECT_EQ(ClassifyPressure(60, 60), PressureClass::Low);
}

TEST(ChartTexts, SectionLabelsAreUnique) {
    std::vector<SectionPressure> sections(4);
    const char* keys[][3] = {{"0001", "0001", "Markt"},
                             {"0001", "0002", "Kerkstraat"},
                             {"0002", "0001", "Kerkstraat"},
                             {"0002", "0002", ""}};
    for (std::size_t i = 0; i < sections.size(); ++i) {
        sections[i].route = keys[i][0];
        sections[i].section = keys[i][1];
        sections[i].description = keys[i][2];
    }
    EXPECT_EQ(SectionLabels(sections),
              (std::vector<std::string>{"Markt", "0001-0002 Kerkstraat", "0002-0001 Kerkstraat",
                                        "0002-0002"}));
}

TEST(ChartTexts, PeriodMinutesAndPeak) {
    ASSERT_TRUE(PeriodMinutesOf("0815-0830"));
    EXPECT_EQ(PeriodMinutesOf("0815-0830")->start, 495);
    EXPECT_EQ(PeriodMinutesOf("0815-0830")->end, 510);
    // Past 2400 the clock counts on; a period written over midnight ends on the next day.
    EXPECT_EQ(PeriodMinutesOf("2400-2500")->end, 25 * 60);
    EXPECT_EQ(PeriodMinutesOf("2345-0015")->end, 24 * 60 + 15);
    for (const char* bad : {"", "0815", "ab15-0830"}) {
        EXPECT_FALSE(PeriodMinutesOf(bad)) << bad;
    }

    EXPECT_FALSE(PeakClockTime({}));
    // The first of equal highest clock times.
    EXPECT_EQ(PeakClockTime(
                  {{"0800", 480, 2, 1, 50}, {"0815", 495, 2, 2, 100}, {"0830", 510, 1, 1, 100}}),
              1u);
}

}  // namespace tavoric
