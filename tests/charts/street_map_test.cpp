// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/street_map.h"

#include <gtest/gtest.h>

#include "core/message_texts.h"
#include "core/scripted_prompter.h"
#include "core/text.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace tavoric {

namespace {

using Json = nlohmann::ordered_json;

std::string Collection(const std::string& features, const std::string& extra = "") {
    return R"({"type":"FeatureCollection",)" + extra + R"("features":[)" + features + "]}";
}

std::string Line(const std::string& properties) {
    return R"({"type":"Feature","properties":)" + properties +
           R"(,"geometry":{"type":"LineString","coordinates":[[155000.5,463000],[155100,463050]]}})";
}

StreetGeometry Parsed(const std::string& content) {
    StreetGeometryRead read = ParseStreetGeometry(content);
    EXPECT_TRUE(read.geometry) << read.error;
    return read.geometry ? std::move(*read.geometry) : StreetGeometry{};
}

// Section 0001 0002 holds slots; 0001 0003 is listed but has none in the selection.
std::vector<SectionPressure> Pressure() {
    return {{"0001", "0002", "Markt", 3, 10, 8, 80, 95, {}, true}};
}
const LineList kSectionLines = {"0001 0002 Markt", "0001 0003 Molenweg"};

}  // namespace

TEST(StreetMap, SectionNumbersAsNumbersOrTexts) {
    EXPECT_EQ(FourDigitNumber(Json(7)), "0007");
    EXPECT_EQ(FourDigitNumber(Json("7")), "0007");
    EXPECT_EQ(FourDigitNumber(Json(" 0007 ")), "0007");
    EXPECT_EQ(FourDigitNumber(Json(12.0)), "0012");
    EXPECT_EQ(FourDigitNumber(Json(9999)), "9999");
    for (const Json& bad : {Json(10000), Json(-1), Json(1.5), Json("7a"), Json(""), Json("00007"),
                            Json(nullptr), Json(true)}) {
        EXPECT_FALSE(FourDigitNumber(bad)) << bad.dump();
    }
}

TEST(StreetMap, ReadsEveryLineAndPolygonType) {
    const StreetGeometry geometry = Parsed(Collection(
        R"({"type":"Feature","properties":{},"geometry":{"type":"MultiLineString","coordinates":[[[0,0],[1,1]],[[2,2],[3,3],[4,4]]]}},)"
        R"({"type":"Feature","properties":{},"geometry":{"type":"Polygon","coordinates":[[[0,0],[1,0],[1,1],[0,0]],[[0.2,0.2],[0.3,0.2],[0.2,0.2]]]}},)"
        R"({"type":"Feature","properties":{},"geometry":{"type":"MultiPolygon","coordinates":[[[[0,0],[1,0],[0,0]]],[[[5,5],[6,5],[5,5]]]]}},)"
        R"({"type":"Feature","properties":{},"geometry":null},)"
        R"({"type":"Feature","properties":{},"geometry":{"type":"Point","coordinates":[1,2]}})",
        R"("crs":{"type":"name","properties":{"name":"urn:ogc:def:crs:EPSG::28992"}},)"));
    ASSERT_EQ(geometry.features.size(), 5u);
    EXPECT_FALSE(geometry.longitudeLatitude);
    EXPECT_EQ(geometry.features[0].lines.size(), 2u);
    EXPECT_EQ(geometry.features[0].lines[1].size(), 3u);
    ASSERT_EQ(geometry.features[1].polygons.size(), 1u);
    EXPECT_EQ(geometry.features[1].polygons[0].size(), 2u);  // outer ring and a hole
    EXPECT_EQ(geometry.features[2].polygons.size(), 2u);
    EXPECT_DOUBLE_EQ(geometry.features[2].polygons[1][0][0].x, 5);  // planar: kept as given
    EXPECT_TRUE(geometry.features[3].lines.empty() && geometry.features[3].polygons.empty());
    EXPECT_TRUE(geometry.features[4].lines.empty() && geometry.features[4].polygons.empty());
}

