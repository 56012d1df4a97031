// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/per_place_report.h"

#include <gtest/gtest.h>

#include "analysis_test_support.h"
#include "core/message_texts.h"

namespace tavoric {

namespace {

constexpr int kFirstPlaceRow = 7;

// Runs the report per parking place on everything and gives the report.
ReportDocument PerPlace(const Survey& survey) {
    return RunAnalysis(survey, AllSelected(survey, ReportKind::PerPlace));
}

// Columns 4 to 23 of a row: capacities, the five classes (count, %), vehicles, occupied slots,
// wrongly parked, occupancy, mean duration and turnover.
std::string Figures(const ReportDocument& report, int row) {
    return Cells(report.Table(), row, 4, 23);
}

std::string OnePlaceFigures(int interval, const std::vector<std::string>& plates,
                            const std::string& remarks = "", const std::string& end = "2400") {
    const Survey survey = SurveyBuilder("0000", end)
                              .Route("0001", interval)
                              .Place("0001 0001 0001", "V", plates, remarks)
                              .Build();
    return Figures(PerPlace(survey), kFirstPlaceRow);
}

}  // namespace

TEST(PerPlaceFigures, StaysAreRunsOfTheSamePlate) {
    // 30 and 15 minutes: one stay in class 2, one in class 1; 45 / 2 rounds to 22.
    EXPECT_EQ(OnePlaceFigures(15, {"AB12CD", "AB12CD", "", "AB12CD"}),
              "1|4||1|50|1|50|0|0|0|0|0|0||2|3|0|75|22|2,0");
    // A plate change without gap closes the first stay.
    EXPECT_EQ(OnePlaceFigures(30, {"XX11YY", "ZZ22WW"}),
              "1|2||0|0|2|100|0|0|0|0|0|0||2|2|0|100|30|2,0");
    // Plates are compared with letter case.
    EXPECT_EQ(OnePlaceFigures(30, {"ab12cd", "AB12CD"}),
              "1|2||0|0|2|100|0|0|0|0|0|0||2|2|0|100|30|2,0");
    // A plate field beginning with a blank holds no vehicle.
    EXPECT_EQ(OnePlaceFigures(30, {" B12CD", "", ""}), "1|3||0|0|0|0|0|0|0|0|0|0||0|0|0|0|0|0,0");
}

TEST(PerPlaceFigures, ClassesAreHalfOpenAndLongStaysFallOutside) {
    // Exactly 240 minutes lies in class 5 (240 to 1440), not class 4.
    EXPECT_EQ(OnePlaceFigures(60, {"AA11BB", "AA11BB", "AA11BB", "AA11BB"}),
              "1|4||0|0|0|0|0|0|0|0|1|100||1|4|0|100|240|1,0");
    // 1440 minutes lie in no default class: counted as a vehicle, not in the percentages.
    EXPECT_EQ(OnePlaceFigures(720, {"AA11BB", "AA11BB"}),
              "1|2||0|0|0|0|0|0|0|0|0|0||1|2|0|100|1440|1,0");
}

TEST(PerPlaceFigures, PercentagesRoundHalvesToEven) {
    // Eight stays: four of 15 minutes, three of 30, one of 60; 1 of 8 is 12 %, 3 of 8 is 38 %.
    EXPECT_EQ(
        OnePlaceFigures(15, {"A", "A", "A", "A", "B", "B", "C", "C", "D", "D", "E", "F", "G", "H"}),
        "1|14||4|50|3|38|1|12|0|0|0|0||8|14|0|100|26|8,0");
}

TEST(PerPlaceFigures, BlockedSlotsAddNoCapacityAndWrongParkingMarksTheStay) {
    // A plate in a blocked slot is still occupied: occupancy 200 %.
    EXPECT_EQ(OnePlaceFigures(15, {"AA11BB", "AA11BB"}, " b"),
              "1|1||0|0|1|100|0|0|0|0|0|0||1|2|0|200|30|1,0");
    // "F" inside a stay, and "f" on an empty slot that marks the next stay.
    EXPECT_EQ(OnePlaceFigures(15, {"P1", "P1", "P1", "", "Q2"}, " F f"),
              "1|5||1|50|1|50|0|0|0|0|0|0||2|4|2|80|30|2,0");
    // An "f" after the last stay marks nothing.
    EXPECT_EQ(OnePlaceFigures(15, {"P1", ""}, " f"), "1|2||1|100|0|0|0|0|0|0|0|0||1|1|0|50|15|1,0");
}

TEST(PerPlaceFigures, OnlyWholePeriodsInsideTheWindowCount) {
    // Interval 45 from 0600: ten periods, the last 1245-1330 ends after 1300.
    const Survey survey = SurveyBuilder("0600", "1300")
                              .Route("0001", 45)
                              .Place("0001 0001 0001", "V", std::vector<std::string>(10, ""))
                              .Build();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    // The default window reaches the last period; the survey period as typed leaves it out.
    EXPECT_EQ(parameters.windowEnd, "1330");
    EXPECT_EQ(RunAnalysis(survey, parameters).Table().Cell(5, kFirstPlaceRow), "10");
    parameters.windowEnd = "1300";
    EXPECT_EQ(RunAnalysis(survey, parameters).Table().Cell(5, kFirstPlaceRow), "9");
    parameters.windowStart = "0610";
    EXPECT_EQ(RunAnalysis(survey, parameters).Table().Cell(5, kFirstPlaceRow), "8");
}

TEST(PerPlaceFigures, TotalsLeaveIllegalPlacesOutOfCapacityWhenAsked) {
    const Survey survey = SurveyBuilder("0800", "0815")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"AA"})
                              .Place("0001 0001 0002", "I", {"BB"})
                              .Place("0001 0001 0003", "V", {"CC"})
                              .Place("0001 0001 0004", "P", {"DD"})
                              .Build();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    parameters.countIllegalInPpl = false;
    const ReportDocument report = RunAnalysis(survey, parameters);
    const int totals = 4 + 10 - 2;
    EXPECT_EQ(Cells(report.Table(), totals, 0, 3), "Totaal|/Gemid|deld  |");
    // Capacity 3 places, 4 slots; all four vehicles; turnover 4 / 3.
    EXPECT_EQ(Figures(report, totals), "3|4||4|100|0|0|0|0|0|0|0|0||4|4|0|100|15|1,3");
    const auto& lines = report.Lines();
    const auto title = std::find(lines.begin(), lines.end(), MessageText("AA00026"));
    ASSERT_NE(title, lines.end());
    EXPECT_EQ(*(title + 2), MessageText("AA00033"));
    EXPECT_EQ(*(title + 3), "");

    parameters.countIllegalInPpl = true;
    parameters.countIllegalInPpe = false;
    EXPECT_EQ(Figures(RunAnalysis(survey, parameters), totals),
              "4|3||4|100|0|0|0|0|0|0|0|0||4|4|0|133|15|1,0");
}

