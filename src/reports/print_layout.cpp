// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/print_layout.h"

#include <algorithm>

#include "core/message_texts.h"
#include "core/text.h"
#include "core/version.h"

namespace tavoric {

namespace {

constexpr std::string_view kSeparators = "\t ,-";
constexpr std::string_view kPunctuation = ").;";

void ReplaceAll(std::string& text, std::string_view field, std::string_view value) {
    for (std::size_t at = text.find(field); at != std::string::npos;
         at = text.find(field, at + value.size())) {
        text.replace(at, field.size(), value);
    }
}

}  // namespace

std::string PrintVersionText() {
    return std::string(kProductName) + " " + kVersionMajorMinor;
}

PrintJob MakePrintJob(const ReportDocument& report, int pointSize) {
    PrintJob job;
    job.lines = report.Lines();
    job.tables = report.Tables();
    job.lineCharacter = report.Settings().lineCharacter;
    job.bodyPointSize = pointSize;
    job.title = report.Title();
    std::string identity = PrintVersionText();
    for (const std::string& text : {report.SurveyArea(), report.Caption()}) {
        if (!TrimBlanks(text).empty()) {
            identity += "  -  " + text;
        }
    }
    job.header = {{identity, PrintAlignment::Left}};
    const std::string& owner = report.Settings().ownerName;
    if (!TrimBlanks(owner).empty()) {
        job.header.push_back({owner, PrintAlignment::Right});
    } else {
        // The report header's version line, which ends in "  -  " when there is no owner.
        const auto headerEnd =
            job.lines.begin() + std::min<std::ptrdiff_t>(2, std::ssize(job.lines));
        const auto version = std::find(job.lines.begin(), headerEnd, ReportVersionLine(owner));
        if (version != headerEnd) {
            *version = PrintVersionText();
        }
    }
    const std::string pageText = FormatText(
        MessageText("AA00004"), {std::string(kPageNumberField), std::string(kPageCountField)});
    job.footer = {{pageText, PrintAlignment::Right}};
    return job;
}

std::string FillPageFields(std::string_view text, int pageNumber, int pageCount) {
    std::string filled(text);
    ReplaceAll(filled, kPageNumberField, std::to_string(pageNumber));
    ReplaceAll(filled, kPageCountField, std::to_string(pageCount));
    return filled;
}

int CharactersPerLine(double bodyWidth, const std::function<double(int count)>& widthOfWs) {
    // The first count that reaches the body, found by doubling and halving: the same count as
    // adding one letter at a time, for widths that grow with the count.
    int fits = 0;
    int reaches = 1;
    while (widthOfWs(reaches) < bodyWidth) {
        fits = reaches;
        reaches *= 2;
    }
    while (reaches - fits > 1) {
        const int middle = fits + (reaches - fits) / 2;
        (widthOfWs(middle) < bodyWidth ? fits : reaches) = middle;
    }
    return std::max(1, reaches - 1);
}

double BodyWidthMm(double paperWidthMm, double paperHeightMm, bool landscape) {
    return (landscape ? std::max(paperWidthMm, paperHeightMm)
                      : std::min(paperWidthMm, paperHeightMm)) -
           2 * kPrintMarginMm;
}

PageSetup ChoosePageSetup(const PrintJob& job, const PrintOptions& options, double paperWidthMm,
                          double paperHeightMm, const CharactersAt& charactersAt) {
    std::size_t widest = 0;
    for (const std::string& line : job.lines) {
        widest = std::max(widest, line.size());
    }
    const auto fits = [&](bool landscape, double points) {
        return static_cast<std::size_t>(charactersAt(
                   points, BodyWidthMm(paperWidthMm, paperHeightMm, landscape))) >= widest;
    };
    PageSetup setup;
    setup.pointSize = job.bodyPointSize;
    setup.landscape =
        options.orientation == PrintOrientation::Landscape ||
        (options.orientation == PrintOrientation::Automatic && !fits(false, setup.pointSize));
    if (options.fitToPageWidth) {
        while (setup.pointSize - kFitPointStep >= kMinimumFitPointSize &&
               !fits(setup.landscape, setup.pointSize)) {
            setup.pointSize -= kFitPointStep;
        }
    }
    return setup;
}

LineBreaker::LineBreaker(std::string_view line, int m)
    : line_(line), m_(static_cast<std::size_t>(std::max(1, m))), emptyLinePending_(line.empty()) {}

std::size_t LineBreaker::BreakIn(std::string_view window, BreakSet set) const {
    if (set == BreakSet::Cut) {
        return window.size();
    }
    const std::size_t last =
        window.find_last_of(set == BreakSet::Separators ? kSeparators : kPunctuation);
    return last == std::string_view::npos ? 0 : last + 1;
}

std::string_view LineBreaker::NextPiece() {
    emptyLinePending_ = false;
    const std::string_view rest = line_.substr(std::min(position_, line_.size()));
    if (rest.size() <= m_) {
        position_ = line_.size();
        return rest;
    }
    const std::string_view window = rest.substr(0, m_);
    std::size_t length = set_ == BreakSet::None ? 0 : BreakIn(window, set_);
    if (length == 0) {
        for (BreakSet set : {BreakSet::Separators, BreakSet::Punctuation, BreakSet::Cut}) {
            length = BreakIn(window, set);
            if (length > 0) {
                set_ = set;
                break;
            }
        }
    }
    position_ += length;
    return rest.substr(0, length);
}

std::vector<std::string_view> BreakLine(std::string_view line, int m) {
    std::vector<std::string_view> pieces;
    for (LineBreaker breaker(line, m); !breaker.AtEnd();) {
        pieces.push_back(breaker.NextPiece());
    }
    return pieces;
}

PrintPagination::PrintPagination(const std::vector<std::string>& lines, int m, int linesPerPage,
                                 std::vector<TableLines> tables, std::string lineCharacter)
    : lines_(lines),
      m_(std::max(1, m)),
      linesPerPage_(std::max(1, linesPerPage)),
      lineCharacter_(std::move(lineCharacter)) {
    PlanRuns(std::move(tables));
    Paginate();
}

void PrintPagination::PlanRuns(std::vector<TableLines> tables) {
    std::sort(tables.begin(), tables.end(),
              [](const TableLines& a, const TableLines& b) { return a.firstLine < b.firstLine; });
    std::size_t next = 0;
    for (TableLines table : tables) {
        if (table.firstLine < next || table.firstLine >= lines_.size()) {
            continue;
        }
        table.lineCount = std::min(table.lineCount, lines_.size() - table.firstLine);
        if (next < table.firstLine) {
            runs_.push_back({next, table.firstLine});
        }
        AddTableRuns(table);
        next = table.firstLine + table.lineCount;
    }
    if (next < lines_.size()) {
        runs_.push_back({next, lines_.size()});
    }
}

void PrintPagination::AddTableRuns(const TableLines& table) {
    const std::size_t end = table.firstLine + table.lineCount;
    std::size_t widest = 0;
    for (std::size_t line = table.firstLine; line < end; ++line) {
        widest = std::max(widest, lines_[line].size());
    }
    const auto m = static_cast<std::size_t>(m_);
    if (widest <= m) {
        runs_.push_back({table.firstLine, end});
        runs_.back().headingLines = table.headingLines;
        return;
    }
    const auto columnWidth = static_cast<std::size_t>(std::max(1, table.columnWidth));
    std::size_t labelWidth = static_cast<std::size_t>(std::max(0, table.labelWidth));
    if (labelWidth + columnWidth > m) {
        labelWidth = 0;  // labels too wide to repeat: the strips hold the columns only
    }
    std::size_t closingWidth = static_cast<std::size_t>(std::max(0, table.closingWidth));
    if (labelWidth + closingWidth + columnWidth > m || labelWidth + closingWidth >= widest) {
        closingWidth = 0;  // no room to repeat the closing column: it is the last strip's
    }
    const std::size_t closingFrom = widest - closingWidth;
    std::size_t width = m - labelWidth - closingWidth;
    if (width >= columnWidth) {
        width -= width % columnWidth;  // whole columns: no time or figure is cut in two
    }
    for (std::size_t from = labelWidth; from < closingFrom; from += width) {
        Run strip{table.firstLine, end,  true,
                  labelWidth,      from, std::min(width, closingFrom - from)};
        strip.closingFrom = closingFrom;
        strip.closingWidth = closingWidth;
        strip.startsPage = from > labelWidth;
        strip.headingLines = table.headingLines;
        runs_.push_back(strip);
    }
}

template <typename Visit>
void PrintPagination::Walk(Position start, Visit printed) const {
    const auto m = static_cast<std::size_t>(m_);
    for (std::size_t run = start.run; run < runs_.size(); ++run) {
        const Run& r = runs_[run];
        const std::size_t firstLine = run == start.run ? start.line : r.firstLine;
        for (std::size_t line = firstLine; line < r.endLine; ++line) {
            const std::string_view text = lines_[line];
            if (r.strip || text.size() <= m) {
                if (!printed(Position{run, line, 0}, PartsOf(r, line))) {
                    return;
                }
                continue;
            }
            LineBreaker breaker(text, m_);
            int piece = 0;
            for (; run == start.run && line == start.line && piece < start.piece; ++piece) {
                breaker.NextPiece();
            }
            for (; !breaker.AtEnd(); ++piece) {
                if (!printed(Position{run, line, piece}, Parts{{}, breaker.NextPiece(), {}})) {
                    return;
                }
            }
        }
    }
}

std::string PrintPagination::Parts::Text() const {
    std::string text;
    text.reserve(labels.size() + columns.size() + closing.size());
    return text.append(labels).append(columns).append(closing);
}

PrintPagination::Parts PrintPagination::PartsOf(const Run& run, std::size_t line) const {
    const std::string_view text = lines_[line];
    if (!run.strip) {
        return {{}, text, {}};
    }
    const auto part = [text](std::size_t from, std::size_t width) {
        return text.substr(std::min(from, text.size()), width);
    };
    return {part(0, run.labelWidth), part(run.from, run.width),
            part(run.closingFrom, run.closingWidth)};
}

bool PrintPagination::RepeatsHeadings(Position start) const {
    const Run& run = runs_[start.run];
    const auto room = static_cast<std::size_t>(linesPerPage_);
    return run.headingLines > 0 && start.line >= run.firstLine + run.headingLines &&
           run.headingLines + 2 <= room;
}

bool PrintPagination::IsRule(const Parts& parts) const {
    const auto ruled = [this](std::string_view part) {
        return part.find_first_not_of(lineCharacter_) == std::string_view::npos;
    };
    return !lineCharacter_.empty() && !parts.Empty() && ruled(parts.labels) &&
           ruled(parts.columns) && ruled(parts.closing);
}

void PrintPagination::Paginate() {
    pageStarts_.push_back({});
    int onPage = 0;
    Position previous;
    bool previousIsText = false;  // neither empty nor a rule
    Walk({}, [&](Position at, const Parts& parts) {
        const Run& run = runs_[at.run];
        const bool stripStart = run.startsPage && at.line == run.firstLine && at.piece == 0;
        if (onPage > 0 && (onPage >= linesPerPage_ || stripStart)) {
            // A rule that closes the text above does not stand alone at the top of a page.
            const bool loneRule =
                !stripStart && linesPerPage_ > 1 && previousIsText && IsRule(parts);
            const Position start = loneRule ? previous : at;
            const bool headings = RepeatsHeadings(start);
            pageStarts_.push_back({start, headings});
            onPage = (loneRule ? 1 : 0) +
                     (headings ? static_cast<int>(runs_[start.run].headingLines) : 0);
        }
        ++onPage;
        previous = at;
        previousIsText = !parts.Empty() && !IsRule(parts);
        return true;
    });
}

std::vector<std::string> PrintPagination::PageLines(int pageIndex) const {
    std::vector<std::string> printed;
    if (pageIndex < 0 || pageIndex >= PageCount()) {
        return printed;
    }
    const auto index = static_cast<std::size_t>(pageIndex);
    const bool last = index + 1 == pageStarts_.size();
    const Position end = last ? Position{runs_.size(), 0, 0} : pageStarts_[index + 1].at;
    const PageStart& page = pageStarts_[index];
    if (page.headings) {
        const Run& run = runs_[page.at.run];
        for (std::size_t line = run.firstLine; line < run.firstLine + run.headingLines; ++line) {
            printed.push_back(PartsOf(run, line).Text());
        }
    }
    Walk(page.at, [&](Position at, const Parts& parts) {
        if (!(at < end)) {
            return false;
        }
        printed.push_back(parts.Text());
        return true;
    });
    return printed;
}

}  // namespace tavoric
