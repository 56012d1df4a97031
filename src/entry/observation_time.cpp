// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/observation_time.h"

#include <algorithm>

#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kLastHourOfDay = 23;
// The survey's own notation runs on past midnight: 2400-2420 is a round of the next night.
constexpr int kLastSurveyHour = 47;
constexpr int kLargestOffsetHour = 14;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A text of minCount to maxCount digits as its number.
std::optional<int> Digits(std::string_view text, std::size_t minCount, std::size_t maxCount) {
    if (text.size() < minCount || text.size() > maxCount ||
        !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    return IntegerOrZero(text);
}

// Whether text is written like a date: digits with "-", "/" or "." between them.
bool LooksLikeDate(std::string_view text) {
    return text.find_first_of("-/.") != std::string_view::npos &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return IsDigit(c) || c == '-' || c == '/' || c == '.'; });
}

// A day as Dutch spreadsheets write it, day first: "16-5-2024", "16.05.2024".
std::optional<CalendarDay> DayFirstDate(std::string_view text) {
    const std::size_t first = text.find_first_of("-.");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t second = text.find(text[first], first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int> day = Digits(text.substr(0, first), 1, 2);
    const std::optional<int> month = Digits(text.substr(first + 1, second - first - 1), 1, 2);
    const std::optional<int> year = Digits(text.substr(second + 1), 4, 4);
    if (!day || !month || !year) {
        return std::nullopt;
    }
    const CalendarDay date{std::chrono::year(*year),
                           std::chrono::month(static_cast<unsigned>(*month)),
                           std::chrono::day(static_cast<unsigned>(*day))};
    return date.ok() ? std::optional(date) : std::nullopt;
}

// Seconds after midnight of "HHMM", "HMM", "H:MM", "HH:MM" or "HH:MM:SS" (fractions of a second
// dropped), the hour at most lastHour.
std::optional<int> ClockSeconds(std::string_view text, int lastHour) {
    text = TrimBlanks(text);
    std::optional<int> hours;
    std::optional<int> minutes;
    std::optional<int> seconds = 0;
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        const std::optional<int> hhmm = Digits(text, 3, 4);
        hours = hhmm ? std::optional(*hhmm / 100) : std::nullopt;
        minutes = hhmm ? std::optional(*hhmm % 100) : std::nullopt;
    } else {
        const std::string_view rest = text.substr(colon + 1);
        const std::size_t secondColon = rest.find(':');
        hours = Digits(text.substr(0, colon), 1, 2);
        minutes = Digits(rest.substr(0, secondColon), 2, 2);
        if (secondColon != std::string_view::npos) {
            std::string_view secondsText = rest.substr(secondColon + 1);
            const std::size_t fraction = secondsText.find_first_of(".,");
            if (fraction != std::string_view::npos &&
                Digits(secondsText.substr(fraction + 1), 1, 9)) {
                secondsText = secondsText.substr(0, fraction);
            }
            seconds = Digits(secondsText, 2, 2);
        }
    }
    if (!hours || !minutes || !seconds || *hours > lastHour || *minutes > 59 || *seconds > 59) {
        return std::nullopt;
    }
    return (*hours * 60 + *minutes) * 60 + *seconds;
}

// Seconds east of UTC of "Z", "+HH:MM", "+HHMM", "+HH" or the same with "-".
std::optional<int> OffsetSeconds(std::string_view text) {
    if (text == "Z" || text == "z") {
        return 0;
    }
    if (text.size() < 3 || (text[0] != '+' && text[0] != '-')) {
        return std::nullopt;
    }
    const int sign = text[0] == '-' ? -1 : 1;
    const std::string_view digits = text.substr(1);
    const std::size_t minutesAt = digits.size() == 5 && digits[2] == ':' ? 3 : 2;
    const std::optional<int> hours = Digits(digits.substr(0, 2), 2, 2);
    const std::optional<int> minutes =
        digits.size() == 2 ? std::optional(0) : Digits(digits.substr(minutesAt), 2, 2);
    if (!hours || !minutes || *hours > kLargestOffsetHour || *minutes > 59) {
        return std::nullopt;
    }
    return sign * (*hours * 60 + *minutes) * 60;
}

}  // namespace

FieldTimeOrError ReadFieldTime(std::string_view text, const LocalTimeZone& zone) {
    const std::size_t split = text.find_first_of("T ");
    if (split == std::string_view::npos) {
        const std::optional<int> second = ClockSeconds(text, kLastSurveyHour);
        return second ? FieldTimeOrError{FieldTime{std::nullopt, *second, false}}
                      : FieldTimeOrError{};
    }
    const std::string_view dateText = text.substr(0, split);
    std::optional<CalendarDay> day = IsoDay(dateText);
    day = day ? day : DayFirstDate(dateText);
    if (!day) {
        return {std::nullopt,
                LooksLikeDate(dateText) ? FieldTimeError::BadDate : FieldTimeError::BadTime};
    }
    const std::string_view rest = TrimBlanks(text.substr(split + 1));
    const std::size_t offsetAt = rest.find_first_of("Zz+-");
    const std::optional<int> second = ClockSeconds(rest.substr(0, offsetAt), kLastHourOfDay);
    if (!second) {
        return {};
    }
    if (offsetAt == std::string_view::npos) {
        return {FieldTime{day, *second, false}};
    }
    const std::optional<int> offset = OffsetSeconds(rest.substr(offsetAt));
    if (!offset) {
        return {};
    }
    const LocalTime local =
        zone.FromUtc(std::chrono::sys_days(*day) + std::chrono::seconds(*second - *offset));
    return {FieldTime{local.day, local.secondOfDay, true}};
}

}  // namespace tavoric
