// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis_test_support.h"
#include "core/codec.h"
#include "reports/export.h"

namespace tavoric {

namespace {

// Two routes of 15 minutes, three places of types V, I and P, four periods, with a wrongly
// parked vehicle, a blocked slot and a vehicle that returns.
Survey SmallSurvey() {
    Survey survey = SurveyBuilder("0800", "0900")
                        .Route("0001", 15)
                        .Route("0002", 15)
                        .Place("0001 0001 0001", "V", {"AB12CD", "AB12CD", "", "XY99ZZ"}, "   F")
                        .Place("0001 0001 0002", "I", {"", "GH45JK", "GH45JK", "GH45JK"})
                        .Place("0002 0001 0001", "P", {"12ABC3", "", "", "12ABC3"}, "B")
                        .Build();
    survey.AlgemeneGegevens.dayAndDate = "Dinsdag 3 maart 2026";
    return survey;
}

// An expected file, kept in UTF-8 for reading, as code page 1252 lines.
LineList ExpectedLines(const std::string& name) {
    std::ifstream file(std::filesystem::path(TAVORIC_ANALYSIS_DATA) / name);
    EXPECT_TRUE(file) << name;
    LineList lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(Utf8ToCp1252(line));
    }
    return lines;
}

// The report without its standard header, which is checked to be there.
LineList Body(const ReportDocument& report, const GeneralValues& general) {
    ReportDocument header(report.Number(), report.Settings());
    header.WriteReportHeader(general);
    const std::size_t size = header.Lines().size();
    EXPECT_TRUE(std::equal(header.Lines().begin(), header.Lines().end(), report.Lines().begin()));
    return LineList(report.Lines().begin() + static_cast<std::ptrdiff_t>(size),
                    report.Lines().end());
}

std::string CsvOf(const LineList& lines) {
    std::string content;
    for (const std::string& line : lines) {
        content += line + "\r\n";
    }
    return content;
}

// The report of the small survey against the expected lines and CSV rows in name.txt/.csv.
void ExpectReport(const AnalysisParameters& parameters, const std::string& name) {
    const Survey survey = SmallSurvey();
    const ReportDocument report = RunAnalysis(survey, parameters);
    EXPECT_EQ(Body(report, survey.AlgemeneGegevens), ExpectedLines(name + ".txt"));
    EXPECT_EQ(ReportCsvContent(report.Table()), CsvOf(ExpectedLines(name + ".csv")));
}

}  // namespace

TEST(CompleteReport, PerPlaceReportAndItsCsv) {
    AnalysisParameters parameters = AllSelected(SmallSurvey(), ReportKind::PerPlace);
    parameters.countIllegalInPpl = false;
    ExpectReport(parameters, "per_place");
}

TEST(CompleteReport, IntervalReportWithDetailListAndItsCsv) {
    AnalysisParameters parameters = AllSelected(SmallSurvey(), ReportKind::PerInterval);
    parameters.addDetailList = true;
    ExpectReport(parameters, "interval");
}

// Bounds inside the small survey's hour, so that every motive occurs.
TEST(CompleteReport, MotiveReportAndItsCsv) {
    AnalysisParameters parameters = AllSelected(SmallSurvey(), ReportKind::Motive);
    parameters.motiveBounds = {"0815", "0900", 45};
    ExpectReport(parameters, "motive");
}

}  // namespace tavoric
