// SPDX-License-Identifier: GPL-3.0-or-later
// The import rules for the files field devices really write: time zones, dates, rounds past
// midnight, every row accounted for, and the shapes of the file itself.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/message_texts.h"
#include "entry/observation_csv.h"
#include "entry/plate_entry.h"
#include "observation_test_support.h"
#include "test_survey.h"

namespace tavoric {
namespace {

using entry_test::ExpectCountsAddUp;
using entry_test::SmallSurvey;

constexpr std::string_view kTimeHeader = "route,sectie,plaats,tijd,kenteken\r\n";
const ObservationImportOptions kAmsterdam{"Europe/Amsterdam", std::nullopt};

// One place (0001 0001 0001) with rounds of 20 minutes from 2300 to 2500: a night survey.
Survey NightSurvey() {
    Survey survey;
    survey.RoutesList = {entry_test::Route("0001", "20")};
    survey.SectiesList = {"0001 0001 Straat"};
    survey.ParkeerplaatsenList = {"0001 0001 0001 V"};
    for (const std::string& period : PlacePeriods("2300", "2500", 20)) {
        survey.KentekensList.push_back("0001 0001 0001 " + period);
    }
    return survey;
}

// The plate each row gave, by the slot's period.
std::string PlateInPeriod(const Survey& survey, const ObservationImportPlan& plan,
                          std::string_view period) {
    for (const ObservationImportPlan::SlotWrite& write : plan.writes) {
        if (PpePeriod(survey.KentekensList[write.line]) == period) {
            return std::string(write.Plate());
        }
    }
    return "";
}

std::vector<std::string> Reasons(const ObservationImportPlan& plan) {
    std::vector<std::string> reasons;
    for (const ReportedRow& row : plan.reportedRows) {
        reasons.push_back(ReportedRowText(row));
    }
    return reasons;
}

std::string RowText(std::size_t line, const std::string& reason) {
    return FormatText(MessageText("AA00529"), {std::to_string(line), reason});
}

TEST(ObservationImportRules, OffsetsAreConvertedToLocalTimeWithDaylightSavingOfTheirDay) {
    const Survey survey = SmallSurvey();
    // 16 May: summer time, two hours ahead of UTC.
    const ObservationImportPlan summer =
        PlanObservationImport(survey,
                              std::string(kTimeHeader) +
                                  "1,1,1,2024-05-16T04:50:00Z,UTC\r\n"           // 06:50
                                  "1,1,2,2024-05-16T06:50:00+02:00,PLUS\r\n"     // 06:50
                                  "1,2,1,2024-05-16T05:50:00.250+0100,HHMM\r\n"  // 06:50
                                  "1,2,2,2024-05-16T00:50:00-05:00,MINUS\r\n"    // 07:50
                                  "2,1,1,2024-05-16T07:10:00,LOCAL\r\n"          // local already
                                  "2,1,2,2024-05-16T06:50:00+25:00,BAD\r\n",
                              kAmsterdam);
    EXPECT_EQ(Reasons(summer),
              (std::vector<std::string>{
                  RowText(7, FormatText(MessageText("AA00536"), {"2024-05-16T06:50:00+25:00"}))}));
    EXPECT_EQ(summer.convertedRows, 4u);
    ASSERT_EQ(summer.writes.size(), 5u);
    const auto period = [&](std::size_t i) {
        return std::string(PpePeriod(survey.KentekensList[summer.writes[i].line]));
    };
    EXPECT_EQ(period(0), "0630-0700");
    EXPECT_EQ(period(1), "0630-0700");
    EXPECT_EQ(period(2), "0630-0700");
    EXPECT_EQ(period(3), "0730-0800");
    EXPECT_EQ(period(4), "0700-0800");

    // 16 January: winter time, one hour ahead.
    const ObservationImportPlan winter = PlanObservationImport(
        survey, std::string(kTimeHeader) + "1,1,1,2024-01-16T05:50:00Z,UTC\r\n", kAmsterdam);
    ASSERT_EQ(winter.writes.size(), 1u);
    EXPECT_EQ(PpePeriod(survey.KentekensList[winter.writes[0].line]), "0630-0700");
    EXPECT_NE(ImportSummaryLines(winter, false).back().find("Europe/Amsterdam"), std::string::npos);
}

TEST(ObservationImportRules, ANamedZoneIsUsedOnlyWhileImporting) {
    ::setenv("TZ", "UTC", 1);
    const Survey survey = SmallSurvey();
    const ObservationImportPlan plan = PlanObservationImport(
        survey, std::string(kTimeHeader) + "1,1,1,2024-05-16T04:50:00Z,UTC\r\n", kAmsterdam);
    EXPECT_EQ(PpePeriod(survey.KentekensList[plan.writes.at(0).line]), "0630-0700");
    EXPECT_STREQ(std::getenv("TZ"), "UTC");
    // Without a name the system's zone (here UTC) is local time.
    const ObservationImportPlan system = PlanObservationImport(
        survey, std::string(kTimeHeader) + "1,1,1,2024-05-16T06:50:00Z,UTC\r\n");
    EXPECT_EQ(PpePeriod(survey.KentekensList[system.writes.at(0).line]), "0630-0700");
    ::unsetenv("TZ");
}

TEST(ObservationImportRules, DatedRowsCountFromTheSurveyDay) {
    const Survey survey = NightSurvey();
    const std::string csv = std::string(kTimeHeader) +
                            "1,1,1,2024-05-17T00:04:28,NEXT\r\n"  // next day: 2404
                            "1,1,1,2024-05-16T23:30:00,SAME\r\n"  // the earliest date
                            "1,1,1,16-5-2024 23:45,DUTCH\r\n"
                            "1,1,1,2024-05-18T00:30:00,LATER\r\n"
                            "1,1,1,5/16/2024 23:10,SLASH\r\n";
    const ObservationImportPlan plan = PlanObservationImport(survey, csv);
    EXPECT_EQ(PlateInPeriod(survey, plan, "2400-2420"), "NEXT");
    EXPECT_EQ(PlateInPeriod(survey, plan, "2320-2340"), "SAME");
    EXPECT_EQ(PlateInPeriod(survey, plan, "2340-2400"), "DUTCH");
    EXPECT_EQ(Reasons(plan),
              (std::vector<std::string>{
                  RowText(5, FormatText(MessageText("AA00547"), {"2024-05-18", "2024-05-16"})),
                  RowText(6, FormatText(MessageText("AA00519"), {"5/16/2024 23:10"}))}));
    EXPECT_EQ(ImportSummaryLines(plan, false)[8],
              FormatText(MessageText("AA00511"), {"2024-05-16"}));

    // A given day holds: then the 16th is another date and the 18th the day after.
    const ObservationImportPlan given =
        PlanObservationImport(survey, csv, {"", IsoDay("2024-05-17")});
    EXPECT_EQ(PlateInPeriod(survey, given, "2420-2440"), "LATER");
    EXPECT_EQ(given.reportedRows[1].reason,
              FormatText(MessageText("AA00547"), {"2024-05-16", "2024-05-17"}));
    EXPECT_EQ(ImportSummaryLines(given, false)[8],
              FormatText(MessageText("AA00510"), {"2024-05-17"}));
}

TEST(ObservationImportRules, UndatedTimesPastMidnightFindTheirRound) {
    const Survey survey = NightSurvey();
    const ObservationImportPlan plan = PlanObservationImport(
        survey, std::string(kTimeHeader) +
                    "1,1,1,00:04:28,AFTER\r\n"  // no round at 0004: tried at 2404
                    "1,1,1,24:25,OWN\r\n"       // the survey's own notation
                    "1,1,1,2445,DIGITS\r\n"
                    "1,1,1,23:05,EARLY\r\n"
                    "1,1,1,01:30,NONE\r\n"
                    "1,1,1,48:00,BAD\r\n");
    EXPECT_EQ(PlateInPeriod(survey, plan, "2400-2420"), "AFTER");
    EXPECT_EQ(PlateInPeriod(survey, plan, "2420-2440"), "OWN");
    EXPECT_EQ(PlateInPeriod(survey, plan, "2440-2500"), "DIGITS");
    EXPECT_EQ(PlateInPeriod(survey, plan, "2300-2320"), "EARLY");
    EXPECT_EQ(Reasons(plan),
              (std::vector<std::string>{
                  RowText(6, FormatText(MessageText("AA00535"), {"0001 0001 0001", "01:30"})),
                  RowText(7, FormatText(MessageText("AA00536"), {"48:00"}))}));
}

TEST(ObservationImportRules, EveryRowIsAccountedFor) {
    const Survey survey = SmallSurvey();
    const ObservationImportPlan plan =
        PlanObservationImport(survey, std::string(kTimeHeader) +
                                          "0001,0001,AB12CD\r\n"  // too few fields
                                          "\r\n"                  // not a row
                                          "1,1,1,0600,AB12CD\r\n"
                                          "1,1,1,0610,AB12CD\r\n"  // the same again
                                          "1,1,1,0615,OTHER\r\n"   // another plate for that slot
                                          ",,,,\r\n"               // nothing: skipped
                                          "9,1,1,0600,X\r\n");
    ExpectCountsAddUp(plan);
    EXPECT_EQ(plan.counts.rowsRead, 6u);
    EXPECT_EQ(plan.reportedRows.at(0).line, 2u);
    EXPECT_EQ(plan.reportedRows.at(0).reason, FormatText(MessageText("AA00546"), {"3", "5"}));
    EXPECT_EQ(ImportSummaryLines(plan, false)[7],
              FormatText(MessageText("AA00514"), {"1", "1", "0", "1", "2", "1", "6"}));
}

TEST(ObservationImportRules, AFileWithoutRowsSaysSo) {
    const Survey survey = SmallSurvey();
    for (const std::string& csv :
         {std::string(kTimeHeader), std::string(kTimeHeader) + "\r\n\r\n"}) {
        const ObservationImportPlan plan = PlanObservationImport(survey, csv);
        EXPECT_EQ(plan.fileError, "");
        EXPECT_EQ(plan.counts.rowsRead, 0u);
        EXPECT_EQ(ImportSummaryLines(plan, false),
                  (std::vector<std::string>{FormatText(MessageText("AA00520"), {"0"}),
                                            MessageText("AA00508")}));
    }
}

TEST(ObservationImportRules, LineEndsSeparatorsEncodingsAndEnglishColumns) {
    const Survey survey = SmallSurvey();
    const auto filled = [&survey](std::string_view csv) {
        const ObservationImportPlan plan = PlanObservationImport(survey, csv);
        EXPECT_EQ(plan.fileError, "");
        EXPECT_TRUE(plan.reportedRows.empty()) << ReportedRowText(plan.reportedRows.front());
        return plan.counts.toFill;
    };
    EXPECT_EQ(filled("route,sectie,plaats,tijd,kenteken\r1,1,1,0600,AA\r\r1,1,2,0600,BB\r"), 2u);
    EXPECT_EQ(filled("route\tsectie\tplaats\tperiode\tkenteken\n1\t1\t1\t0600-0630\tA,B\n"), 1u);
    EXPECT_EQ(filled("ROUTE;Section;PLACE;Time;Plate;Remark\r\n1;1;1;0600;AB;F\r\n"), 1u);

    const auto utf16 = [](std::string_view text, bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : text) {
            const std::string unit = {c == '\x01' ? '\xC4' : c, '\0'};  // \x01 stands for U+00C4
            bytes += bigEndian ? std::string{unit[1], unit[0]} : unit;
        }
        return bytes;
    };
    const std::string text =
        "route,sectie,plaats,tijd,kenteken\r\n1,1,1,0600,\x01"
        "B\r\n";
    for (const bool bigEndian : {false, true}) {
        Survey copy = survey;
        const ObservationImportPlan plan = PlanObservationImport(copy, utf16(text, bigEndian));
        ASSERT_EQ(plan.writes.size(), 1u) << bigEndian;
        EXPECT_EQ(plan.writes[0].Plate(),
                  "\xC4"
                  "B");
    }
}

TEST(ObservationImportRules, AnUnclosedQuoteRefusesTheWholeFile) {
    const Survey survey = SmallSurvey();
    for (const std::string& rows : {std::string("1,1,1,0600,\"AB,\r\n1,1,2,0600,CD\r\n"),
                                    std::string("1,1,1,0600,\"AB\r\n1,1,2,0600,\"CD\"\r\n")}) {
        const ObservationImportPlan plan =
            PlanObservationImport(survey, std::string(kTimeHeader) + "1,1,2,0630,OK\r\n" + rows);
        EXPECT_EQ(plan.fileError, FormatText(MessageText("AA00549"), {"3"}));
        EXPECT_TRUE(plan.writes.empty());
        EXPECT_EQ(plan.counts.rowsRead, 0u);
    }
}

TEST(ObservationImportRules, TimeAndPeriodMustAgree) {
    const Survey survey = SmallSurvey();
    const ObservationImportPlan plan =
        PlanObservationImport(survey,
                              "route,sectie,plaats,periode,tijd,kenteken\r\n"
                              "1,1,1,0600-0630,06:10,AGREE\r\n"
                              "1,1,2,0600-0630,06:40,DIFFER\r\n"
                              "1,2,1,,06:40,TIME\r\n"
                              "1,2,2,0630-0700,,PERIOD\r\n");
    EXPECT_EQ(plan.counts.toFill, 3u);
    EXPECT_EQ(Reasons(plan), (std::vector<std::string>{RowText(
                                 3, FormatText(MessageText("AA00548"), {"06:40", "0600-0630"}))}));
}

TEST(ObservationImportRules, SpreadsheetGuardsLongFieldsAndManyUnknownColumns) {
    const Survey survey = SmallSurvey();
    std::string header = "route,sectie,plaats,periode,kenteken,opmerking";
    std::string row = "1,1,1,0600-0630,'=AB,'-";
    for (int i = 0; i < 25; ++i) {
        header += ",x" + std::to_string(i) + ",X" + std::to_string(i);
        row += ",,";
    }
    const std::string longPlate(100, 'L');
    const ObservationImportPlan plan =
        PlanObservationImport(survey, header + "\r\n" + row + "\r\n1,1,2,0600-0630," + longPlate +
                                          ",'A" + std::string(50, ',') + "\r\n");
    ASSERT_EQ(plan.writes.size(), 1u);
    EXPECT_EQ(plan.writes[0].Plate(), "=AB");
    EXPECT_EQ(plan.writes[0].Remark(), "-");
    EXPECT_EQ(plan.reportedRows.at(0).reason,
              FormatText(MessageText("AA00538"), {std::string(40, 'L') + "..."}));
    EXPECT_EQ(plan.unknownColumnCount, 25u);
    EXPECT_EQ(ImportSummaryLines(plan, false).back(),
              FormatText(MessageText("AA00528"),
                         {FormatText(MessageText("AA00518"),
                                     {"x0, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, x11, x12, x13, "
                                      "x14, x15, x16, x17, x18, x19",
                                      "5"})}));
}

}  // namespace
}  // namespace tavoric