TEST(StreetMap, LongitudeShortenedByTheCosineOfTheMeanLatitude) {
    const StreetGeometry geometry = Parsed(Collection(
        R"({"type":"Feature","properties":null,"geometry":{"type":"LineString","coordinates":[[5,59],[6,61]]}})"));
    ASSERT_TRUE(geometry.longitudeLatitude);
    const MapPath& line = geometry.features[0].lines[0];
    EXPECT_NEAR(line[0].x, 2.5, 1e-9);  // cos 60 degrees = 0.5
    EXPECT_NEAR(line[1].x, 3.0, 1e-9);
    EXPECT_DOUBLE_EQ(line[1].y, 61);
}

TEST(StreetMap, FilesThatAreNotGeoJsonAreRefusedWithTheReason) {
    const std::string notJson = MessageText("AA00700").substr(0, 20);
    const std::pair<std::string, std::string> cases[] = {
        {"", notJson},
        {"{\"type\":\"FeatureCollection\",", notJson},
        {"0001 0001 Kerkstraat", notJson},
        {"[1,2]", MessageText("AA00701")},
        {R"({"type":"Feature","geometry":null})", MessageText("AA00701")},
        {R"({"type":"FeatureCollection","features":{}})", MessageText("AA00701")},
        {Collection(R"({"type":"Feature"},[1])"), FormatText(MessageText("AA00702"), {"2"})},
        {Collection(
             R"({"type":"Feature","geometry":{"type":"LineString","coordinates":[[1,"a"]]}})"),
         FormatText(MessageText("AA00703"), {"1"})},
        {Collection(R"({"type":"Feature","geometry":{"type":"Polygon","coordinates":[[1,2]]}})"),
         FormatText(MessageText("AA00703"), {"1"})},
    };
    for (const auto& [content, expected] : cases) {
        const StreetGeometryRead read = ParseStreetGeometry(content);
        EXPECT_FALSE(read.geometry) << content;
        EXPECT_EQ(read.error.substr(0, expected.size()), expected) << content;
    }
    const StreetGeometryRead missing = ReadStreetGeometry("/nonexistent/streets.geojson");
    EXPECT_FALSE(missing.geometry);
    EXPECT_NE(missing.error.find("streets.geojson"), std::string::npos);
}

TEST(StreetMap, JoinsSeveralFeaturesPerSectionAndCountsTheUnmatched) {
    StreetMap map = JoinStreetMap(
        Parsed(Collection(Line(R"({"route":1,"sectie":"2","kant":"noord"})") + "," +
                          Line(R"({"route":"0001","sectie":2,"kant":"zuid"})") + "," +
                          Line(R"({"route":1,"sectie":3})") + "," +
                          Line(R"({"route":9,"sectie":1})") + "," + Line(R"({"straat":"Markt"})") +
                          "," + Line("null") + "," + Line(R"({"route":1,"sectie":"x"})"))),
        Pressure(), kSectionLines);
    ASSERT_EQ(map.figures.size(), 7u);
    ASSERT_TRUE(map.figures[0] && map.figures[1]);
    EXPECT_EQ(map.figures[0]->occupancy, 80);
    EXPECT_EQ(map.figures[1]->peak, 95);
    ASSERT_TRUE(map.figures[2]);  // listed section without slots: no places, all zero
    EXPECT_EQ(map.figures[2]->places, 0);
    EXPECT_EQ(map.figures[2]->occupancy, 0);
    EXPECT_EQ(map.figures[2]->description, "Molenweg");
    EXPECT_FALSE(map.figures[3] || map.figures[4] || map.figures[5] || map.figures[6]);
    EXPECT_EQ(map.unknownSection, 1);
    EXPECT_EQ(map.withoutSection, 3);
    EXPECT_EQ(map.examples, (std::vector<std::string>{"object 4 (route 0009, sectie 0001)",
                                                      "object 5", "object 6"}));
    const std::string notice = UnmatchedFeaturesText(map);
    EXPECT_NE(notice.find("4 van de 7"), std::string::npos) << notice;
    EXPECT_NE(notice.find("object 4 (route 0009, sectie 0001); object 5; object 6"),
              std::string::npos);
    map.figures.resize(3);
    map.withoutSection = map.unknownSection = 0;
    EXPECT_EQ(UnmatchedFeaturesText(map), "");
}