TEST(PerPlaceFigures, TotalsAreComputedFromClassTotalsAndAllStays) {
    // Place 1: stays of 15 and 30 minutes; place 2: one of 30 minutes; place 3 has no slot.
    const Survey survey = SurveyBuilder("0800", "0900")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"AA", "", "BB", "BB"})
                              .Place("0001 0001 0002", "V", {"CC", "CC", "", ""})
                              .Place("0001 0001 0003", "V", {})
                              .Build();
    const ReportDocument report = PerPlace(survey);
    EXPECT_EQ(Figures(report, 7), "1|4||1|50|1|50|0|0|0|0|0|0||2|3|0|75|22|2,0");
    EXPECT_EQ(Figures(report, 8), "1|4||0|0|1|100|0|0|0|0|0|0||1|2|0|50|30|1,0");
    EXPECT_EQ(Cells(report.Table(), 9, 0, 23), std::string(23, '|'));
    // Percentages from the class totals; 5 of 8 slots is 62,5 %, which rounds to 62; 75 minutes
    // over 3 stays; 3 vehicles on 2 places.
    EXPECT_EQ(Figures(report, 11), "2|8||1|33|2|67|0|0|0|0|0|0||3|5|0|62|25|1,5");
    const auto& lines = report.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(144, ' ')), lines.end());
}

TEST(PerPlaceFigures, NoSlotInTheWindowGivesEmptyRowsAndZeroTotals) {
    const Survey survey = SurveyBuilder("0800", "0830")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"AA", "AA"})
                              .Place("0001 0001 0002", "V", {"BB", "BB"})
                              .Build();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    parameters.windowStart = "0900";
    parameters.windowEnd = "1000";
    const ReportDocument report = RunAnalysis(survey, parameters);
    ASSERT_EQ(report.Table().RowCount(), 12);
    EXPECT_EQ(Cells(report.Table(), 7, 4, 23), std::string(19, '|'));
    EXPECT_EQ(Figures(report, 10), "0|0||0|0|0|0|0|0|0|0|0|0||0|0|0|0|0|0");
    EXPECT_TRUE(report.HasTableData());
}

