// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/parking_duration_analysis.h"

#include <gtest/gtest.h>

#include "analysis_test_support.h"
#include "core/message_texts.h"

namespace tavoric {

namespace {

class CancellingProgress : public Progress {
public:
    explicit CancellingProgress(std::size_t cancelAfterSteps) : stepsLeft_(cancelAfterSteps) {}
    void Show() override { ++shows; }
    void Set(std::size_t done, std::size_t total) override {
        EXPECT_EQ(total, 100u);
        EXPECT_GE(done, last);
        EXPECT_LE(done, 100u);
        last = done;
    }
    void Hide() override { ++hides; }
    bool Cancelled() override { return stepsLeft_ == 0 || --stepsLeft_ == 0; }

    int shows = 0;
    int hides = 0;
    std::size_t last = 0;

private:
    std::size_t stepsLeft_;
};

Survey ThreePlaces() {
    return SurveyBuilder("0800", "0830")
        .Route("0001", 15)
        .Place("0001 0001 0001", "V", {"AA", "AA"})
        .Place("0001 0001 0002", "I", {"BB", ""})
        .Place("0001 0001 0003", "V", {"CC", "CC"})
        .Build();
}

LineList Heading(std::size_t places) {
    return {"Dag, datum", "Periode van 800 tot 0830 uur",
            "Aantal parkeerplaatsen in selectie: " + std::to_string(places), ""};
}

}  // namespace

TEST(ParkingDurationAnalysis, HeadingShowsTheWindowAsTypedAndThePlacesOfSelectedTypes) {
    const Survey survey = ThreePlaces();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    parameters.windowStart = "800";
    parameters.selectedTypes = {"V"};
    const ReportDocument report = RunAnalysis(survey, parameters);
    const LineList& lines = report.Lines();
    const auto day = std::find(lines.begin(), lines.end(), "Dag, datum");
    ASSERT_NE(day, lines.end());
    EXPECT_EQ(LineList(day, day + 4), Heading(2));
    EXPECT_EQ(report.Table().RowCount(), 12);
    EXPECT_EQ(report.Table().Cell(2, 8), "0003  ");
}

TEST(ParkingDurationAnalysis, ACancelledRunLeavesTheHeadingAndSaysItWasCancelled) {
    const Survey survey = ThreePlaces();
    AnalysisParameters parameters = AllSelected(survey, ReportKind::PerPlace);
    parameters.windowStart = "800";
    for (ReportKind kind : {ReportKind::PerPlace, ReportKind::PerInterval}) {
        parameters.reportKind = kind;
        ReportDocument report(1, ReportSettings{});
        CancellingProgress progress(3);
        RunParkingDurationAnalysis(survey, parameters, report, progress);
        EXPECT_EQ(LineList(report.Lines().end() - 5, report.Lines().end() - 1), Heading(3));
        EXPECT_EQ(report.Lines().back(), MessageText("AA00350"));
        EXPECT_FALSE(report.HasTableData());
        EXPECT_EQ(progress.shows, 1);
        EXPECT_EQ(progress.hides, 1);
    }
}

TEST(ParkingDurationAnalysis, ProgressRisesToTheFiguresPart) {
    const Survey survey = ThreePlaces();
    ReportDocument report(1, ReportSettings{});
    CancellingProgress progress(1000);
    RunParkingDurationAnalysis(survey, AllSelected(survey, ReportKind::PerPlace), report, progress);
    EXPECT_EQ(progress.last, 97u);  // the last place ends at line 5 of 6: 5 / 6 x 20 + 80
    EXPECT_EQ(progress.hides, 1);
}

TEST(ParkingDurationAnalysis, APlaceNumberGivenTwiceTakesTheFirstLineOfThePlacesList) {
    Survey survey = SurveyBuilder("0800", "0830")
                        .Route("0001", 15)
                        .Place("0001 0001 0001", "V", {"AA", "AA"})
                        .Build();
    survey.ParkeerplaatsenList.push_back("0001 0001 0001 P");  // sorts before the V line
    const ReportDocument report = RunAnalysis(survey, AllSelected(survey, ReportKind::PerPlace));
    EXPECT_EQ(report.Table().RowCount(), 2 + 10);
    EXPECT_EQ(Cells(report.Table(), 7, 3, 5), "P     |1|2");
    EXPECT_EQ(Cells(report.Table(), 8, 3, 5), "||");
}

TEST(ParkingDurationAnalysis, OddLinesOfAHandMadeFileNeitherCrashNorCount) {
    Survey survey = SurveyBuilder("0800", "0830")
                        .Route("0001", 15)
                        .Place("0001 0001 000a", "V", {"AA", "AA"})
                        .Place("0001 0001 000A", "V", {"BB", "BB"})
                        .Build();
    survey.KentekensList.push_back("0001 0001 000a 08x0-0815 CC    ");
    const ReportDocument report = RunAnalysis(survey, AllSelected(survey, ReportKind::PerPlace));
    // Keys differing only in letter case sort into each other: four runs, each with a row.
    const ReportTable& table = report.Table();
    ASSERT_EQ(table.RowCount(), 4 + 10);
    for (int row = 7; row < 11; ++row) {
        EXPECT_EQ(table.Cell(5, row), "1") << "a period that is no time is left out";
    }
    EXPECT_EQ(table.Cell(18, 12), "4");
}

}  // namespace tavoric
