// SPDX-License-Identifier: GPL-3.0-or-later
// The clock times of an analysis selection: every distinct period start, ascending. A period runs
// from its start up to its end in minutes after midnight of the survey day (periods past 2400
// count on), and covers the clock times t with start <= t < end. Routes of different intervals
// thus meet at every clock time instead of each in its own period texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/observation_selection.h"

namespace tavoric {

struct PeriodMinutes {
    int start = 0;
    int end = 0;  // an end before the start lies on the next day
};
// The minutes of a period text "HHMM-HHMM"; nothing when either time is no number.
std::optional<PeriodMinutes> PeriodMinutesOf(std::string_view period);

// Positions [first, last) on the clock times.
struct ClockRange {
    std::size_t first = 0;
    std::size_t last = 0;
};

class ClockTimes {
public:
    explicit ClockTimes(const ObservationSlots& slots);

    std::size_t Size() const { return minutes_.size(); }
    int Minutes(std::size_t position) const { return minutes_[position]; }
    std::string Text(std::size_t position) const;  // HHMM
    // The clock times the period covers; empty when its text holds no times.
    ClockRange Covered(std::string_view period) const;

private:
    std::vector<int> minutes_;
};

}  // namespace tavoric
