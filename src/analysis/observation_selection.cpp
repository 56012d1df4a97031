// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/observation_selection.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

#include "analysis/number_format.h"
#include "core/text.h"

namespace tavoric {

namespace {

// The index of the first selected place line of each place key.
class PlaceLookup {
public:
    explicit PlaceLookup(const LineList& places) {
        byKey_.reserve(places.size());
        for (std::size_t i = 0; i < places.size(); ++i) {
            byKey_.emplace(PlaceKey(places[i]), i);
        }
    }
    // Slots of one place follow each other, so the previous answer is usually the next one.
    std::optional<std::size_t> Find(std::string_view placeKey) {
        if (placeKey != lastKey_) {
            const auto found = byKey_.find(placeKey);
            lastKey_ = placeKey;
            lastPlace_ = found == byKey_.end() ? std::nullopt : std::optional(found->second);
        }
        return lastPlace_;
    }

private:
    std::unordered_map<std::string_view, std::size_t> byKey_;
    std::string lastKey_;
    std::optional<std::size_t> lastPlace_;
};

bool PeriodInWindow(std::string_view ppeLine, int windowStart, int windowEnd) {
    const std::optional<PeriodBounds> period = PpePeriodBounds(ppeLine);
    return period && period->start >= windowStart && period->end <= windowEnd;
}

// What follows the place in a slot's sort key: the PPE line from its period on, as far as the
// analyses ever read.
std::string_view SlotTail(const Slot& slot) {
    constexpr std::size_t kTailLength = 100;
    return CharsFrom(slot.ppe, 16).substr(0, kTailLength);
}

// samePlace: both slots belong to the same selected place line, the usual neighbours.
int CompareSlots(const Slot& a, const Slot& b, bool samePlace) {
    const int place = samePlace ? 0 : CompareNoCase(SlotPlace(a), SlotPlace(b));
    return place != 0 ? place : CompareNoCase(SlotTail(a), SlotTail(b));
}

}  // namespace

LineList SelectPlaces(const AnalysisParameters& parameters) {
    LineList places;
    for (const std::string& place : parameters.selectedPlaces) {
        const std::string_view code = PlaceType(place);
        const bool typeSelected =
            std::any_of(parameters.selectedTypes.begin(), parameters.selectedTypes.end(),
                        [code](const std::string& type) { return Chars(type, 1, 1) == code; });
        if (!code.empty() && typeSelected) {
            places.push_back(place);
        }
    }
    return places;
}

void ObservationSlots::Add(std::size_t ppeLine, std::size_t place) {
    if (ppeLine > UINT32_MAX || place > UINT32_MAX) {
        throw std::length_error("more slots than an analysis can hold");
    }
    entries_.push_back({static_cast<std::uint32_t>(ppeLine), static_cast<std::uint32_t>(place)});
}

void ObservationSlots::Sort() {
    const auto less = [this](const Entry& a, const Entry& b) {
        const Slot slotA{places_[a.place], (*ppeLines_)[a.line]};
        const Slot slotB{places_[b.place], (*ppeLines_)[b.line]};
        return CompareSlots(slotA, slotB, a.place == b.place) < 0;
    };
    // The plate list is normally kept sorted, and then so is the selection.
    if (!std::is_sorted(entries_.begin(), entries_.end(), less)) {
        std::stable_sort(entries_.begin(), entries_.end(), less);
    }
}

std::optional<ObservationSlots> SelectObservations(const LineBuffer& slotLines,
                                                   LineList selectedPlaces,
                                                   const AnalysisParameters& parameters,
                                                   Progress& progress) {
    const int windowStart = IntegerOrZero(parameters.windowStart);
    const int windowEnd = IntegerOrZero(parameters.windowEnd);
    PlaceLookup lookup(selectedPlaces);
    ObservationSlots slots(slotLines, std::move(selectedPlaces));
    const std::size_t n = slotLines.size();
    slots.Reserve(n);
    std::int64_t shownPercent = -1;
    for (std::size_t j = 0; j < n; ++j) {
        const std::string_view line = slotLines[j];
        const std::optional<std::size_t> place = lookup.Find(PlaceKey(line));
        if (place && PeriodInWindow(line, windowStart, windowEnd)) {
            slots.Add(j, *place);
        }
        const std::int64_t percent =
            RoundHalfEven(static_cast<double>(j) / static_cast<double>(n) * 80);
        if (percent != shownPercent) {
            progress.Set(static_cast<std::size_t>(percent), 100);
            shownPercent = percent;
        }
        if (progress.Cancelled()) {
            return std::nullopt;
        }
    }
    slots.Sort();
    return slots;
}

int RouteIntervals::Of(std::string_view routeNumber) {
    const auto found = known_.find(routeNumber);
    if (found != known_.end()) {
        return found->second;
    }
    const int interval = RouteInterval(routes_, routeNumber);
    known_.emplace(std::string(routeNumber), interval);
    return interval;
}

std::string_view SlotPlace(const Slot& slot) {
    return Chars(slot.place, 1, 16);
}
std::string_view SlotType(const Slot& slot) {
    return PlaceType(slot.place);
}
std::string_view SlotPeriod(const Slot& slot) {
    return PpePeriod(slot.ppe);
}
std::string_view SlotPlate(const Slot& slot) {
    return PpePlate(slot.ppe);
}
std::string_view SlotRemark(const Slot& slot) {
    return PpeRemark(slot.ppe);
}
bool SlotHoldsVehicle(const Slot& slot) {
    const std::string_view plate = SlotPlate(slot);
    return !plate.empty() && plate.front() != ' ';
}

}  // namespace tavoric
