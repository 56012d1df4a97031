// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/difference_map.h"

#include <gtest/gtest.h>

namespace tavoric {

namespace {

using Json = nlohmann::ordered_json;

std::string Line(const std::string& properties) {
    return R"({"type":"Feature","properties":)" + properties +
           R"(,"geometry":{"type":"LineString","coordinates":[[155000.5,463000],[155100,463050]]}})";
}

StreetGeometry Parsed(const std::string& features) {
    StreetGeometryRead read = ParseStreetGeometry(
        R"({"type":"FeatureCollection","crs":{"type":"name","properties":{"name":"EPSG:28992"}},)"
        R"("features":[)" +
        features + "]}");
    EXPECT_TRUE(read.geometry) << read.error;
    return read.geometry ? std::move(*read.geometry) : StreetGeometry{};
}

SectionPressure Section(const char* section, const char* description, std::int64_t occupancy,
                        std::int64_t peak, bool observed = true) {
    return {"0001", section, description, 3, 10, 8, occupancy, peak, {}, observed};
}

// 0001 0002 on both sides, 0001 0003 only in A, 0001 0004 on both but unobserved in B; 0001 0005
// is a section of A's list that neither selection holds.
SurveyComparison Comparison() {
    ChartData a;
    a.sections = {Section("0002", "Markt", 80, 95), Section("0003", "Molenweg", 60, 70),
                  Section("0004", "Kerkpad", 50, 50)};
    a.sectionLines = {"0001 0002 Markt", "0001 0003 Molenweg", "0001 0004 Kerkpad",
                      "0001 0005 Hofje"};
    ChartData b;
    b.sections = {Section("0002", "Markt", 95, 90), Section("0004", "Kerkpad", 0, 0, false)};
    return CompareChartData(std::move(a), std::move(b));
}

double Lightness(std::uint32_t rgb) {
    return 0.2126 * (rgb >> 16) + 0.7152 * ((rgb >> 8) & 0xff) + 0.0722 * (rgb & 0xff);
}

}  // namespace

// Every difference lies in exactly one class; the palette is blue below and orange above a
// neutral middle around 0, darker the larger the change, so that it reads without hue too.
TEST(DifferenceMap, ClassesCoverEveryDifferenceAroundANeutralMiddle) {
    const std::vector<DifferenceClass>& classes = DifferenceClasses();
    ASSERT_EQ(classes.size() % 2, 1u);
    for (std::size_t i = 0; i + 1 < classes.size(); ++i) {
        EXPECT_EQ(classes[i].to + 1, classes[i + 1].from);
    }
    for (std::int64_t points = -200; points <= 200; ++points) {
        const DifferenceClass& range = classes[DifferenceClassOf(points)];
        EXPECT_TRUE((points >= range.from || DifferenceClassOf(points) == 0) &&
                    (points <= range.to || DifferenceClassOf(points) + 1 == classes.size()))
            << points;
    }
    const std::size_t middle = classes.size() / 2;
    EXPECT_EQ(DifferenceClassOf(0), middle);
    EXPECT_EQ(classes[middle].from, -classes[middle].to);
    for (std::size_t i = 0; i < middle; ++i) {
        const std::uint32_t fall = classes[i].rgb;
        const std::uint32_t rise = classes[classes.size() - 1 - i].rgb;
        EXPECT_EQ(classes[i].to, -classes[classes.size() - 1 - i].from);
        EXPECT_GT(fall & 0xff, fall >> 16) << "blue for a fall";
        EXPECT_GT(rise >> 16, rise & 0xff) << "orange for a rise";
        EXPECT_LT(Lightness(fall), Lightness(classes[i + 1].rgb));
        EXPECT_LT(Lightness(rise), Lightness(classes[classes.size() - 2 - i].rgb));
    }
    EXPECT_EQ(DifferenceClassLabel(0), "-20 of minder");
    EXPECT_EQ(DifferenceClassLabel(1), "-19 tot en met -10");
    EXPECT_EQ(DifferenceClassLabel(middle), "-2 tot en met +2");
    EXPECT_EQ(DifferenceClassLabel(classes.size() - 1), "+20 of meer");
    EXPECT_EQ(DifferenceClassOf(-20), 0u);
    EXPECT_EQ(DifferenceClassOf(-19), 1u);
}

TEST(DifferenceMap, StreetsCarryTheSectionsComparisonAndItsChange) {
    const SurveyComparison comparison = Comparison();
    const DifferenceMap map = JoinDifferenceMap(
        Parsed(Line(R"({"naam":"Markt noord","route":1,"sectie":"2"})") + "," +
               Line(R"({"route":1,"sectie":3})") + "," + Line(R"({"route":1,"sectie":4})") + "," +
               Line(R"({"route":1,"sectie":5})") + "," + Line(R"({"route":9,"sectie":1})") + "," +
               Line("null")),
        comparison);
    EXPECT_EQ(FeatureDifference(map, 0), 15);
    for (std::size_t feature = 1; feature < 6; ++feature) {
        EXPECT_FALSE(FeatureDifference(map, feature)) << feature;
    }
    EXPECT_EQ(map.streets.unknownSection, 1);

    const Json written = Json::parse(DifferenceMapGeoJson(map));
    ASSERT_EQ(written["features"].size(), 6u);
    const auto properties = [&](std::size_t i) { return written["features"][i]["properties"]; };
    EXPECT_EQ(properties(0).dump(),
              R"({"naam":"Markt noord","route":"0001","sectie":"0002","omschrijving":"Markt",)"
              R"("capaciteit_a":10,"capaciteit_b":10,"bezetting_a":80,"bezetting_b":95,)"
              R"("verschil_bezetting":15,"piek_a":95,"piek_b":90,"verschil_piek":-5})");
    EXPECT_TRUE(properties(1)["capaciteit_b"].is_null());
    EXPECT_TRUE(properties(1)["verschil_bezetting"].is_null());
    EXPECT_EQ(properties(1)["bezetting_a"], 60);
    // Unobserved in B: its capacity, but no occupancy and no change.
    EXPECT_EQ(properties(2)["capaciteit_b"], 10);
    EXPECT_TRUE(properties(2)["bezetting_b"].is_null());
    EXPECT_TRUE(properties(2)["verschil_piek"].is_null());
    EXPECT_EQ(properties(3).dump(), R"({"route":"0001","sectie":"0005"})");
    EXPECT_EQ(properties(4).dump(), R"({"route":9,"sectie":1})");
    EXPECT_TRUE(properties(5).is_null());

    const std::vector<StreetLabel> labels = DifferenceLabels(map);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0].text, "Markt +15");
    EXPECT_EQ(labels[1].text, "Molenweg");
    EXPECT_EQ(labels[3].text, "Hofje");
    EXPECT_EQ(SignedPoints(-3), "-3");
    EXPECT_EQ(SignedPoints(0), "0");
}

}  // namespace tavoric
