// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entry_fields.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool LessNoCase(std::string_view a, std::string_view b) {
    return CompareNoCase(a, b) < 0;
}

// The order that sorts lines [first, last) like std::stable_sort with LessNoCase: the k-th line
// of the result is line first + order[k]. Faster on long lists: the first 24 characters of each
// line (a PPE key), lower-cased, are compared as three numbers, and only lines that share them
// are compared in full; the original position breaks ties.
template <typename Lines>
std::vector<std::size_t> NoCaseOrder(const Lines& lines, std::size_t first, std::size_t last) {
    struct Key {
        std::array<std::uint64_t, 3> prefix;
        std::size_t index;
    };
    auto word = [](std::string_view line, std::size_t from) {
        std::uint64_t w = 0;
        for (std::size_t i = from; i < from + 8; ++i) {
            const auto c = i < line.size() ? static_cast<unsigned char>(line[i]) : 0;
            w = (w << 8) | ((c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c);
        }
        return w;
    };
    std::vector<Key> keys;
    keys.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        const std::string_view line = lines[i];
        keys.push_back({{word(line, 0), word(line, 8), word(line, 16)}, i - first});
    }
    std::sort(keys.begin(), keys.end(), [&lines, first](const Key& a, const Key& b) {
        if (a.prefix != b.prefix) {
            return a.prefix < b.prefix;
        }
        const int order = CompareNoCase(lines[first + a.index], lines[first + b.index]);
        return order != 0 ? order < 0 : a.index < b.index;
    });
    std::vector<std::size_t> order;
    order.reserve(keys.size());
    for (const Key& key : keys) {
        order.push_back(key.index);
    }
    return order;
}

void Reorder(LineList& lines, std::size_t first, const std::vector<std::size_t>& order) {
    LineList sorted;
    sorted.reserve(order.size());
    for (const std::size_t from : order) {
        sorted.push_back(std::move(lines[first + from]));
    }
    std::move(sorted.begin(), sorted.end(), lines.begin() + static_cast<std::ptrdiff_t>(first));
}
void Reorder(LineBuffer& lines, std::size_t first, const std::vector<std::size_t>& order) {
    lines.Reorder(first, order);
}

void MergeRuns(LineList& lines, std::size_t middle) {
    std::inplace_merge(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(middle),
                       lines.end(), LessNoCase);
}
void MergeRuns(LineBuffer& lines, std::size_t middle) {
    lines.MergeRuns(middle, LessNoCase);
}

template <typename Lines>
void SortRunsAndMerge(Lines& lines, std::size_t appendedFrom) {
    const std::size_t middle = std::min(appendedFrom, lines.size());
    for (auto [first, last] :
         {std::pair{std::size_t{0}, middle}, std::pair{middle, lines.size()}}) {
        const auto begin = lines.begin();
        if (!std::is_sorted(begin + static_cast<std::ptrdiff_t>(first),
                            begin + static_cast<std::ptrdiff_t>(last), LessNoCase)) {
            Reorder(lines, first, NoCaseOrder(lines, first, last));
        }
    }
    // Equal lines keep the front part first: the same order as sorting the whole list.
    MergeRuns(lines, middle);
}

int StepWithin(std::string_view text, StepDirection direction, int step) {
    const int value = IntegerOrZero(text) + (direction == StepDirection::Up ? step : -step);
    return std::clamp(value, 0, kHighestNumber);
}
}  // namespace

std::string DigitsOnly(std::string_view text, std::size_t maxLength) {
    std::string digits;
    for (char c : text) {
        if (IsDigit(c) && digits.size() < maxLength) {
            digits += c;
        }
    }
    return digits;
}

std::string SingleLineText(std::string_view text, std::size_t maxLength) {
    std::string line(text.substr(0, std::min(text.size(), maxLength)));
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

std::string FourDigitNumber(std::string_view text) {
    return PadField("R", text, "0", static_cast<int>(kNumberFieldLength));
}

std::string FourDigitNumber(int number) {
    return FourDigitNumber(std::to_string(number));
}

std::string StepNumber(std::string_view text, StepDirection direction) {
    return FourDigitNumber(StepWithin(FourDigitNumber(text), direction, 1));
}

std::string StepInterval(std::string_view text, StepDirection direction) {
    return std::to_string(StepWithin(text, direction, 5));
}

std::size_t InsertSorted(LineList& lines, std::string line) {
    // The index is taken before inserting: an insert that grows the list moves it elsewhere, and
    // an iterator difference with the old begin would be garbage.
    const auto index = static_cast<std::size_t>(
        std::upper_bound(lines.begin(), lines.end(), line, LessNoCase) - lines.begin());
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
    return index;
}

void ReplaceGroup(LineList& lines, LineKey key, std::string_view groupKey,
                  const LineList& entries) {
    std::erase_if(lines, [&](std::string_view line) { return key(line) == groupKey; });
    const std::size_t kept = lines.size();
    for (const std::string& entry : entries) {
        lines.push_back(std::string(groupKey) + " " + entry);
    }
    SortIfNeeded(lines, kept);
}

void SortIfNeeded(LineList& lines, std::size_t appendedFrom) {
    SortRunsAndMerge(lines, appendedFrom);
}

void SortIfNeeded(LineBuffer& lines, std::size_t appendedFrom) {
    SortRunsAndMerge(lines, appendedFrom);
}

bool ConfirmDeletion(Prompter& prompter, const char* questionKey) {
    const ButtonCaptions captions{MessageText("ZB00018"), MessageText("ZB00019"), "",
                                  MessageText("ZB00013")};
    return Question(prompter, "", MessageText(questionKey), captions, kDefaultNo) == kYes;
}

}  // namespace tavoric
