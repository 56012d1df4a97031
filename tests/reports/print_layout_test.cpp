// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/message_texts.h"

namespace tavoric {
namespace {

using Pieces = std::vector<std::string_view>;
using Printed = std::vector<std::string>;

TEST(BreakLine, FitsOnOneLineOrPrintsEmpty) {
    EXPECT_EQ(BreakLine("abcde", 5), Pieces({"abcde"}));
    EXPECT_EQ(BreakLine("", 5), Pieces({""}));
}

TEST(BreakLine, BreaksAtTheLastSeparatorThatFitsAndKeepsItOnThePiece) {
    EXPECT_EQ(BreakLine("aaa bbb ccc", 8), Pieces({"aaa bbb ", "ccc"}));
    EXPECT_EQ(BreakLine("aa,bb-cc\tdd", 4), Pieces({"aa,", "bb-", "cc\t", "dd"}));
    // A separator exactly at the m-th character still fits on the piece.
    EXPECT_EQ(BreakLine("abc defg", 4), Pieces({"abc ", "defg"}));
}

TEST(BreakLine, SeparatorsComeBeforePunctuation) {
    EXPECT_EQ(BreakLine("a b.c.d.e", 6), Pieces({"a ", "b.c.d.", "e"}));
}

TEST(BreakLine, PunctuationOnlyWithoutSeparators) {
    EXPECT_EQ(BreakLine("12.34;56)78", 6), Pieces({"12.34;", "56)78"}));
    EXPECT_EQ(BreakLine("(a)(b)(c)", 4), Pieces({"(a)", "(b)", "(c)"}));
}

TEST(BreakLine, CutsEveryMCharactersWithoutAnyBreak) {
    EXPECT_EQ(BreakLine("ABCDEFGHIJ", 4), Pieces({"ABCD", "EFGH", "IJ"}));
    EXPECT_EQ(BreakLine("ABCDEFGH", 4), Pieces({"ABCD", "EFGH"}));
}

TEST(BreakLine, ARestWithoutBreaksIsBrokenAgainSoNothingRunsOffThePage) {
    // After "ab " the separators find no break in "cdefghij"; the rest is cut.
    EXPECT_EQ(BreakLine("ab cdefghij", 4), Pieces({"ab ", "cdef", "ghij"}));
    EXPECT_EQ(BreakLine("ab cd.efghij", 4), Pieces({"ab ", "cd.", "efgh", "ij"}));
}

TEST(BreakLine, KeepsEveryCharacterInOrder) {
    const std::string line = "0001 0002 Markt,Kerkstraat-Noord (oost).12345678901234567890;x";
    for (int m = 1; m <= 12; ++m) {
        std::string joined;
        for (std::string_view piece : BreakLine(line, m)) {
            EXPECT_LE(piece.size(), static_cast<std::size_t>(m));
            EXPECT_FALSE(piece.empty());
            joined += piece;
        }
        EXPECT_EQ(joined, line) << "m = " << m;
    }
}

TEST(BreakLine, AWidthBelowOneCountsAsOne) {
    EXPECT_EQ(BreakLine("abc", 0), Pieces({"a", "b", "c"}));
}

TEST(CharactersPerLine, IsTheCountThatReachesTheBodyMinusOne) {
    const auto tenEach = [](int count) { return 10.0 * count; };
    EXPECT_EQ(CharactersPerLine(100.0, tenEach), 9);
    EXPECT_EQ(CharactersPerLine(105.0, tenEach), 10);
    EXPECT_EQ(CharactersPerLine(5.0, tenEach), 1);
}

std::vector<std::string> NumberedLines(int count, const std::string& text = "regel") {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back(text + std::to_string(i));
    }
    return lines;
}

TEST(PrintPagination, FillsPagesFromTheTopAndCountsThemBeforehand) {
    const std::vector<std::string> lines = NumberedLines(7);
    const PrintPagination pages(lines, 80, 3);
    ASSERT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.PageLines(0), Printed({"regel1", "regel2", "regel3"}));
    EXPECT_EQ(pages.PageLines(2), Printed({"regel7"}));
    EXPECT_TRUE(pages.PageLines(3).empty());
}

TEST(PrintPagination, ExactlyFullPagesGiveNoEmptyPageAndNoLinesGiveOnePage) {
    const std::vector<std::string> six = NumberedLines(6);
    EXPECT_EQ(PrintPagination(six, 80, 3).PageCount(), 2);
    const std::vector<std::string> none;
    const PrintPagination empty(none, 80, 3);
    EXPECT_EQ(empty.PageCount(), 1);
    EXPECT_TRUE(empty.PageLines(0).empty());
}

