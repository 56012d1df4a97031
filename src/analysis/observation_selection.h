// SPDX-License-Identifier: GPL-3.0-or-later
// The observation slots that take part in an analysis run. A slot is a PPE line of the survey
// with the line of its place; the selection holds their indices, so that a million slots cost
// a few megabytes and no line is copied:
//
//   place "RRRR SSSS PPPP T"                      1-14 place key, 16 type
//   PPE   "RRRR SSSS PPPP HHMM-HHMM KKKKKK O"     16-24 period, 26-31 plate field, 33 remark
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/analysis_parameters.h"
#include "core/index_iterator.h"
#include "core/large_block.h"
#include "core/progress.h"
#include "core/survey.h"

namespace tavoric {

// The selected place lines whose type code is the first character of a selected type entry.
LineList SelectPlaces(const AnalysisParameters& parameters);

struct Slot {
    std::string_view place;
    std::string_view ppe;
};

inline std::string_view SlotPlaceKey(const Slot& slot) {
    return PlaceKey(slot.place);
}
inline std::string_view SlotSectionKey(const Slot& slot) {
    return SectionKey(slot.place);
}
inline std::string_view SlotRouteKey(const Slot& slot) {
    return RouteKey(slot.place);
}
std::string_view SlotPlace(const Slot& slot);   // place line 1-16: key, blank, type
std::string_view SlotType(const Slot& slot);    // place line 16
std::string_view SlotPeriod(const Slot& slot);  // PPE line 16-24
std::string_view SlotPlate(const Slot& slot);   // PPE line 26-31, as stored
std::string_view SlotRemark(const Slot& slot);  // PPE line 33
// The plate field's first character is present and not a blank.
bool SlotHoldsVehicle(const Slot& slot);

// The selected slots, each place's slots together in period order. They point into the survey's
// slot list, which must not change while they are in use.
class ObservationSlots {
public:
    using const_iterator = IndexIterator<ObservationSlots>;

    ObservationSlots() = default;  // no slots
    ObservationSlots(const LineBuffer& ppeLines, LineList places)
        : ppeLines_(&ppeLines), places_(std::move(places)) {}

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    Slot operator[](std::size_t i) const {
        const Entry entry = entries_[i];
        return {places_[entry.place], (*ppeLines_)[entry.line]};
    }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }
    const LineList& Places() const { return places_; }

    // Room for this many slots in one block.
    void Reserve(std::size_t count) { entries_.reserve(count); }
    void Add(std::size_t ppeLine, std::size_t place);
    // Orders the slots as their slot lines "place line, blank, PPE line from its period on" sort
    // by SortLines: by place, then period, plate and remark, letter case ignored; the order of
    // the survey's list breaks ties.
    void Sort();

private:
    struct Entry {
        std::uint32_t line;
        std::uint32_t place;
    };
    const LineBuffer* ppeLines_ = nullptr;
    LineList places_;
    std::vector<Entry, LargeBlockAllocator<Entry>> entries_;
};

// The slots of the selected places whose period lies wholly inside the time window, sorted.
// Moves the progress from 0 to 80 %; nothing when the progress reports a cancel.
std::optional<ObservationSlots> SelectObservations(const LineBuffer& slotLines,
                                                   LineList selectedPlaces,
                                                   const AnalysisParameters& parameters,
                                                   Progress& progress);

// Route intervals looked up once per route.
class RouteIntervals {
public:
    explicit RouteIntervals(const LineList& routes) : routes_(routes) {}
    int Of(std::string_view routeNumber);

private:
    const LineList& routes_;
    std::map<std::string, int, std::less<>> known_;
};

// Calls visit(first, last) for each run of consecutive slots with the same key(slot), as
// half-open index ranges.
template <typename Key, typename Visit>
void ForEachRun(const ObservationSlots& slots, Key key, Visit visit) {
    std::size_t first = 0;
    while (first < slots.size()) {
        const std::string_view runKey = key(slots[first]);
        std::size_t last = first + 1;
        while (last < slots.size() && key(slots[last]) == runKey) {
            ++last;
        }
        visit(first, last);
        first = last;
    }
}

// The runs of slots of one place.
template <typename Visit>
void ForEachPlace(const ObservationSlots& slots, Visit visit) {
    ForEachRun(slots, SlotPlaceKey, visit);
}

}  // namespace tavoric
