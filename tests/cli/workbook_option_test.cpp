// SPDX-License-Identifier: GPL-3.0-or-later
// --xlsx on the analyses, the charts and the observation export: the file is the engine's
// workbook of the same selection, and it is refused where any other output would be.
#include <gtest/gtest.h>

#include <filesystem>

#include "charts/analysis_workbook.h"
#include "cli_test_support.h"
#include "core/message_texts.h"
#include "core/settings.h"
#include "entry/observation_csv.h"
#include "workbook_reader.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";

// The workbooks hold the same sheets and cells (their files differ in the time they were made).
void ExpectSameWorkbook(const std::string& path, const std::optional<std::string>& expected) {
    ASSERT_TRUE(expected);
    const std::optional<nlohmann::json> written = DescribeWorkbook(FileContent(path));
    const std::optional<nlohmann::json> engine = DescribeWorkbook(*expected);
    ASSERT_TRUE(written && engine);
    EXPECT_EQ(*written, *engine) << path;
}

using WorkbookOptionTest = ToolFolderTest;

TEST_F(WorkbookOptionTest, EachCommandWritesTheEnginesWorkbook) {
    SKIP_WITHOUT_OPENPYXL();
    const Survey survey = DemoSurvey();
    std::string error;
    for (const ReportKind kind : {ReportKind::PerPlace, ReportKind::PerInterval}) {
        const std::string path = PathOf("analyse.xlsx");
        const char* command = kind == ReportKind::PerPlace ? "per-place" : "interval";
        ASSERT_EQ(
            RunTool({command, kDemo, "--routes", "0002", "--xlsx", path, "--txt", PathOf("r.txt")})
                .status,
            kExitOk);
        const AnalysisParameters parameters = DemoParameters(survey, kind, {"0002"});
        ReportDocument report(1, ReportSettings{});
        Progress progress;
        CleanTables tables;
        RunParkingDurationAnalysis(survey, parameters, report, progress, &tables);
        ExpectSameWorkbook(path,
                           AnalysisWorkbook(survey.AlgemeneGegevens, parameters, tables, error));
    }

    const std::string motive = PathOf("motief.xlsx");
    ASSERT_EQ(
        RunTool({"motive", kDemo, "--routes", "0002", "--xlsx", motive, "--txt", PathOf("m.txt")})
            .status,
        kExitOk);
    AnalysisParameters motiveParameters = DemoParameters(survey, ReportKind::Motive, {"0002"});
    motiveParameters.motiveBounds = DefaultSettings("").motiveBounds;
    ReportDocument report(1, ReportSettings{});
    Progress progress;
    const std::optional<MotiveFigures> figures =
        RunMotiveAnalysis(survey, motiveParameters, report, progress);
    ASSERT_TRUE(figures);
    ExpectSameWorkbook(motive, MotiveWorkbook(survey.AlgemeneGegevens, motiveParameters, *figures,
                                              survey.SectiesList, error));

    // The chart workbook holds every chart's table, so it needs no --kind.
    const std::string charts = PathOf("grafieken.xlsx");
    ASSERT_EQ(RunTool({"chart", kDemo, "--routes", "0002", "--xlsx", charts}).status, kExitOk);
    const AnalysisParameters chartParameters =
        DemoParameters(survey, ReportKind::PerPlace, {"0002"});
    const int threshold = DefaultSettings("").pressureThreshold;
    const std::optional<ChartData> data =
        ComputeChartData(survey, chartParameters, threshold, progress);
    ASSERT_TRUE(data);
    ExpectSameWorkbook(charts, ChartWorkbook(*data, error));

    const std::string observations = PathOf("waarnemingen.xlsx");
    ASSERT_EQ(RunTool({"export-observations", kDemo, "--xlsx", observations}).status, kExitOk);
    ExpectSameWorkbook(observations, ObservationWorkbook(survey, false, error));
}

TEST_F(WorkbookOptionTest, RefusedWhereAnyOtherOutputWouldBeAndNothingWritten) {
    const std::string book = PathOf("uit.xlsx");
    const ToolRun same = RunTool({"per-place", kDemo, "--csv", book, "--xlsx", book});
    EXPECT_EQ(same.status, kExitUsage);
    EXPECT_NE(same.err.find("--csv en --xlsx"), std::string::npos) << same.err;
    EXPECT_EQ(RunTool({"interval", kDemo, "--xlsx", kDemo}).status, kExitUsage);
    EXPECT_EQ(RunTool({"motive", kDemo, "--xlsx"}).status, kExitUsage);
    EXPECT_EQ(RunTool({"motive", kDemo, "--xlsx", book, "--xlsx", book}).status, kExitUsage);
    EXPECT_EQ(RunTool({"chart", kDemo, "--kind", "sections", "--png", book, "--xlsx", book}).status,
              kExitUsage);
    // The files of one chart still need its kind.
    const ToolRun noKind = RunTool({"chart", kDemo, "--csv", PathOf("c.csv"), "--xlsx", book});
    EXPECT_EQ(noKind.status, kExitUsage);
    const std::string askForKind = MessageText("AA00475");
    EXPECT_NE(noKind.err.find(askForKind.substr(0, askForKind.find("%s"))), std::string::npos)
        << noKind.err;
    EXPECT_EQ(RunTool({"export-observations", kDemo, "--csv", book, "--xlsx", book}).status,
              kExitUsage);
    EXPECT_EQ(RunTool({"export-observations", kDemo}).status, kExitUsage);
    EXPECT_EQ(RunTool({"export-observations", kDemo, "--xlsx", kDemo}).status, kExitUsage);
    EXPECT_FALSE(fs::exists(book));
    EXPECT_FALSE(fs::exists(PathOf("c.csv")));
}

TEST_F(WorkbookOptionTest, AFolderThatIsNotThereGivesExitOneAndTheFileName) {
    const std::string book = PathOf("ontbreekt/uit.xlsx");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"per-place", kDemo, "--xlsx", book, "--txt", PathOf("r.txt")},
          std::vector<std::string>{"chart", kDemo, "--xlsx", book},
          std::vector<std::string>{"export-observations", kDemo, "--xlsx", book}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kExitFileError) << args[0];
        EXPECT_NE(run.err.find("uit.xlsx"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(PathOf("ontbreekt")));
}

}  // namespace
}  // namespace tavoric