TEST(PrintPagination, ContinuationLinesCountAndMayStartTheNextPage) {
    const std::vector<std::string> lines = {"een", "aaaa bbbb cccc", "", "twee"};
    const PrintPagination pages(lines, 5, 2);
    ASSERT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.PageLines(0), Printed({"een", "aaaa "}));
    EXPECT_EQ(pages.PageLines(1), Printed({"bbbb ", "cccc"}));
    EXPECT_EQ(pages.PageLines(2), Printed({"", "twee"}));
}

TEST(PrintPagination, PagesTogetherHoldEveryPieceOnce) {
    std::vector<std::string> lines = NumberedLines(50, "0001 0002 Plein,Oost ");
    lines[10] = std::string(95, 'x');
    int printed = 0;
    const PrintPagination pages(lines, 12, 7);
    for (int page = 0; page < pages.PageCount(); ++page) {
        printed += static_cast<int>(pages.PageLines(page).size());
    }
    int expected = 0;
    for (const std::string& line : lines) {
        expected += static_cast<int>(BreakLine(line, 12).size());
    }
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(pages.PageCount(), (expected + 6) / 7);
}

TEST(CharactersPerLine, MatchesAddingOneLetterAtATime) {
    for (double body : {1.0, 7.0, 99.0, 100.0, 1234.5, 4096.0}) {
        const auto sevenEach = [](int count) { return 7.0 * count; };
        int count = 1;
        while (sevenEach(count) < body) {
            ++count;
        }
        EXPECT_EQ(CharactersPerLine(body, sevenEach), std::max(1, count - 1)) << body;
    }
}

// A monospaced body font whose letters are 0.6 of the size wide, as Courier's are.
int CourierCharacters(double points, double bodyWidthMm) {
    const double letterMm = points * 0.6 * 25.4 / 72;
    return CharactersPerLine(bodyWidthMm, [letterMm](int count) { return count * letterMm; });
}

PrintJob JobOfWidth(std::size_t widest, int points = 8) {
    PrintJob job;
    job.lines = {"kort", std::string(widest, 'x')};
    job.bodyPointSize = points;
    return job;
}

PageSetup SetupOnA4(const PrintJob& job, PrintOptions options) {
    return ChoosePageSetup(job, options, 210, 297, CourierCharacters);
}

TEST(ChoosePageSetup, AutomaticTurnsTheRowsOfTheWidePlaceTableToLandscape) {
    // At 8 points 106 characters fit portrait and 157 landscape.
    EXPECT_EQ(CourierCharacters(8, BodyWidthMm(210, 297, false)), 106);
    const PageSetup narrow = SetupOnA4(JobOfWidth(106), {});
    EXPECT_FALSE(narrow.landscape);
    EXPECT_EQ(narrow.pointSize, 8);
    const PageSetup wide = SetupOnA4(JobOfWidth(144), {});
    EXPECT_TRUE(wide.landscape);
    EXPECT_EQ(wide.pointSize, 8);
}

TEST(ChoosePageSetup, FittingLowersTheSizeInHalfPointsDownToSix) {
    const PageSetup portrait = SetupOnA4(JobOfWidth(120), {PrintOrientation::Portrait, true});
    EXPECT_FALSE(portrait.landscape);
    EXPECT_EQ(portrait.pointSize, 7);  // 7.5 points give 113 characters, 7 give 121
    const PageSetup tooWide = SetupOnA4(JobOfWidth(337), {});
    EXPECT_TRUE(tooWide.landscape);
    EXPECT_EQ(tooWide.pointSize, kMinimumFitPointSize);
    EXPECT_EQ(SetupOnA4(JobOfWidth(337, 5), {}).pointSize, 5);  // never enlarged
}

TEST(ChoosePageSetup, ChosenOrientationAndNoFittingKeepTheUsersSize) {
    const PageSetup setup = SetupOnA4(JobOfWidth(300, 14), {PrintOrientation::Portrait, false});
    EXPECT_FALSE(setup.landscape);
    EXPECT_EQ(setup.pointSize, 14);
    EXPECT_TRUE(SetupOnA4(JobOfWidth(10), {PrintOrientation::Landscape, true}).landscape);
    // Paper given in landscape measures the same.
    EXPECT_EQ(BodyWidthMm(297, 210, true), BodyWidthMm(210, 297, true));
}

