// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/report_table_text.h"

namespace tavoric {

std::string TableRowText(const ReportTable& table, int row) {
    std::string text;
    text.reserve(static_cast<std::size_t>(table.ColumnCount() * kTableCellWidth));
    // Each cell right-aligned in its width and cut to it.
    constexpr auto kWidth = static_cast<std::size_t>(kTableCellWidth);
    for (int column = 0; column < table.ColumnCount(); ++column) {
        const std::string_view cell = table.Cell(column, row).substr(0, kWidth);
        text.append(kWidth - cell.size(), ' ');
        text += cell;
    }
    return text;
}

void WriteTableLines(ReportDocument& report, int labelColumns, int headingRows,
                     int closingColumns) {
    const ReportTable& table = report.Table();
    report.ReserveLines(report.Lines().size() + static_cast<std::size_t>(table.RowCount()));
    for (int row = 0; row < table.RowCount(); ++row) {
        report.AddReportLine(TableRowText(table, row));
    }
    report.MarkTableLines(static_cast<std::size_t>(table.RowCount()),
                          labelColumns * kTableCellWidth, kTableCellWidth,
                          static_cast<std::size_t>(headingRows), closingColumns * kTableCellWidth);
}

}  // namespace tavoric
