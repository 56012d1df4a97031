// SPDX-License-Identifier: GPL-3.0-or-later
// A report: numbered title, fixed-pitch lines (code page 1252) and, for the analyses, a table of
// text cells that the CSV export writes. Report windows show a document; they never read the
// survey again.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/report_settings.h"
#include "core/survey.h"

namespace tavoric {

// The hidden table of a report: at least 1 x 1 cells, 4 x 4 when the report is made. An interval
// report's table can hold millions of cells, so their texts share one block.
class ReportTable {
public:
    ReportTable() { SetSize(4, 4); }
    // Empties every cell.
    void SetSize(int columns, int rows);
    int ColumnCount() const { return columns_; }
    int RowCount() const { return rows_; }
    // Column and row count from 0, as the grid's cells are addressed; std::out_of_range outside.
    std::string_view Cell(int column, int row) const {
        const CellText cell = cells_[IndexOf(column, row)];
        return {texts_.data() + cell.start, cell.length};
    }
    void SetCell(int column, int row, std::string_view text);
    // The cells of one row, in column order.
    std::vector<std::string_view> Row(int row) const;

private:
    struct CellText {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    std::size_t IndexOf(int column, int row) const {
        if (column < 0 || column >= columns_ || row < 0 || row >= rows_) {
            throw std::out_of_range("no such cell in the report table");
        }
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }

    int columns_ = 0;
    int rows_ = 0;
    std::vector<CellText> cells_;  // row by row
    std::string texts_;            // a rewritten cell's old text stays until SetSize
};

// Report lines that form a table of fixed-width columns after its row labels. Printing keeps
// every row on one line: a table wider than the paper is printed in strips of whole columns,
// each strip with the row labels repeated (and the closing column, where the table has one).
// A page on which the table goes on starts with the table's heading lines again.
struct TableLines {
    std::size_t firstLine = 0;
    std::size_t lineCount = 0;
    int labelWidth = 0;            // characters of row labels at the start of every line
    int columnWidth = 1;           // characters of each column after the labels
    std::size_t headingLines = 0;  // the table's first lines: its column headings
    int closingWidth = 0;          // characters at the end of every line repeated after each strip
};

// Where a report's lines go as they are made: a ReportDocument keeps them for the report window,
// the command-line program writes a long report straight to its file.
class ReportLineSink {
public:
    virtual void AddReportLine(std::string_view text = {}) = 0;

protected:
    ~ReportLineSink() = default;
};

// The standard report header: rule, "Tavoric 3.1  -  OwnerName", the survey area and report
// texts 1 and 2 when not empty, rule, an empty line. The rules span the longest of those lines.
void WriteReportHeader(ReportLineSink& lines, const ReportSettings& settings,
                       const GeneralValues& general);
// The line character of the settings repeated width times.
std::string RuleLine(const ReportSettings& settings, int width);

class ReportDocument final : public ReportLineSink {
public:
    // Title: message text AA00003, a blank and the number ("Rapport 3").
    ReportDocument(int number, ReportSettings settings);

    const std::string& Title() const { return title_; }
    int Number() const { return number_; }
    const ReportSettings& Settings() const { return settings_; }
    // What the report is ("Per parkeerplaats - routes 0001"), for the printed page header.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    // The survey area of the last WriteReportHeader.
    const std::string& SurveyArea() const { return surveyArea_; }

    const std::vector<std::string>& Lines() const { return lines_; }
    void AddReportLine(std::string_view text = {}) override { lines_.emplace_back(text); }
    void ReserveLines(std::size_t count) { lines_.reserve(count); }
    void ClearLines();

    // Clears the lines and writes the standard header (see the function above).
    void WriteReportHeader(const GeneralValues& general);

    std::string RuleLine(int width) const;  // the line character repeated width times
    std::string BarText(int width) const;   // the bar character repeated width times

    // The last lineCount lines form a table (see TableLines), its first headingLines lines the
    // column headings.
    void MarkTableLines(std::size_t lineCount, int labelWidth, int columnWidth,
                        std::size_t headingLines = 0, int closingWidth = 0);
    const std::vector<TableLines>& Tables() const { return tables_; }

    ReportTable& Table() { return table_; }
    const ReportTable& Table() const { return table_; }
    bool HasTableData() const { return hasTableData_; }
    void SetHasTableData(bool value) { hasTableData_ = value; }

private:
    int number_;
    std::string title_;
    ReportSettings settings_;
    std::string caption_;
    std::string surveyArea_;
    std::vector<std::string> lines_;
    std::vector<TableLines> tables_;
    ReportTable table_;
    bool hasTableData_ = false;
};

// "Tavoric 3.1  -  " followed by the owner name.
std::string ReportVersionLine(std::string_view ownerName);

// Numbers of report windows: 1 after start-up or a reset; closing one window does not reuse its
// number.
class ReportCounter {
public:
    int Next() { return ++last_; }
    void Reset() { last_ = 0; }
    int Last() const { return last_; }

private:
    int last_ = 0;
};

}  // namespace tavoric
