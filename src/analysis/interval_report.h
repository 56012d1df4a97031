// SPDX-License-Identifier: GPL-3.0-or-later
// The report per interval: how many vehicles stood in the selection period by period, and every
// distinct presence pattern (the periods in which a plate stood at its place) as a bar diagram
// row with the number of vehicles that had it.
#pragma once

#include <cstddef>
#include <string>

#include "analysis/analysis_parameters.h"
#include "reports/report_document.h"

namespace tavoric {

class ObservationSlots;
struct IntervalTable;
struct Slot;

// The largest report the section makes: a day at a one-minute interval, and a table (or detail
// list) of about 4 million cells, some hundreds of megabytes. A hand-made file with thousands of
// distinct periods would otherwise need gigabytes and minutes.
constexpr std::size_t kMaxIntervalPeriods = 1440;
constexpr std::size_t kMaxIntervalCells = 4'000'000;

// Places whose slots cover different periods are aligned on one time axis: the sorted distinct
// periods of the selection; a place without a slot in a period shows "0" there. A selection
// beyond the limits gets the refusal instead of the table, which is also returned (empty when
// the report was made).
// With cleanTable, the same rows are gathered there as well.
std::string WriteIntervalSection(ReportDocument& report, const ObservationSlots& slots,
                                 const AnalysisParameters& parameters,
                                 IntervalTable* cleanTable = nullptr);

// Why a table of this many periods and distinct patterns, and a detail list of this many vehicles
// (0 without one), would be too large, naming the limit met and the counts; empty when it fits.
std::string IntervalLimitRefusal(std::size_t periods, std::size_t patterns,
                                 std::size_t detailVehicles);

// Whether a table of this many periods and distinct patterns, and a detail list of this many
// vehicles (0 without one), stays within the limits.
bool FitsIntervalLimits(std::size_t periods, std::size_t patterns, std::size_t detailVehicles);

}  // namespace tavoric