TEST(StreetMap, GeoJsonOutputCarriesTheFiguresAndKeepsEverythingElse) {
    const std::string input =
        Collection(Line(R"({"naam":"Markt noord","route":1,"sectie":"2"})") + "," +
                       Line(R"({"route":1,"sectie":3})") + "," + Line(R"({"route":9,"sectie":1})") +
                       "," + Line("null"),
                   R"("crs":{"type":"name","properties":{"name":"urn:ogc:def:crs:EPSG::28992"}},)");
    const std::string output =
        StreetMapGeoJson(JoinStreetMap(Parsed(input), Pressure(), kSectionLines));
    const Json written = Json::parse(output);
    const Json original = Json::parse(input);
    EXPECT_EQ(written["crs"], original["crs"]);
    ASSERT_EQ(written["features"].size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(written["features"][i]["geometry"], original["features"][i]["geometry"]);
    }
    EXPECT_EQ(written["features"][0]["properties"].dump(),
              R"({"naam":"Markt noord","route":"0001","sectie":"0002","plaatsen":3,)"
              R"("capaciteit":10,"bezet":8,"bezetting":80,"piek":95})");
    // Without observations the percentages are unknown, not 0 %.
    EXPECT_EQ(written["features"][1]["properties"].dump(),
              R"({"route":"0001","sectie":"0003","plaatsen":0,"capaciteit":0,"bezet":0,)"
              R"("bezetting":null,"piek":null})");
    EXPECT_EQ(written["features"][2]["properties"], original["features"][2]["properties"]);
    EXPECT_TRUE(written["features"][3]["properties"].is_null());
    // Coordinates keep their value to the last digit.
    EXPECT_NE(output.find("155000.5"), std::string::npos);
}

TEST(StreetMap, GreyWithoutSectionOrObservationsElseTheClassOfTheChosenMeasure) {
    SectionPressure section = Pressure().front();  // 80 %, peak 95 %
    EXPECT_EQ(FeatureClass(&section, MapMeasure::Occupancy, 85), PressureClass::Moderate);
    EXPECT_EQ(FeatureClass(&section, MapMeasure::Peak, 85), PressureClass::High);
    EXPECT_EQ(FeatureClass(&section, MapMeasure::Occupancy, 79), PressureClass::High);
    EXPECT_FALSE(FeatureClass(nullptr, MapMeasure::Occupancy, 85));
    EXPECT_EQ(FeatureLabel(&section),
              "Route 0001 sectie 0002 Markt\nBezetting 80 %, piek 95 %, 3 plaatsen");
    // Places with empty slots only: no figures, whatever the zeros say.
    section.observed = false;
    section.occupancy = section.peak = 0;
    EXPECT_FALSE(FeatureClass(&section, MapMeasure::Occupancy, 85));
    EXPECT_FALSE(FeatureClass(&section, MapMeasure::Peak, 85));
    EXPECT_EQ(FeatureLabel(&section), "Route 0001 sectie 0002 Markt\nGeen gegevens");
    section.places = 0;
    EXPECT_FALSE(FeatureClass(&section, MapMeasure::Occupancy, 85));
}

TEST(StreetMap, OneLabelPerSectionAlongItsLongestLine) {
    const std::string longLine =
        R"({"type":"Feature","properties":{"route":1,"sectie":2},"geometry":{"type":)"
        R"("LineString","coordinates":[[0,0],[300,0],[300,400]]}})";
    const StreetMap map = JoinStreetMap(
        Parsed(Collection(Line(R"({"route":1,"sectie":2})") + "," + longLine + "," +
                              Line(R"({"route":1,"sectie":3})") + "," +
                              Line(R"({"route":9,"sectie":1})"),
                          R"("crs":{"type":"name","properties":{"name":"EPSG:28992"}},)")),
        Pressure(), kSectionLines);
    const std::vector<StreetLabel> byPeak = StreetLabels(map, MapMeasure::Peak);
    ASSERT_EQ(byPeak.size(), 2u);  // the street without a section of the survey has none
    EXPECT_EQ(byPeak[0].text, "Markt 95 %");
    EXPECT_EQ(byPeak[0].line, &map.geometry.features[1].lines[0]);
    EXPECT_DOUBLE_EQ(PathLength(*byPeak[0].line), 700);
    EXPECT_EQ(byPeak[1].text, "Molenweg");  // no observations: no percentage
    EXPECT_EQ(StreetLabels(map, MapMeasure::Occupancy)[0].text, "Markt 80 %");
}