// A table of three label characters and two-character columns, as the analyses write them.
std::vector<std::string> DiagramLines() {
    return {"=============", "LBL0102030405", "=============",
            "r1 aabbccddee", "r2 aa  cc  ee", "============="};
}

TEST(PrintPagination, AWideTablePrintsInStripsOfWholeColumnsWithItsLabelsRepeated) {
    std::vector<std::string> lines = {"kop"};
    for (const std::string& line : DiagramLines()) {
        lines.push_back(line);
    }
    lines.push_back("a very long closing line");
    const PrintPagination pages(lines, 8, 20, {{1, 6, 3, 2}}, "=");
    ASSERT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.PageLines(0),
              Printed({"kop", "=======", "LBL0102", "=======", "r1 aabb", "r2 aa  ", "======="}));
    EXPECT_EQ(pages.PageLines(1),
              Printed({"=======", "LBL0304", "=======", "r1 ccdd", "r2 cc  ", "======="}));
    EXPECT_EQ(pages.PageLines(2), Printed({"=====", "LBL05", "=====", "r1 ee", "r2 ee",
                                           "=====", "a very ", "long ", "closing ", "line"}));
}

// Every page on which a table goes on starts with its heading lines, cut to the strip as the
// rows are; a page too short for the headings and a row goes on without them.
TEST(PrintPagination, EveryPageOfALongTableRepeatsItsHeadingsAndLabels) {
    const std::vector<std::string> lines = {
        "=============", "LBL0102030405", "=============", "r1 aabbccddee", "r2 aa  cc  ee",
        "r3 aabbccddee", "r4 aa  cc  ee", "r5 aabbccddee", "============="};
    const std::vector<TableLines> table = {{0, 9, 3, 2, 3}};
    const PrintPagination whole(lines, 80, 6, table, "=");
    ASSERT_EQ(whole.PageCount(), 2);
    EXPECT_EQ(whole.PageLines(1), Printed({"=============", "LBL0102030405", "=============",
                                           "r4 aa  cc  ee", "r5 aabbccddee", "============="}));

    const PrintPagination strips(lines, 8, 5, table, "=");
    ASSERT_EQ(strips.PageCount(), 9);
    EXPECT_EQ(strips.PageLines(0),
              Printed({"=======", "LBL0102", "=======", "r1 aabb", "r2 aa  "}));
    EXPECT_EQ(strips.PageLines(1),
              Printed({"=======", "LBL0102", "=======", "r3 aabb", "r4 aa  "}));
    EXPECT_EQ(strips.PageLines(2),
              Printed({"=======", "LBL0102", "=======", "r5 aabb", "======="}));
    EXPECT_EQ(strips.PageLines(4),
              Printed({"=======", "LBL0304", "=======", "r3 ccdd", "r4 cc  "}));
    EXPECT_EQ(strips.PageLines(8), Printed({"=====", "LBL05", "=====", "r5 ee", "====="}));

    const PrintPagination shortPages(lines, 80, 4, table, "=");
    EXPECT_EQ(shortPages.PageLines(1),
              Printed({"r2 aa  cc  ee", "r3 aabbccddee", "r4 aa  cc  ee"}));
}

// A table whose rows have no labels of their own repeats its closing column (the interval
// report's number of vehicles) after every strip, so that each printed row says what it counts;
// where the labels and the closing column leave no room for a column, only the labels repeat.
TEST(PrintPagination, EveryStripEndsWithTheClosingColumn) {
    const std::vector<std::string> lines = {
        "===========", "LBL010203NN", "===========", "   aabbcc 3", "     bbcc 1", "==========="};
    const std::vector<TableLines> table = {{0, 6, 3, 2, 3, 2}};
    const PrintPagination strips(lines, 9, 20, table, "=");
    ASSERT_EQ(strips.PageCount(), 2);
    EXPECT_EQ(strips.PageLines(0), Printed({"=========", "LBL0102NN", "=========", "   aabb 3",
                                            "     bb 1", "========="}));
    EXPECT_EQ(strips.PageLines(1),
              Printed({"=======", "LBL03NN", "=======", "   cc 3", "   cc 1", "======="}));

    const PrintPagination narrow(lines, 6, 20, table, "=");
    ASSERT_EQ(narrow.PageCount(), 4);
    EXPECT_EQ(narrow.PageLines(0), Printed({"=====", "LBL01", "=====", "   aa", "     ", "====="}));
    EXPECT_EQ(narrow.PageLines(3), Printed({"=====", "LBLNN", "=====", "    3", "    1", "====="}));
}

