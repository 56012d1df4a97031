// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/observation_selection.h"

#include <algorithm>
#include <unordered_map>

#include "analysis/number_format.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::size_t kPlaceLineLength = 16;
constexpr std::size_t kSlotTailLength = 100;

// The first selected place line of each place key.
class PlaceLookup {
public:
    explicit PlaceLookup(const LineList& places) {
        byKey_.reserve(places.size());
        for (const std::string& place : places) {
            byKey_.emplace(PlaceKey(place), &place);
        }
    }
    // Slots of one place follow each other, so the previous answer is usually the next one.
    const std::string* Find(std::string_view placeKey) {
        if (placeKey != lastKey_) {
            const auto found = byKey_.find(placeKey);
            lastKey_ = placeKey;
            lastPlace_ = found == byKey_.end() ? nullptr : found->second;
        }
        return lastPlace_;
    }

private:
    std::unordered_map<std::string_view, const std::string*> byKey_;
    std::string lastKey_;
    const std::string* lastPlace_ = nullptr;
};

bool PeriodInWindow(std::string_view ppeLine, int windowStart, int windowEnd) {
    const auto start = ToInteger(PpePeriodStart(ppeLine));
    const auto end = ToInteger(PpePeriodEnd(ppeLine));
    return start && end && *start >= windowStart && *end <= windowEnd;
}

std::string SlotLine(std::string_view place, std::string_view ppeLine) {
    const std::string_view tail = CharsFrom(ppeLine, 16).substr(0, kSlotTailLength);
    std::string slot;
    slot.reserve(kPlaceLineLength + 1 + tail.size());
    slot.append(Chars(place, 1, kPlaceLineLength));
    slot.append(kPlaceLineLength - slot.size(), ' ');
    slot += ' ';
    slot.append(tail);
    return slot;
}

void SortSlots(LineList& slots) {
    const auto less = [](const std::string& a, const std::string& b) {
        return CompareNoCase(a, b) < 0;
    };
    // The plate list is normally kept sorted, and then so is the selection.
    if (!std::is_sorted(slots.begin(), slots.end(), less)) {
        std::stable_sort(slots.begin(), slots.end(), less);
    }
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

std::optional<LineList> SelectObservations(const LineList& slotLines,
                                           const LineList& selectedPlaces,
                                           const AnalysisParameters& parameters,
                                           Progress& progress) {
    const int windowStart = IntegerOrZero(parameters.windowStart);
    const int windowEnd = IntegerOrZero(parameters.windowEnd);
    PlaceLookup lookup(selectedPlaces);
    LineList slots;
    const std::size_t n = slotLines.size();
    std::int64_t shownPercent = -1;
    for (std::size_t j = 0; j < n; ++j) {
        const std::string& line = slotLines[j];
        const std::string* place = lookup.Find(PlaceKey(line));
        if (place != nullptr && PeriodInWindow(line, windowStart, windowEnd)) {
            slots.push_back(SlotLine(*place, line));
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
    SortSlots(slots);
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

std::string_view SlotPlace(std::string_view slot) {
    return Chars(slot, 1, 16);
}
std::string_view SlotType(std::string_view slot) {
    return Chars(slot, 16, 16);
}
std::string_view SlotPeriod(std::string_view slot) {
    return Chars(slot, 18, 26);
}
std::string_view SlotPlate(std::string_view slot) {
    return Chars(slot, 28, 33);
}
std::string_view SlotRemark(std::string_view slot) {
    return Chars(slot, 35, 35);
}
bool SlotHoldsVehicle(std::string_view slot) {
    const std::string_view plate = SlotPlate(slot);
    return !plate.empty() && plate.front() != ' ';
}

}  // namespace tavoric
