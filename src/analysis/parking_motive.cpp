// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/parking_motive.h"

#include <cstdint>
#include <numeric>
#include <unordered_map>

#include "analysis/clock_times.h"
#include "analysis/observation_selection.h"
#include "analysis/time_axis.h"
#include "core/text.h"

namespace tavoric {

namespace {

// One slot holding a plate: which vehicle, in which period and which section.
struct Sighting {
    std::uint32_t vehicle;
    std::uint32_t period;
    std::uint32_t section;
};

struct VehicleState {
    std::int64_t minutes = 0;
    bool resident = false;
};

// Ids in order of first appearance.
class KeyIds {
public:
    explicit KeyIds(std::size_t expected) { ids_.reserve(expected); }
    std::uint32_t IdOf(std::string_view key) {
        const auto [entry, added] = ids_.try_emplace(key, static_cast<std::uint32_t>(keys_.size()));
        if (added) {
            keys_.push_back(key);
        }
        return entry->second;
    }
    const std::vector<std::string_view>& Keys() const { return keys_; }

private:
    std::unordered_map<std::string_view, std::uint32_t> ids_;
    std::vector<std::string_view> keys_;
};

// Whether a slot of each period of the axis makes its vehicle a resident.
std::vector<bool> ResidentPeriods(const TimeAxis& axis, const MotiveBounds& bounds) {
    const int morning = IntegerOrZero(bounds.morning);
    const int evening = IntegerOrZero(bounds.evening);
    std::vector<bool> resident(axis.Size());
    for (std::size_t p = 0; p < axis.Size(); ++p) {
        const std::string_view period = axis.Period(p);
        const std::optional<int> start = ToInteger(Chars(period, 1, 4));
        const std::optional<int> end = ToInteger(Chars(period, 6, 9));
        resident[p] = (start && *start < morning) || (end && *end > evening);
    }
    return resident;
}

Motive MotiveOf(const VehicleState& vehicle, const MotiveBounds& bounds) {
    if (vehicle.resident) {
        return Motive::Resident;
    }
    return vehicle.minutes >= bounds.commuterMinutes ? Motive::Commuter : Motive::Visitor;
}

// The distinct vehicles of each motive per group (period or section): the sightings are put
// in buckets by group, and a stamp per vehicle counts it once in each.
std::vector<MotiveCounts> CountPerGroup(const std::vector<Sighting>& sightings,
                                        std::uint32_t Sighting::*group, std::size_t groupCount,
                                        const std::vector<Motive>& motives) {
    std::vector<std::size_t> bucketStart(groupCount + 1, 0);
    for (const Sighting& sighting : sightings) {
        ++bucketStart[sighting.*group + 1];
    }
    std::partial_sum(bucketStart.begin(), bucketStart.end(), bucketStart.begin());
    std::vector<std::uint32_t> vehicles(sightings.size());
    std::vector<std::size_t> next(bucketStart.begin(), bucketStart.end() - 1);
    for (const Sighting& sighting : sightings) {
        vehicles[next[sighting.*group]++] = sighting.vehicle;
    }
    std::vector<MotiveCounts> counts(groupCount);
    std::vector<std::size_t> countedIn(motives.size(), groupCount);
    for (std::size_t g = 0; g < groupCount; ++g) {
        for (std::size_t i = bucketStart[g]; i < bucketStart[g + 1]; ++i) {
            const std::uint32_t vehicle = vehicles[i];
            if (countedIn[vehicle] != g) {
                countedIn[vehicle] = g;
                ++counts[g][static_cast<std::size_t>(motives[vehicle])];
            }
        }
    }
    return counts;
}

// Each sighting once at every clock time its period covers, the clock time in its period field.
std::vector<Sighting> AtClockTimes(const std::vector<Sighting>& sightings, const TimeAxis& axis,
                                   const ClockTimes& clock) {
    std::vector<ClockRange> covered;
    covered.reserve(axis.Size());
    for (std::size_t p = 0; p < axis.Size(); ++p) {
        covered.push_back(clock.Covered(axis.Period(p)));
    }
    std::vector<Sighting> atClockTimes;
    atClockTimes.reserve(sightings.size());
    for (const Sighting& sighting : sightings) {
        const ClockRange range = covered[sighting.period];
        for (std::size_t t = range.first; t < range.last; ++t) {
            atClockTimes.push_back(
                {sighting.vehicle, static_cast<std::uint32_t>(t), sighting.section});
        }
    }
    return atClockTimes;
}

template <typename Key>
std::vector<MotiveRow> Rows(const std::vector<Key>& keys, std::vector<MotiveCounts> counts) {
    std::vector<MotiveRow> rows;
    rows.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        rows.push_back({std::string(keys[i]), counts[i]});
    }
    return rows;
}

struct Collected {
    std::vector<VehicleState> vehicles;
    std::vector<Sighting> sightings;
    KeyIds sections{64};
};

// Every slot with a plate as a sighting of its vehicle, place by place; the vehicles gather
// their minutes and whether a period made them residents.
Collected Collect(const ObservationSlots& slots, const LineList& routes, const TimeAxis& axis,
                  const std::vector<bool>& residentPeriod) {
    Collected seen;
    KeyIds plates(slots.size() / 4);
    seen.sightings.reserve(slots.size());
    RouteIntervals intervals(routes);
    ForEachPlace(slots, [&](std::size_t first, std::size_t last) {
        const std::uint32_t section = seen.sections.IdOf(SlotSectionKey(slots[first]));
        const int interval = intervals.Of(SlotRouteKey(slots[first]));
        std::size_t previousSlot = last;  // the place's slot seen last, and its plate
        std::string_view previousPlate;
        ForEachPlate(
            slots, first, last, axis,
            [&](std::size_t slot, std::size_t position, std::string_view plate) {
                // A stay repeats the plate of the slot before: no lookup needed.
                const std::uint32_t vehicle = previousSlot + 1 == slot && plate == previousPlate
                                                  ? seen.sightings.back().vehicle
                                                  : plates.IdOf(plate);
                previousSlot = slot;
                previousPlate = plate;
                if (vehicle == seen.vehicles.size()) {
                    seen.vehicles.emplace_back();
                }
                seen.vehicles[vehicle].minutes += interval;
                if (residentPeriod[position]) {
                    seen.vehicles[vehicle].resident = true;
                }
                seen.sightings.push_back({vehicle, static_cast<std::uint32_t>(position), section});
            });
    });
    return seen;
}

}  // namespace

std::int64_t TotalVehicles(const MotiveCounts& counts) {
    return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
}

MotiveFigures ComputeMotives(const ObservationSlots& slots, const LineList& routes,
                             const MotiveBounds& bounds) {
    const TimeAxis axis(slots);
    const Collected seen = Collect(slots, routes, axis, ResidentPeriods(axis, bounds));
    MotiveFigures figures;
    std::vector<Motive> motives;
    motives.reserve(seen.vehicles.size());
    for (const VehicleState& vehicle : seen.vehicles) {
        motives.push_back(MotiveOf(vehicle, bounds));
        ++figures.vehicles[static_cast<std::size_t>(motives.back())];
    }
    const ClockTimes clock(slots);
    std::vector<std::string> times;
    for (std::size_t t = 0; t < clock.Size(); ++t) {
        times.push_back(clock.Text(t));
    }
    figures.clockTimes = Rows(times, CountPerGroup(AtClockTimes(seen.sightings, axis, clock),
                                                   &Sighting::period, clock.Size(), motives));
    figures.sections = Rows(
        seen.sections.Keys(),
        CountPerGroup(seen.sightings, &Sighting::section, seen.sections.Keys().size(), motives));
    return figures;
}

}  // namespace tavoric
