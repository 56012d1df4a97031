// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/observation_csv.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/demo_survey.h"
#include "core/message_texts.h"
#include "entry/plate_entry.h"
#include "observation_test_support.h"
#include "test_survey.h"

namespace tavoric {
namespace {

using entry_test::ExpectCountsAddUp;
using entry_test::SmallSurvey;

constexpr std::string_view kHeader = "route,sectie,plaats,periode,kenteken,opmerking\r\n";

// The slot line of a place key and period, or "" when the survey has none.
std::string_view SlotLine(const Survey& survey, std::string_view ppeKey) {
    for (const std::string_view line : survey.KentekensList) {
        if (PpeKey(line) == ppeKey) {
            return line;
        }
    }
    return "";
}

void SetSlot(Survey& survey, std::string_view ppeKey, std::string_view plate,
             std::string_view remark = "") {
    for (std::size_t i = 0; i < survey.KentekensList.size(); ++i) {
        if (PpeKey(survey.KentekensList[i]) == ppeKey) {
            survey.KentekensList.Set(i, PpeLineWithPlate(ppeKey, plate, remark));
        }
    }
}

std::vector<std::size_t> ReportedLines(const ObservationImportPlan& plan) {
    std::vector<std::size_t> lines;
    for (const ReportedRow& row : plan.reportedRows) {
        lines.push_back(row.line);
    }
    return lines;
}

TEST(ObservationImport, FillsEmptySlotsAsThePlateEntryStoresThem) {
    Survey survey = SmallSurvey();
    const std::string csv =
        "Kenteken,PLAATS,Sectie,Route,Periode,opmerking\n"
        "\t12-ab-3 ,1,0001,1,0600-0630,\n"
        " XY 99 ,2,2,0002,0700-0800,f\n"
        ",1,1,1,0630-0700,B\n";
    const ObservationImportPlan plan = PlanObservationImport(survey, csv);
    ASSERT_EQ(plan.fileError, "");
    EXPECT_EQ(plan.counts.rowsRead, 3u);
    EXPECT_EQ(plan.counts.toFill, 3u);
    EXPECT_TRUE(plan.reportedRows.empty());
    EXPECT_FALSE(survey.ProjectChanged) << "planning changes nothing";
    EXPECT_EQ(SlotLine(survey, "0001 0001 0001 0600-0630").size(), 24u);

    EXPECT_EQ(ApplyObservationImport(survey, plan, false), 3u);
    EXPECT_TRUE(survey.ProjectChanged);
    EXPECT_EQ(SlotLine(survey, "0001 0001 0001 0600-0630"),
              PpeLineWithPlate("0001 0001 0001 0600-0630", "12ab3", ""));
    EXPECT_EQ(SlotLine(survey, "0002 0002 0002 0700-0800"), "0002 0002 0002 0700-0800 XY99   f");
    EXPECT_EQ(SlotLine(survey, "0001 0001 0001 0630-0700"), "0001 0001 0001 0630-0700        B");

    // The plate entry shows them as typed ones.
    PlateEntry entry;
    entry.Open(survey);
    entry.ChooseRoute(0);
    entry.ChooseSection(0);
    entry.ChoosePlace(0);
    EXPECT_EQ(entry.Cell(0, kPlateColumn), "12ab3");
    EXPECT_EQ(entry.Cell(1, kRemarkColumn), "B");
}

TEST(ObservationImport, SpreadsheetFileWithSemicolonsByteOrderMarkAndTimes) {
    Survey survey = SmallSurvey();
    const std::string csv =
        "\xEF\xBB\xBF"
        "Datum;Route;Sectie;Plaats;Tijd;Kenteken;Waarnemer;datum\r\n"
        "14-5-2024;1;1;1;06:45:10;AB12CD;Piet;x\r\n"
        "14-5-2024;1;1;1;2024-05-14T07:00:00+02:00;AB12CD;Piet;x\r\n"
        "14-5-2024;1;1;2;0630;\xC3\x84"
        "B12;Piet;x\r\n"
        "14-5-2024;2;1;1;7:59;\"GH;34\";Piet;x\r\n"
        "14-5-2024;1;1;1;08:00:00;LATE;Piet;x\r\n"
        "14-5-2024;1;1;1;48:00;BAD;Piet;x\r\n";
    const ObservationImportPlan plan =
        PlanObservationImport(survey, csv, {"Europe/Amsterdam", std::nullopt});
    ASSERT_EQ(plan.fileError, "");
    EXPECT_EQ(plan.unknownColumns, (std::vector<std::string>{"Datum", "Waarnemer"}));
    EXPECT_EQ(plan.counts.toFill, 4u);
    EXPECT_EQ(ReportedLines(plan), (std::vector<std::size_t>{6, 7}));
    EXPECT_EQ(plan.reportedRows[0].reason,
              FormatText(MessageText("AA00535"), {"0001 0001 0001", "08:00:00"}));
    EXPECT_EQ(plan.reportedRows[1].reason, FormatText(MessageText("AA00536"), {"48:00"}));

    ApplyObservationImport(survey, plan, false);
    EXPECT_EQ(PpePlate(SlotLine(survey, "0001 0001 0001 0630-0700")), "AB12CD");
    EXPECT_EQ(PpePlate(SlotLine(survey, "0001 0001 0001 0700-0730")), "AB12CD");
    EXPECT_EQ(PpePlate(SlotLine(survey, "0001 0001 0002 0630-0700")),
              "\xC4"
              "B12  ");
    EXPECT_EQ(PpePlate(SlotLine(survey, "0002 0001 0001 0700-0800")), "GH;34 ");
}

TEST(ObservationImport, SlotsThatHoldAPlateAreKeptUnlessReplacing) {
    Survey survey = SmallSurvey();
    SetSlot(survey, "0001 0001 0001 0600-0630", "SAME", "F");
    SetSlot(survey, "0001 0001 0001 0630-0700", "OLD");
    SetSlot(survey, "0001 0001 0001 0700-0730", "", "B");
    const std::string csv = std::string(kHeader) +
                            "1,1,1,0600-0630,SAME,\r\n"
                            "1,1,1,0630-0700,NEW,F\r\n"
                            "1,1,1,0700-0730,CAR,\r\n";
    const ObservationImportPlan plan = PlanObservationImport(survey, csv);
    EXPECT_EQ(plan.counts.unchanged, 1u);
    EXPECT_EQ(plan.counts.conflicts, 2u);
    EXPECT_EQ(ReportedLines(plan), (std::vector<std::size_t>{3, 4}));
    EXPECT_EQ(plan.reportedRows[0].kind, ReportedRowKind::Conflict);
    EXPECT_EQ(RowsLeftOut(plan, false).size(), 2u);
    EXPECT_TRUE(RowsLeftOut(plan, true).empty());

    Survey kept = survey;
    EXPECT_EQ(ApplyObservationImport(kept, plan, false), 0u);
    EXPECT_EQ(kept.KentekensList, survey.KentekensList);
    EXPECT_FALSE(kept.ProjectChanged);

    EXPECT_EQ(ApplyObservationImport(survey, plan, true), 2u);
    EXPECT_EQ(SlotLine(survey, "0001 0001 0001 0600-0630"), "0001 0001 0001 0600-0630 SAME   F");
    EXPECT_EQ(SlotLine(survey, "0001 0001 0001 0630-0700"), "0001 0001 0001 0630-0700 NEW    F");
    EXPECT_EQ(SlotLine(survey, "0001 0001 0001 0700-0730"), "0001 0001 0001 0700-0730 CAR     ");
}

// Rows last slot first, on the list as kept and on one in reverse order: every row reaches its
// own slot, every other line stays as it was, byte for byte.
TEST(ObservationImport, RowsInAnyOrderFillTheirOwnSlotsAndLeaveTheOthers) {
    Survey ascending = SmallSurvey();
    SetSlot(ascending, "0002 0002 0002 0700-0800", "KEEP", "x");
    ascending.KentekensList.Set(3, std::string(ascending.KentekensList[3]) + "  ");
    Survey reversed = ascending;
    std::vector<std::size_t> order(reversed.KentekensList.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = order.size() - 1 - i;
    }
    reversed.KentekensList.Reorder(0, order);
    for (Survey* survey : {&ascending, &reversed}) {
        LineBuffer& slots = survey->KentekensList;
        std::string csv(kHeader);
        std::vector<std::string> expected(slots.begin(), slots.end());
        for (std::size_t n = 0; n < slots.size(); ++n) {
            const std::size_t i = order[n];
            const std::string_view line = slots[i];
            if (RouteKey(line) == "0001" && i % 3 != 0) {
                const std::string plate = "P" + std::to_string(i);
                csv += std::string("1,") + std::string(SectionNumber(line)) + "," +
                       std::string(PlaceNumber(line)) + "," + std::string(PpePeriod(line)) + "," +
                       plate + ",\r\n";
                expected[i] = PpeLineWithPlate(PpeKey(line), plate, "");
            }
        }
        const ObservationImportPlan plan = PlanObservationImport(*survey, csv);
        EXPECT_TRUE(std::is_sorted(plan.writes.begin(), plan.writes.end(),
                                   [](const auto& a, const auto& b) { return a.line < b.line; }));
        EXPECT_EQ(ApplyObservationImport(*survey, plan, false), plan.counts.toFill);
        EXPECT_EQ(slots, expected);
    }
}

TEST(ObservationImport, FirstRowForASlotIsUsedAndALaterDifferentOneReported) {
    Survey survey = SmallSurvey();
    SetSlot(survey, "0001 0001 0002 0600-0630", "HAVE");
    const std::string csv = std::string(kHeader) +
                            "1,1,1,0600-0630,FIRST,\r\n"
                            "1,1,1,0600-0630,FIRST,\r\n"
                            "1,1,1,0600-0630,SECOND,\r\n"
                            "1,1,2,0600-0630,HAVE,\r\n"
                            "1,1,2,0600-0630,OTHER,\r\n";
    const ObservationImportPlan plan = PlanObservationImport(survey, csv);
    EXPECT_EQ(plan.counts.toFill, 1u);
    EXPECT_EQ(plan.counts.unchanged, 2u);
    EXPECT_EQ(plan.counts.duplicates, 2u);
    EXPECT_EQ(ReportedLines(plan), (std::vector<std::size_t>{4, 6}));
    EXPECT_EQ(
        plan.reportedRows[0].reason,
        FormatText(MessageText("AA00543"), {"2", "0001 0001 0001 0600-0630", "FIRST", "SECOND"}));
    ApplyObservationImport(survey, plan, true);
    EXPECT_EQ(PpePlate(SlotLine(survey, "0001 0001 0001 0600-0630")), "FIRST ");
    EXPECT_EQ(PpePlate(SlotLine(survey, "0001 0001 0002 0600-0630")), "HAVE  ");
}

TEST(ObservationImport, RowsThatCannotBePlacedOrStoredAreReportedAndTheOthersApplied) {
    Survey survey = SmallSurvey();
    const std::string csv = std::string(kHeader) +
                            "9,1,1,0600-0630,AA,\r\n"                // 2 unknown route
                            "1,9,1,0600-0630,AA,\r\n"                // 3 unknown section
                            "1,1,9,0600-0630,AA,\r\n"                // 4 unknown place
                            "x,1,1,0600-0630,AA,\r\n"                // 5 not a number
                            "1,1,10000,0600-0630,AA,\r\n"            // 6 beyond four digits
                            "1,1,1,0600-0700,AA,\r\n"                // 7 no such period
                            "1,1,1,,AA,\r\n"                         // 8 no period, no time column
                            "1,1,1,0600-0630,ABCDEFG,\r\n"           // 9 plate too long
                            "1,1,1,0600-0630,AA,FB\r\n"              // 10 remark too long
                            "1,1,1,0600-0630,\xF0\x9F\x98\x80,\r\n"  // 11 not in code page 1252
                            "1,1,1,0600-0630,\"A\nB\",\r\n"          // 12 line break inside
                            "1,1,1,0600-0630,\"AB\"C,\r\n"           // 14 broken quotes
                            "9,9,9,bad,,\r\n"                        // 15 nothing to store: skipped
                            "1,1,1,0600-0630,00-OK-1,\r\n";          // 16 applied
    const ObservationImportPlan plan = PlanObservationImport(survey, csv);
    ExpectCountsAddUp(plan);
    EXPECT_EQ(ReportedLines(plan),
              (std::vector<std::size_t>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14}));
    EXPECT_EQ(plan.counts.errors, 12u);
    EXPECT_EQ(plan.counts.skipped, 1u);
    EXPECT_EQ(plan.counts.toFill, 1u);
    const auto reason = [&plan](std::size_t i) { return plan.reportedRows[i].reason; };
    EXPECT_EQ(reason(0), FormatText(MessageText("AA00531"), {"0009"}));
    EXPECT_EQ(reason(1), FormatText(MessageText("AA00532"), {"0009", "0001"}));
    EXPECT_EQ(reason(2), FormatText(MessageText("AA00533"), {"0001 0001 0009"}));
    EXPECT_EQ(reason(3), FormatText(MessageText("AA00530"), {"x", "route"}));
    EXPECT_EQ(reason(4), FormatText(MessageText("AA00530"), {"10000", "plaats"}));
    EXPECT_EQ(reason(5), FormatText(MessageText("AA00534"), {"0001 0001 0001", "0600-0700"}));
    EXPECT_EQ(reason(6), MessageText("AA00537"));
    EXPECT_EQ(reason(7), FormatText(MessageText("AA00538"), {"ABCDEFG"}));
    EXPECT_EQ(reason(8), FormatText(MessageText("AA00539"), {"FB"}));
    EXPECT_EQ(reason(9), FormatText(MessageText("AA00540"), {"kenteken", "?"}));
    EXPECT_EQ(reason(11), MessageText("AA00541"));

