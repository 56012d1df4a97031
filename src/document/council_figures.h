// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the council report, all from one selection of slots: the charts' figures, the
// table of the report per parking place and the key figures drawn from them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/per_place_table.h"
#include "charts/chart_data.h"
#include "charts/survey_comparison.h"

namespace tavoric {

// This survey (A) beside another survey of the same area (B) in the same selection.
struct CouncilComparison {
    SurveyComparison figures;
    std::string nameOfB;  // B's file name, code page 1252
};

struct CouncilFigures {
    ChartData charts;
    PerPlaceTable perPlace;
    std::optional<CouncilComparison> comparison;  // the report's comparison chapter, if asked
};

// Selects the slots as the per-place analysis does and computes the charts' figures and the
// table per place from them. Nothing when the progress reports a cancel during the selection.
std::optional<CouncilFigures> ComputeCouncilFigures(const Survey& survey,
                                                    const AnalysisParameters& parameters,
                                                    int threshold, Progress& progress);

// The key figures: the totals row of the report per place, the area's peak over the day, the
// motive shares and the sections above the pressure norm.
struct SurveySummary {
    PlaceFigures totals;
    std::optional<ClockOccupancy> peak;  // the first clock time with the highest occupancy
    std::array<std::int64_t, kMotiveCount> motivePercent{};
    int sectionsAboveNorm = 0;  // sections whose peak is above the norm
    int sections = 0;
    int threshold = kDefaultPressureThreshold;
};

SurveySummary Summarise(const CouncilFigures& figures);

// One row of the key figures: its name in the CSV and its value as written there.
struct SummaryRow {
    const char* name;  // "parkeerplaatsen"
    std::string value;
};
std::array<SummaryRow, 14> SummaryRows(const SurveySummary& summary);

// UTF-8, comma, CR LF: "kenmerk,waarde" and one row per key figure, the turnover with its
// decimal comma (and so in quotes).
std::string SummaryCsv(const SurveySummary& summary);

}  // namespace tavoric
