// SPDX-License-Identifier: GPL-3.0-or-later
// The tijd column of an observation file: a clock time ("HHMM", "HH:MM", "HH:MM:SS", past 2400
// in the survey's own notation up to 47:59) or a date-time ("2024-05-16T08:50:00",
// "16-5-2024 08:50"), with or without an offset from UTC ("Z", "+02:00", "+0200", "-05:00").
#pragma once

#include <optional>
#include <string_view>

#include "core/time_zone.h"

namespace tavoric {

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

struct FieldTime {
    // The local day of a date-time; nothing for a clock time.
    std::optional<CalendarDay> day;
    // Seconds after the local midnight that begins day (or the survey day).
    int second = 0;
    // Whether an offset was converted to local time.
    bool converted = false;
};

// Why a tijd field cannot be read.
enum class FieldTimeError { BadTime, BadDate };

struct FieldTimeOrError {
    std::optional<FieldTime> time;
    FieldTimeError error = FieldTimeError::BadTime;
};

// Reads a tijd field; a date-time with an offset is converted to the local time of zone.
FieldTimeOrError ReadFieldTime(std::string_view text, const LocalTimeZone& zone);

}  // namespace tavoric
