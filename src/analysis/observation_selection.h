// SPDX-License-Identifier: GPL-3.0-or-later
// The observation slots that take part in an analysis run. Each slot is one text line: the
// place's 16 characters (key, blank, type), a blank and the PPE line from its period on:
//
//   "RRRR SSSS PPPP T HHMM-HHMM KKKKKK O"
//    1-14 place key, 16 type, 18-26 period, 28-33 plate field, 35 remark
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/analysis_parameters.h"
#include "core/progress.h"
#include "core/survey.h"

namespace tavoric {

// The selected place lines whose type code is the first character of a selected type entry.
LineList SelectPlaces(const AnalysisParameters& parameters);

// The slots of the selected places whose period lies wholly inside the time window, sorted so
// that each place's slots stand together in period order. Moves the progress from 0 to 80 %;
// nothing when the progress reports a cancel.
std::optional<LineList> SelectObservations(const LineList& slotLines,
                                           const LineList& selectedPlaces,
                                           const AnalysisParameters& parameters,
                                           Progress& progress);

inline std::string_view SlotPlaceKey(std::string_view slot) {
    return slot.substr(0, 14);
}
std::string_view SlotPlace(std::string_view slot);   // 1-16: key, blank, type
std::string_view SlotType(std::string_view slot);    // 16
std::string_view SlotPeriod(std::string_view slot);  // 18-26
std::string_view SlotPlate(std::string_view slot);   // 28-33, as stored
std::string_view SlotRemark(std::string_view slot);  // 35
// The plate field's first character is present and not a blank.
bool SlotHoldsVehicle(std::string_view slot);

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
void ForEachRun(const LineList& slots, Key key, Visit visit) {
    std::size_t first = 0;
    while (first < slots.size()) {
        std::size_t last = first + 1;
        while (last < slots.size() && key(slots[last]) == key(slots[first])) {
            ++last;
        }
        visit(first, last);
        first = last;
    }
}

// The runs of slots of one place.
template <typename Visit>
void ForEachPlace(const LineList& slots, Visit visit) {
    ForEachRun(slots, SlotPlaceKey, visit);
}

}  // namespace tavoric
