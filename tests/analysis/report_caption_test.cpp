// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/report_caption.h"

#include <gtest/gtest.h>

namespace tavoric {
namespace {

AnalysisParameters WithPlaces(ReportKind kind, LineList places) {
    AnalysisParameters parameters;
    parameters.reportKind = kind;
    parameters.selectedPlaces = std::move(places);
    return parameters;
}

// Place lines start with their route number.
std::string Place(const char* route, const char* rest) {
    return std::string(route) + rest;
}

TEST(ReportCaption, NamesTheReportAndTheRoutesOfTheSelection) {
    EXPECT_EQ(AnalysisReportCaption(WithPlaces(
                  ReportKind::PerPlace, {Place("0001", " 001 0001"), Place("0001", " 002 0001"),
                                         Place("0002", " 001 0001")})),
              "Per parkeerplaats - routes 0001, 0002");
    EXPECT_EQ(AnalysisReportCaption(WithPlaces(ReportKind::PerInterval, {Place("0007", " 1")})),
              "Naar interval - route 0007");
    EXPECT_EQ(AnalysisReportCaption(WithPlaces(ReportKind::Motive, {})), "Parkeermotief");
    EXPECT_EQ(ReportCaption(ReportWindowKind::ObservationForm), "Waarnemingsformulier");
}

// A route that comes back later is named once, in the order of first appearance.
TEST(ReportCaption, NamesEachRouteOnceAndAtMostFive) {
    LineList places;
    for (const char* route : {"0003", "0001", "0003", "0002", "0004", "0005", "0006", "0001"}) {
        places.push_back(Place(route, " 001 0001"));
    }
    EXPECT_EQ(AnalysisReportCaption(WithPlaces(ReportKind::PerPlace, places)),
              "Per parkeerplaats - routes 0003, 0001, 0002, 0004, 0005, ...");
}

}  // namespace
}  // namespace tavoric
