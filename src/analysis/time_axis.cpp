// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/time_axis.h"

#include <algorithm>

#include "analysis/observation_selection.h"

namespace tavoric {

TimeAxis::TimeAxis(const ObservationSlots& slots) {
    // Most places run through the same periods in the same order, so the period that followed
    // the previous one when first met is tried before the lookup.
    std::unordered_map<std::string_view, std::size_t> firstMet;
    std::size_t next = 0;
    for (const Slot slot : slots) {
        const std::string_view period = SlotPeriod(slot);
        if (next < periods_.size() && periods_[next] == period) {
            ++next;
            continue;
        }
        const auto [known, added] = firstMet.emplace(period, periods_.size());
        if (added) {
            periods_.push_back(period);
        }
        next = known->second + 1;
    }
    std::sort(periods_.begin(), periods_.end());
    for (std::size_t i = 0; i < periods_.size(); ++i) {
        positions_.emplace(periods_[i], i);
    }
}

}  // namespace tavoric
