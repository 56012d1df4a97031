// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/interval_report.h"

#include <gtest/gtest.h>

#include "analysis/report_table_text.h"
#include "analysis_test_support.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

ReportDocument Interval(const Survey& survey, bool detail = false, bool byVehicles = false) {
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerInterval);
    parameters.addDetailList = detail;
    parameters.sortByVehicles = byVehicles;
    return RunAnalysis(survey, parameters);
}

// The pattern rows as "pattern count", read back from the bars and the count column.
std::vector<std::string> PatternRows(const ReportTable& table) {
    const int periods = table.ColumnCount() - 6;
    std::vector<std::string> rows;
    for (int row = 4; row < table.RowCount() - 4; ++row) {
        std::string pattern;
        for (int k = 0; k < periods; ++k) {
            pattern += table.Cell(3 + k, row).empty() ? '0' : '1';
        }
        rows.push_back(pattern + " " + std::string(TrimBlanks(table.Cell(periods + 5, row))));
    }
    return rows;
}

// The lines between the detail list's second and third rule.
LineList DetailLines(const ReportDocument& report) {
    const LineList& lines = report.Lines();
    const auto heading = std::find(lines.begin(), lines.end(), MessageText("AA00070"));
    if (heading == lines.end()) {
        return {};
    }
    const auto first = heading + 4;
    return LineList(first, std::find(first, lines.end(), *(heading + 1)));
}

}  // namespace

TEST(IntervalReport, OnePlaceWithTwoVehicles) {
    const Survey survey = SurveyBuilder("0800", "0845")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"A", "A", "B"})
                              .Build();
    const ReportDocument report = Interval(survey, true);
    const ReportTable& table = report.Table();
    ASSERT_EQ(table.ColumnCount(), 9);
    ASSERT_EQ(table.RowCount(), 10);
    EXPECT_TRUE(report.HasTableData());
    EXPECT_EQ(Cells(table, 1, 0, 8), "Interv|al    ||Van   |Tot   ||||Aantal");
    EXPECT_EQ(Cells(table, 2, 0, 8), "|||0800\x97\x97|0815\x97\x97|0830\x97\x97|0845  ||   vtg");
    EXPECT_EQ(Cells(table, 4, 0, 8),
              "|||\x95\x95\x95\x95\x95\x95|\x95\x95\x95\x95\x95\x95||||     1");
    EXPECT_EQ(PatternRows(table), (std::vector<std::string>{"110 1", "001 1"}));
    EXPECT_EQ(Cells(table, 7, 0, 8), "||||||||     2");
    EXPECT_EQ(Cells(table, 8, 0, 8), "Parkee|rdruk |(vtg) |     1|     1|     1||3|");
    EXPECT_EQ(Cells(table, 9, 0, 0), "\x97\x97\x97\x97\x97\x97");
    EXPECT_EQ(DetailLines(report),
              (LineList{"110;0001 0001 0001 V;A     ", "001;0001 0001 0001 V;B     "}));
    // Printing keeps the diagram's rows whole, with the three label cells repeated.
    ASSERT_EQ(report.Tables().size(), 1U);
    const TableLines& diagram = report.Tables()[0];
    EXPECT_EQ(report.Lines()[diagram.firstLine], TableRowText(table, 0));
    EXPECT_EQ(diagram.lineCount, 10U);
    EXPECT_EQ(diagram.labelWidth, 18);
    EXPECT_EQ(diagram.columnWidth, 6);
}

TEST(IntervalReport, AVehicleIsAPlateAtAPlaceWhateverLiesBetween) {
    const Survey survey = SurveyBuilder("0800", "0845")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"A", "B", "A"})
                              .Place("0001 0001 0002", "V", {" C", "", " C"})
                              .Place("0001 0001 0003", "V", {"C", "", "C"})
                              .Build();
    const ReportDocument report = Interval(survey, true);
    EXPECT_EQ(PatternRows(report.Table()), (std::vector<std::string>{"101 3", "010 1"}));
    // A plate with a leading blank counts here, with its blanks removed.
    EXPECT_EQ(DetailLines(report),
              (LineList{"101;0001 0001 0001 V;A     ", "010;0001 0001 0001 V;B     ",
                        "101;0001 0001 0002 V;C     ", "101;0001 0001 0003 V;C     "}));
    EXPECT_EQ(Cells(report.Table(), 8, 0, 8), "Parkee|rdruk |(vtg) |     3|     1|     3||7|");
}

