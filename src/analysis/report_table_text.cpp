// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/report_table_text.h"

#include "core/text.h"

namespace tavoric {

std::string TableRowText(const ReportTable& table, int row) {
    std::string text;
    text.reserve(static_cast<std::size_t>(table.ColumnCount() * kTableCellWidth));
    for (const std::string_view cell : table.Row(row)) {
        text += PadField("R", cell, " ", kTableCellWidth);
    }
    return text;
}

void WriteTableLines(ReportDocument& report, int labelColumns) {
    const ReportTable& table = report.Table();
    report.ReserveLines(report.Lines().size() + static_cast<std::size_t>(table.RowCount()));
    for (int row = 0; row < table.RowCount(); ++row) {
        report.AddReportLine(TableRowText(table, row));
    }
    report.MarkTableLines(static_cast<std::size_t>(table.RowCount()),
                          labelColumns * kTableCellWidth, kTableCellWidth);
}

}  // namespace tavoric
