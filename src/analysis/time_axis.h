// SPDX-License-Identifier: GPL-3.0-or-later
// The periods of an analysis selection on one axis: its distinct period texts "HHMM-HHMM" in
// ascending order, so that places with different slots still line up period by period.
#pragma once

#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/observation_selection.h"
#include "core/survey.h"
#include "core/text.h"

namespace tavoric {

class TimeAxis {
public:
    // The periods of the slots (observation_selection.h); the slots must outlive the axis.
    explicit TimeAxis(const ObservationSlots& slots);

    std::size_t Size() const { return periods_.size(); }
    std::string_view Period(std::size_t position) const { return periods_[position]; }

    // A place's slots run through the periods in order, so the period after the previous one
    // is tried first; pass Size() when there is no previous one.
    std::size_t PositionOf(std::string_view period, std::size_t after) const {
        if (after + 1 < periods_.size() && periods_[after + 1] == period) {
            return after + 1;
        }
        return positions_.at(period);
    }

private:
    std::vector<std::string_view> periods_;
    std::unordered_map<std::string_view, std::size_t> positions_;
};

// Calls visit(slot, position, plate) for each slot in [first, last) of one place that holds a
// plate: its index, its period's position on the axis and the plate with the blanks around it
// removed.
template <typename Visit>
void ForEachPlate(const ObservationSlots& slots, std::size_t first, std::size_t last, const TimeAxis& axis,
                  Visit visit) {
    std::size_t position = axis.Size();
    for (std::size_t i = first; i < last; ++i) {
        position = axis.PositionOf(SlotPeriod(slots[i]), position);
        const std::string_view plate = TrimBlanks(SlotPlate(slots[i]));
        if (!plate.empty()) {
            visit(i, position, plate);
        }
    }
}

}  // namespace tavoric
