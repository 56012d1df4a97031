// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chart_csv.h"

#include <gtest/gtest.h>

namespace tavoric {

namespace {

ChartData SampleData() {
    ChartData data;
    data.occupancy = {{"0800", 480, 12, 9, 75}, {"2415", 1455, 0, 1, 0}};
    SectionPressure described{"0001", "0002", "Markt, \"oost\" caf\xe9", 3, 12, 9, 75, 100};
    SectionPressure plain{"0002", "0001", "", 1, 4, 0, 0, 0};
    data.sections = {described, plain};
    for (std::size_t k = 0; k < data.durations.size(); ++k) {
        data.durations[k] = {{static_cast<int>(k) * 30, static_cast<int>(k + 1) * 30},
                             static_cast<int>(k),
                             static_cast<std::int64_t>(k) * 10};
    }
    return data;
}

}  // namespace

TEST(ChartCsv, OneHeaderLineAndPlainIntegers) {
    const ChartData data = SampleData();
    EXPECT_EQ(ChartCsv(ChartKind::Occupancy, data),
              "tijdstip,capaciteit,voertuigen,bezetting\r\n"
              "0800,12,9,75\r\n"
              "2415,0,1,0\r\n");
    EXPECT_EQ(ChartCsv(ChartKind::Durations, data),
              "klasse,van,tot,voertuigen,procent\r\n"
              "1,0,30,0,0\r\n2,30,60,1,10\r\n3,60,90,2,20\r\n4,90,120,3,30\r\n"
              "5,120,150,4,40\r\n");
    EXPECT_EQ(ChartCsv(ChartKind::Occupancy, ChartData{}),
              "tijdstip,capaciteit,voertuigen,bezetting\r\n");
    ChartData motives;
    motives.motives.clockTimes = {{"0800", {4, 0, 12}}};
    EXPECT_EQ(ChartCsv(ChartKind::Motive, motives),
              "tijdstip,bewoners,werknemers,bezoekers\r\n0800,4,0,12\r\n");
}

TEST(ChartCsv, StreetByTimeAndMotivePerSection) {
    ChartData data = SampleData();
    data.sections[0].byClockTime = {{"0800", 480, 12, 9, 75}, {"2400", 1440, 2, 1, 50}};
    EXPECT_EQ(ChartCsv(ChartKind::Matrix, data),
              "route,sectie,omschrijving,tijdstip,capaciteit,voertuigen,bezetting\r\n"
              "0001,0002,\"Markt, \"\"oost\"\" caf\xc3\xa9\",0800,12,9,75\r\n"
              "0001,0002,\"Markt, \"\"oost\"\" caf\xc3\xa9\",2400,2,1,50\r\n");
    data.motives.sections = {{"0001 0002", {1, 2, 3}}, {"0002 0001", {0, 0, 4}}};
    data.sectionLines = {"0001 0002 Markt, oost  ", "0002 0001"};
    EXPECT_EQ(ChartCsv(ChartKind::MotiveSections, data),
              "route,sectie,omschrijving,bewoners,werknemers,bezoekers\r\n"
              "0001,0002,\"Markt, oost\",1,2,3\r\n"
              "0002,0001,,0,0,4\r\n");
}

TEST(ChartCsv, TextFieldsCannotBecomeFormulasNumbersStayNumbers) {
    ChartData data;
    data.occupancy = {{"=0800", 0, 1, 1, -5}};
    data.sections = {{"@001", "+002", "=HYPERLINK(\"x\")", 1, 2, 1, -50, 50}};
    data.motives.clockTimes = {{"-0815", {4, 0, 12}}};
    EXPECT_EQ(ChartCsv(ChartKind::Occupancy, data),
              "tijdstip,capaciteit,voertuigen,bezetting\r\n'=0800,1,1,-5\r\n");
    EXPECT_EQ(ChartCsv(ChartKind::Sections, data),
              "route,sectie,omschrijving,plaatsen,capaciteit,bezet,bezetting,piek\r\n"
              "'@001,'+002,\"'=HYPERLINK(\"\"x\"\")\",1,2,1,-50,50\r\n");
    EXPECT_EQ(ChartCsv(ChartKind::Motive, data),
              "tijdstip,bewoners,werknemers,bezoekers\r\n'-0815,4,0,12\r\n");
    data.sections[0].byClockTime = {{"0800", 480, 2, 1, 50}};
    EXPECT_EQ(ChartCsv(ChartKind::Matrix, data),
              "route,sectie,omschrijving,tijdstip,capaciteit,voertuigen,bezetting\r\n"
              "'@001,'+002,\"'=HYPERLINK(\"\"x\"\")\",0800,2,1,50\r\n");
    data.motives.sections = {{"0001 0002", {1, 2, 3}}};
    data.sectionLines = {"0001 0002 =1+1"};
    EXPECT_EQ(
        ChartCsv(ChartKind::MotiveSections, data),
        "route,sectie,omschrijving,bewoners,werknemers,bezoekers\r\n0001,0002,'=1+1,1,2,3\r\n");
}

TEST(ChartCsv, TextIsUtf8AndQuotedOnlyWhenNeeded) {
    EXPECT_EQ(ChartCsv(ChartKind::Sections, SampleData()),
              "route,sectie,omschrijving,plaatsen,capaciteit,bezet,bezetting,piek\r\n"
              "0001,0002,\"Markt, \"\"oost\"\" caf\xc3\xa9\",3,12,9,75,100\r\n"
              "0002,0001,,1,4,0,0,0\r\n");
    ChartData broken;
    broken.sections = {{"0001", "0001", "Kerk\r\nstraat", 0, 0, 0, 0, 0},
                       {"0001", "0002", "Dijk\"", 0, 0, 0, 0, 0}};
    EXPECT_EQ(ChartCsv(ChartKind::Sections, broken),
              "route,sectie,omschrijving,plaatsen,capaciteit,bezet,bezetting,piek\r\n"
              "0001,0001,\"Kerk\r\nstraat\",0,0,0,0,0\r\n"
              "0001,0002,\"Dijk\"\"\",0,0,0,0,0\r\n");
}

}  // namespace tavoric