TEST(IntervalReport, EachPlaceStartsItsVehiclesAfresh) {
    const Survey survey = SurveyBuilder("0800", "0845")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"A", "B", ""})
                              .Place("0001 0001 0002", "V", {"", "", "B"})
                              .Place("0001 0001 0003", "V", {"C", "D", "E"})
                              .Place("0001 0001 0004", "V", {"", "A", ""})
                              .Build();
    const ReportDocument report = Interval(survey, true);
    EXPECT_EQ(PatternRows(report.Table()), (std::vector<std::string>{"100 2", "010 3", "001 2"}));
    EXPECT_EQ(DetailLines(report),
              (LineList{"100;0001 0001 0001 V;A     ", "010;0001 0001 0001 V;B     ",
                        "001;0001 0001 0002 V;B     ", "100;0001 0001 0003 V;C     ",
                        "010;0001 0001 0003 V;D     ", "001;0001 0001 0003 V;E     ",
                        "010;0001 0001 0004 V;A     "}));
}

TEST(IntervalReport, PatternsInChronologicalOrderOrByNumberOfVehicles) {
    SurveyBuilder builder("0800", "0900");
    builder.Route("0001", 15);
    int place = 0;
    const auto places = [&](int count, const std::vector<std::string>& plates) {
        for (int i = 0; i < count; ++i) {
            builder.Place("0001 0001 " + PadField("R", std::to_string(++place), "0", 4), "V",
                          plates);
        }
    };
    places(2, {"X", "X", "", ""});
    places(5, {"", "", "Y", "Y"});
    places(5, {"Z", "", "", ""});
    const Survey survey = builder.Build();
    EXPECT_EQ(PatternRows(Interval(survey).Table()),
              (std::vector<std::string>{"1100 2", "1000 5", "0011 5"}));
    EXPECT_EQ(PatternRows(Interval(survey, false, true).Table()),
              (std::vector<std::string>{"1000 5", "0011 5", "1100 2"}));
}

TEST(IntervalReport, FourPeriodsGiveTenColumnsAndAShortDetailHeading) {
    const Survey survey = SurveyBuilder("0800", "0900")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"A", "", "", "A"})
                              .Build();
    const ReportDocument report = Interval(survey, true);
    EXPECT_EQ(report.Table().ColumnCount(), 10);
    const LineList& lines = report.Lines();
    const auto heading = std::find(lines.begin(), lines.end(), MessageText("AA00070"));
    ASSERT_NE(heading, lines.end());
    EXPECT_EQ(*(heading - 4), std::string(60, '\x97'));  // the table's last rule row
    EXPECT_EQ(LineList(heading - 3, heading), (LineList{"", "", ""}));
    EXPECT_EQ(*(heading + 1), std::string(30, '\x97'));
    EXPECT_EQ(*(heading + 2), "InterRout Sec  Ppl  T Kenteken");
    EXPECT_EQ(lines.back(), "");
}

TEST(IntervalReport, SlotsWithoutPlatesGiveOnlyTheMessage) {
    const Survey survey = SurveyBuilder("0800", "0830")
                              .Route("0001", 15)
                              .Place("0001 0001 0001", "V", {"", " "})
                              .Build();
    const ReportDocument report = Interval(survey, true);
    const LineList& lines = report.Lines();
    EXPECT_EQ(LineList(lines.end() - 4, lines.end()),
              (LineList{MessageText("AA00031"), "", "", MessageText("AA00073")}));
    EXPECT_FALSE(report.HasTableData());
}

