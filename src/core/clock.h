// SPDX-License-Identifier: GPL-3.0-or-later
// Clock times are four-digit texts HHMM, read in computations as the number HH * 100 + MM.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavoric {

int NormaliseHhmm(int v);
std::string FormatHhmm(int v);
int HhmmToMinutes(int v);
int MinutesToHhmm(int minutes);
enum class StepDirection { Up, Down };
std::string StepHhmm(std::string_view text, StepDirection direction);

// Milliseconds since 1970 UTC, now.
std::int64_t CurrentTimeMs();
// Such a time as "dd-mm-jjjj hh:mm:ss" in local time, as recovery copies and locks show it.
std::string FormatCopyTime(std::int64_t timeMs);

// Adding minutes to a time, as the periods of a parking place do.
std::string AddMinutes(std::string_view hhmm, int minutes);

// A clock time typed where no field corrects it (the command line): exactly four digits HHMM,
// minutes below 60, the whole no later than latest (2359 for a time of day, 2400 for a bound
// that may close the day).
bool IsClockTime(std::string_view text, int latest);

// The rules of a time edit field. Empty or non-numeric text counts as "0000".
// On every change: a value above 2399 becomes "0000"; otherwise the text is kept.
std::string TimeFieldAfterChange(std::string_view text);
// When the field loses the focus: "630" becomes "0630", "675" becomes "0715".
std::string TimeFieldAfterFocusLoss(std::string_view text);
// The spin button: step, then the change rule.
std::string TimeFieldAfterStep(std::string_view text, StepDirection direction);

}  // namespace tavoric
