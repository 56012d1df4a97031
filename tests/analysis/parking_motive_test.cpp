// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/parking_motive.h"

#include <gtest/gtest.h>

#include "analysis/motive_report.h"
#include "analysis/observation_selection.h"
#include "analysis_test_support.h"
#include "core/message_texts.h"

namespace tavoric {

namespace {

MotiveFigures Motives(const Survey& survey, const MotiveBounds& bounds = {}) {
    AnalysisParameters parameters = AllSelected(survey, ReportKind::Motive);
    Progress progress;
    const std::optional<ObservationSlots> slots =
        SelectObservations(survey.KentekensList, SelectPlaces(parameters), parameters, progress);
    return ComputeMotives(*slots, survey.RoutesList, bounds);
}

MotiveCounts Counts(std::int64_t residents, std::int64_t commuters, std::int64_t visitors) {
    return {residents, commuters, visitors};
}

// "key r/c/v" per row, for compact expectations.
std::vector<std::string> RowTexts(const std::vector<MotiveRow>& rows) {
    std::vector<std::string> texts;
    for (const MotiveRow& row : rows) {
        texts.push_back(row.key + " " + std::to_string(row.vehicles[0]) + "/" +
                        std::to_string(row.vehicles[1]) + "/" + std::to_string(row.vehicles[2]));
    }
    return texts;
}

}  // namespace

TEST(ParkingMotive, MorningAndEveningBoundsAreExclusive) {
    // Periods 0645-0700, 0700-0715, ... 1845-1900, 1900-1915.
    MotiveBounds bounds;
    bounds.commuterMinutes = 10000;
    const Survey early = SurveyBuilder("0645", "0715")
                             .Route("0001", 15)
                             .Place("0001 0001 0001", "V", {"EARLY", "LATE1"})
                             .Build();
    // EARLY's period starts 0645 < 0700; LATE1's starts exactly at the bound.
    EXPECT_EQ(Motives(early, bounds).vehicles, Counts(1, 0, 1));

    const Survey late = SurveyBuilder("1845", "1915")
                            .Route("0001", 15)
                            .Place("0001 0001 0001", "V", {"ONTIME", "LATE"})
                            .Build();
    // ONTIME's period ends exactly at 1900; LATE's ends at 1915.
    EXPECT_EQ(Motives(late, bounds).vehicles, Counts(1, 0, 1));

    bounds.morning = "0645";
    bounds.evening = "1915";
    EXPECT_EQ(Motives(early, bounds).vehicles, Counts(0, 0, 2));
    EXPECT_EQ(Motives(late, bounds).vehicles, Counts(0, 0, 2));
}

TEST(ParkingMotive, CommuterFromTheBoundOnAndResidentComesFirst) {
    // Interval 60: a plate seen in four periods has 240 minutes.
    const Survey survey =
        SurveyBuilder("0600", "1400")
            .Route("0001", 60)
            .Place("0001 0001 0001", "V", {"NIGHT", "NIGHT", "NIGHT", "NIGHT", "", "", "", ""})
            .Place("0001 0001 0002", "V", {"", "WORK4", "WORK4", "WORK4", "WORK4", "", "", ""})
            .Place("0001 0001 0003", "V", {"", "SHORT", "SHORT", "", "SHORT", "", "", ""})
            .Build();
    EXPECT_EQ(Motives(survey).vehicles, Counts(1, 1, 1));
    MotiveBounds bounds;
    bounds.commuterMinutes = 241;
    EXPECT_EQ(Motives(survey, bounds).vehicles, Counts(1, 0, 2));
    bounds.commuterMinutes = 180;
    EXPECT_EQ(Motives(survey, bounds).vehicles, Counts(1, 2, 0));
}

TEST(ParkingMotive, AVehicleIsAPlateOverTheWholeSelection) {
    // Route 0002 has a 30-minute interval: minutes follow the route of each slot.
    const Survey survey = SurveyBuilder("0800", "1000")
                              .Route("0001", 60)
                              .Route("0002", 30)
                              .Place("0001 0001 0001", "V", {"MOVER", "Case"})
                              .Place("0001 0002 0001", "V", {"MOVER", ""})
                              .Place("0002 0001 0001", "V", {"MOVER", "case", "", ""})
                              .Build();
    // MOVER: 60 + 60 + 30 = 150 minutes at three places in two routes.
    MotiveBounds bounds;
    bounds.commuterMinutes = 150;
    const MotiveFigures figures = Motives(survey, bounds);
    EXPECT_EQ(figures.vehicles, Counts(0, 1, 2));
    EXPECT_EQ(RowTexts(figures.sections),
              (std::vector<std::string>{"0001 0001 0/1/1", "0001 0002 0/1/0", "0002 0001 0/1/1"}));
    // MOVER stands at three places at 0800; it counts once there. The hour rounds count at the
    // half hours too, so that both routes meet at every clock time.
    EXPECT_EQ(RowTexts(figures.clockTimes),
              (std::vector<std::string>{"0800 0/1/0", "0830 0/1/1", "0900 0/0/1", "0930 0/0/1"}));
    bounds.commuterMinutes = 151;
    EXPECT_EQ(Motives(survey, bounds).vehicles, Counts(0, 0, 3));
}

TEST(ParkingMotive, BlanksAroundAPlateAreRemovedAndAnEmptyFieldHoldsNoVehicle) {
    const Survey survey = SurveyBuilder("0800", "0900")
                              .Route("0001", 60)
                              .Place("0001 0001 0001", "V", {" B12C"})
                              .Place("0001 0001 0002", "V", {"B12C"})
                              .Place("0001 0001 0003", "V", {"      "})
                              .Place("0001 0001 0004", "V", {""})
                              .Build();
    const MotiveFigures figures = Motives(survey);
    EXPECT_EQ(figures.vehicles, Counts(0, 0, 1));
    EXPECT_EQ(RowTexts(figures.clockTimes), (std::vector<std::string>{"0800 0/0/1"}));
}

TEST(ParkingMotive, ASelectionWithoutPlatesKeepsItsSectionsAndPeriods) {
    const Survey survey = SurveyBuilder("0800", "0900")
                              .Route("0001", 30)
                              .Place("0001 0001 0001", "V", {"", ""})
                              .Build();
    const MotiveFigures figures = Motives(survey);
    EXPECT_EQ(TotalVehicles(figures.vehicles), 0);
    EXPECT_EQ(RowTexts(figures.sections), (std::vector<std::string>{"0001 0001 0/0/0"}));
    EXPECT_EQ(MotivePeriodCsv(figures),
              "tijdstip,bewoners,werknemers,bezoekers\r\n0800,0,0,0\r\n0830,0,0,0\r\n");
    EXPECT_EQ(MotiveTotalsCsv(figures),
              "motief,voertuigen,procent\r\nbewoner,0,0\r\nwerknemer,0,0\r\nbezoeker,0,0\r\n");

    const ReportDocument report = RunAnalysis(survey, AllSelected(survey, ReportKind::Motive));
    EXPECT_EQ(report.Lines().back(), MessageText("AA00073"));
    EXPECT_EQ(report.Table().RowCount(), 3);

    EXPECT_TRUE(ComputeMotives({}, survey.RoutesList, {}).clockTimes.empty());
}

TEST(ParkingMotive, PercentagesRoundHalvesToEven) {
    EXPECT_EQ(MotivePercent(1, 8), 12);
    EXPECT_EQ(MotivePercent(3, 8), 38);
    EXPECT_EQ(MotivePercent(1, 3), 33);
    EXPECT_EQ(MotivePercent(0, 0), 0);

    MotiveFigures figures;
    figures.vehicles = Counts(1, 3, 4);
    EXPECT_EQ(MotiveTotalsCsv(figures),
              "motief,voertuigen,procent\r\nbewoner,1,12\r\nwerknemer,3,38\r\nbezoeker,4,50\r\n");
}

TEST(ParkingMotive, PeriodCsvQuotesOnlyFieldsThatNeedIt) {
    MotiveFigures figures;
    figures.clockTimes = {{"0800-0900", Counts(1, 2, 3)}, {"08,0-\"9\xe9", Counts(0, 0, 0)}};
    EXPECT_EQ(MotivePeriodCsv(figures),
              "tijdstip,bewoners,werknemers,bezoekers\r\n0800-0900,1,2,3\r\n"
              "\"08,0-\"\"9\xc3\xa9\",0,0,0\r\n");
}

TEST(ParkingMotive, OnlyTheSlotsOfTheSelectionCount) {
    const Survey survey = SurveyBuilder("0600", "1000")
                              .Route("0001", 60)
                              .Place("0001 0001 0001", "V", {"NIGHT", "", "", "DAY"})
                              .Place("0001 0001 0002", "P", {"", "DAY", "DAY", ""})
                              .Build();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::Motive);
    parameters.windowStart = "0700";
    parameters.selectedTypes = {"V"};
    const ReportDocument report = RunAnalysis(survey, parameters);
    // Outside the window NIGHT is not seen; DAY's slots of type P are not selected.
    EXPECT_EQ(report.Table().RowCount(), 4);
    EXPECT_EQ(Cells(report.Table(), 3, 0, 3), "0900|0|0|1");
}

}  // namespace tavoric
