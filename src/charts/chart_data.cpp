// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chart_data.h"

#include <algorithm>
#include <unordered_map>

#include "analysis/clock_times.h"
#include "analysis/number_format.h"
#include "analysis/observation_selection.h"
#include "analysis/per_place_report.h"
#include "core/text.h"

namespace tavoric {

namespace {

struct SlotTally {
    int capacity = 0;
    int vehicles = 0;

    void Add(const Slot& slot, const AnalysisParameters& parameters) {
        capacity += SlotCountsAsCapacity(slot, parameters) ? 1 : 0;
        vehicles += SlotHoldsVehicle(slot) ? 1 : 0;
    }
    std::int64_t Occupancy() const { return WholePercent(vehicles, capacity); }
};

// Tallies the slots [first, last) at every clock time they cover; covered marks the clock times
// with a covering slot.
struct ClockTallies {
    std::vector<SlotTally> tallies;
    std::vector<bool> covered;

    ClockTallies(const ObservationSlots& slots, std::size_t first, std::size_t last,
                 const ClockTimes& clock, const AnalysisParameters& parameters)
        : tallies(clock.Size()), covered(clock.Size(), false) {
        for (std::size_t i = first; i < last; ++i) {
            const ClockRange range = clock.Covered(SlotPeriod(slots[i]));
            for (std::size_t t = range.first; t < range.last; ++t) {
                tallies[t].Add(slots[i], parameters);
                covered[t] = true;
            }
        }
    }

    std::vector<ClockOccupancy> Covered(const ClockTimes& clock) const {
        std::vector<ClockOccupancy> occupancy;
        for (std::size_t t = 0; t < tallies.size(); ++t) {
            if (covered[t]) {
                occupancy.push_back({clock.Text(t), clock.Minutes(t), tallies[t].capacity,
                                     tallies[t].vehicles, tallies[t].Occupancy()});
            }
        }
        return occupancy;
    }
};

// Section lines by section key; the first line of a key wins.
std::unordered_map<std::string_view, std::string_view> SectionDescriptions(
    const LineList& sectionLines) {
    std::unordered_map<std::string_view, std::string_view> descriptions;
    for (const std::string& line : sectionLines) {
        descriptions.try_emplace(SectionKey(line), TrimTrailingBlanks(SectionDescription(line)));
    }
    return descriptions;
}

int PlacesIn(const ObservationSlots& slots, std::size_t first, std::size_t last) {
    int places = 0;
    for (std::size_t i = first; i < last; ++i) {
        places += i == first || SlotPlaceKey(slots[i]) != SlotPlaceKey(slots[i - 1]) ? 1 : 0;
    }
    return places;
}

bool AnySlotObserved(const ObservationSlots& slots, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        if (!TrimBlanks(SlotPlate(slots[i])).empty() || !TrimBlanks(SlotRemark(slots[i])).empty()) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool SlotCountsAsCapacity(const Slot& slot, const AnalysisParameters& parameters) {
    return !EqualNoCase(SlotRemark(slot), "b") &&
           (parameters.countIllegalInPpe || !IsIllegalType(SlotType(slot)));
}

std::vector<ClockOccupancy> OccupancyByClockTime(const ObservationSlots& slots,
                                                 const AnalysisParameters& parameters) {
    const ClockTimes clock(slots);
    return ClockTallies(slots, 0, slots.size(), clock, parameters).Covered(clock);
}

std::vector<SectionPressure> PressureBySection(const ObservationSlots& slots,
                                               const LineList& sectionLines,
                                               const AnalysisParameters& parameters) {
    const ClockTimes clock(slots);
    const auto descriptions = SectionDescriptions(sectionLines);
    std::vector<SectionPressure> sections;
    ForEachRun(slots, SlotSectionKey, [&](std::size_t first, std::size_t last) {
        SlotTally whole;
        for (std::size_t i = first; i < last; ++i) {
            whole.Add(slots[i], parameters);
        }
        SectionPressure section;
        const std::string_view key = SlotSectionKey(slots[first]);
        section.route = Chars(key, 1, 4);
        section.section = Chars(key, 6, 9);
        const auto description = descriptions.find(key);
        if (description != descriptions.end()) {
            section.description = description->second;
        }
        section.places = PlacesIn(slots, first, last);
        section.capacity = whole.capacity;
        section.occupied = whole.vehicles;
        section.occupancy = whole.Occupancy();
        section.observed = AnySlotObserved(slots, first, last);
        section.byClockTime = ClockTallies(slots, first, last, clock, parameters).Covered(clock);
        for (const ClockOccupancy& cell : section.byClockTime) {
            section.peak = std::max(section.peak, cell.occupancy);
        }
        sections.push_back(std::move(section));
    });
    return sections;
}

DurationDistribution DurationsOf(const ObservationSlots& slots, const LineList& routes,
                                 const AnalysisParameters& parameters) {
    FigureTotals totals;
    ForEachPlaceFigures(slots, routes, parameters,
                        [&](std::size_t first, std::size_t, const PlaceFigures& figures) {
                            totals.Add(figures, IsIllegalType(SlotType(slots[first])), parameters);
                        });
    const PlaceFigures figures = totals.Figures();
    DurationDistribution durations{};
    for (std::size_t k = 0; k < durations.size(); ++k) {
        durations[k] = {parameters.classes[k], figures.classCount[k], figures.classPercent[k]};
    }
    return durations;
}

PressureClass ClassifyPressure(std::int64_t occupancy, int threshold) {
    if (occupancy > threshold) {
        return PressureClass::High;
    }
    return occupancy >= kModeratePressureFrom ? PressureClass::Moderate : PressureClass::Low;
}

std::uint32_t PressureRgb(PressureClass pressureClass) {
    switch (pressureClass) {
        case PressureClass::Low:
            return 0x56b4e9;
        case PressureClass::Moderate:
            return 0xf0e442;
        case PressureClass::High:
            return 0xd55e00;
    }
    return 0x808080;
}

std::optional<ChartData> ComputeChartData(const Survey& survey,
                                          const AnalysisParameters& parameters, int threshold,
                                          Progress& progress) {
    ProgressScope shown(progress);
    const std::optional<ObservationSlots> slots =
        SelectObservations(survey.KentekensList, SelectPlaces(parameters), parameters, progress);
    if (!slots) {
        return std::nullopt;
    }
    ChartData data = ChartDataOf(survey, *slots, parameters, threshold);
    progress.Set(100, 100);
    return data;
}

ChartData ChartDataOf(const Survey& survey, const ObservationSlots& slots,
                      const AnalysisParameters& parameters, int threshold) {
    ChartData data;
    data.surveyArea = survey.AlgemeneGegevens.surveyArea;
    data.dayAndDate = survey.AlgemeneGegevens.dayAndDate;
    data.windowStart = parameters.windowStart;
    data.windowEnd = parameters.windowEnd;
    data.threshold = threshold;
    data.occupancy = OccupancyByClockTime(slots, parameters);
    data.sections = PressureBySection(slots, survey.SectiesList, parameters);
    data.durations = DurationsOf(slots, survey.RoutesList, parameters);
    data.motives = ComputeMotives(slots, survey.RoutesList, parameters.motiveBounds);
    data.sectionLines = survey.SectiesList;
    data.general = survey.AlgemeneGegevens;
    data.selection = parameters;
    return data;
}

}  // namespace tavoric
