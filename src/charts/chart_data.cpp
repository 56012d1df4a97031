// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chart_data.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

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

// The distinct period texts of the slots in ascending order, and each slot's place in it.
class PeriodIndex {
public:
    explicit PeriodIndex(const ObservationSlots& slots) {
        std::unordered_map<std::string_view, std::size_t> firstSeen;
        std::vector<std::string_view> texts;
        slotPeriod_.reserve(slots.size());
        for (const Slot slot : slots) {
            const auto [entry, added] = firstSeen.try_emplace(SlotPeriod(slot), texts.size());
            if (added) {
                texts.push_back(entry->first);
            }
            slotPeriod_.push_back(entry->second);
        }
        std::vector<std::size_t> order(texts.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(),
                  [&texts](std::size_t a, std::size_t b) { return texts[a] < texts[b]; });
        std::vector<std::size_t> rank(texts.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            rank[order[i]] = i;
            periods_.emplace_back(texts[order[i]]);
        }
        for (std::size_t& period : slotPeriod_) {
            period = rank[period];
        }
    }

    const std::vector<std::string>& Periods() const { return periods_; }
    std::size_t Of(std::size_t slotIndex) const { return slotPeriod_[slotIndex]; }

private:
    std::vector<std::string> periods_;
    std::vector<std::size_t> slotPeriod_;
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

}  // namespace

bool SlotCountsAsCapacity(const Slot& slot, const AnalysisParameters& parameters) {
    return !EqualNoCase(SlotRemark(slot), "b") &&
           (parameters.countIllegalInPpe || !IsIllegalType(SlotType(slot)));
}

std::vector<PeriodOccupancy> OccupancyByPeriod(const ObservationSlots& slots,
                                               const AnalysisParameters& parameters) {
    const PeriodIndex index(slots);
    std::vector<SlotTally> tallies(index.Periods().size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        tallies[index.Of(i)].Add(slots[i], parameters);
    }
    std::vector<PeriodOccupancy> occupancy;
    occupancy.reserve(tallies.size());
    for (std::size_t p = 0; p < tallies.size(); ++p) {
        occupancy.push_back(
            {index.Periods()[p], tallies[p].capacity, tallies[p].vehicles, tallies[p].Occupancy()});
    }
    return occupancy;
}

std::vector<SectionPressure> PressureBySection(const ObservationSlots& slots,
                                               const LineList& sectionLines,
                                               const AnalysisParameters& parameters) {
    const PeriodIndex index(slots);
    const auto descriptions = SectionDescriptions(sectionLines);
    std::vector<SectionPressure> sections;
    std::vector<SlotTally> byPeriod(index.Periods().size());
    ForEachRun(slots, SlotSectionKey, [&](std::size_t first, std::size_t last) {
        std::fill(byPeriod.begin(), byPeriod.end(), SlotTally{});
        for (std::size_t i = first; i < last; ++i) {
            byPeriod[index.Of(i)].Add(slots[i], parameters);
        }
        SlotTally whole;
        std::int64_t peak = 0;
        for (const SlotTally& period : byPeriod) {
            whole.capacity += period.capacity;
            whole.vehicles += period.vehicles;
            peak = std::max(peak, period.Occupancy());
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
        section.peak = peak;
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

std::optional<ChartData> ComputeChartData(const Survey& survey,
                                          const AnalysisParameters& parameters, int threshold,
                                          Progress& progress) {
    ProgressScope shown(progress);
    const std::optional<ObservationSlots> slots =
        SelectObservations(survey.KentekensList, SelectPlaces(parameters), parameters, progress);
    if (!slots) {
        return std::nullopt;
    }
    ChartData data;
    data.surveyArea = survey.AlgemeneGegevens.surveyArea;
    data.dayAndDate = survey.AlgemeneGegevens.dayAndDate;
    data.windowStart = parameters.windowStart;
    data.windowEnd = parameters.windowEnd;
    data.threshold = threshold;
    data.occupancy = OccupancyByPeriod(*slots, parameters);
    data.sections = PressureBySection(*slots, survey.SectiesList, parameters);
    data.durations = DurationsOf(*slots, survey.RoutesList, parameters);
    data.motives = ComputeMotives(*slots, survey.RoutesList, parameters.motiveBounds);
    progress.Set(100, 100);
    return data;
}

}  // namespace tavoric