    ApplyObservationImport(survey, plan, false);
    EXPECT_EQ(PpePlate(SlotLine(survey, "0001 0001 0001 0600-0630")), "00OK1 ");
}

TEST(ObservationImport, HeaderWithoutTheNeededColumnsRefusesTheFile) {
    const Survey survey = SmallSurvey();
    const ObservationImportPlan missing =
        PlanObservationImport(survey, "route;sectie;kenteken;extra\r\n1;1;AB\r\n");
    EXPECT_EQ(missing.fileError, FormatText(MessageText("AA00544"), {"plaats, periode of tijd"}));
    EXPECT_TRUE(missing.writes.empty());
    EXPECT_EQ(missing.counts.rowsRead, 0u);

    const ObservationImportPlan twice = PlanObservationImport(
        survey, "route,sectie,plaats,periode,kenteken,Kenteken\r\n1,1,1,0600-0630,A,B\r\n");
    EXPECT_EQ(twice.fileError, FormatText(MessageText("AA00545"), {"kenteken"}));

    EXPECT_NE(PlanObservationImport(survey, "").fileError, "");
    EXPECT_NE(PlanObservationImport(survey, "\xEF\xBB\xBF").fileError, "");
}

TEST(ObservationImport, SummaryNamesWhatReplacingDoes) {
    Survey survey = SmallSurvey();
    SetSlot(survey, "0001 0001 0001 0600-0630", "OLD");
    const ObservationImportPlan plan = PlanObservationImport(
        survey, std::string(kHeader) + "1,1,1,0600-0630,NEW,\r\n1,1,1,bad,X,\r\n");
    const std::vector<std::string> kept = ImportSummaryLines(plan, false);
    const std::vector<std::string> replaced = ImportSummaryLines(plan, true);
    EXPECT_EQ(kept[3], FormatText(MessageText("AA00523"), {"1"}));
    EXPECT_EQ(replaced[3], FormatText(MessageText("AA00524"), {"1"}));
    EXPECT_EQ(ReportedRowText(*RowsLeftOut(plan, true).front()),
              FormatText(MessageText("AA00529"),
                         {"3", FormatText(MessageText("AA00534"), {"0001 0001 0001", "bad"})}));
}

TEST(ObservationExport, WritesSlotsWithAPlateOrRemarkInListOrder) {
    Survey survey = SmallSurvey();
    SetSlot(survey, "0002 0001 0001 0600-0700", " AB", "F");
    SetSlot(survey, "0001 0001 0001 0630-0700",
            "\xC4"
            "Q\"1");
    SetSlot(survey, "0001 0002 0001 0600-0630", "", "B");
    EXPECT_EQ(ObservationCsvContent(survey, false),
              std::string(kHeader) +
                  "0001,0001,0001,0630-0700,\"\xC3\x84Q\"\"1\",\r\n"
                  "0001,0002,0001,0600-0630,,B\r\n"
                  "0002,0001,0001,0600-0700,\" AB\",F\r\n");

    const std::string all = ObservationCsvContent(survey, true);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'),
              static_cast<std::ptrdiff_t>(survey.KentekensList.size() + 1));
    EXPECT_TRUE(all.find("\r\n0001,0001,0001,0600-0630,,\r\n") != std::string::npos);
}

