// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "analysis_test_support.h"
#include "charts/chart_images.h"
#include "charts/street_map.h"
#include "charts/survey_comparison.h"
#include "cli_test_support.h"
#include "core/project_file.h"
#include "workbook_reader.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

class CompareCommandTest : public ToolFolderTest {
protected:
    // Two demo surveys of the same area, of different seeds and sizes.
    void SetUp() override {
        ToolFolderTest::SetUp();
        a_ = PathOf("voor.par");
        b_ = PathOf("na.par");
        ASSERT_EQ(RunTool({"demo", a_, "--seed", "3", "--places", "120"}).status, kExitOk);
        ASSERT_EQ(RunTool({"demo", b_, "--seed", "7", "--places", "90"}).status, kExitOk);
    }

    std::string a_;
    std::string b_;
};

// The fields of one column below its header, one per line.
std::string ColumnOf(const std::string& csv, const std::string& name) {
    CsvReader reader(csv, ',');
    std::vector<std::string> fields;
    reader.Next(fields);
    const auto at =
        static_cast<std::size_t>(std::find(fields.begin(), fields.end(), name) - fields.begin());
    std::string column;
    while (reader.Next(fields)) {
        column += fields.at(at) + "\n";
    }
    return column;
}

// Both sides take the selection options and the motive bounds as their own analyses do.
TEST_F(CompareCommandTest, OptionsApplyToBothSides) {
    const std::string motive = PathOf("motief.csv");
    ASSERT_EQ(RunTool({"compare", a_, b_, "--kind", "motive", "--routes", "0001", "--morning",
                       "0800", "--commuter-minutes", "120", "--csv", motive})
                  .status,
              kExitOk);
    for (const auto& [side, project] : {std::pair{"_a", a_}, std::pair{"_b", b_}}) {
        const std::string totals = PathOf(std::string("totalen") + side + ".csv");
        ASSERT_EQ(
            RunTool({"motive", project, "--routes", "0001", "--morning", "0800",
                     "--commuter-minutes", "120", "--totals-csv", totals, "--txt", PathOf("m.txt")})
                .status,
            kExitOk);
        for (const char* column : {"voertuigen", "procent"}) {
            EXPECT_EQ(ColumnOf(FileContent(motive), column + std::string(side)),
                      ColumnOf(FileContent(totals), column));
        }
    }

    const std::string sections = PathOf("secties.csv");
    ASSERT_EQ(RunTool({"compare", a_, b_, "--kind", "sections", "--routes", "0002",
                       "--exclude-illegal-ppl", "--csv", sections})
                  .status,
              kExitOk);
    const std::string chartA = PathOf("a.csv");
    ASSERT_EQ(RunTool({"chart", a_, "--kind", "sections", "--routes", "0002",
                       "--exclude-illegal-ppl", "--csv", chartA})
                  .status,
              kExitOk);
    EXPECT_EQ(ColumnOf(FileContent(sections), "capaciteit_a"),
              ColumnOf(FileContent(chartA), "capaciteit"));
    EXPECT_EQ(FileContent(sections).find("\r\n0001,"), std::string::npos);
}

TEST_F(CompareCommandTest, DurationsOfBInTheClassesOfA) {
    const std::string durations = PathOf("duur.csv");
    ASSERT_EQ(RunTool({"compare", a_, b_, "--kind", "durations", "--classes",
                       "0-15,15-45,45-90,90-180,180-1440", "--csv", durations})
                  .status,
              kExitOk);
    const std::string chartB = PathOf("b.csv");
    ASSERT_EQ(RunTool({"chart", b_, "--kind", "durations", "--classes",
                       "0-15,15-45,45-90,90-180,180-1440", "--csv", chartB})
                  .status,
              kExitOk);
    EXPECT_EQ(ColumnOf(FileContent(durations), "procent_b"),
              ColumnOf(FileContent(chartB), "procent"));
    EXPECT_EQ(
        FileContent(durations).rfind("klasse,van,tot,procent_a,procent_b,verschil\r\n1,0,15,", 0),
        0u);
}

TEST_F(CompareCommandTest, SurveysWithoutCommonSectionAreRefused) {
    Survey elsewhere = SurveyBuilder("0800", "0900")
                           .Route("0009", 30)
                           .Place("0009 0001 0001", "V", {"AA11BB", "AA11BB"})
                           .Build();
    const std::string other = PathOf("elders.par");
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteProjectFile(elsewhere, other, prompter));
    const std::string csv = PathOf("uit.csv");
    const ToolRun run = RunTool({"compare", a_, other, "--kind", "occupancy", "--csv", csv});
    EXPECT_EQ(run.status, kExitFileError);
    EXPECT_NE(run.err.find("geen sectie gemeen"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(csv));
}

