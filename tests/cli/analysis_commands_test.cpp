#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/analysis_selection.h"
#include "analysis/parking_duration_analysis.h"
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

// The demo survey's report made in the engine with the selection of the dialog's first opening.
ReportDocument EngineReport(ReportKind kind, const std::vector<std::string>& routes,
                            const ReportSettings& settings = {}) {
    Survey survey;
    ScriptedPrompter prompter;
    EXPECT_TRUE(ReadProjectFile(survey, kDemo, prompter));
    AnalysisSelection selection;
    selection.Open(survey);
    if (!routes.empty()) {
        selection.SelectOnly(survey, NarrowingLevel::Routes, routes);
    }
    ReportDocument report(1, settings);
    Progress progress;
    RunParkingDurationAnalysis(survey, selection.Parameters(survey, kind), report, progress);
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

TEST_F(AnalysisCommandsTest, OptionsNarrowTheSelectionAndFollowTheTimeFieldRules) {
    const ToolRun run =
        RunTool({"per-place", kDemo, "--from", "630", "--to", "2400", "--routes", "0002",
                 "--sections", "0002-0001", "--types", "v", "--exclude-illegal-ppl", "--classes",
                 "0-15,15-30,30-45,45-60,60-90"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find("Periode van 0630 tot 0000 uur\n"), std::string::npos);
    EXPECT_NE(run.out.find("niet meetellen bij bepalen totale capaciteit in ppl."),
              std::string::npos);
    EXPECT_NE(run.out.find("    15     %    30     %    45     %    60     %"), std::string::npos);
    EXPECT_EQ(run.out.find("0001  0001"), std::string::npos);
    EXPECT_NE(run.out.find("\xe2\x80\x94"), std::string::npos) << "rules in UTF-8";
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

TEST_F(AnalysisCommandsTest, IntervalRefusesRoutesWithDifferentIntervals) {
    const ToolRun run = RunTool({"interval", kDemo, "--txt", PathOf("interval.txt")});
    EXPECT_EQ(run.status, kExitFileError);
    EXPECT_NE(run.err.find("Parkeerduurmeting NIET mogelijk!"), std::string::npos);
    EXPECT_NE(run.err.find("15, 30, 60 minuten."), std::string::npos);
    EXPECT_FALSE(fs::exists(PathOf("interval.txt")));
}

}  // namespace
}  // namespace tavoric
