// SPDX-License-Identifier: GPL-3.0-or-later
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

// The smallest body size that fitting to the page width chooses.
inline constexpr double kMinimumFitPointSize = 6.0;
inline constexpr double kFitPointStep = 0.5;

struct PrintJob {
    std::vector<std::string> lines;  // the report's lines, code page 1252
    std::vector<TableLines> tables;  // rows printed whole, in strips when too wide
    std::string lineCharacter;       // the rule character: a page never starts with a lone rule
    std::string bodyFont = "Courier New";
    int bodyPointSize = 8;
    int tabWidth = 8;
    std::string title;  // the report's title, the name the job is spooled under
    std::string headerFont = "Arial";
    int headerPointSize = 10;
    std::vector<PrintHeaderItem> header;
    std::vector<PrintHeaderItem> footer;  // texts may hold the page number and count fields
    PrintOptions options;                 // orientation and fitting, see ChoosePageSetup
};

// "Tavoric 3.1": the report header's version line without the owner name.
std::string PrintVersionText();

// The job of the print command for a report shown at pointSize: all its lines, the version text
// followed by the survey area and the report's caption (where known) left and the owner name
// right in the header, "Pagina $PAGENUM$ van $PAGECOUNT$" right in the
// footer. Without an owner name the page header holds the version text only and the report's
// version line prints without its trailing "  -  ".
PrintJob MakePrintJob(const ReportDocument& report, int pointSize);

// Paper orientation and body size of a job, after the user's choices and the fitting.
struct PageSetup {
    bool landscape = false;
    double pointSize = 8;
};

// Characters per printed line of the body font at a size on a body width in millimetres, as
// the desktop measures them (see CharactersPerLine).
using CharactersAt = std::function<int(double pointSize, double bodyWidthMm)>;

// The body width in millimetres of a paper turned as the setup says; paperMm in portrait.
double BodyWidthMm(double paperWidthMm, double paperHeightMm, bool landscape);

// Orientation: as chosen, or for Automatic portrait when the widest line fits portrait at the
// job's size and landscape otherwise. Fitting lowers the size in half points, not below
// kMinimumFitPointSize, until the widest line fits; it never enlarges.
PageSetup ChoosePageSetup(const PrintJob& job, const PrintOptions& options, double paperWidthMm,
                          double paperHeightMm, const CharactersAt& charactersAt);

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

// The text pages of a job's lines, counted before any page is drawn. Lines wider than m are
// broken by LineBreaker, except the rows of a table: a table wider than m prints in strips of
// whole columns, each strip on a new page with the row labels (and the table's closing column)
// repeated, so that every row stays one printed line. A page on which a table goes on starts with
// the table's heading lines (of its strip), when the page has room for them and a row. A page never
// starts with a rule line that closes the text above it: the line before the rule moves along to
// the new page.
class PrintPagination {
public:
    // m: characters per printed line; linesPerPage: printed lines between the top and bottom
    // margins. Both count as at least 1. The lines must outlive the pagination.
    PrintPagination(const std::vector<std::string>& lines, int m, int linesPerPage,
                    std::vector<TableLines> tables = {}, std::string lineCharacter = {});

    int PageCount() const { return static_cast<int>(pageStarts_.size()); }
    int CharactersPerLine() const { return m_; }
    int LinesPerPage() const { return linesPerPage_; }
    // The printed lines of a page (index from 0).
    std::vector<std::string> PageLines(int pageIndex) const;

private:
    // Report lines printed one way: broken at m, or one strip of a table.
    struct Run {
        std::size_t firstLine;
        std::size_t endLine;
        bool strip = false;
        std::size_t labelWidth = 0;  // strip: characters repeated from each line's start
        std::size_t from = 0;        // strip: the columns printed after the labels
        std::size_t width = 0;
        std::size_t closingFrom = 0;  // strip: the closing column printed after the columns
        std::size_t closingWidth = 0;
        bool startsPage = false;       // strip: the strips after the first begin a page
        std::size_t headingLines = 0;  // table: its first lines, repeated where it goes on
    };
    // A printed line: a piece of a report line within a run.
    struct Position {
        std::size_t run = 0;
        std::size_t line = 0;
        int piece = 0;
        auto operator<=>(const Position&) const = default;
    };
    // A printed line as the parts of its report line: the labels, the columns of the strip (or
    // the piece of a broken line) and the closing column.
    struct Parts {
        std::string_view labels;
        std::string_view columns;
        std::string_view closing;
        bool Empty() const { return labels.empty() && columns.empty() && closing.empty(); }
        std::string Text() const;
    };
    struct PageStart {
        Position at;
        bool headings = false;  // the page repeats the heading lines of its table
    };

    void PlanRuns(std::vector<TableLines> tables);
    void AddTableRuns(const TableLines& table);
    void Paginate();
    // Calls printed(position, parts) for every printed line from start on until it returns
    // false.
    template <typename Visit>
    void Walk(Position start, Visit printed) const;
    bool IsRule(const Parts& parts) const;
    // A line as a run prints it, for lines that are not broken.
    Parts PartsOf(const Run& run, std::size_t line) const;
    // A page starting there repeats the heading lines of its table.
    bool RepeatsHeadings(Position start) const;

    const std::vector<std::string>& lines_;
    int m_;
    int linesPerPage_;
    std::string lineCharacter_;
    std::vector<Run> runs_;
    std::vector<PageStart> pageStarts_;
};

}  // namespace tavoric