TEST(StreetMap, TabWalksTheSectionsInRouteAndSectionOrderWithAllTheirStreets) {
    std::vector<SectionPressure> pressure = {{"0002", "0001", "Plein", 2, 4, 1, 25, 50, {}, true},
                                             Pressure().front()};
    const StreetMap map = JoinStreetMap(
        Parsed(Collection(
            Line(R"({"route":2,"sectie":1})") + "," + Line(R"({"route":1,"sectie":2})") + "," +
            Line(R"({"route":9,"sectie":1})") + "," + Line(R"({"route":1,"sectie":3})") + "," +
            Line(R"({"route":1,"sectie":2})"))),
        pressure, {"0001 0002 Markt", "0001 0003 Molenweg", "0002 0001 Plein"});
    const std::vector<MapSection> sections = MapSections(map);
    ASSERT_EQ(sections.size(), 3u);  // the street of route 0009 has no section: not visited
    EXPECT_EQ(sections[0].figures->description, "Markt");
    EXPECT_EQ(sections[0].features, (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(sections[1].figures->description, "Molenweg");  // no slots, still a street
    EXPECT_EQ(sections[1].features, (std::vector<std::size_t>{3}));
    EXPECT_EQ(sections[2].figures->description, "Plein");
    EXPECT_EQ(sections[2].features, (std::vector<std::size_t>{0}));
}

TEST(StreetMap, ScaleBarOfARoundLengthInMetres) {
    EXPECT_EQ(RoundScaleBar(0.3).text, "1 m");
    EXPECT_EQ(RoundScaleBar(1).text, "1 m");
    EXPECT_EQ(RoundScaleBar(199).text, "100 m");
    EXPECT_EQ(RoundScaleBar(250).text, "200 m");
    EXPECT_DOUBLE_EQ(RoundScaleBar(999).metres, 500);
    EXPECT_EQ(RoundScaleBar(1000).text, "1 km");
    EXPECT_EQ(RoundScaleBar(23'000).text, "20 km");
    StreetGeometry projected;
    projected.longitudeLatitude = false;
    EXPECT_EQ(MetresPerMapUnit(projected), 1);
    EXPECT_NEAR(MetresPerMapUnit(StreetGeometry{}), 111'320, 1);
}

TEST(StreetMap, TheProjectRemembersTheStreetsBesideIt) {
    EXPECT_EQ(StoredStreetGeometryPath("/data/onderzoek/centrum.par",
                                       "/data/onderzoek/gis/straten.geojson"),
              "gis/straten.geojson");
    EXPECT_EQ(StoredStreetGeometryPath("/data/onderzoek/centrum.par", "/data/gis/straten.geojson"),
              "../gis/straten.geojson");
    EXPECT_EQ(StreetGeometryPathOf("/data/onderzoek/centrum.par", "../gis/straten.geojson"),
              "/data/gis/straten.geojson");
    EXPECT_EQ(StreetGeometryPathOf("/data/onderzoek/centrum.par", "/elders/straten.geojson"),
              "/elders/straten.geojson");
    EXPECT_EQ(StreetGeometryPathOf("/data/onderzoek/centrum.par", ""), "");
}

TEST(StreetMap, MeasureNames) {
    EXPECT_EQ(MapMeasureNamed("bezetting"), MapMeasure::Occupancy);
    EXPECT_EQ(MapMeasureNamed("piek"), MapMeasure::Peak);
    EXPECT_FALSE(MapMeasureNamed("Piek"));
    const SectionPressure section = Pressure().front();
    EXPECT_EQ(MeasureOf(section, MapMeasure::Occupancy), 80);
    EXPECT_EQ(MeasureOf(section, MapMeasure::Peak), 95);
}

}  // namespace tavoric

namespace tavoric {

TEST(StreetMap, HostileContentIsRefusedWithWhatAndWhere) {
    const std::string coordinates = R"({"type":"Feature","geometry":{"type":"LineString",)";
    const auto refusal = [](const char* key, std::initializer_list<std::string_view> args) {
        return FormatText(MessageText(key), args);
    };
    const std::string tooDeep = std::string(513, '[') + std::string(513, ']');
    const std::pair<std::string, std::string> cases[] = {
        {Collection(coordinates + R"("coordinates":[[1e400,52]]}})"), refusal("AA00725", {"111"})},
        {Collection("", R"("bbox":[-1e400],)"), refusal("AA00725", {"42"})},
        {Collection(coordinates + R"("coordinates":[[NaN,52]]}})"), refusal("AA00700", {"107"})},
        {Collection(coordinates + R"("coordinates":[[1,Infinity]]}})"),
         refusal("AA00700", {"109"})},
        {tooDeep, refusal("AA00726", {"512", "513"})},
        {std::string(50'000, '['), refusal("AA00726", {"512", "513"})},
        {Collection(coordinates + R"("coordinates":)" + std::string(50'000, '[') +
                    std::string(50'000, ']') + "}}"),
         refusal("AA00726", {"512", "613"})},
    };
    for (const auto& [content, expected] : cases) {
        const StreetGeometryRead read = ParseStreetGeometry(content);
        EXPECT_FALSE(read.geometry) << content.substr(0, 100);
        EXPECT_EQ(read.error, expected) << content.substr(0, 100);
    }
    // The bound itself is still read: this is JSON, only not GeoJSON.
    EXPECT_EQ(ParseStreetGeometry(std::string(512, '[') + std::string(512, ']')).error,
              MessageText("AA00701"));
}

TEST(StreetMap, ExtremeButFiniteNumbersDoNotBreakTheReading) {
    const StreetGeometry geometry = Parsed(Collection(
        Line(R"({"route":1e300,"sectie":-9e18})") + "," +
        R"({"type":"Feature","geometry":{"type":"LineString","coordinates":[[1,1.7e308],[2,1.7e308]]}})"));
    ASSERT_EQ(geometry.features.size(), 2u);
    EXPECT_EQ(geometry.features[0].sectionKey, "");
    EXPECT_TRUE(std::isfinite(geometry.features[1].lines[0][0].x));
}

TEST(StreetMap, AStreetFileBeyondTheLimitIsNotRead) {
    const std::string path = testing::TempDir() + "too_large.geojson";
    { std::ofstream file(path); }
    std::filesystem::resize_file(path, (kMaxStreetFileMegabytes + 1) << 20);  // sparse
    const StreetGeometryRead read = ReadStreetGeometry(path);
    std::filesystem::remove(path);
    EXPECT_FALSE(read.geometry);
    EXPECT_NE(read.error.find(FormatText(MessageText("AA00727"), {"513", "512"})),
              std::string::npos)
        << read.error;
    EXPECT_NE(read.error.find("too_large.geojson"), std::string::npos);
}

}  // namespace tavoric

namespace tavoric {

// The desktop opens the remembered streets with the map window: a hostile file there gives the
// notice and the choice of another file, never a crash.
TEST(StreetMap, AHostileRememberedFileGivesTheNoticeAndAnotherChoice) {
    const std::string folder = testing::TempDir();
    {
        std::ofstream(folder + "hostile.geojson") << Collection(
            R"({"type":"Feature","geometry":{"type":"LineString","coordinates":[[1e400,52]]}})");
        std::ofstream(folder + "good.geojson") << Collection(Line("{}"));
    }
    Survey survey;
    survey.ProjectPath = folder + "meting.par";
    survey.AlgemeneGegevens.streetGeometry = "hostile.geojson";
    ScriptedPrompter prompter;
    prompter.QueueFileName(folder + "good.geojson");
    const std::optional<StreetGeometry> streets = OpenStreetGeometry(survey, prompter, false);
    ASSERT_TRUE(streets);
    EXPECT_EQ(streets->features.size(), 1u);
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].kind, DialogKind::Error);
    EXPECT_NE(prompter.asked()[0].text.find(FormatText(MessageText("AA00725"), {"111"})),
              std::string::npos)
        << prompter.asked()[0].text;
    EXPECT_EQ(survey.AlgemeneGegevens.streetGeometry, "good.geojson");
    std::filesystem::remove(folder + "hostile.geojson");
    std::filesystem::remove(folder + "good.geojson");
}

}  // namespace tavoric