TEST(IntervalReport, NoSlotsWritesNothingAfterTheHeading) {
    const Survey survey =
        SurveyBuilder("0800", "0830").Route("0001", 15).Place("0001 0001 0001", "V", {}).Build();
    const ReportDocument report = Interval(survey);
    const LineList& lines = report.Lines();
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(*(lines.end() - 2), MessageText("AA00025") + " 1");
}

TEST(IntervalReport, PlacesWithDifferentPeriodsAreAlignedOnOneTimeAxis) {
    Survey survey = SurveyBuilder("0800", "0845")
                        .Route("0001", 15)
                        .Place("0001 0001 0001", "V", {"A", "A"})
                        .Place("0001 0001 0002", "V", {})
                        .Build();
    survey.KentekensList.push_back(PpeLineWithPlate("0001 0001 0002 0815-0830", "B", ""));
    survey.KentekensList.push_back(PpeLineWithPlate("0001 0001 0002 0830-0845", "B", ""));
    const ReportDocument report = Interval(survey, true);
    EXPECT_EQ(report.Table().ColumnCount(), 9);
    EXPECT_EQ(PatternRows(report.Table()), (std::vector<std::string>{"110 1", "011 1"}));
    EXPECT_EQ(Cells(report.Table(), 2, 3, 6), "0800\x97\x97|0815\x97\x97|0830\x97\x97|0845  ");
    EXPECT_EQ(Cells(report.Table(), 8, 3, 7), "     1|     2|     1||4");
    EXPECT_EQ(DetailLines(report),
              (LineList{"110;0001 0001 0001 V;A     ", "011;0001 0001 0002 V;B     "}));
}

// A hand-made file with thousands of distinct periods would need a table of periods times
// patterns cells: the section says why it stops instead.
TEST(IntervalReport, SelectionsBeyondTheLimitsGetAMessageInsteadOfTheTable) {
    std::vector<std::string> plates;
    for (std::size_t i = 0; i <= kMaxIntervalPeriods; ++i) {
        plates.push_back("P" + std::to_string(i));
    }
    const Survey survey =
        SurveyBuilder("0000", "9999").Route("0001", 1).Place("0001 0001 0001", "V", plates).Build();
    const ReportDocument report = Interval(survey, true);
    EXPECT_FALSE(report.HasTableData());
    EXPECT_EQ(report.Lines().back(),
              "Het rapport naar interval is te groot voor deze selectie: 1441 perioden en 1441 "
              "verschillende aanwezigheidspatronen (ten hoogste 1440 perioden en 4000000 "
              "tabelcellen). Kies een korter tijdvak of minder routes, secties of "
              "parkeerplaatsen.");

    // Below the period limit the table cells are what stops it: the message says so, with the
    // number of patterns that would fit.
    EXPECT_EQ(IntervalLimitRefusal(1439, 2761, 0),
              "Het rapport naar interval is te groot voor deze selectie: 1439 perioden en 2761 "
              "verschillende aanwezigheidspatronen; bij 1439 perioden passen ten hoogste 2760 "
              "patronen (4000000 tabelcellen). Kies een korter tijdvak of minder routes, secties "
              "of parkeerplaatsen.");
    EXPECT_EQ(IntervalLimitRefusal(1439, 2760, 0), "");
    EXPECT_EQ(IntervalLimitRefusal(100, 10, 36'400),
              FormatText(MessageText("AA00320"), {"36400", "100", "36363"}));
    EXPECT_EQ(IntervalLimitRefusal(100, 10, 36'363), "");

    EXPECT_TRUE(FitsIntervalLimits(kMaxIntervalPeriods, 100, 100));
    EXPECT_FALSE(FitsIntervalLimits(100, kMaxIntervalCells / 106, 0));
    EXPECT_TRUE(FitsIntervalLimits(100, kMaxIntervalCells / 106 - 8, 0));
    EXPECT_FALSE(FitsIntervalLimits(100, 10, kMaxIntervalCells));
}

}  // namespace tavoric
