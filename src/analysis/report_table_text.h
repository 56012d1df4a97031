// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis tables as report lines: every cell right-aligned in 6 characters.
#pragma once

#include <string>

#include "reports/report_document.h"

namespace tavoric {

constexpr int kTableCellWidth = 6;

std::string TableRowText(const ReportTable& table, int row);
// Appends one line per table row and marks them as a table whose first labelColumns cells
// label the rows, whose first headingRows rows are the column headings and whose last
// closingColumns cells print again after every strip of a wide table.
void WriteTableLines(ReportDocument& report, int labelColumns, int headingRows,
                     int closingColumns = 0);

}  // namespace tavoric
