// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/time_axis.h"

#include <algorithm>
#include <unordered_set>

#include "analysis/observation_selection.h"

namespace tavoric {

TimeAxis::TimeAxis(const ObservationSlots& slots) {
    std::unordered_set<std::string_view> distinct;
    for (const Slot slot : slots) {
        distinct.insert(SlotPeriod(slot));
    }
    periods_.assign(distinct.begin(), distinct.end());
    std::sort(periods_.begin(), periods_.end());
    for (std::size_t i = 0; i < periods_.size(); ++i) {
        positions_.emplace(periods_[i], i);
    }
}

}  // namespace tavoric