TEST_F(CompareCommandTest, WrongUseWritesNothing) {
    const std::string csv = PathOf("uit.csv");
    const std::vector<std::vector<std::string>> wrongs = {
        {"compare", a_, b_, "--csv", csv},                      // no kind
        {"compare", a_, b_, "--kind", "matrix", "--csv", csv},  // not a comparison
        {"compare", a_, b_, "--kind", "occupancy"},             // no output
        {"compare", a_, "--kind", "occupancy", "--csv", csv},   // one project
        {"compare", a_, b_, a_, "--kind", "occupancy", "--csv", csv},
        {"compare", a_, b_, "--kind", "occupancy", "--csv", csv, "--detail"},
        {"compare", a_, b_, "--kind", "occupancy", "--csv", csv, "--routes", "9999"},
        {"compare", a_, b_, "--kind", "motive", "--csv", csv, "--morning", "25:00"},
        {"compare", a_, b_, "--kind", "occupancy", "--csv", b_},  // over B
        {"compare", a_, b_, "--kind", "occupancy", "--csv", csv, "--png", csv},
        {"compare", a_, b_, "--kind", "occupancy", "--png", PathOf("a.png")},    // no CSV
        {"compare", a_, b_, "--kind", "occupancy", "--xlsx", PathOf("w.xlsx")},  // no CSV
        {"compare", a_, b_, "--xlsx", a_},                                       // over A
        {"compare", a_, b_, "--kind", "occupancy", "--csv", csv, "--xlsx", csv},
    };
    for (const auto& args : wrongs) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kExitUsage) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
        EXPECT_FALSE(fs::exists(csv)) << args.back();
    }
    EXPECT_EQ(
        RunTool({"compare", a_, PathOf("geen.par"), "--kind", "occupancy", "--csv", csv}).status,
        kExitFileError);
    EXPECT_FALSE(fs::exists(csv));
}

// The workbook holds all four comparisons without --kind, each sheet the rows of its CSV, and
// names both projects.
TEST_F(CompareCommandTest, WorkbookOfAllComparisons) {
    SKIP_WITHOUT_OPENPYXL();
    const std::string book = PathOf("vergelijking.xlsx");
    ASSERT_EQ(RunTool({"compare", a_, b_, "--routes", "0002", "--xlsx", book}).status, kExitOk);
    const std::optional<nlohmann::json> described = DescribeWorkbook(FileContent(book));
    ASSERT_TRUE(described);
    const nlohmann::json& sheets = (*described)["sheets"];
    ASSERT_EQ(sheets.size(), 5u);
    EXPECT_EQ(sheets[0]["rows"][1][1]["v"].get<std::string>().rfind("voor.par, ", 0), 0u);
    EXPECT_EQ(sheets[0]["rows"][2][1]["v"].get<std::string>().rfind("na.par, ", 0), 0u);
    for (const ComparisonKind kind : AllComparisonKinds()) {
        const std::string csv = PathOf("deel.csv");
        ASSERT_EQ(RunTool({"compare", a_, b_, "--routes", "0002", "--kind",
                           std::string(ComparisonKindName(kind)), "--csv", csv})
                      .status,
                  kExitOk);
        std::size_t records = 0;
        const std::string content = FileContent(csv);
        CsvReader reader(content, ',');
        for (std::vector<std::string> fields; reader.Next(fields);) {
            ++records;
        }
        EXPECT_EQ(sheets[static_cast<std::size_t>(kind) + 1]["rows"].size(), records);
    }
}

const std::string kDemoStreets = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.geojson";