TEST(PerPlaceLayout, HeadingsShowTheClassBoundsAndPlaceRowsFillTheirCells) {
    Survey survey = SurveyBuilder("0800", "0815")
                        .Route("0003", 15)
                        .Place("0003 0001 0012", "V", {"AA"})
                        .Build();
    survey.AlgemeneGegevens.durationClasses = {
        {{0, 30}, {30, 60}, {60, 120}, {120, 240}, {240, 1440}}};
    const ReportDocument report = PerPlace(survey);
    const ReportTable& table = report.Table();
    ASSERT_EQ(table.ColumnCount(), 24);
    EXPECT_EQ(Cells(table, 1, 0, 12),
              "Route |Sec   |Ppl   |Ppl   |Capa|citeit||Parkee|rduurv|"
              "erdeli|ng (mi|nuten)|      ");
    EXPECT_EQ(Cells(table, 2, 7, 16), "0|%|30|%|60|%|120|%|240|%");
    EXPECT_EQ(Cells(table, 3, 7, 16), "30||60||120||240||1440|");
    EXPECT_EQ(Cells(table, 4, 7, 8), "\x97\x97\x97\x97|\x97\x97\x97\x97\x97\x97");
    EXPECT_EQ(Cells(table, 4, 21, 23), "%|min/|vtg/");
    EXPECT_EQ(Cells(table, 5, 22, 23), "vtg|ppl");
    EXPECT_EQ(Cells(table, 7, 0, 3), "0003  |0001  |0012  |V     ");

    const auto& lines = report.Lines();
    const auto row7 = std::find_if(lines.begin(), lines.end(),
                                   [](const std::string& l) { return l.starts_with("0003  "); });
    ASSERT_NE(row7, lines.end());
    EXPECT_EQ(row7->size(), 144u);
    EXPECT_EQ(row7->substr(0, 30), "0003  0001  0012  V          1");
    const std::string blanks(6, ' ');
    EXPECT_EQ(*(row7 - 4), std::string(42, ' ') + "    30" + blanks + "    60" + blanks + "   120" +
                               blanks + "   240" + blanks + "  1440" + blanks +
                               std::string(18, ' ') + "   vtg graad  duur  over");
}

TEST(PerPlaceLayout, ALargeClassBoundIsCutInTheTextButKeptInTheCell) {
    Survey survey =
        SurveyBuilder("0800", "0815").Route("0001", 15).Place("0001 0001 0001", "V", {"A"}).Build();
    survey.AlgemeneGegevens.durationClasses[4].to = 1234567;
    const ReportDocument report = PerPlace(survey);
    EXPECT_EQ(report.Table().Cell(15, 3), "1234567");
    const auto& lines = report.Lines();
    EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.find("123456 ") != l.npos; }),
              lines.end());
}

TEST(PerPlaceLayout, TypeLegendListsTheSelectedKnownTypes) {
    const Survey survey = SurveyBuilder("0800", "0815")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"A"})
                              .Place("0001 0001 0002", "X", {"B"})
                              .Place("0001 0001 0003", "I", {"C"})
                              .Build();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    ASSERT_EQ(parameters.selectedTypes, (LineList{"I", "V", "X"}));
    const ReportDocument report = RunAnalysis(survey, parameters);
    const LineList& lines = report.Lines();
    const auto legend = std::find(lines.begin(), lines.end(), "Parkeerplaatstype:");
    ASSERT_NE(legend, lines.end());
    EXPECT_EQ(LineList(legend + 1, legend + 5),
              (LineList{"I : illegaal", "V : vrij", "", "Afkortingen in tabel:"}));

    parameters.selectedTypes.clear();
    const ReportDocument noneSelected = RunAnalysis(survey, parameters);
    const LineList& none = noneSelected.Lines();
    const auto heading = std::find(none.begin(), none.end(), "Parkeerplaatstype:");
    ASSERT_NE(heading, none.end());
    EXPECT_EQ(*(heading + 1), "");
}

TEST(PerPlaceLayout, ABlankedAbbreviationDropsItsLine) {
    const Survey survey =
        SurveyBuilder("0800", "0815").Route("0001", 15).Place("0001 0001 0001", "V", {"A"}).Build();
    SetMessageText("AA00098", "");
    const LineList lines = PerPlace(survey).Lines();
    SetDefaultMessageTexts();
    const auto heading = std::find(lines.begin(), lines.end(), "Afkortingen in tabel:");
    ASSERT_EQ(lines.end() - heading, 7);
    EXPECT_EQ(*(heading + 3), MessageText("AA00099"));
    EXPECT_EQ(lines.back(), "");
}

}  // namespace tavoric
