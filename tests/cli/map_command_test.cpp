// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "analysis/analysis_selection.h"
#include "charts/chart_images.h"
#include "cli_test_support.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";
const std::string kDemoStreets = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.geojson";

class MapCommandTest : public ToolFolderTest {
protected:
    std::string WriteFile(const std::string& name, const std::string& content) {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
};

std::vector<SectionPressure> DemoPressureOfRoute(const std::string& route) {
    Survey survey;
    ScriptedPrompter prompter;
    EXPECT_TRUE(ReadProjectFile(survey, kDemo, prompter));
    AnalysisSelection selection;
    selection.Open(survey);
    selection.SelectOnly(survey, NarrowingLevel::Routes, {route});
    Progress progress;
    return ComputeChartData(survey, selection.Parameters(survey, ReportKind::PerPlace), 85,
                            progress)
        ->sections;
}

TEST_F(MapCommandTest, EveryDemoStreetCarriesTheFiguresOfItsSection) {
    const std::string out = PathOf("kaart.geojson");
    const ToolRun run =
        RunTool({"map", kDemo, "--geometry", kDemoStreets, "--routes", "0002", "--geojson", out});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err.find("grijs"), std::string::npos) << run.err;
    const Json written = Json::parse(FileContent(out));
    const Json original = Json::parse(FileContent(kDemoStreets));
    EXPECT_EQ(written["crs"], original["crs"]);
    ASSERT_EQ(written["features"].size(), original["features"].size());
    const std::vector<SectionPressure> pressure = DemoPressureOfRoute("0002");
    int joined = 0;
    for (const Json& feature : written["features"]) {
        const Json& properties = feature["properties"];
        ASSERT_TRUE(properties.contains("bezetting")) << properties.dump();
        for (const SectionPressure& section : pressure) {
            if (properties["route"] == section.route && properties["sectie"] == section.section) {
                EXPECT_EQ(properties["plaatsen"], section.places);
                EXPECT_EQ(properties["capaciteit"], section.capacity);
                EXPECT_EQ(properties["bezet"], section.occupied);
                const Json unknown;  // a section without observations has no percentages
                EXPECT_EQ(properties["bezetting"],
                          section.observed ? Json(section.occupancy) : unknown);
                EXPECT_EQ(properties["piek"], section.observed ? Json(section.peak) : unknown);
                ++joined;
            }
        }
        if (properties["route"] != "0002") {  // outside the selection
            EXPECT_EQ(properties["plaatsen"], 0);
            EXPECT_TRUE(properties["bezetting"].is_null());
        }
    }
    EXPECT_EQ(joined, static_cast<int>(pressure.size()));
}

TEST_F(MapCommandTest, StreetsOutsideTheSurveyAreReportedAndKeptAsTheyWere) {
    const std::string streets = WriteFile(
        "straten.geojson",
        R"({"type":"FeatureCollection","features":[)"
        R"({"type":"Feature","properties":{"route":"1","sectie":1},"geometry":{"type":"LineString","coordinates":[[5.1,52.1],[5.2,52.1]]}},)"
        R"({"type":"Feature","properties":{"route":8,"sectie":8},"geometry":{"type":"LineString","coordinates":[[5.1,52.2],[5.2,52.2]]}},)"
        R"({"type":"Feature","properties":{"naam":"Plein"},"geometry":null}]})");
    const std::string out = PathOf("kaart.geojson");
    const ToolRun run = RunTool({"map", kDemo, "--geometry", streets, "--geojson", out});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.err.find("2 van de 3"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("object 2 (route 0008, sectie 0008); object 3"), std::string::npos);
    const Json written = Json::parse(FileContent(out));
    EXPECT_EQ(written["features"][0]["properties"]["route"], "0001");
    EXPECT_GT(written["features"][0]["properties"]["plaatsen"], 0);
    EXPECT_EQ(written["features"][1]["properties"].dump(), R"({"route":8,"sectie":8})");
    EXPECT_EQ(written["features"][2]["properties"].dump(), R"({"naam":"Plein"})");
}

TEST_F(MapCommandTest, WrongUseWritesNothing) {
    const std::string out = PathOf("uit.geojson");
    const std::string notGeoJson = WriteFile("straten.geojson", "0001 0001 Kerkstraat\r\n");
    const std::vector<std::vector<std::string>> wrongs = {
        {"map", kDemo, "--geojson", out},            // no geometry
        {"map", kDemo, "--geometry", kDemoStreets},  // no output
        {"map", kDemo, "--geometry", kDemoStreets, "--geojson", out, "--measure", "max"},
        {"map", kDemo, "--geometry", notGeoJson, "--geojson", notGeoJson},
        {"map", kDemo, "--geometry", kDemoStreets, "--geojson", out, "--png", out},
        {"map", kDemo, "--geometry", kDemoStreets, "--geojson", kDemo},
        {"map", kDemo, "--geometry", kDemoStreets, "--geojson", out, "--routes", "9999"},
        {"map", kDemo, "--geometry", kDemoStreets, "--geojson"},
    };
    for (const auto& args : wrongs) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kExitUsage) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
        EXPECT_FALSE(fs::exists(out)) << args.back();
    }
    const ToolRun unreadable = RunTool({"map", kDemo, "--geometry", notGeoJson, "--geojson", out});
    EXPECT_EQ(unreadable.status, kExitFileError);
    EXPECT_NE(unreadable.err.find("straten.geojson"), std::string::npos) << unreadable.err;
    EXPECT_NE(unreadable.err.find("geen JSON"), std::string::npos) << unreadable.err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(FileContent(notGeoJson), "0001 0001 Kerkstraat\r\n");
}

TEST_F(MapCommandTest, DrawingsWithoutDisplay) {
    const std::string png = PathOf("kaart.png");
    const std::string svg = PathOf("kaart.svg");
    const std::string pdf = PathOf("kaart.pdf");
    const ToolRun run = RunTool({"map", kDemo, "--geometry", kDemoStreets, "--measure", "piek",
                                 "--png", png, "--svg", svg, "--pdf", pdf});
    if (!ChartDrawing::Available()) {
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_FALSE(fs::exists(png));
        return;
    }
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(FileContent(png).substr(1, 3), "PNG");
    const std::string drawing = FileContent(svg);
    EXPECT_NE(drawing.find("Parkeerdrukkaart: Piekbezetting"), std::string::npos);
    // The legend reads on its own: the classes with their bounds, grey, and the norm.
    for (const char* legend : {"Bezetting onder 70 %", "Bezetting 70 % tot en met 85 %",
                               "Bezetting boven 85 %", "Geen gegevens", "Parkeerdruknorm 85 %"}) {
        EXPECT_NE(drawing.find(legend), std::string::npos) << legend;
    }
    EXPECT_EQ(FileContent(pdf).substr(0, 5), "%PDF-");
    // Street names with the measure where they fit, and a scale bar.
    EXPECT_NE(drawing.find("Kerkstraat"), std::string::npos);
    EXPECT_NE(drawing.find("200 m<"), std::string::npos);
    const std::string bare = PathOf("zonder.svg");
    const ToolRun withoutLabels =
        RunTool({"map", kDemo, "--geometry", kDemoStreets, "--no-labels", "--svg", bare});
    ASSERT_EQ(withoutLabels.status, kExitOk) << withoutLabels.err;
    EXPECT_EQ(FileContent(bare).find("Kerkstraat"), std::string::npos);
    EXPECT_NE(FileContent(bare).find("Parkeerdruknorm 85 %"), std::string::npos);
}

}  // namespace
}  // namespace tavoric