// Every street of a section of either survey carries that section's row of the comparison:
// numbers as numbers, a missing figure as null; the map is drawn where drawing is built in.
TEST_F(CompareCommandTest, DifferenceMapCarriesTheSectionsComparison) {
    const std::string csv = PathOf("secties.csv");
    const std::string geojson = PathOf("verschil.geojson");
    const std::string png = PathOf("verschil.png");
    std::vector<std::string> args = {"compare",  a_,           b_,          "--kind",
                                     "sections", "--csv",      csv,         "--geojson",
                                     geojson,    "--geometry", kDemoStreets};
    if (ChartDrawing::Available()) {
        args.insert(args.end(), {"--map-png", png});
    }
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    std::map<std::string, std::vector<std::string>> rows;
    const std::string content = FileContent(csv);
    CsvReader reader(content, ',');
    std::vector<std::string> header;
    reader.Next(header);
    for (std::vector<std::string> fields; reader.Next(fields);) {
        rows[fields[0] + " " + fields[1]] = fields;
    }
    const nlohmann::ordered_json written = nlohmann::ordered_json::parse(FileContent(geojson));
    int joined = 0;
    for (const auto& feature : written["features"]) {
        const auto& properties = feature["properties"];
        if (!properties.contains("verschil_bezetting")) {
            continue;  // a street of no section of the comparison keeps what it had
        }
        const auto row = rows.find(properties["route"].get<std::string>() + " " +
                                   properties["sectie"].get<std::string>());
        ASSERT_NE(row, rows.end()) << properties.dump();
        ++joined;
        for (std::size_t i = 3; i < header.size(); ++i) {
            const std::string& field = row->second[i];
            EXPECT_EQ(properties[header[i]], field.empty()
                                                 ? nlohmann::ordered_json()
                                                 : nlohmann::ordered_json(std::stoll(field)))
                << header[i] << " " << row->first;
        }
    }
    EXPECT_GT(joined, 5);
    if (ChartDrawing::Available()) {
        EXPECT_TRUE(FileContent(png).starts_with("\x89PNG"));
    }
}

// Without --geometry the map takes the streets project A remembers; without either, with a
// street file that cannot be read or with a map of another comparison, nothing is written.
TEST_F(CompareCommandTest, DifferenceMapStreetsFromProjectAOrNothingWritten) {
    const std::string csv = PathOf("uit.csv");
    const std::string geojson = PathOf("uit.geojson");
    const std::string broken = PathOf("kapot.geojson");
    std::ofstream(broken) << R"({"type":"FeatureCollection","features":[)";
    const std::vector<std::vector<std::string>> refused = {
        {"compare", a_, b_, "--kind", "sections", "--csv", csv, "--geojson", geojson},
        {"compare", a_, b_, "--kind", "occupancy", "--csv", csv, "--geojson", geojson, "--geometry",
         kDemoStreets},
        {"compare", a_, b_, "--kind", "sections", "--csv", csv, "--geojson", csv, "--geometry",
         kDemoStreets},
        {"compare", a_, b_, "--kind", "sections", "--csv", csv, "--geojson", broken, "--geometry",
         broken},
    };
    for (const auto& args : refused) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kExitUsage) << run.err;
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(fs::exists(csv) || fs::exists(geojson)) << run.err;
    }
    const ToolRun unreadable = RunTool({"compare", a_, b_, "--kind", "sections", "--csv", csv,
                                        "--geojson", geojson, "--geometry", broken});
    EXPECT_EQ(unreadable.status, kExitFileError);
    EXPECT_FALSE(fs::exists(csv) || fs::exists(geojson)) << unreadable.err;

    Survey a;
    ScriptedPrompter prompter;
    ASSERT_TRUE(ReadProjectFile(a, a_, prompter));
    fs::copy_file(kDemoStreets, PathOf("straten.geojson"));
    a.AlgemeneGegevens.streetGeometry = StoredStreetGeometryPath(a_, PathOf("straten.geojson"));
    ASSERT_TRUE(WriteProjectFile(a, a_, prompter));
    const ToolRun remembered =
        RunTool({"compare", a_, b_, "--kind", "sections", "--csv", csv, "--geojson", geojson});
    ASSERT_EQ(remembered.status, kExitOk) << remembered.err;
    EXPECT_NE(FileContent(geojson).find("verschil_bezetting"), std::string::npos);
}

// Each chart names the difference of every category, and the two surveys in its legend.
TEST_F(CompareCommandTest, ChartsWithoutDisplay) {
    const std::string csv = PathOf("duur.csv");
    const std::string svg = PathOf("duur.svg");
    const std::string pdf = PathOf("secties.pdf");
    const ToolRun run =
        RunTool({"compare", a_, b_, "--kind", "durations", "--csv", csv, "--svg", svg});
    if (!ChartDrawing::Available()) {
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_FALSE(fs::exists(csv));
        return;
    }
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const std::string drawing = FileContent(svg);
    EXPECT_NE(drawing.find("Voor en na: parkeerduurverdeling"), std::string::npos);
    EXPECT_NE(drawing.find("A (voor)"), std::string::npos);
    EXPECT_NE(drawing.find("B (na)"), std::string::npos);
    EXPECT_NE(drawing.find("verschil "), std::string::npos);
    ASSERT_EQ(
        RunTool({"compare", a_, b_, "--kind", "sections", "--csv", PathOf("s.csv"), "--pdf", pdf})
            .status,
        kExitOk);
    EXPECT_EQ(FileContent(pdf).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace tavoric