TEST(PrintPagination, ATableThatFitsAndLabelsWiderThanThePagePrintWhole) {
    const std::vector<std::string> lines = DiagramLines();
    EXPECT_EQ(PrintPagination(lines, 13, 20, {{0, 6, 3, 2}}, "=").PageLines(0),
              Printed(lines.begin(), lines.end()));
    const PrintPagination narrow(lines, 4, 20, {{0, 6, 3, 2}}, "=");
    EXPECT_EQ(narrow.PageLines(0)[1], "LBL0");  // no room for labels and a column: cut in four
    EXPECT_EQ(narrow.PageCount(), 4);
}

TEST(PrintPagination, APageNeverStartsWithARuleThatClosesTheTextAbove) {
    const std::vector<std::string> lines = {"====", "kop", "====", "rij1", "rij2",
                                            "====", "",    "====", "x"};
    const PrintPagination pages(lines, 80, 5, {}, "=");
    EXPECT_EQ(pages.PageLines(0), Printed({"====", "kop", "====", "rij1"}));
    EXPECT_EQ(pages.PageLines(1), Printed({"rij2", "====", "", "====", "x"}));
    // A rule after an empty line opens a table and may start a page.
    const PrintPagination opening(lines, 80, 7, {}, "=");
    EXPECT_EQ(opening.PageLines(1), Printed({"====", "x"}));
    // Without a line character nothing counts as a rule.
    EXPECT_EQ(PrintPagination(lines, 80, 5).PageLines(1), Printed({"====", "", "====", "x"}));
}

TEST(MakePrintJob, WithoutAnOwnerNoDanglingHyphenAndNoEmptyHeaderText) {
    SetDefaultMessageTexts();
    ReportDocument report(1, {});
    report.WriteReportHeader({});
    report.AddReportLine(ReportVersionLine(""));  // the same text further down stays
    const PrintJob job = MakePrintJob(report, 8);
    EXPECT_EQ(job.lines[1], "Tavoric 3.1");
    EXPECT_EQ(job.lines.back(), "Tavoric 3.1  -  ");
    EXPECT_EQ(report.Lines()[1], "Tavoric 3.1  -  ");  // the report itself is unchanged
    ASSERT_EQ(job.header.size(), 1U);
    EXPECT_EQ(job.header[0].text, "Tavoric 3.1");
}

TEST(MakePrintJob, HeaderNamesTheSurveyAreaAndTheReport) {
    SetDefaultMessageTexts();
    ReportDocument report(3, {});
    GeneralValues general;
    general.surveyArea = "Centrum Demodorp";
    report.WriteReportHeader(general);
    report.SetCaption("Naar interval - route 0007");
    EXPECT_EQ(MakePrintJob(report, 8).header[0].text,
              "Tavoric 3.1  -  Centrum Demodorp  -  Naar interval - route 0007");
    report.WriteReportHeader({});
    EXPECT_EQ(MakePrintJob(report, 8).header[0].text, "Tavoric 3.1  -  Naar interval - route 0007");
}

TEST(MakePrintJob, HeaderHasVersionAndOwnerFooterHasThePageFields) {
    SetDefaultMessageTexts();
    ReportSettings settings;
    settings.ownerName = "Gemeente X";
    ReportDocument report(2, settings);
    report.AddReportLine("a");
    report.AddReportLine("b");
    const PrintJob job = MakePrintJob(report, 11);
    EXPECT_EQ(job.lines, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(job.bodyPointSize, 11);
    EXPECT_EQ(job.title, "Rapport 2");
    EXPECT_EQ(job.lineCharacter, "\x97");
    ASSERT_EQ(job.header.size(), 2U);
    EXPECT_EQ(job.header[0].text, "Tavoric 3.1");
    EXPECT_EQ(job.header[0].alignment, PrintAlignment::Left);
    EXPECT_EQ(job.header[1].text, "Gemeente X");
    EXPECT_EQ(job.header[1].alignment, PrintAlignment::Right);
    ASSERT_EQ(job.footer.size(), 1U);
    EXPECT_EQ(job.footer[0].alignment, PrintAlignment::Right);
    EXPECT_EQ(FillPageFields(job.footer[0].text, 2, 5), "Pagina 2 van 5");
}

TEST(FillPageFields, ReplacesEveryOccurrence) {
    EXPECT_EQ(FillPageFields("$PAGENUM$/$PAGECOUNT$ ($PAGENUM$)", 3, 12), "3/12 (3)");
    EXPECT_EQ(FillPageFields("geen velden", 1, 1), "geen velden");
}

}  // namespace
}  // namespace tavoric
