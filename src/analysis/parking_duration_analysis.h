// SPDX-License-Identifier: GPL-3.0-or-later
// One analysis run: selects the places and slots, writes the report heading and then the
// report per parking place, per interval or by parking motive into a report the caller made.
#pragma once

#include <optional>

#include "analysis/analysis_parameters.h"
#include "analysis/interval_table.h"
#include "analysis/parking_motive.h"
#include "analysis/per_place_table.h"
#include "core/progress.h"
#include "core/survey.h"
#include "reports/report_document.h"

namespace tavoric {

// The clean tables for spreadsheets that a run gathers beside its report: the one of its kind
// (for the motive report its figures).
struct CleanTables {
    PerPlaceTable perPlace;
    IntervalTable interval;
    MotiveFigures motive;
};

// A run cancelled through the progress during the selection leaves the heading lines and a
// last line that says the run was cancelled, so that the report cannot pass for a finished one.
// Returns why the report was refused as too large; empty when it was not. With tables, the
// report's figures are also gathered there as a clean table.
std::string RunParkingDurationAnalysis(const Survey& survey, const AnalysisParameters& parameters,
                                       ReportDocument& report, Progress& progress,
                                       CleanTables* tables = nullptr);

// The run of the motive report, which also gives its figures; nothing when cancelled.
std::optional<MotiveFigures> RunMotiveAnalysis(const Survey& survey,
                                               const AnalysisParameters& parameters,
                                               ReportDocument& report, Progress& progress);

}  // namespace tavoric
