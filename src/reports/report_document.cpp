// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report_document.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "core/message_texts.h"
#include "core/text.h"
#include "core/version.h"

namespace tavoric {

void ReportTable::SetSize(int columns, int rows) {
    columns_ = std::max(columns, 1);
    rows_ = std::max(rows, 1);
    cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), {});
    texts_.clear();
}

void ReportTable::SetCell(int column, int row, std::string_view text) {
    CellText& cell = cells_[IndexOf(column, row)];
    if (texts_.size() + text.size() > UINT32_MAX) {
        throw std::length_error("report table too large");
    }
    cell = {static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size())};
    texts_.append(text);
}

std::vector<std::string_view> ReportTable::Row(int row) const {
    std::vector<std::string_view> cells;
    cells.reserve(static_cast<std::size_t>(columns_));
    for (int column = 0; column < columns_; ++column) {
        cells.push_back(Cell(column, row));
    }
    return cells;
}

ReportDocument::ReportDocument(int number, ReportSettings settings)
    : number_(number),
      title_(MessageText("AA00003") + " " + std::to_string(number)),
      settings_(std::move(settings)) {}

std::string ReportVersionLine(std::string_view ownerName) {
    return std::string(kProductName) + " " + kVersionMajorMinor + "  -  " + std::string(ownerName);
}

void ReportDocument::ClearLines() {
    lines_.clear();
    tables_.clear();
}

void ReportDocument::MarkTableLines(std::size_t lineCount, int labelWidth, int columnWidth,
                                    std::size_t headingLines, int closingWidth) {
    const std::size_t count = std::min(lineCount, lines_.size());
    tables_.push_back({lines_.size() - count, count, std::max(0, labelWidth),
                       std::max(1, columnWidth), std::min(headingLines, count),
                       std::max(0, closingWidth)});
}

void WriteReportHeader(ReportLineSink& lines, const ReportSettings& settings,
                       const GeneralValues& general) {
    const std::string version = ReportVersionLine(settings.ownerName);
    const std::size_t width = std::max({version.size(), general.surveyArea.size(),
                                        general.reportText1.size(), general.reportText2.size()});
    const std::string rule = RuleLine(settings, static_cast<int>(width));
    lines.AddReportLine(rule);
    lines.AddReportLine(version);
    for (const std::string* text :
         {&general.surveyArea, &general.reportText1, &general.reportText2}) {
        if (!text->empty()) {
            lines.AddReportLine(*text);
        }
    }
    lines.AddReportLine(rule);
    lines.AddReportLine();
}

std::string RuleLine(const ReportSettings& settings, int width) {
    return PadField("F", settings.lineCharacter, " ", width);
}

void ReportDocument::WriteReportHeader(const GeneralValues& general) {
    ClearLines();
    surveyArea_ = general.surveyArea;
    tavoric::WriteReportHeader(*this, settings_, general);
}

std::string ReportDocument::RuleLine(int width) const {
    return tavoric::RuleLine(settings_, width);
}

std::string ReportDocument::BarText(int width) const {
    return PadField("F", settings_.barCharacter, " ", width);
}

}  // namespace tavoric
