// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "../analysis/analysis_test_support.h"
#include "analysis/analysis_selection.h"
#include "analysis/interval_report.h"
#include "analysis/motive_report.h"
#include "analysis/parking_duration_analysis.h"
#include "analysis/per_place_table.h"
#include "cli/commands.h"
#include "cli_test_support.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "core/settings.h"
#include "reports/export.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";

// The demo survey's report made in the engine.
ReportDocument EngineReport(ReportKind kind, const std::vector<std::string>& routes,
                            const ReportSettings& settings = {}) {
    const Survey survey = DemoSurvey();
    ReportDocument report(1, settings);
    Progress progress;
    RunParkingDurationAnalysis(survey, DemoParameters(survey, kind, routes), report, progress);
    return report;
}

using AnalysisCommandsTest = ToolFolderTest;

TEST_F(AnalysisCommandsTest, FilesAreThoseOfTheExportOfTheSameAnalysis) {
    const std::string txt = PathOf("plaats.txt");
    const std::string csv = PathOf("plaats.csv");
    ASSERT_EQ(RunTool({"per-place", kDemo, "--txt", txt, "--csv", csv}).status, kExitOk);
    const ReportDocument perPlace = EngineReport(ReportKind::PerPlace, {});
    EXPECT_EQ(FileContent(txt), ReportTextContent(perPlace));
    EXPECT_EQ(FileContent(csv), ReportCsvContent(perPlace.Table()));

    ASSERT_EQ(RunTool({"interval", kDemo, "--routes", "0001", "--csv", csv}).status, kExitOk);
    EXPECT_EQ(FileContent(csv),
              ReportCsvContent(EngineReport(ReportKind::PerInterval, {"0001"}).Table()));
}

TEST_F(AnalysisCommandsTest, PerPlaceWritesTheCleanTableBesideTheReportsOwnCsv) {
    const std::string csv = PathOf("plaats.csv");
    const std::string table = PathOf("tabel.csv");
    ASSERT_EQ(RunTool({"per-place", kDemo, "--routes", "0001", "--csv", csv, "--table-csv", table})
                  .status,
              kExitOk);
    const Survey survey = DemoSurvey();
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    CleanTables expected;
    RunParkingDurationAnalysis(survey, DemoParameters(survey, ReportKind::PerPlace, {"0001"}),
                               report, progress, &expected);
    EXPECT_FALSE(expected.perPlace.places.empty());
    EXPECT_EQ(FileContent(table), PerPlaceTableCsv(expected.perPlace));
    EXPECT_EQ(FileContent(csv), ReportCsvContent(report.Table()));

    // The clean table has a file of its own; the motive report has its own data files.
    const ToolRun same = RunTool({"per-place", kDemo, "--csv", csv, "--table-csv", csv});
    EXPECT_EQ(same.status, kExitUsage);
    EXPECT_NE(same.err.find("--csv en --table-csv"), std::string::npos) << same.err;
    EXPECT_EQ(RunTool({"per-place", kDemo, "--table-csv", kDemo}).status, kExitUsage);
    EXPECT_EQ(RunTool({"per-place", kDemo, "--table-csv"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"motive", kDemo, "--table-csv", PathOf("m.csv")}).status, kExitUsage);
    EXPECT_FALSE(fs::exists(PathOf("m.csv")));
}

TEST_F(AnalysisCommandsTest, IntervalWritesThePatternsAndTheDetailListAsCleanTables) {
    const std::string table = PathOf("patronen.csv");
    const std::string detail = PathOf("detail.csv");
    const std::string txt = PathOf("interval.txt");
    ASSERT_EQ(RunTool({"interval", kDemo, "--routes", "0001", "--txt", txt, "--table-csv", table,
                       "--detail-csv", detail})
                  .status,
              kExitOk);
    const Survey survey = DemoSurvey();
    AnalysisParameters parameters = DemoParameters(survey, ReportKind::PerInterval, {"0001"});
    parameters.addDetailList = true;  // --detail-csv turns the detail list on
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    CleanTables expected;
    RunParkingDurationAnalysis(survey, parameters, report, progress, &expected);
    EXPECT_FALSE(expected.interval.detail.empty());
    EXPECT_EQ(FileContent(table), IntervalPatternCsv(expected.interval));
    EXPECT_EQ(FileContent(detail), IntervalDetailCsv(expected.interval));
    EXPECT_EQ(FileContent(txt), ReportTextContent(report));

    const ToolRun same = RunTool(
        {"interval", kDemo, "--routes", "0001", "--table-csv", table, "--detail-csv", table});
    EXPECT_EQ(same.status, kExitUsage);
    EXPECT_NE(same.err.find("--table-csv en --detail-csv"), std::string::npos) << same.err;
}

