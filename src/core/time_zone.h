// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar days and the local time of a moment: field devices write date-times in UTC or with
// an offset, the survey's rounds are in local time with daylight saving time as on that day.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tavoric {

using CalendarDay = std::chrono::year_month_day;

// A day written "YYYY-MM-DD"; nothing when the text is not one or the day does not exist.
std::optional<CalendarDay> IsoDay(std::string_view text);
// The day as "YYYY-MM-DD".
std::string IsoDayText(const CalendarDay& day);
// The day after day.
CalendarDay NextDay(const CalendarDay& day);

// Whether the zone database of the system knows the name ("Europe/Amsterdam").
bool IsKnownTimeZone(std::string_view name);

struct LocalTime {
    CalendarDay day;
    int secondOfDay = 0;
};

// Local time in the zone of the system, or in a named zone while an object with that name lives:
// the C library's zone database works on the zone of the whole process (TZ), so it is set for
// that time and put back afterwards. One at a time, on the thread that reads the clock.
class LocalTimeZone {
public:
    // name: a zone IsKnownTimeZone accepts, or empty for the system's zone.
    explicit LocalTimeZone(std::string name = {});
    ~LocalTimeZone();
    LocalTimeZone(const LocalTimeZone&) = delete;
    LocalTimeZone& operator=(const LocalTimeZone&) = delete;

    const std::string& Name() const { return name_; }
    LocalTime FromUtc(std::chrono::sys_seconds moment) const;

private:
    std::string name_;
    std::optional<std::string> previousTz_;
};

}  // namespace tavoric
