// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/interval_table.h"

#include <gtest/gtest.h>

#include "analysis_test_support.h"

namespace tavoric {

namespace {

constexpr int kFirstPatternRow = 4;

Survey TwoPlaces() {
    return SurveyBuilder("0800", "0900")
        .Route("0001", 15)
        .Place("0001 0001 0001", "V", {"AB12CD", "AB12CD", "", "=A1"})
        .Place("0001 0001 0002", "I", {"XY34ZZ", "XY34ZZ", "QQ", "QQ"})
        .Place("0001 0002 0003", "V", {"", "KL56MN", "KL56MN", ""})
        .Place("0001 0002 0004", "V", {"P1", "P1", "", ""})
        .Build();
}

struct IntervalRun {
    ReportDocument report{1, ReportSettings{}};
    CleanTables tables;
};

void RunInterval(IntervalRun& run, const Survey& survey, bool detail, bool byVehicles) {
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerInterval);
    parameters.addDetailList = detail;
    parameters.sortByVehicles = byVehicles;
    Progress progress;
    RunParkingDurationAnalysis(survey, parameters, run.report, progress, &run.tables);
}

}  // namespace

TEST(IntervalTable, PatternRowsEqualTheReportsBarsAndCounts) {
    for (const bool byVehicles : {false, true}) {
        SCOPED_TRACE(byVehicles);
        IntervalRun run;
        RunInterval(run, TwoPlaces(), false, byVehicles);
        const auto records = CsvRecords(IntervalPatternCsv(run.tables.interval));
        ASSERT_EQ(records.front(),
                  (std::vector<std::string>{"0800-0815", "0815-0830", "0830-0845", "0845-0900",
                                            "voertuigen", "procent"}));
        const ReportTable& table = run.report.Table();
        ASSERT_EQ(records.size(), static_cast<std::size_t>(table.RowCount() - 8 + 1));
        for (std::size_t r = 1; r < records.size(); ++r) {
            const int row = kFirstPatternRow + static_cast<int>(r) - 1;
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(records[r][static_cast<std::size_t>(k)],
                          table.Cell(3 + k, row).empty() ? "0" : "1");
            }
            EXPECT_EQ(records[r][4], TrimBlanks(table.Cell(table.ColumnCount() - 1, row)));
        }
        EXPECT_TRUE(run.tables.interval.detail.empty());
    }
    IntervalRun run;
    RunInterval(run, TwoPlaces(), false, false);
    // Six vehicles: AB12CD, XY34ZZ and P1 share "1100"; the other three stand alone.
    EXPECT_EQ(IntervalPatternCsv(run.tables.interval).substr(60),
              "1,1,0,0,3,50.0\r\n0,1,1,0,1,16.7\r\n0,0,1,1,1,16.7\r\n0,0,0,1,1,16.7\r\n");
}

TEST(IntervalTable, DetailRowsEqualTheReportsDetailListWithSafeTexts) {
    IntervalRun run;
    RunInterval(run, TwoPlaces(), true, false);
    const auto records = CsvRecords(IntervalDetailCsv(run.tables.interval));
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[0].back(), "kenteken");
    EXPECT_EQ(records[1], (std::vector<std::string>{"1", "1", "0", "0", "0001", "0001", "0001", "V",
                                                    "AB12CD"}));
    EXPECT_EQ(records[2],
              (std::vector<std::string>{"0", "0", "0", "1", "0001", "0001", "0001", "V", "'=A1"}));
    // Each row stands in the report's detail list as pattern;place;plate.
    const std::vector<std::string>& lines = run.report.Lines();
    for (const IntervalDetailRow& row : run.tables.interval.detail) {
        const std::string line = row.pattern + ";" + row.place + ";";
        EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                               [&](const std::string& l) { return l.rfind(line, 0) == 0; }),
                  lines.end())
            << line;
    }
}

}  // namespace tavoric
