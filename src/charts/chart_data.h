// SPDX-License-Identifier: GPL-3.0-or-later
// The figures behind the charts of an analysis selection: occupancy at every clock time of the
// area and of each section, parking pressure per section and the duration classes. All are computed
// from the slots the per-place analysis selects, so that they agree with its report.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_parameters.h"
#include "analysis/parking_motive.h"
#include "core/progress.h"
#include "core/settings.h"
#include "core/survey.h"

namespace tavoric {

class ObservationSlots;
struct Slot;

// Occupancy at one clock time (analysis/clock_times.h) over the slots covering it.
struct ClockOccupancy {
    std::string time;            // HHMM
    int minutes = 0;             // after midnight of the survey day
    int capacity = 0;            // slots that count as capacity
    int vehicles = 0;            // slots holding a vehicle
    std::int64_t occupancy = 0;  // vehicles / capacity in whole percent
};

// Parking pressure of one section ("straat") over the selection.
struct SectionPressure {
    std::string route;           // four digits
    std::string section;         // four digits
    std::string description;     // from the sections list; empty when the section has no line
    int places = 0;              // places with slots
    int capacity = 0;            // slots that count as capacity
    int occupied = 0;            // slots holding a vehicle
    std::int64_t occupancy = 0;  // occupied / capacity in whole percent
    std::int64_t peak = 0;       // the highest occupancy at one clock time within the section
    std::vector<ClockOccupancy> byClockTime = {};  // the clock times its slots cover
    // A selected slot holds a plate or a remark. Without one the section was not surveyed in
    // the selection: its zeros are no figures.
    bool observed = false;
};

// The stays of one duration class, as in the totals row of the report per parking place.
struct DurationShare {
    DurationClass range;
    int vehicles = 0;
    std::int64_t percent = 0;
};
using DurationDistribution = std::array<DurationShare, kDurationClassCount>;

// A slot counts as capacity unless its place is blocked ("b") or, with illegal places left out
// of the capacity in slots, its place is illegal.
bool SlotCountsAsCapacity(const Slot& slot, const AnalysisParameters& parameters);

// One entry per clock time of the slots, ascending.
std::vector<ClockOccupancy> OccupancyByClockTime(const ObservationSlots& slots,
                                                 const AnalysisParameters& parameters);
// One entry per section with slots, in the order of the slots (ascending place key).
std::vector<SectionPressure> PressureBySection(const ObservationSlots& slots,
                                               const LineList& sectionLines,
                                               const AnalysisParameters& parameters);
DurationDistribution DurationsOf(const ObservationSlots& slots, const LineList& routes,
                                 const AnalysisParameters& parameters);

// The colour of a section's pressure: below 70 %, from 70 % up to and including the threshold,
// and above the threshold. A threshold below 70 leaves the middle class empty.
enum class PressureClass { Low, Moderate, High };
constexpr int kModeratePressureFrom = 70;
PressureClass ClassifyPressure(std::int64_t occupancy, int threshold);
// Its colour as 0xRRGGBB: Okabe-Ito sky blue, yellow and vermillion, apart in hue and lightness,
// also for the common colour-vision deficiencies.
std::uint32_t PressureRgb(PressureClass pressureClass);

// Everything the charts of one selection show, with what their titles name.
struct ChartData {
    std::string surveyArea;  // code page 1252, like every text here
    std::string dayAndDate;
    std::string windowStart;
    std::string windowEnd;
    int threshold = kDefaultPressureThreshold;
    std::vector<ClockOccupancy> occupancy;
    std::vector<SectionPressure> sections;
    DurationDistribution durations{};
    MotiveFigures motives;  // with the motive bounds of the selection
    LineList sectionLines;  // the survey's sections, for the descriptions of the motive rows
    // The general data and the selection, for the first sheet of the charts' workbook.
    GeneralValues general;
    AnalysisParameters selection;
};

// Selects the slots as the per-place analysis does and computes every chart's figures. Nothing
// when the progress reports a cancel during the selection.
std::optional<ChartData> ComputeChartData(const Survey& survey,
                                          const AnalysisParameters& parameters, int threshold,
                                          Progress& progress);
// The figures of slots already selected.
ChartData ChartDataOf(const Survey& survey, const ObservationSlots& slots,
                      const AnalysisParameters& parameters, int threshold);

}  // namespace tavoric
