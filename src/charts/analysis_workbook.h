// SPDX-License-Identifier: GPL-3.0-or-later
// The analyses as Excel workbooks: a first sheet "Onderzoek" with the survey's general data and
// the selection used, then a sheet per table, named in the program's language. The columns
// carry the names of the clean CSV tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_parameters.h"
#include "analysis/parking_duration_analysis.h"
#include "charts/chart_data.h"
#include "core/workbook.h"

namespace tavoric {

// The selection the parameters describe: time window, places, routes, sections and types; with
// the duration classes and the counting of illegal places for the reports per place and per
// interval, and the motive bounds for the motive report.
std::vector<SheetFact> SelectionFacts(const AnalysisParameters& parameters);

// The workbook of a run of the report per place or per interval: its clean tables (per
// interval the patterns, and the detail list when the run made one). The result is the file's
// bytes; nothing when it could not be made, with the reason in error (code page 1252).
std::optional<std::string> AnalysisWorkbook(const GeneralValues& general,
                                            const AnalysisParameters& parameters,
                                            const CleanTables& tables, std::string& error);

// The workbook of the motive report: the vehicles per motive, per clock time and per section.
std::optional<std::string> MotiveWorkbook(const GeneralValues& general,
                                          const AnalysisParameters& parameters,
                                          const MotiveFigures& figures,
                                          const LineList& sectionLines, std::string& error);

// The workbook of the charts: occupancy over the day, the sections, street and time as a grid
// (sections down, clock times across, coloured by parking pressure), the duration classes and
// the motives.
std::optional<std::string> ChartWorkbook(const GeneralValues& general,
                                         const AnalysisParameters& parameters,
                                         const ChartData& data, std::string& error);

}  // namespace tavoric