TEST(ObservationExport, PlatesAndRemarksCannotBecomeFormulas) {
    Survey survey = SmallSurvey();
    SetSlot(survey, "0001 0001 0001 0600-0630", "=1+1", "@");
    SetSlot(survey, "0001 0001 0001 0630-0700", "-AB", "\t");
    SetSlot(survey, "0001 0002 0001 0600-0630", "+31", "");
    EXPECT_EQ(ObservationCsvContent(survey, false), std::string(kHeader) +
                                                        "0001,0001,0001,0600-0630,'=1+1,'@\r\n"
                                                        "0001,0001,0001,0630-0700,'-AB,'\t\r\n"
                                                        "0001,0002,0001,0600-0630,'+31,\r\n");
}

TEST(ObservationExport, BlankFieldListImportsAsSkippedRows) {
    Survey survey = SmallSurvey();
    const ObservationImportPlan plan =
        PlanObservationImport(survey, ObservationCsvContent(survey, true));
    EXPECT_EQ(plan.counts.rowsRead, survey.KentekensList.size());
    EXPECT_EQ(plan.counts.skipped, survey.KentekensList.size());
    EXPECT_TRUE(plan.writes.empty());
}

// Exporting, clearing every plate and remark and importing gives back every observed slot.
TEST(ObservationExport, RoundTripGivesBackThePlatesOfGeneratedSurveys) {
    for (const DemoOptions options : {DemoOptions{40, 1}, DemoOptions{300, 7}, DemoOptions{5, 3}}) {
        Survey original = MakeDemoSurvey(options);
        // Plates with the characters CSV and the code page make special.
        const std::vector<std::string> odd = {"A\"B,C", "x;y", "\xE9\x80Z", "'0'"};
        for (std::size_t i = 0; i < odd.size(); ++i) {
            LineBuffer& slots = original.KentekensList;
            slots.Set(i * 3, PpeLineWithPlate(PpeKey(slots[i * 3]), odd[i], i % 2 ? "f" : ""));
        }
        const std::string csv = ObservationCsvContent(original, false);
        Survey cleared = original;
        for (std::size_t i = 0; i < cleared.KentekensList.size(); ++i) {
            cleared.KentekensList.Set(i, cleared.KentekensList[i].substr(0, 24));
        }
        const ObservationImportPlan plan = PlanObservationImport(cleared, csv);
        EXPECT_TRUE(plan.reportedRows.empty());
        ApplyObservationImport(cleared, plan, false);
        std::size_t observed = 0;
        for (std::size_t i = 0; i < original.KentekensList.size(); ++i) {
            const std::string_view line = original.KentekensList[i];
            if (!TrimTrailingBlanks(PpePlate(line)).empty() ||
                !TrimTrailingBlanks(PpeRemark(line)).empty()) {
                ++observed;
                EXPECT_EQ(cleared.KentekensList[i], line);
            }
        }
        EXPECT_EQ(plan.counts.toFill, observed);
        EXPECT_GT(observed, 0u);
    }
}

}  // namespace
}  // namespace tavoric
