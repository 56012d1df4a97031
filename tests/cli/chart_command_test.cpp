// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/analysis_selection.h"
#include "charts/chart_csv.h"
#include "charts/chart_images.h"
#include "cli_test_support.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";

using ChartCommandTest = ToolFolderTest;

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

TEST_F(ChartCommandTest, CsvHoldsTheFiguresOfTheSelection) {
    const std::string csv = PathOf("secties.csv");
    ASSERT_EQ(RunTool({"chart", kDemo, "--kind", "sections", "--routes", "0002",
                       "--exclude-illegal-ppe", "--csv", csv})
                  .status,
              kExitOk);

    Survey survey;
    ScriptedPrompter prompter;
    ASSERT_TRUE(ReadProjectFile(survey, kDemo, prompter));
    AnalysisSelection selection;
    selection.Open(survey);
    selection.SelectOnly(survey, NarrowingLevel::Routes, {"0002"});
    AnalysisParameters parameters = selection.Parameters(survey, ReportKind::PerPlace);
    parameters.countIllegalInPpe = false;
    Progress progress;
    const std::optional<ChartData> data = ComputeChartData(survey, parameters, 85, progress);
    ASSERT_TRUE(data);
    EXPECT_EQ(FileContent(csv), ChartCsv(ChartKind::Sections, *data));
    EXPECT_NE(FileContent(csv).find("\r\n0002,"), std::string::npos);
}

// The motive chart counts what the motive report counts, period by period.
TEST_F(ChartCommandTest, MotiveChartGivesTheFiguresOfTheMotiveReport) {
    const std::string chart = PathOf("grafiek.csv");
    const std::string report = PathOf("motief.csv");
    ASSERT_EQ(
        RunTool({"chart", kDemo, "--kind", "motive", "--routes", "0001", "--csv", chart}).status,
        kExitOk);
    ASSERT_EQ(
        RunTool({"motive", kDemo, "--routes", "0001", "--csv", report, "--txt", PathOf("m.txt")})
            .status,
        kExitOk);
    EXPECT_EQ(FileContent(chart), FileContent(report));
    EXPECT_EQ(FileContent(chart).rfind("tijdstip,bewoners,werknemers,bezoekers\r\n0600,", 0), 0u);
}

TEST_F(ChartCommandTest, MatrixAndMotivePerSectionAgreeWithTheirReports) {
    const std::string matrix = PathOf("matrix.csv");
    ASSERT_EQ(RunTool({"chart", kDemo, "--kind", "matrix", "--csv", matrix}).status, kExitOk);
    EXPECT_EQ(FileContent(matrix).rfind(
                  "route,sectie,omschrijving,tijdstip,capaciteit,voertuigen,bezetting\r\n"
                  "0001,0001,Kerkstraat,0600,",
                  0),
              0u);
    const std::string chart = PathOf("secties-grafiek.csv");
    const std::string report = PathOf("secties.csv");
    ASSERT_EQ(RunTool({"chart", kDemo, "--kind", "motive-sections", "--csv", chart}).status,
              kExitOk);
    ASSERT_EQ(RunTool({"motive", kDemo, "--sections-csv", report, "--txt", PathOf("m.txt")}).status,
              kExitOk);
    EXPECT_EQ(FileContent(chart), FileContent(report));
    EXPECT_EQ(
        FileContent(report).rfind(
            "route,sectie,omschrijving,bewoners,werknemers,bezoekers\r\n0001,0001,Kerkstraat,", 0),
        0u);
    EXPECT_EQ(RunTool({"motive", kDemo, "--sections-csv", report, "--totals-csv", report}).status,
              kExitUsage);
}

TEST_F(ChartCommandTest, WrongUseWritesNothing) {
    const std::string csv = PathOf("uit.csv");
    const std::vector<std::vector<std::string>> wrongs = {
        {"chart", kDemo, "--csv", csv},                     // no kind
        {"chart", kDemo, "--kind", "taart", "--csv", csv},  // unknown kind
        {"chart", kDemo, "--kind", "occupancy"},            // no output
        {"chart", kDemo, "--kind", "occupancy", "--csv", csv, "--size", "1200"},
        {"chart", kDemo, "--kind", "occupancy", "--csv", csv, "--size", "50x800"},
        {"chart", kDemo, "--kind", "occupancy", "--csv", csv, "--png", csv},
        {"chart", kDemo, "--kind", "occupancy", "--csv", csv, "--routes", "9999"},
        {"chart", kDemo, "--kind", "occupancy", "--csv"},
        {"chart", kDemo, "--kind", "occupancy", "--csv", csv, "--detail"},
    };
    for (const auto& args : wrongs) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kExitUsage) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
        EXPECT_FALSE(fs::exists(csv)) << args.back();
    }
    EXPECT_EQ(RunTool({"chart", PathOf("geen.par"), "--kind", "occupancy", "--csv", csv}).status,
              kExitFileError);
}

TEST_F(ChartCommandTest, ImagesWithoutDisplay) {
    const std::string png = PathOf("bezetting.png");
    const std::string svg = PathOf("bezetting.svg");
    const std::string pdf = PathOf("bezetting.pdf");
    const ToolRun run = RunTool({"chart", kDemo, "--kind", "occupancy", "--png", png, "--svg", svg,
                                 "--pdf", pdf, "--size", "900x600"});
    if (!ChartDrawing::Available()) {
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_NE(run.err.find("--csv"), std::string::npos);
        EXPECT_FALSE(fs::exists(png));
        return;
    }
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const std::string image = FileContent(png);
    ASSERT_GT(image.size(), 24u);
    EXPECT_EQ(image.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian(image, 16), 900u);
    EXPECT_EQ(BigEndian(image, 20), 600u);
    EXPECT_NE(FileContent(svg).find("<svg"), std::string::npos);
    EXPECT_NE(FileContent(svg).find("Bezetting (%)"), std::string::npos);
    EXPECT_EQ(FileContent(pdf).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace tavoric
