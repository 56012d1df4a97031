// SPDX-License-Identifier: GPL-3.0-or-later
// The report per parking place as a clean table for spreadsheets: one header row of full names,
// one row per place and the totals row, numbers as numbers, in UTF-8.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/per_place_report.h"

namespace tavoric {

struct PerPlaceTableRow {
    std::string route;    // code page 1252, as in the place key
    std::string section;  // code page 1252
    std::string place;    // code page 1252
    std::string type;     // code page 1252
    PlaceFigures figures;
};

// The figures the report per place shows, gathered while it is written.
struct PerPlaceTable {
    std::vector<PerPlaceTableRow> places;
    PlaceFigures totals;
};

using PerPlaceRowVisit = std::function<void(PerPlaceTableRow&& row)>;
// Computes the row of each place of the slots in turn and hands it to visit; returns the totals
// row. Moves the progress from 80 to 100 %.
PlaceFigures ForEachPerPlaceRow(const ObservationSlots& slots, const LineList& routes,
                                const AnalysisParameters& parameters, Progress& progress,
                                const PerPlaceRowVisit& visit);
// Every row and the totals, as the report per place shows them.
PerPlaceTable ComputePerPlaceTable(const ObservationSlots& slots, const LineList& routes,
                                   const AnalysisParameters& parameters, Progress& progress);

// The column names, which programs read (never translated).
const std::vector<std::string>& PerPlaceTableColumns();
// The type column's text of the totals row.
constexpr const char* kTotalsRowName = "totaal";
// The turnover as a number (the report writes it with a decimal comma).
double TurnoverNumber(const PlaceFigures& figures);

// The table as CSV: UTF-8, comma, CR LF, texts safe from formula use, the turnover with a
// decimal point; the last row "totaal" holds the totals with route, section and place empty.
std::string PerPlaceTableCsv(const PerPlaceTable& table);

}  // namespace tavoric
