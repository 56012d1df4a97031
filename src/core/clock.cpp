// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "core/text.h"

namespace tavoric {

namespace {

// Times and sums far beyond any survey (a hand-made file may hold any number) are held at this
// bound, so that no step of the clock arithmetic can overflow.
constexpr long long kClockBound = 999'999'999;

int Bounded(long long v) {
    return static_cast<int>(std::clamp(v, -kClockBound, kClockBound));
}

}  // namespace

int NormaliseHhmm(int v) {
    return Bounded((v % 100) >= 60 ? v + 40LL : v);
}

std::string FormatHhmm(int v) {
    std::string digits = std::to_string(NormaliseHhmm(v));
    if (digits.size() < 4) {
        digits.insert(0, 4 - digits.size(), '0');
    }
    return digits;
}

int HhmmToMinutes(int v) {
    const int n = NormaliseHhmm(v);
    return (n / 100) * 60 + n % 100;
}

int MinutesToHhmm(int minutes) {
    const long long h = minutes / 60;
    return Bounded(h * 100 + (minutes - 60 * h));
}

std::string StepHhmm(std::string_view text, StepDirection direction) {
    const int v = IntegerOrZero(text);
    if (direction == StepDirection::Up) {
        return FormatHhmm(Bounded(v + 5LL));
    }
    const std::string_view minutes = Chars(text, 3, 4);
    const bool borrowsHour =
        minutes == "00" || minutes == "01" || minutes == "02" || minutes == "03" || minutes == "04";
    const long long stepped = borrowsHour ? v - 45LL : v - 5LL;
    return stepped < 0 ? std::string("0000") : FormatHhmm(Bounded(stepped));
}

std::string AddMinutes(std::string_view hhmm, int minutes) {
    return FormatHhmm(MinutesToHhmm(Bounded(0LL + HhmmToMinutes(IntegerOrZero(hhmm)) + minutes)));
}

std::string TimeFieldAfterChange(std::string_view text) {
    return IntegerOrZero(text) > 2399 ? std::string("0000") : std::string(text);
}

std::string TimeFieldAfterFocusLoss(std::string_view text) {
    const int v = IntegerOrZero(text);
    return FormatHhmm(v < 0 ? 0 : v);
}

std::string TimeFieldAfterStep(std::string_view text, StepDirection direction) {
    return TimeFieldAfterChange(StepHhmm(text, direction));
}

bool IsClockTime(std::string_view text, int latest) {
    if (text.size() != 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const int value =
        (text[0] - '0') * 1000 + (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
    return value % 100 < 60 && value <= latest;
}

std::int64_t CurrentTimeMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string FormatCopyTime(std::int64_t timeMs) {
    const std::time_t seconds = static_cast<std::time_t>(timeMs / 1000);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d-%m-%Y %H:%M:%S", &local);
    return text;
}

}  // namespace tavoric
