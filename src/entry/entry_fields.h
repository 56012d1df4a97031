// SPDX-License-Identifier: GPL-3.0-or-later
// The input rules shared by the entry dialogs: four-digit number fields with their spin buttons,
// the interval field and single-line free text. Text is code page 1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/clock.h"
#include "core/progress.h"
#include "core/prompter.h"
#include "core/survey.h"

namespace tavoric {

constexpr std::size_t kNumberFieldLength = 4;
constexpr std::size_t kDescriptionLength = 33;
constexpr std::size_t kIntervalFieldLength = 4;
constexpr int kHighestNumber = 9999;

// The digits of a typed text, at most maxLength of them; every other character is dropped.
std::string DigitsOnly(std::string_view text, std::size_t maxLength);

// A free text as one line: line breaks become blanks, cut to maxLength characters.
std::string SingleLineText(std::string_view text, std::size_t maxLength);

// A number field as it is used: zero-padded to four digits, a longer text cut to its first four.
std::string FourDigitNumber(std::string_view text);
std::string FourDigitNumber(int number);

// The number's spin button: one up or down, never below 0000 or above 9999.
std::string StepNumber(std::string_view text, StepDirection direction);

// The interval's spin button: five minutes up or down, never below 0 or above 9999.
std::string StepInterval(std::string_view text, StepDirection direction);

// Adds a line at its place in a list sorted by SortLines (after its equals); returns its index.
std::size_t InsertSorted(LineList& lines, std::string line);

// Replaces the lines of one group, those whose key is groupKey, by groupKey + " " + entry for
// every entry, keeping a sorted list sorted.
using LineKey = std::string_view (*)(std::string_view line);
void ReplaceGroup(LineList& lines, LineKey key, std::string_view groupKey, const LineList& entries);

// Sorts the list as SortLines does. The lines from appendedFrom on are sorted on their own and
// merged after the front part, so a sorted list with a sorted block appended costs one pass.
void SortIfNeeded(LineList& lines, std::size_t appendedFrom = 0);
void SortIfNeeded(LineBuffer& lines, std::size_t appendedFrom = 0);

// Long loops tell their progress every this many lines: often enough for a smooth bar, rarely
// enough to cost nothing on a million lines.
constexpr std::size_t kProgressStep = 4096;

// Removes the lines for which remove(line) holds, keeping the order of the others, and reports
// (lines examined, line count before) as it goes.
template <typename Lines, typename Predicate>
void RemoveLinesWhere(Lines& lines, Predicate remove, Progress& progress) {
    const std::size_t total = lines.size();
    std::size_t examined = 0;
    auto removeAndReport = [&](std::string_view line) {
        if (++examined % kProgressStep == 0) {
            progress.Set(examined, total);
        }
        return remove(line);
    };
    if constexpr (std::is_same_v<Lines, LineBuffer>) {
        lines.EraseIf(removeAndReport);
    } else {
        std::erase_if(lines, removeAndReport);
    }
    progress.Set(total, total);
}

// The deletion question of a list window: "&Verwijderen", "&Niet verwijderen" (the default) and
// "&Annuleren"; true only for "&Verwijderen".
bool ConfirmDeletion(Prompter& prompter, const char* questionKey);

// Whether a list editor's apply changed the project and whether the analysis selection must
// forget its routes.
struct ApplyResult {
    bool projectChanged = false;
    bool resetAnalysisSelection = false;
};

}  // namespace tavoric
