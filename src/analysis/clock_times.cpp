// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/clock_times.h"

#include <algorithm>

#include "core/clock.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

std::optional<PeriodMinutes> PeriodMinutesOf(std::string_view period) {
    const std::optional<int> start = ToInteger(Chars(period, 1, 4));
    const std::optional<int> end = ToInteger(Chars(period, 6, 9));
    if (!start || !end || *start < 0 || *end < 0) {
        return std::nullopt;
    }
    PeriodMinutes minutes{HhmmToMinutes(*start), HhmmToMinutes(*end)};
    if (minutes.end < minutes.start) {
        minutes.end += kMinutesPerDay;
    }
    return minutes;
}

ClockTimes::ClockTimes(const ObservationSlots& slots) {
    std::string_view previous;
    for (const Slot slot : slots) {
        const std::string_view period = SlotPeriod(slot);
        if (period == previous) {
            continue;
        }
        previous = period;
        if (const std::optional<PeriodMinutes> minutes = PeriodMinutesOf(period)) {
            minutes_.push_back(minutes->start);
        }
    }
    std::sort(minutes_.begin(), minutes_.end());
    minutes_.erase(std::unique(minutes_.begin(), minutes_.end()), minutes_.end());
}

std::string ClockTimes::Text(std::size_t position) const {
    return FormatHhmm(MinutesToHhmm(minutes_[position]));
}

ClockRange ClockTimes::Covered(std::string_view period) const {
    const std::optional<PeriodMinutes> minutes = PeriodMinutesOf(period);
    if (!minutes) {
        return {};
    }
    const auto first = std::lower_bound(minutes_.begin(), minutes_.end(), minutes->start);
    const auto last = std::lower_bound(first, minutes_.end(), minutes->end);
    return {static_cast<std::size_t>(first - minutes_.begin()),
            static_cast<std::size_t>(last - minutes_.begin())};
}

}  // namespace tavoric
