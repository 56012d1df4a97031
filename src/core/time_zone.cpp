// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time_zone.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>

namespace tavoric {

namespace {

constexpr std::string_view kZoneFileMagic = "TZif";

std::string ZoneFolder() {
    const char* folder = std::getenv("TZDIR");
    return folder != nullptr && *folder != '\0' ? folder : "/usr/share/zoneinfo";
}

// Area names as the zone database writes them: no absolute path, no "..", no blanks.
bool IsZoneName(std::string_view name) {
    if (name.empty() || name.starts_with('/') || name.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char c : name) {
        const bool letterOrDigit =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && c != '/' && c != '_' && c != '-' && c != '+') {
            return false;
        }
    }
    return true;
}

void SetTz(const char* value) {
    if (value == nullptr) {
        unsetenv("TZ");
    } else {
        setenv("TZ", value, 1);
    }
    tzset();
}

}  // namespace

std::optional<CalendarDay> IsoDay(std::string_view text) {
    const auto digits = [text](std::size_t from, std::size_t count) -> std::optional<unsigned> {
        unsigned value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return std::nullopt;
            }
            value = value * 10 + static_cast<unsigned>(text[i] - '0');
        }
        return value;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digits(0, 4);
    const auto month = digits(5, 2);
    const auto day = digits(8, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const CalendarDay date{std::chrono::year(static_cast<int>(*year)), std::chrono::month(*month),
                           std::chrono::day(*day)};
    return date.ok() ? std::optional(date) : std::nullopt;
}

std::string IsoDayText(const CalendarDay& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

CalendarDay NextDay(const CalendarDay& day) {
    return CalendarDay(std::chrono::sys_days(day) + std::chrono::days(1));
}

bool IsKnownTimeZone(std::string_view name) {
    if (!IsZoneName(name)) {
        return false;
    }
    std::ifstream file(ZoneFolder() + "/" + std::string(name), std::ios::binary);
    std::string magic(kZoneFileMagic.size(), '\0');
    return file.read(magic.data(), static_cast<std::streamsize>(magic.size())) &&
           magic == kZoneFileMagic;
}

LocalTimeZone::LocalTimeZone(std::string name) : name_(std::move(name)) {
    if (name_.empty()) {
        return;
    }
    if (const char* tz = std::getenv("TZ")) {
        previousTz_ = tz;
    }
    SetTz(name_.c_str());
}

LocalTimeZone::~LocalTimeZone() {
    if (!name_.empty()) {
        SetTz(previousTz_ ? previousTz_->c_str() : nullptr);
    }
}

LocalTime LocalTimeZone::FromUtc(std::chrono::sys_seconds moment) const {
    const std::time_t t = static_cast<std::time_t>(moment.time_since_epoch().count());
    std::tm local{};
    localtime_r(&t, &local);
    const CalendarDay day{std::chrono::year(local.tm_year + 1900),
                          std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                          std::chrono::day(static_cast<unsigned>(local.tm_mday))};
    return {day, (local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec};
}

}  // namespace tavoric
