// The report per parking place: per place its capacity, the stays by duration class, parking
// pressure, wrongly parked vehicles, mean occupancy, mean duration and turnover, and the totals.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/analysis_parameters.h"
#include "core/progress.h"
#include "reports/report_document.h"

namespace tavoric {

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
PlaceFigures ComputePlaceFigures(const LineList& slots, std::size_t first, std::size_t last,
                                 int interval, const AnalysisParameters& parameters);

// Writes the section title, the table with its notes, the type legend and the abbreviations,
// and fills the report's table. Moves the progress from 80 to 100 %.
void WritePerPlaceSection(ReportDocument& report, const LineList& slots,
                          const LineList& selectedPlaces, const LineList& routes,
                          const AnalysisParameters& parameters, Progress& progress);

}  // namespace tavoric
