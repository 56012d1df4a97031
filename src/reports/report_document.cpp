// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report_document.h"

#include <algorithm>

#include "core/message_texts.h"
#include "core/text.h"
#include "core/version.h"

namespace tavoric {

void ReportTable::SetSize(int columns, int rows) {
    columns_ = std::max(columns, 1);
    cells_.resize(static_cast<std::size_t>(std::max(rows, 1)));
    for (auto& row : cells_) {
        row.resize(static_cast<std::size_t>(columns_));
    }
}

const std::string& ReportTable::Cell(int column, int row) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void ReportTable::SetCell(int column, int row, std::string text) {
    cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = std::move(text);
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

void ReportDocument::MarkTableLines(std::size_t lineCount, int labelWidth, int columnWidth) {
    const std::size_t count = std::min(lineCount, lines_.size());
    tables_.push_back(
        {lines_.size() - count, count, std::max(0, labelWidth), std::max(1, columnWidth)});
}

void ReportDocument::WriteReportHeader(const GeneralValues& general) {
    ClearLines();
    const std::string version = ReportVersionLine(settings_.ownerName);
    const std::size_t width = std::max({version.size(), general.surveyArea.size(),
                                        general.reportText1.size(), general.reportText2.size()});
    const std::string rule = RuleLine(static_cast<int>(width));
    AddReportLine(rule);
    AddReportLine(version);
    for (const std::string* text :
         {&general.surveyArea, &general.reportText1, &general.reportText2}) {
        if (!text->empty()) {
            AddReportLine(*text);
        }
    }
    AddReportLine(rule);
    AddReportLine();
}

std::string ReportDocument::RuleLine(int width) const {
    return PadField("F", settings_.lineCharacter, " ", width);
}

std::string ReportDocument::BarText(int width) const {
    return PadField("F", settings_.barCharacter, " ", width);
}

}  // namespace tavoric
