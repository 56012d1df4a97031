// The print job of a report and how its lines fall onto pages: the break rules for lines wider
// than the paper, and the pagination, given how many characters fit on a printed line and how
// many lines fit on a page. Drawing is the desktop's part; it measures those two numbers in the
// body font and asks this layout what each page holds.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_document.h"

namespace tavoric {

// Page geometry in millimetres, the same on every page.
inline constexpr double kPrintMarginMm = 15.0;     // paper edge to text body, all four sides
inline constexpr double kPrintHeaderMm = 10.0;     // top paper edge to the header line
inline constexpr double kPrintFooterMm = 10.0;     // bottom paper edge to the footer line
inline constexpr double kPrintTextIndentMm = 2.0;  // header/footer text inside the margins
inline constexpr double kPrintTextGapMm = 0.5;     // between a header/footer line and its text
inline constexpr double kPrintRuleWidthMm = 0.2;   // the thin header and footer lines

inline constexpr std::string_view kPageNumberField = "$PAGENUM$";
inline constexpr std::string_view kPageCountField = "$PAGECOUNT$";

enum class PrintAlignment { Left, Right };

// One text of the page header or footer line.
struct PrintHeaderItem {
    std::string text;
    PrintAlignment alignment = PrintAlignment::Left;
};

struct PrintJob {
    std::vector<std::string> lines;  // the report's lines, code page 1252
    std::string bodyFont = "Courier New";
    int bodyPointSize = 8;
    int tabWidth = 8;
    std::string title;  // the report's title, the name the job is spooled under
    std::string headerFont = "Arial";
    int headerPointSize = 10;
    std::vector<PrintHeaderItem> header;
    std::vector<PrintHeaderItem> footer;  // texts may hold the page number and count fields
};

// "Tavoric 3.1": the report header's version line without the owner name.
std::string PrintVersionText();

// The job of the print command for a report shown at pointSize: all its lines, the version text
// left and the owner name right in the header, "Pagina $PAGENUM$ van $PAGECOUNT$" right in the
// footer.
PrintJob MakePrintJob(const ReportDocument& report, int pointSize);

// A header or footer text with the page number (from 1) and the page count filled in.
std::string FillPageFields(std::string_view text, int pageNumber, int pageCount);

// Characters per printed line: letters "W" are added while their width (as measured) stays
// narrower than the body; the result is the count of the first string that reaches the body's
// width, minus one. At least 1, so that a font wider than the paper still prints.
int CharactersPerLine(double bodyWidth, const std::function<double(int count)>& widthOfWs);

// Walks the printed pieces of one report line at most m characters wide. A piece ends at the
// last tab, blank, comma or hyphen that keeps it within m characters; a line without such a
// break is tried with ")", "." and ";"; a line without either is cut every m characters. The
// break character stays at the end of its piece. Once the chosen break set finds no more break,
// the rest is broken again by the same rules, so that no text runs past the right margin.
class LineBreaker {
public:
    LineBreaker(std::string_view line, int m);
    bool AtEnd() const { return position_ >= line_.size() && !emptyLinePending_; }
    std::string_view NextPiece();

private:
    enum class BreakSet { None, Separators, Punctuation, Cut };
    std::size_t BreakIn(std::string_view window, BreakSet set) const;

    std::string_view line_;
    std::size_t m_;
    std::size_t position_ = 0;
    BreakSet set_ = BreakSet::None;
    bool emptyLinePending_;
};

// Every piece of a line, in order; an empty line is one empty piece.
std::vector<std::string_view> BreakLine(std::string_view line, int m);

// The pages of a job's lines, counted before any page is drawn.
class PrintPagination {
public:
    // m: characters per printed line; linesPerPage: printed lines between the top and bottom
    // margins. Both count as at least 1. The lines must outlive the pagination.
    PrintPagination(const std::vector<std::string>& lines, int m, int linesPerPage);

    int PageCount() const { return static_cast<int>(pageStarts_.size()); }
    int CharactersPerLine() const { return m_; }
    int LinesPerPage() const { return linesPerPage_; }
    // The printed lines of a page (index from 0), views into the job's lines.
    std::vector<std::string_view> PageLines(int pageIndex) const;

private:
    // A page begins at this piece of this report line.
    struct PageStart {
        std::size_t line;
        int piece;
    };

    const std::vector<std::string>& lines_;
    int m_;
    int linesPerPage_;
    std::vector<PageStart> pageStarts_;
};

}  // namespace tavoric
