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
#include "charts/survey_comparison.h"
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
// the motives; the first sheet from the general data and selection the figures carry.
std::optional<std::string> ChartWorkbook(const ChartData& data, std::string& error);

// The selection behind the charts: that of SelectionFacts, the motive bounds and the threshold of
// parking pressure.
std::vector<SheetFact> ChartSelectionFacts(const ChartData& data);

// The workbook of a comparison of two surveys: a first sheet naming A and B (file name, area,
// day and date) with the selection, then a sheet per comparison with the columns of its CSV.
// The names are code page 1252.
std::optional<std::string> ComparisonWorkbook(const SurveyComparison& comparison,
                                              const std::string& nameA, const std::string& nameB,
                                              std::string& error);

// What an analysis report keeps for its exports beside its text: the general data and sections
// its run saw, its selection and its clean tables.
struct AnalysisExports {
    GeneralValues general;
    LineList sectionLines;
    AnalysisParameters parameters;
    CleanTables tables;
};

// The report's clean table as CSV (UTF-8): per place the places and the totals, per interval the
// presence patterns, by motive the vehicles per clock time (as tavoric-cli writes them).
std::string CleanTableCsv(const AnalysisExports& analysis);
// The report's workbook: that of AnalysisWorkbook or MotiveWorkbook.
std::optional<std::string> ReportWorkbook(const AnalysisExports& analysis, std::string& error);

}  // namespace tavoric
