// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/council_figures.h"

#include <gtest/gtest.h>

#include <map>

#include "analysis/analysis_selection.h"
#include "analysis/motive_report.h"
#include "analysis/parking_duration_analysis.h"
#include "charts/chart_csv.h"
#include "core/csv.h"
#include "core/demo_survey.h"

namespace tavoric {
namespace {

using CsvRows = std::vector<std::vector<std::string>>;

// Every record after the header.
CsvRows Records(const std::string& csv) {
    CsvReader reader(csv, ',');
    CsvRows rows;
    std::vector<std::string> fields;
    while (reader.Next(fields)) {
        rows.push_back(fields);
    }
    rows.erase(rows.begin());
    return rows;
}

std::map<std::string, std::string> SummaryOf(const std::string& csv) {
    std::map<std::string, std::string> values;
    for (const std::vector<std::string>& row : Records(csv)) {
        values[row.at(0)] = row.at(1);
    }
    return values;
}

struct Selection {
    const char* name;
    std::vector<std::string> routes;  // empty: every route
    bool countIllegalInPpe = true;
    bool countIllegalInPpl = true;
    std::string from;  // empty: the default window
    std::string to;
};

AnalysisParameters ParametersOf(const Survey& survey, const Selection& selection, ReportKind kind) {
    AnalysisSelection lists;
    lists.Open(survey);
    if (!selection.routes.empty()) {
        lists.SelectOnly(survey, NarrowingLevel::Routes, selection.routes);
    }
    if (!selection.from.empty()) {
        lists.SetWindow(survey, selection.from, selection.to);
    }
    AnalysisParameters parameters = lists.Parameters(survey, kind);
    parameters.countIllegalInPpe = selection.countIllegalInPpe;
    parameters.countIllegalInPpl = selection.countIllegalInPpl;
    parameters.motiveBounds = {"0730", "1800", 180};
    return parameters;
}

// The totals row of the per-place report's clean table, by column name.
std::map<std::string, std::string> PerPlaceTotals(const Survey& survey,
                                                  const AnalysisParameters& parameters) {
    ReportDocument report(1, {});
    Progress progress;
    CleanTables tables;
    EXPECT_EQ(RunParkingDurationAnalysis(survey, parameters, report, progress, &tables), "");
    const std::string csv = PerPlaceTableCsv(tables.perPlace);
    CsvReader reader(csv, ',');
    std::vector<std::string> header;
    std::vector<std::string> fields;
    std::vector<std::string> totals;
    reader.Next(header);
    while (reader.Next(fields)) {
        totals = fields;
    }
    std::map<std::string, std::string> byName;
    for (std::size_t i = 0; i < header.size(); ++i) {
        byName[header[i]] = totals.at(i);
    }
    return byName;
}

std::string DecimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void ExpectSummaryOfOtherReports(const Survey& survey, const Selection& selection) {
    SCOPED_TRACE(selection.name);
    const int threshold = 60;
    const AnalysisParameters parameters = ParametersOf(survey, selection, ReportKind::PerPlace);
    Progress progress;
    const std::optional<CouncilFigures> figures =
        ComputeCouncilFigures(survey, parameters, threshold, progress);
    ASSERT_TRUE(figures);
    const std::map<std::string, std::string> summary = SummaryOf(SummaryCsv(Summarise(*figures)));

    std::map<std::string, std::string> totals = PerPlaceTotals(survey, parameters);
    EXPECT_EQ(summary.at("parkeerplaatsen"), totals["capaciteit_ppl"]);
    EXPECT_EQ(summary.at("capaciteit_ppe"), totals["capaciteit_ppe"]);
    EXPECT_EQ(summary.at("voertuigen"), totals["voertuigen"]);
    EXPECT_EQ(summary.at("gemiddelde_bezetting"), totals["bezetting"]);
    EXPECT_EQ(summary.at("gemiddelde_parkeerduur"), totals["parkeerduur"]);
    EXPECT_EQ(summary.at("turnover"), DecimalComma(totals["turnover"]));
    EXPECT_EQ(summary.at("fout_geparkeerd"), totals["fout_geparkeerd"]);

    const std::optional<ChartData> charts =
        ComputeChartData(survey, parameters, threshold, progress);
    ASSERT_TRUE(charts);
    std::string peak = "-1";
    std::string peakTime;
    for (const std::vector<std::string>& row : Records(ChartCsv(ChartKind::Occupancy, *charts))) {
        if (std::stoi(row.at(3)) > std::stoi(peak)) {
            peak = row.at(3);
            peakTime = row.at(0);
        }
    }
    EXPECT_EQ(summary.at("piek_bezetting"), peak);
    EXPECT_EQ(summary.at("piek_tijdstip"), peakTime);
    const CsvRows sections = Records(ChartCsv(ChartKind::Sections, *charts));
    const auto above = std::count_if(sections.begin(), sections.end(), [&](const auto& row) {
        return std::stoi(row.at(7)) > threshold;
    });
    EXPECT_EQ(summary.at("secties"), std::to_string(sections.size()));
    EXPECT_EQ(summary.at("secties_boven_norm"), std::to_string(above));

    ReportDocument report(1, {});
    const std::optional<MotiveFigures> motives = RunMotiveAnalysis(
        survey, ParametersOf(survey, selection, ReportKind::Motive), report, progress);
    ASSERT_TRUE(motives);
    const CsvRows shares = Records(MotiveTotalsCsv(*motives));
    EXPECT_EQ(summary.at("bewoners_procent"), shares.at(0).at(2));
    EXPECT_EQ(summary.at("werknemers_procent"), shares.at(1).at(2));
    EXPECT_EQ(summary.at("bezoekers_procent"), shares.at(2).at(2));
}

TEST(CouncilFiguresTest, SummaryEqualsPerPlaceChartsAndMotiveOverGeneratedSurveys) {
    const Selection selections[] = {
        {"everything", {}, true, true, "", ""},
        {"route 2, illegal places left out", {"0002"}, false, false, "", ""},
        {"morning window", {}, true, true, "0700", "1015"},
    };
    for (const DemoOptions options : {DemoOptions{60, 3}, DemoOptions{400, 11}}) {
        const Survey survey = MakeDemoSurvey(options);
        for (const Selection& selection : selections) {
            ExpectSummaryOfOtherReports(survey, selection);
        }
    }
}

TEST(CouncilFiguresTest, CsvHasTheRowsInOrderWithCrLfAndTheTurnoverQuoted) {
    CouncilFigures figures;
    figures.perPlace.totals.capacityPpl = 12;
    figures.perPlace.totals.turnover = "2,5";
    figures.charts.threshold = 85;
    figures.charts.occupancy = {
        {"0900", 540, 10, 8, 80}, {"0930", 570, 10, 9, 90}, {"1000", 600, 10, 9, 90}};
    figures.charts.sections.resize(3);
    figures.charts.sections[1].peak = 86;
    figures.charts.sections[2].peak = 85;
    figures.charts.motives.vehicles = {1, 1, 2};
    EXPECT_EQ(SummaryCsv(Summarise(figures)),
              "kenmerk,waarde\r\n"
              "parkeerplaatsen,12\r\n"
              "capaciteit_ppe,0\r\n"
              "voertuigen,0\r\n"
              "gemiddelde_bezetting,0\r\n"
              "gemiddelde_parkeerduur,0\r\n"
              "turnover,\"2,5\"\r\n"
              "fout_geparkeerd,0\r\n"
              "piek_bezetting,90\r\n"
              "piek_tijdstip,0930\r\n"
              "bewoners_procent,25\r\n"
              "werknemers_procent,25\r\n"
              "bezoekers_procent,50\r\n"
              "secties_boven_norm,1\r\n"
              "secties,3\r\n");
}

TEST(CouncilFiguresTest, NoClockTimesLeaveThePeakEmpty) {
    const std::map<std::string, std::string> summary =
        SummaryOf(SummaryCsv(Summarise(CouncilFigures{})));
    EXPECT_EQ(summary.at("piek_bezetting"), "");
    EXPECT_EQ(summary.at("piek_tijdstip"), "");
    EXPECT_EQ(summary.at("bewoners_procent"), "0");
}

}  // namespace
}  // namespace tavoric
