// SPDX-License-Identifier: GPL-3.0-or-later
// The report per parking place: per place its capacity, the stays by duration class, parking
// pressure, wrongly parked vehicles, mean occupancy, mean duration and turnover, and the totals.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "analysis/analysis_parameters.h"
#include "core/progress.h"
#include "reports/report_document.h"

namespace tavoric {

class ObservationSlots;
struct Slot;

struct PlaceFigures {
    int capacityPpl = 1;
    int capacityPpe = 0;  // slots not marked blocked
    std::array<int, kDurationClassCount> classCount{};
    std::array<std::int64_t, kDurationClassCount> classPercent{};
    int vehicles = 0;       // stays
    int occupiedSlots = 0;  // slots of all stays
    int wronglyParked = 0;
    std::int64_t meanOccupancy = 0;
    std::int64_t meanDuration = 0;
    std::string turnover = "0,0";
    std::int64_t placeMinutes = 0;
};

// The figures of the slots [first, last) of one place, all on a route with this interval.
PlaceFigures ComputePlaceFigures(const ObservationSlots& slots, std::size_t first, std::size_t last,
                                 int interval, const AnalysisParameters& parameters);

using PlaceFiguresVisit =
    std::function<void(std::size_t first, std::size_t last, const PlaceFigures& figures)>;
// Computes the figures of each place of the slots in turn, its route's interval looked up once
// per route, and hands them to visit with the place's slots [first, last).
void ForEachPlaceFigures(const ObservationSlots& slots, const LineList& routes,
                         const AnalysisParameters& parameters, const PlaceFiguresVisit& visit);

// Type code "I" in either letter case.
bool IsIllegalType(std::string_view type);

// The totals row: sums of the places' figures, the capacities without illegal places when the
// parameters leave them out; percentages, means and turnover from those sums.
class FigureTotals {
public:
    FigureTotals();
    void Add(const PlaceFigures& place, bool illegal, const AnalysisParameters& parameters);
    PlaceFigures Figures() const;

private:
    PlaceFigures figures_;
    std::int64_t minutes_ = 0;
};

struct PerPlaceTable;

// Writes the section title, the table with its notes, the type legend and the abbreviations,
// and fills the report's table; with cleanTable, gathers the same figures there as well. Moves
// the progress from 80 to 100 %.
void WritePerPlaceSection(ReportDocument& report, const ObservationSlots& slots,
                          const LineList& routes, const AnalysisParameters& parameters,
                          Progress& progress, PerPlaceTable* cleanTable = nullptr);

}  // namespace tavoric
