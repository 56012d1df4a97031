// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report_document.h"

#include <gtest/gtest.h>

namespace tavoric {
namespace {

GeneralValues WithoutHeaderTexts() {
    GeneralValues general;
    return general;
}

ReportDocument Report(std::string ownerName = {}) {
    ReportSettings settings;
    settings.ownerName = std::move(ownerName);
    return ReportDocument(1, settings);
}

TEST(ReportHeader, WithoutTextsIsRuleVersionRuleAndEmptyLine) {
    ReportDocument report = Report();
    report.WriteReportHeader(WithoutHeaderTexts());
    const std::string version = "Tavoric 3.1  -  ";
    const std::string rule(version.size(), '\x97');
    EXPECT_EQ(report.Lines(), (LineList{rule, version, rule, ""}));
}

TEST(ReportHeader, RulesSpanTheLongestLineAndEmptyTextsAreLeftOut) {
    ReportDocument report = Report("Gemeente X");
    GeneralValues general;
    general.surveyArea = "Parkeeronderzoek binnenstad en schilwijken";
    general.reportText2 = "Opdrachtgever";
    report.WriteReportHeader(general);
    const std::string rule(general.surveyArea.size(), '\x97');
    EXPECT_EQ(report.Lines(), (LineList{rule, "Tavoric 3.1  -  Gemeente X", general.surveyArea,
                                        "Opdrachtgever", rule, ""}));

    general.surveyArea = "Kort";
    general.reportText1 = "Rapporttekst 1 die langer is dan de versieregel";
    report.WriteReportHeader(general);
    ASSERT_EQ(report.Lines().size(), 7u);
    EXPECT_EQ(report.Lines()[0].size(), general.reportText1.size());
    EXPECT_EQ(report.Lines()[3], general.reportText1);
}

TEST(ReportHeader, ReplacesWhatTheReportHeldBefore) {
    ReportDocument report = Report();
    report.AddReportLine("oud");
    report.WriteReportHeader(WithoutHeaderTexts());
    report.WriteReportHeader(WithoutHeaderTexts());
    EXPECT_EQ(report.Lines().size(), 4u);
}

TEST(RuleAndBar, RepeatTheConfiguredCharacterText) {
    ReportSettings settings;
    EXPECT_EQ(ReportDocument(1, settings).RuleLine(3), "\x97\x97\x97");
    EXPECT_EQ(ReportDocument(1, settings).BarText(2), "\x95\x95");
    EXPECT_EQ(ReportDocument(1, settings).RuleLine(0), "");

    settings.lineCharacter = "";
    settings.barCharacter = "-=";
    ReportDocument odd(1, settings);
    EXPECT_EQ(odd.RuleLine(4), "");
    EXPECT_EQ(odd.BarText(2), "-=-=");
}

TEST(ReportNumbering, TitlesCountFromOneAgainAfterAReset) {
    ReportCounter counter;
    EXPECT_EQ(ReportDocument(counter.Next(), {}).Title(), "Rapport 1");
    counter.Next();
    EXPECT_EQ(ReportDocument(counter.Next(), {}).Title(), "Rapport 3");
    counter.Reset();
    EXPECT_EQ(counter.Next(), 1);
}

TEST(ReportTable, StartsFourByFourWithoutDataAndNeverShrinksBelowOneCell) {
    ReportDocument report(1, {});
    EXPECT_FALSE(report.HasTableData());
    EXPECT_EQ(report.Table().ColumnCount(), 4);
    EXPECT_EQ(report.Table().RowCount(), 4);

    report.Table().SetSize(0, -2);
    EXPECT_EQ(report.Table().ColumnCount(), 1);
    EXPECT_EQ(report.Table().RowCount(), 1);
    report.Table().SetSize(3, 2);
    report.Table().SetCell(2, 1, "x");
    EXPECT_EQ(report.Table().Cell(2, 1), "x");
    EXPECT_THROW(report.Table().SetCell(3, 0, "y"), std::out_of_range);
}

}  // namespace
}  // namespace tavoric
