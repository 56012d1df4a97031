// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/per_place_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis_test_support.h"

namespace tavoric {

namespace {

constexpr int kFirstPlaceRow = 7;
constexpr std::string_view kHeader =
    "route,sectie,plaats,type,capaciteit_ppl,capaciteit_ppe,klasse_1,klasse_2,klasse_3,klasse_4,"
    "klasse_5,klasse_1_procent,klasse_2_procent,klasse_3_procent,klasse_4_procent,"
    "klasse_5_procent,voertuigen,bezette_ppe,fout_geparkeerd,bezetting,parkeerduur,turnover";

// The report's cells of a row from the capacities on, as the clean table writes them.
std::vector<std::string> ReportFigures(const ReportTable& table, int row) {
    std::vector<std::string> figures;
    for (int column : {4, 5, 7, 9, 11, 13, 15, 8, 10, 12, 14, 16, 18, 19, 20, 21, 22, 23}) {
        std::string cell(TrimBlanks(table.Cell(column, row)));
        std::replace(cell.begin(), cell.end(), ',', '.');
        figures.push_back(cell);
    }
    return figures;
}

std::vector<std::string> TableFigures(const std::vector<std::string>& record) {
    return {record.begin() + 4, record.end()};
}

void ExpectTableMatchesReport(const Survey& survey, const AnalysisParameters& parameters) {
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    CleanTables tables;
    RunParkingDurationAnalysis(survey, parameters, report, progress, &tables);
    const PerPlaceTable& table = tables.perPlace;
    const std::string csv = PerPlaceTableCsv(table);
    const auto records = CsvRecords(csv);
    const ReportTable& cells = report.Table();
    ASSERT_EQ(records.size(), table.places.size() + 2);
    ASSERT_EQ(table.places.size(), survey.ParkeerplaatsenList.size());
    for (std::size_t i = 0; i < table.places.size(); ++i) {
        const int row = kFirstPlaceRow + static_cast<int>(i);
        const auto& record = records[i + 1];
        ASSERT_EQ(record.size(), 22u);
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(record[static_cast<std::size_t>(column)],
                      TrimBlanks(cells.Cell(column, row)));
        }
        EXPECT_EQ(TableFigures(record), ReportFigures(cells, row)) << "place row " << i;
    }
    const auto& total = records.back();
    EXPECT_EQ(std::vector<std::string>(total.begin(), total.begin() + 4),
              (std::vector<std::string>{"", "", "", "totaal"}));
    EXPECT_EQ(TableFigures(total), ReportFigures(cells, cells.RowCount() - 2));
}

}  // namespace

TEST(PerPlaceTable, EveryFigureEqualsTheReportsOnGeneratedSurveys) {
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const Survey survey = GeneratedSurvey(seed);
        AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
        ExpectTableMatchesReport(survey, parameters);
        // Illegal places left out of the capacities change the totals row alike.
        parameters.countIllegalInPpl = false;
        parameters.countIllegalInPpe = false;
        ExpectTableMatchesReport(survey, parameters);
    }
}

TEST(PerPlaceTable, HeaderLineEndsAndDecimalPoint) {
    const Survey survey = SurveyBuilder("0000", "0100")
                              .Route("0001", 30)
                              .Place("0001 0001 0001", "V", {"AB12CD", "XY34ZZ"})
                              .Build();
    CleanTables tables;
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    RunParkingDurationAnalysis(survey, AllSelected(survey, ReportKind::PerPlace), report, progress,
                               &tables);
    EXPECT_EQ(PerPlaceTableCsv(tables.perPlace),
              std::string(kHeader) +
                  "\r\n0001,0001,0001,V,1,2,0,2,0,0,0,0,100,0,0,0,2,2,0,100,30,2.0\r\n"
                  ",,,totaal,1,2,0,2,0,0,0,0,100,0,0,0,2,2,0,100,30,2.0\r\n");
}

TEST(PerPlaceTable, TextsBecomeUtf8AndSafeFromFormulas) {
    PerPlaceTable table;
    table.places.push_back({"=1+1", "\xe9\xe9n", "a,b", "-", PlaceFigures{}});
    const auto records = CsvRecords(PerPlaceTableCsv(table));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1][0], "'=1+1");
    EXPECT_EQ(records[1][1], "\xc3\xa9\xc3\xa9n");
    EXPECT_EQ(records[1][2], "a,b");
    EXPECT_EQ(records[1][3], "'-");
    EXPECT_EQ(records[1].back(), "0.0");
}

}  // namespace tavoric