TEST_F(AnalysisCommandsTest, ReportsTakeTheLookOfTheSettingsFile) {
    ProgramSettings settings = DefaultSettings("");
    settings.report.lineCharacter = "=";
    settings.report.ownerName = "Gemeente Testdorp";
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteSettings(settings, SettingsFilePath(ConfigFolder()), prompter));
    const std::string txt = PathOf("plaats.txt");
    ASSERT_EQ(RunTool({"per-place", kDemo, "--txt", txt}).status, kExitOk);
    const std::string content = FileContent(txt);
    EXPECT_EQ(content, ReportTextContent(EngineReport(ReportKind::PerPlace, {}, settings.report)));
    EXPECT_NE(content.find(ReportVersionLine("Gemeente Testdorp") + "\r\n"), std::string::npos);
}

TEST_F(AnalysisCommandsTest, OptionsNarrowTheSelectionWithClockTimesAsTyped) {
    const ToolRun run =
        RunTool({"per-place", kDemo, "--from", "0630", "--to", "2359", "--routes", "0002",
                 "--sections", "0002-0001", "--types", "v", "--exclude-illegal-ppl", "--classes",
                 "0-15,15-30,30-45,45-60,60-90"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find("Periode van 0630 tot 2359 uur\n"), std::string::npos);
    EXPECT_NE(run.out.find("niet meetellen bij bepalen totale capaciteit in ppl."),
              std::string::npos);
    EXPECT_NE(run.out.find("    15     %    30     %    45     %    60     %"), std::string::npos);
    EXPECT_EQ(run.out.find("\n0001  "), std::string::npos);  // route 0001 is not selected
    EXPECT_NE(run.out.find("\n0002  0001  0001  V "), std::string::npos);
    EXPECT_NE(run.out.find("\xe2\x80\x94"), std::string::npos) << "rules in UTF-8";
}

TEST_F(AnalysisCommandsTest, WithoutFromAndToTheLastRoundAfterTheSurveyEndCounts) {
    // The demo survey ends at 1830; route 0003's last round runs 1800-1900.
    const ToolRun standard = RunTool({"per-place", kDemo, "--routes", "0003"});
    const ToolRun typed =
        RunTool({"per-place", kDemo, "--routes", "0003", "--from", "0600", "--to", "1900"});
    ASSERT_EQ(standard.status, kExitOk) << standard.err;
    EXPECT_NE(standard.out.find("Periode van 0600 tot 1900 uur\n"), std::string::npos);
    EXPECT_EQ(standard.out, typed.out);
    const ToolRun survey = RunTool({"per-place", kDemo, "--routes", "0003", "--to", "1830"});
    EXPECT_NE(survey.out, standard.out);
}

TEST_F(AnalysisCommandsTest, BadEntriesAreUsageErrorsThatNameThem) {
    const ToolRun route = RunTool({"per-place", kDemo, "--routes", "0001,0099"});
    EXPECT_EQ(route.status, kExitUsage);
    EXPECT_NE(route.err.find("\"0099\""), std::string::npos);
    const ToolRun place =
        RunTool({"per-place", kDemo, "--routes", "0002", "--places", "0001-0001-0001"});
    EXPECT_EQ(place.status, kExitUsage);
    EXPECT_NE(place.err.find("\"0001-0001-0001\""), std::string::npos);
    const ToolRun time = RunTool({"interval", kDemo, "--from", "zes"});
    EXPECT_EQ(time.status, kExitUsage);
    EXPECT_NE(time.err.find("\"zes\""), std::string::npos);
    EXPECT_EQ(RunTool({"per-place", kDemo, "--classes", "0-30,30-60"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"per-place", kDemo, "--detail"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"per-place", kDemo, "--routes"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"per-place"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"per-place", PathOf("ontbreekt.par")}).status, kExitFileError);
}

TEST_F(AnalysisCommandsTest, MotiveWritesTheReportAndBothDataFilesOfTheEngine) {
    const std::string txt = PathOf("motief.txt");
    const std::string csv = PathOf("motief.csv");
    const std::string totals = PathOf("totalen.csv");
    const ToolRun run =
        RunTool({"motive", kDemo, "--routes", "0001,0002", "--morning", "0730", "--evening", "1800",
                 "--commuter-minutes", "120", "--txt", txt, "--csv", csv, "--totals-csv", totals});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const Survey survey = DemoSurvey();
    AnalysisParameters parameters = DemoParameters(survey, ReportKind::Motive, {"0001", "0002"});
    parameters.motiveBounds = {"0730", "1800", 120};
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    const std::optional<MotiveFigures> figures =
        RunMotiveAnalysis(survey, parameters, report, progress);
    ASSERT_TRUE(figures);
    EXPECT_GT(TotalVehicles(figures->vehicles), 0);
    EXPECT_EQ(FileContent(txt), ReportTextContent(report));
    EXPECT_EQ(FileContent(csv), MotivePeriodCsv(*figures));
    EXPECT_EQ(FileContent(totals), MotiveTotalsCsv(*figures));
    EXPECT_NE(FileContent(txt).find("Bewoner: een periode begint voor 0730 of eindigt na 1800"),
              std::string::npos);
}

TEST_F(AnalysisCommandsTest, MotiveBoundsDefaultToTheSettingsFile) {
    ProgramSettings settings = DefaultSettings("");
    settings.motiveBounds = {"0600", "2000", 90};
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteSettings(settings, SettingsFilePath(ConfigFolder()), prompter));
    const ToolRun run = RunTool({"motive", kDemo, "--evening", "2100"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find("voor 0600 of eindigt na 2100 uur\n"), std::string::npos);
    EXPECT_NE(run.out.find("in totaal 90 minuten of langer"), std::string::npos);
}

TEST_F(AnalysisCommandsTest, MotiveRefusesBadBoundsAndOptionsOfOtherReports) {
    const ToolRun minutes = RunTool({"motive", kDemo, "--commuter-minutes", "-1"});
    EXPECT_EQ(minutes.status, kExitUsage);
    EXPECT_NE(minutes.err.find("\"-1\" bij --commuter-minutes"), std::string::npos);
    const ToolRun morning = RunTool({"motive", kDemo, "--morning", "zeven"});
    EXPECT_EQ(morning.status, kExitUsage);
    EXPECT_NE(morning.err.find("\"zeven\" bij --morning"), std::string::npos);
    EXPECT_EQ(RunTool({"motive", kDemo, "--classes", "0-30,30-60,60-120,120-240,240-1440"}).status,
              kExitUsage);
    EXPECT_EQ(RunTool({"motive", kDemo, "--exclude-illegal-ppl"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"per-place", kDemo, "--morning", "0700"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"per-place", kDemo, "--totals-csv", PathOf("t.csv")}).status, kExitUsage);

    const std::string csv = PathOf("zelfde.csv");
    const ToolRun same = RunTool({"motive", kDemo, "--csv", csv, "--totals-csv", csv});
    EXPECT_EQ(same.status, kExitUsage);
    EXPECT_NE(same.err.find("--csv en --totals-csv"), std::string::npos);
    EXPECT_FALSE(fs::exists(csv));
}

TEST_F(AnalysisCommandsTest, AnIntervalReportTooLargeIsAFailureThatSaysWhy) {
    std::vector<std::string> plates;
    for (std::size_t i = 0; i <= kMaxIntervalPeriods; ++i) {
        plates.push_back("P" + std::to_string(i));
    }
    Survey survey =
        SurveyBuilder("0000", "9999").Route("0001", 1).Place("0001 0001 0001", "V", plates).Build();
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteProjectFile(survey, PathOf("groot.par"), prompter));
    for (const char* output : {"--txt", "--csv"}) {
        SCOPED_TRACE(output);
        const ToolRun run = RunTool({"interval", PathOf("groot.par"), output, PathOf("uit")});
        EXPECT_EQ(run.status, kExitFileError);
        EXPECT_NE(run.err.find("1441 perioden en 1441 verschillende aanwezigheidspatronen (ten "
                               "hoogste 1440 perioden"),
                  std::string::npos)
            << run.err;
        EXPECT_FALSE(fs::exists(PathOf("uit")));
    }
}

TEST_F(AnalysisCommandsTest, IntervalRefusesRoutesWithDifferentIntervals) {
    const ToolRun run = RunTool({"interval", kDemo, "--txt", PathOf("interval.txt")});
    EXPECT_EQ(run.status, kExitFileError);
    EXPECT_NE(run.err.find("Parkeerduurmeting NIET mogelijk!"), std::string::npos);
    EXPECT_NE(run.err.find("15, 30, 60 minuten."), std::string::npos);
    EXPECT_FALSE(fs::exists(PathOf("interval.txt")));
}

}  // namespace
}  // namespace tavoric
