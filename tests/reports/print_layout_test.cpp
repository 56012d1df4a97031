#include "reports/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/message_texts.h"

namespace tavoric {
namespace {

using Pieces = std::vector<std::string_view>;

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
    EXPECT_EQ(pages.PageLines(0), Pieces({"regel1", "regel2", "regel3"}));
    EXPECT_EQ(pages.PageLines(2), Pieces({"regel7"}));
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
    EXPECT_EQ(pages.PageLines(0), Pieces({"een", "aaaa "}));
    EXPECT_EQ(pages.PageLines(1), Pieces({"bbbb ", "cccc"}));
    EXPECT_EQ(pages.PageLines(2), Pieces({"", "twee"}));
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
