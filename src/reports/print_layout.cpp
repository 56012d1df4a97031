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
    job.bodyPointSize = pointSize;
    job.title = report.Title();
    job.header = {{PrintVersionText(), PrintAlignment::Left},
                  {report.Settings().ownerName, PrintAlignment::Right}};
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
    int count = 1;
    while (widthOfWs(count) < bodyWidth) {
        ++count;
    }
    return std::max(1, count - 1);
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

PrintPagination::PrintPagination(const std::vector<std::string>& lines, int m, int linesPerPage)
    : lines_(lines), m_(std::max(1, m)), linesPerPage_(std::max(1, linesPerPage)) {
    pageStarts_.push_back({0, 0});
    int onPage = 0;
    const auto place = [&](std::size_t line, int piece) {
        if (onPage == linesPerPage_) {
            pageStarts_.push_back({line, piece});
            onPage = 0;
        }
        ++onPage;
    };
    const auto width = static_cast<std::size_t>(m_);
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        if (lines_[line].size() <= width) {
            place(line, 0);
            continue;
        }
        int piece = 0;
        for (LineBreaker breaker(lines_[line], m_); !breaker.AtEnd(); breaker.NextPiece()) {
            place(line, piece++);
        }
    }
}

std::vector<std::string_view> PrintPagination::PageLines(int pageIndex) const {
    std::vector<std::string_view> printed;
    if (pageIndex < 0 || pageIndex >= PageCount()) {
        return printed;
    }
    const PageStart start = pageStarts_[static_cast<std::size_t>(pageIndex)];
    const auto wanted = static_cast<std::size_t>(linesPerPage_);
    for (std::size_t line = start.line; line < lines_.size() && printed.size() < wanted; ++line) {
        LineBreaker breaker(lines_[line], m_);
        for (int skipped = 0; line == start.line && skipped < start.piece; ++skipped) {
            breaker.NextPiece();
        }
        while (!breaker.AtEnd() && printed.size() < wanted) {
            printed.push_back(breaker.NextPiece());
        }
    }
    return printed;
}

}  // namespace tavoric
