// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/analysis_workbook.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "analysis/motive_report.h"
#include "analysis_test_support.h"
#include "charts/chart_csv.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "workbook_reader.h"

namespace tavoric {

namespace {

using nlohmann::json;

// Columns that hold codes and names; every other column of the tables holds numbers.
const std::set<std::string> kTextColumns = {"route",        "sectie",   "plaats",   "type",
                                            "omschrijving", "tijdstip", "kenteken", "motief"};

// Every cell of the sheet equals the CSV's field: a text as a text cell, a number as a number
// cell, and in the percent columns the percentage as a fraction with a percent format.
void ExpectSheetEqualsCsv(const json& sheet, const std::string& csv,
                          const std::set<std::string>& percentColumns) {
    const auto records = CsvRecords(csv);
    ASSERT_EQ(sheet["rows"].size(), records.size()) << sheet["name"];
    const std::vector<std::string>& header = records[0];
    for (std::size_t row = 0; row < records.size(); ++row) {
        for (std::size_t column = 0; column < header.size(); ++column) {
            SCOPED_TRACE(sheet["name"].get<std::string>() + " row " + std::to_string(row) + " " +
                         header[column]);
            const std::string& field = records[row][column];
            const json& cell = sheet["rows"][row][column];
            if (field.empty()) {
                EXPECT_TRUE(cell.is_null());
            } else if (row == 0 || kTextColumns.count(header[column]) != 0) {
                EXPECT_EQ(cell["t"], "s");
                EXPECT_EQ(cell["v"], field);
            } else if (percentColumns.count(header[column]) != 0) {
                EXPECT_EQ(cell["t"], "n");
                EXPECT_NEAR(cell["v"].get<double>() * 100, std::stod(field), 1e-9);
                EXPECT_EQ(cell["f"], field.find('.') == std::string::npos ? "0%" : "0.0%");
            } else {
                EXPECT_EQ(cell["t"], "n");
                EXPECT_DOUBLE_EQ(cell["v"].get<double>(), std::stod(field));
            }
        }
    }
}

std::vector<std::string> SheetNames(const json& book) {
    std::vector<std::string> names;
    for (const json& sheet : book["sheets"]) {
        names.push_back(sheet["name"]);
    }
    return names;
}

// The value of a named line of the sheet "Onderzoek".
json Fact(const json& book, const std::string& name) {
    for (const json& row : book["sheets"][0]["rows"]) {
        if (row[0]["v"] == name) {
            return row[1]["v"];
        }
    }
    return nullptr;
}

std::optional<json> Described(const std::optional<std::string>& bytes, const std::string& error) {
    EXPECT_TRUE(bytes) << error;
    return bytes ? DescribeWorkbook(*bytes) : std::nullopt;
}

CleanTables RunWithTables(const Survey& survey, const AnalysisParameters& parameters) {
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    CleanTables tables;
    RunParkingDurationAnalysis(survey, parameters, report, progress, &tables);
    return tables;
}

}  // namespace

TEST(AnalysisWorkbook, PerPlaceSheetEqualsTheCleanTableOnGeneratedSurveys) {
    SKIP_WITHOUT_OPENPYXL();
    for (unsigned seed : {1u, 2u}) {
        const Survey survey = GeneratedSurvey(seed);
        AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
        parameters.countIllegalInPpe = seed == 1;
        const CleanTables tables = RunWithTables(survey, parameters);
        std::string error;
        const auto book =
            Described(AnalysisWorkbook(survey.AlgemeneGegevens, parameters, tables, error), error);
        ASSERT_TRUE(book);
        EXPECT_EQ(SheetNames(*book), (std::vector<std::string>{"Onderzoek", "Per parkeerplaats"}));
        ExpectSheetEqualsCsv((*book)["sheets"][1], PerPlaceTableCsv(tables.perPlace),
                             {"klasse_1_procent", "klasse_2_procent", "klasse_3_procent",
                              "klasse_4_procent", "klasse_5_procent", "bezetting"});
        EXPECT_EQ((*book)["sheets"][1]["freeze"], "E2");
        EXPECT_EQ(Fact(*book, "Tijdvak"), "0700-1900");
        EXPECT_EQ(Fact(*book, "Parkeerplaatsen in selectie"), 36);
        EXPECT_EQ(Fact(*book, "Routes in selectie"), "0001, 0002, 0003");
        EXPECT_EQ(Fact(*book, "Illegale plaatsen in capaciteit ppe"), seed == 1 ? "ja" : "nee");
        EXPECT_EQ(Fact(*book, "Rapport"), MessageText("AA00026"));
    }
}

TEST(AnalysisWorkbook, IntervalSheetsEqualThePatternAndDetailTables) {
    SKIP_WITHOUT_OPENPYXL();
    Survey survey = GeneratedSurvey(3);
    AnalysisSelection selection;
    selection.Open(survey);
    selection.SelectOnly(survey, NarrowingLevel::Routes, {"0002"});
    AnalysisParameters parameters = selection.Parameters(survey, ReportKind::PerInterval);
    parameters.addDetailList = true;
    const CleanTables tables = RunWithTables(survey, parameters);
    ASSERT_FALSE(tables.interval.patterns.empty());
    std::string error;
    const auto book =
        Described(AnalysisWorkbook(survey.AlgemeneGegevens, parameters, tables, error), error);
    ASSERT_TRUE(book);
    EXPECT_EQ(SheetNames(*book),
              (std::vector<std::string>{"Onderzoek", "Naar interval", "Detaillijst"}));
    ExpectSheetEqualsCsv((*book)["sheets"][1], IntervalPatternCsv(tables.interval), {"procent"});
    ExpectSheetEqualsCsv((*book)["sheets"][2], IntervalDetailCsv(tables.interval), {});
    EXPECT_EQ(Fact(*book, "Routes in selectie"), "0002");
}

TEST(AnalysisWorkbook, MotiveSheetsEqualTheMotiveDataFiles) {
    SKIP_WITHOUT_OPENPYXL();
    const Survey survey = GeneratedSurvey(1);
    const AnalysisParameters parameters = AllSelected(survey, ReportKind::Motive);
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    const std::optional<MotiveFigures> figures =
        RunMotiveAnalysis(survey, parameters, report, progress);
    ASSERT_TRUE(figures);
    std::string error;
    const auto book = Described(
        MotiveWorkbook(survey.AlgemeneGegevens, parameters, *figures, survey.SectiesList, error),
        error);
    ASSERT_TRUE(book);
    EXPECT_EQ(SheetNames(*book),
              (std::vector<std::string>{"Onderzoek", "Parkeermotief", "Motief per tijdstip",
                                        "Motief per sectie"}));
    ExpectSheetEqualsCsv((*book)["sheets"][1], MotiveTotalsCsv(*figures), {"procent"});
    ExpectSheetEqualsCsv((*book)["sheets"][2], MotivePeriodCsv(*figures), {});
    ExpectSheetEqualsCsv((*book)["sheets"][3], MotiveSectionsCsv(*figures, survey.SectiesList), {});
    EXPECT_EQ(Fact(*book, "Werknemer: ten minste minuten geparkeerd"),
              parameters.motiveBounds.commuterMinutes);
}

TEST(AnalysisWorkbook, ChartSheetsEqualTheChartFiguresAndTheGridCarriesThePressureColours) {
    SKIP_WITHOUT_OPENPYXL();
    Survey survey = GeneratedSurvey(2);
    // A section of the selection without a single plate or remark: no figures, no colours.
    survey.SectiesList.push_back("0003 0009 Leeg");
    survey.ParkeerplaatsenList.push_back("0003 0009 0001 V");
    survey.KentekensList.push_back("0003 0009 0001 0700-0800");
    SortLines(survey.KentekensList);
    const AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    Progress progress;
    const std::optional<ChartData> data = ComputeChartData(survey, parameters, 85, progress);
    ASSERT_TRUE(data);
    std::string error;
    const auto book = Described(ChartWorkbook(*data, error), error);
    ASSERT_TRUE(book);
    EXPECT_EQ(SheetNames(*book),
              (std::vector<std::string>{"Onderzoek", "Over de dag", "Secties", "Straat en tijd",
                                        "Parkeerduur", "Parkeermotief", "Motief per tijdstip",
                                        "Motief per sectie"}));
    const json& sheets = (*book)["sheets"];
    ExpectSheetEqualsCsv(sheets[1], ChartCsv(ChartKind::Occupancy, *data), {"bezetting"});
    ExpectSheetEqualsCsv(sheets[2], ChartCsv(ChartKind::Sections, *data), {"bezetting", "piek"});
    ExpectSheetEqualsCsv(sheets[4], ChartCsv(ChartKind::Durations, *data), {"procent"});
    ExpectSheetEqualsCsv(sheets[6], ChartCsv(ChartKind::Motive, *data), {});
    EXPECT_EQ(Fact(*book, "Parkeerdruknorm (%)"), 85);

    // The grid: a row per section, a column per clock time of the area.
    const json& grid = sheets[3];
    ASSERT_EQ(grid["rows"].size(), data->sections.size() + 1);
    ASSERT_EQ(grid["rows"][0].size(), data->occupancy.size() + 3);
    EXPECT_EQ(grid["freeze"], "D2");
    std::size_t coloured = 0;
    for (std::size_t s = 0; s < data->sections.size(); ++s) {
        const SectionPressure& section = data->sections[s];
        const json& row = grid["rows"][s + 1];
        EXPECT_EQ(row[1]["v"], section.section);
        for (const ClockOccupancy& cell : section.byClockTime) {
            std::size_t column = 3;
            while (grid["rows"][0][column]["v"] != cell.time) {
                ++column;
            }
            if (!section.observed) {
                EXPECT_TRUE(column >= row.size() || row[column].is_null());
                continue;
            }
            char rgb[7];
            std::snprintf(rgb, sizeof rgb, "%06X",
                          PressureRgb(ClassifyPressure(cell.occupancy, 85)));
            EXPECT_NEAR(row[column]["v"].get<double>() * 100, static_cast<double>(cell.occupancy),
                        1e-9);
            EXPECT_EQ(row[column]["fill"], rgb);
            ++coloured;
        }
    }
    EXPECT_GT(coloured, 100u);
    EXPECT_FALSE(data->sections.back().observed);
}

TEST(AnalysisWorkbook, ComparisonSheetsEqualTheComparisonFilesAndNameBothSides) {
    SKIP_WITHOUT_OPENPYXL();
    // A lacks route 0001 and B route 0003: sections of one side leave the other's cells empty,
    // as does a section of B without a single observation.
    const Survey a = GeneratedSurvey(3);
    Survey b = GeneratedSurvey(8);
    b.SectiesList.push_back("0002 0009 Leeg");
    b.ParkeerplaatsenList.push_back("0002 0009 0001 V");
    b.KentekensList.push_back("0002 0009 0001 0700-0800");
    SortLines(b.KentekensList);
    AnalysisParameters selectionA = AllSelected(a, ReportKind::PerPlace);
    std::erase_if(selectionA.selectedPlaces,
                  [](const std::string& place) { return place.starts_with("0001"); });
    AnalysisParameters selectionB = AllSelected(b, ReportKind::PerPlace);
    std::erase_if(selectionB.selectedPlaces,
                  [](const std::string& place) { return place.starts_with("0003"); });
    Progress progress;
    const std::optional<SurveyComparison> comparison =
        CompareSurveys(a, selectionA, b, selectionB, 85, progress);
    ASSERT_TRUE(comparison);
    std::string error;
    const auto book =
        Described(ComparisonWorkbook(*comparison, "Voor.par", "Na \xe9\xe9n.par", error), error);
    ASSERT_TRUE(book);
    EXPECT_EQ(SheetNames(*book), (std::vector<std::string>{"Vergelijking", "Secties", "Over de dag",
                                                           "Parkeerduur", "Parkeermotief"}));
    const json& sheets = (*book)["sheets"];
    const std::set<std::string> percents = {"bezetting_a", "bezetting_b", "piek_a",
                                            "piek_b",      "procent_a",   "procent_b"};
    for (const ComparisonKind kind : AllComparisonKinds()) {
        const json& sheet = sheets[static_cast<std::size_t>(kind) + 1];
        ExpectSheetEqualsCsv(sheet, ComparisonCsv(kind, *comparison), percents);
        EXPECT_EQ(sheet["freeze"], kind == ComparisonKind::Sections ? "D2" : "B2");
    }
    const json& sections = sheets[1]["rows"];
    EXPECT_TRUE(sections[1][5].is_null());      // route 0001 only in B
    EXPECT_TRUE(sections.back()[4].is_null());  // route 0003 only in A

    EXPECT_EQ(Fact(*book, "A (voor)"), "Voor.par, " + Cp1252ToUtf8(comparison->a.surveyArea) +
                                           ", " + Cp1252ToUtf8(comparison->a.dayAndDate));
    EXPECT_TRUE(Fact(*book, "B (na)").get<std::string>().starts_with("Na \xc3\xa9\xc3\xa9n.par, "));
    EXPECT_EQ(Fact(*book, "Tijdvak"), selectionA.windowStart + "-" + selectionA.windowEnd);
    EXPECT_EQ(Fact(*book, "Tijdvak B (na)"), selectionB.windowStart + "-" + selectionB.windowEnd);
    EXPECT_EQ(Fact(*book, "Parkeerdruknorm (%)"), 85);
}

}  // namespace tavoric
