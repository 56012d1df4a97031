// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of a chart as a CSV file, for checking and for spreadsheets: UTF-8, comma-
// separated, CR LF line ends, one header line; a field is quoted only when it holds a comma, a
// double quote or a line break.
#pragma once

#include <string>
#include <vector>

#include "charts/chart_texts.h"

namespace tavoric {

std::string ChartCsv(ChartKind kind, const ChartData& data);
// The names of its header line, which programs read (never translated).
std::vector<std::string> ChartCsvColumns(ChartKind kind);

}  // namespace tavoric
