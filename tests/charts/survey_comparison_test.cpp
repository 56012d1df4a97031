// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/survey_comparison.h"

#include <gtest/gtest.h>

#include <map>

#include "analysis/motive_report.h"
#include "analysis_test_support.h"
#include "charts/chart_csv.h"
#include "core/text.h"

namespace tavoric {

namespace {

using CsvRows = std::vector<std::map<std::string, std::string>>;

// The records of a CSV file by the names of its header line.
CsvRows Records(const std::string& csv) {
    CsvReader reader(csv, ',');
    std::vector<std::string> header;
    std::vector<std::string> fields;
    reader.Next(header);
    CsvRows rows;
    while (reader.Next(fields)) {
        std::map<std::string, std::string> row;
        for (std::size_t i = 0; i < header.size() && i < fields.size(); ++i) {
            row[header[i]] = fields[i];
        }
        rows.push_back(row);
    }
    return rows;
}

// One column of a CSV file by the key the named columns make of each row.
std::map<std::string, std::string> Column(const CsvRows& rows, const std::string& column,
                                          std::initializer_list<const char*> key) {
    std::map<std::string, std::string> values;
    for (const auto& row : rows) {
        std::string joined;
        for (const char* part : key) {
            joined += row.at(part) + "|";
        }
        values[joined] = row.at(column);
    }
    return values;
}

ChartData ChartsOf(const Survey& survey, const AnalysisParameters& parameters) {
    Progress progress;
    return *ComputeChartData(survey, parameters, kDefaultPressureThreshold, progress);
}

SurveyComparison Compare(const Survey& a, const AnalysisParameters& selectionA, const Survey& b,
                         const AnalysisParameters& selectionB) {
    Progress progress;
    return *CompareSurveys(a, selectionA, b, selectionB, kDefaultPressureThreshold, progress);
}

// The places of one route only.
AnalysisParameters RouteOnly(const Survey& survey, const std::string& route) {
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    std::erase_if(parameters.selectedPlaces,
                  [&](const std::string& place) { return !place.starts_with(route); });
    return parameters;
}

// The columns _a and _b of a comparison against the same columns of each side's own chart file;
// a key missing from a side must have an empty field.
void ExpectSidesEqualCharts(const CsvRows& comparison, const CsvRows& chartA, const CsvRows& chartB,
                            const std::string& comparisonColumn, const std::string& chartColumn,
                            std::initializer_list<const char*> key) {
    const auto valuesA = Column(chartA, chartColumn, key);
    const auto valuesB = Column(chartB, chartColumn, key);
    const auto compareA = Column(comparison, comparisonColumn + "_a", key);
    const auto compareB = Column(comparison, comparisonColumn + "_b", key);
    for (const auto& [rowKey, value] : compareA) {
        const auto a = valuesA.find(rowKey);
        const auto b = valuesB.find(rowKey);
        EXPECT_EQ(value, a == valuesA.end() ? "" : a->second) << rowKey;
        EXPECT_EQ(compareB.at(rowKey), b == valuesB.end() ? "" : b->second) << rowKey;
    }
    for (const auto& [rowKey, value] : valuesA) {
        EXPECT_TRUE(compareA.contains(rowKey)) << rowKey;
    }
    for (const auto& [rowKey, value] : valuesB) {
        EXPECT_TRUE(compareA.contains(rowKey)) << rowKey;
    }
}

// Every row's difference is B minus A, empty when a side is.
void ExpectDifferences(const CsvRows& rows, const std::string& a, const std::string& b,
                       const std::string& difference) {
    for (const auto& row : rows) {
        if (row.at(a).empty() || row.at(b).empty()) {
            EXPECT_EQ(row.at(difference), "");
        } else {
            EXPECT_EQ(row.at(difference),
                      std::to_string(std::stoll(row.at(b)) - std::stoll(row.at(a))));
        }
    }
}

}  // namespace

TEST(SurveyComparison, EachSideEqualsItsOwnChartFiguresOverGeneratedSurveys) {
    const Survey a = GeneratedSurvey(3);
    const Survey b = GeneratedSurvey(8);
    // B lacks route 0003, A lacks route 0001: sections on one side only, others on both.
    AnalysisParameters selectionA = AllSelected(a, ReportKind::PerPlace);
    std::erase_if(selectionA.selectedPlaces,
                  [](const std::string& place) { return place.starts_with("0001"); });
    AnalysisParameters selectionB = AllSelected(b, ReportKind::PerPlace);
    std::erase_if(selectionB.selectedPlaces,
                  [](const std::string& place) { return place.starts_with("0003"); });
    selectionA.classes = {{{0, 20}, {20, 45}, {45, 120}, {120, 300}, {300, 9999}}};
    const SurveyComparison comparison = Compare(a, selectionA, b, selectionB);
    ASSERT_TRUE(SidesShareSection(comparison));

    AnalysisParameters selectionBInClassesOfA = selectionB;
    selectionBInClassesOfA.classes = selectionA.classes;
    const ChartData chartsA = ChartsOf(a, selectionA);
    const ChartData chartsB = ChartsOf(b, selectionBInClassesOfA);

    const CsvRows sections = Records(ComparisonCsv(ComparisonKind::Sections, comparison));
    const CsvRows sectionsA = Records(ChartCsv(ChartKind::Sections, chartsA));
    const CsvRows sectionsB = Records(ChartCsv(ChartKind::Sections, chartsB));
    EXPECT_EQ(sections.size(), 9u);  // three routes of three sections
    for (const char* column : {"capaciteit", "bezetting", "piek"}) {
        ExpectSidesEqualCharts(sections, sectionsA, sectionsB, column, column, {"route", "sectie"});
    }
    ExpectDifferences(sections, "bezetting_a", "bezetting_b", "verschil_bezetting");
    ExpectDifferences(sections, "piek_a", "piek_b", "verschil_piek");
    EXPECT_EQ(sections.front().at("route"), "0001");
    EXPECT_EQ(sections.back().at("route"), "0003");

    const CsvRows occupancy = Records(ComparisonCsv(ComparisonKind::Occupancy, comparison));
    ExpectSidesEqualCharts(occupancy, Records(ChartCsv(ChartKind::Occupancy, chartsA)),
                           Records(ChartCsv(ChartKind::Occupancy, chartsB)), "bezetting",
                           "bezetting", {"tijdstip"});
    ExpectDifferences(occupancy, "bezetting_a", "bezetting_b", "verschil");

    const CsvRows durations = Records(ComparisonCsv(ComparisonKind::Durations, comparison));
    ExpectSidesEqualCharts(durations, Records(ChartCsv(ChartKind::Durations, chartsA)),
                           Records(ChartCsv(ChartKind::Durations, chartsB)), "procent", "procent",
                           {"klasse", "van", "tot"});
    ExpectDifferences(durations, "procent_a", "procent_b", "verschil");
    EXPECT_EQ(durations[1].at("van") + "-" + durations[1].at("tot"), "20-45");

    const CsvRows motive = Records(ComparisonCsv(ComparisonKind::Motive, comparison));
    const CsvRows motiveA = Records(MotiveTotalsCsv(chartsA.motives));
    const CsvRows motiveB = Records(MotiveTotalsCsv(chartsB.motives));
    ExpectSidesEqualCharts(motive, motiveA, motiveB, "voertuigen", "voertuigen", {"motief"});
    ExpectSidesEqualCharts(motive, motiveA, motiveB, "procent", "procent", {"motief"});
    ExpectDifferences(motive, "procent_a", "procent_b", "verschil_procent");
}

TEST(SurveyComparison, ClockTimesOfBothSidesAndSectionsOfEither) {
    // A is walked every 30 minutes from 0800, B every 60 minutes from 0830; section 0001 0002
    // only in A, 0002 0001 only in B.
    const Survey a = SurveyBuilder("0800", "0900")
                         .Route("0001", 30)
                         .Place("0001 0001 0001", "V", {"AA11BB", "AA11BB"})
                         .Place("0001 0002 0001", "V", {"CC22DD", ""})
                         .Build();
    const Survey b = SurveyBuilder("0830", "1030")
                         .Route("0001", 60)
                         .Route("0002", 60)
                         .Place("0001 0001 0001", "V", {"", "EE33FF"})
                         .Place("0002 0001 0001", "V", {"GG44HH", "GG44HH"})
                         .Build();
    const SurveyComparison comparison =
        Compare(a, AllSelected(a, ReportKind::PerPlace), b, AllSelected(b, ReportKind::PerPlace));
    EXPECT_EQ(ComparisonCsv(ComparisonKind::Occupancy, comparison),
              "tijdstip,bezetting_a,bezetting_b,verschil\r\n"
              "0800,100,,\r\n"
              "0830,50,50,0\r\n"
              "0930,,100,\r\n");
    EXPECT_EQ(ComparisonCsv(ComparisonKind::Sections, comparison),
              "route,sectie,omschrijving,capaciteit_a,capaciteit_b,bezetting_a,bezetting_b,"
              "verschil_bezetting,piek_a,piek_b,verschil_piek\r\n"
              "0001,0001,Straat,2,2,100,50,-50,100,100,0\r\n"
              "0001,0002,Straat,2,,50,,,100,,\r\n"
              "0002,0001,Straat,,2,,100,,,100,\r\n");
}

TEST(SurveyComparison, RefusedWithoutSharedSectionAndUnobservedSectionsHaveNoFigures) {
    const Survey a = SurveyBuilder("0800", "0900")
                         .Route("0001", 30)
                         .Route("0002", 30)
                         .Place("0001 0001 0001", "V", {"AA11BB", "AA11BB"})
                         .Place("0002 0001 0001", "V", {"", ""})
                         .Build();
    EXPECT_FALSE(SidesShareSection(Compare(a, RouteOnly(a, "0001"), a, RouteOnly(a, "0002"))));
    const SurveyComparison comparison =
        Compare(a, RouteOnly(a, "0001"), a, AllSelected(a, ReportKind::PerPlace));
    EXPECT_TRUE(SidesShareSection(comparison));
    // Section 0002 0001 holds neither plate nor remark: its zeros are no figures.
    EXPECT_EQ(Records(ComparisonCsv(ComparisonKind::Sections, comparison)).back(),
              (std::map<std::string, std::string>{{"route", "0002"},
                                                  {"sectie", "0001"},
                                                  {"omschrijving", "Straat"},
                                                  {"capaciteit_a", ""},
                                                  {"capaciteit_b", "2"},
                                                  {"bezetting_a", ""},
                                                  {"bezetting_b", ""},
                                                  {"verschil_bezetting", ""},
                                                  {"piek_a", ""},
                                                  {"piek_b", ""},
                                                  {"verschil_piek", ""}}));
}

TEST(SurveyComparison, DescriptionFromAElseBAsSafeUtf8) {
    ChartData a;
    a.sections = {{"0001", "0001", "=Caf\xe9, \"oost\"", 1, 4, 2, 50, 75, {}, true}};
    ChartData b;
    b.sections = {{"0001", "0001", "Anders", 1, 4, 3, 75, 100, {}, true},
                  {"0001", "0002", "+Plein", 1, 2, 2, 100, 100, {}, true}};
    EXPECT_EQ(ComparisonCsv(ComparisonKind::Sections, CompareChartData(a, b)),
              "route,sectie,omschrijving,capaciteit_a,capaciteit_b,bezetting_a,bezetting_b,"
              "verschil_bezetting,piek_a,piek_b,verschil_piek\r\n"
              "0001,0001,\"'=Caf\xc3\xa9, \"\"oost\"\"\",4,4,50,75,25,75,100,25\r\n"
              "0001,0002,'+Plein,,2,,100,,,100,\r\n");
}

TEST(SurveyComparison, KindNames) {
    for (ComparisonKind kind : AllComparisonKinds()) {
        EXPECT_EQ(ComparisonKindNamed(ComparisonKindName(kind)), kind);
    }
    EXPECT_FALSE(ComparisonKindNamed("matrix"));
}

TEST(SurveyComparison, SelectionOfAMadeOnB) {
    const Survey a = SurveyBuilder("0800", "0900")
                         .Route("0001", 30)
                         .Route("0002", 30)
                         .Place("0001 0001 0001", "V", {"AA11BB", "AA11BB"})
                         .Place("0001 0001 0002", "B", {"", "CC22DD"})
                         .Place("0002 0001 0001", "V", {"", ""})
                         .Build();
    const Survey b = SurveyBuilder("0830", "1030")
                         .Route("0001", 60)
                         .Route("0002", 60)
                         .Route("0003", 60)
                         .Place("0001 0001 0001", "V", {"", "EE33FF"})
                         .Place("0001 0001 0002", "b", {"", ""})
                         .Place("0001 0001 0003", "I", {"", ""})
                         .Place("0003 0001 0001", "G", {"GG44HH", "GG44HH"})
                         .Build();
    // Everything of A: everything of B, in B's own default window.
    AnalysisParameters everythingOfA = AllSelected(a, ReportKind::PerPlace);
    everythingOfA.countIllegalInPpe = false;
    const AnalysisParameters onB = SelectionOnOtherSurvey(a, everythingOfA, b);
    const AnalysisParameters everythingOfB = AllSelected(b, ReportKind::PerPlace);
    EXPECT_EQ(onB.selectedPlaces, everythingOfB.selectedPlaces);
    EXPECT_EQ(onB.selectedTypes, everythingOfB.selectedTypes);
    EXPECT_EQ(onB.windowStart + "-" + onB.windowEnd,
              everythingOfB.windowStart + "-" + everythingOfB.windowEnd);
    EXPECT_FALSE(onB.countIllegalInPpe);

    // Part of A, a typed window and classes of A: the same places (route, section and place
    // number), types in either letter case, the same window and classes.
    AnalysisParameters partOfA = RouteOnly(a, "0001");
    partOfA.selectedTypes = {"B"};
    partOfA.windowStart = "0815";
    partOfA.windowEnd = "1000";
    partOfA.classes = {{{0, 20}, {20, 45}, {45, 120}, {120, 300}, {300, 9999}}};
    const AnalysisParameters partOnB = SelectionOnOtherSurvey(a, partOfA, b);
    ASSERT_EQ(partOnB.selectedPlaces.size(), 2u);
    EXPECT_TRUE(partOnB.selectedPlaces[0].starts_with("0001 0001 0001"));
    EXPECT_TRUE(partOnB.selectedPlaces[1].starts_with("0001 0001 0002"));
    ASSERT_EQ(partOnB.selectedTypes.size(), 1u);
    EXPECT_TRUE(EqualNoCase(partOnB.selectedTypes[0], "B"));
    EXPECT_EQ(partOnB.windowStart + "-" + partOnB.windowEnd, "0815-1000");
    EXPECT_EQ(partOnB.classes[1].from, 20);
    EXPECT_EQ(partOnB.classes[4].to, 9999);

    // A selection of places B lacks leaves B nothing, which the comparison refuses.
    const AnalysisParameters noneOnB = SelectionOnOtherSurvey(a, RouteOnly(a, "0002"), b);
    EXPECT_TRUE(noneOnB.selectedPlaces.empty());
}

}  // namespace tavoric
