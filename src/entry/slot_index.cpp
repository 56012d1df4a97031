// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/slot_index.h"

#include <algorithm>
#include <array>
#include <bit>

#include "core/clock.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::uint64_t kNumbers = 10000;  // four-digit fields hold 0-9999

std::uint64_t RouteNumber(const PlaceNumbers& n) {
    return static_cast<std::uint64_t>(n.route);
}
std::uint64_t SectionNumberOf(const PlaceNumbers& n) {
    return RouteNumber(n) * kNumbers + static_cast<std::uint64_t>(n.section);
}
std::uint64_t PlaceNumberOf(const PlaceNumbers& n) {
    return SectionNumberOf(n) * kNumbers + static_cast<std::uint64_t>(n.place);
}
std::uint64_t SlotNumber(const PlaceNumbers& n, int periodStart) {
    return PlaceNumberOf(n) * kNumbers + static_cast<std::uint64_t>(periodStart);
}

// A field of exactly four digits as its number.
std::optional<int> FourDigits(std::string_view field) {
    if (field.size() != 4) {
        return std::nullopt;
    }
    int number = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

// The first count number fields of a line (route, section, place: four digits each, a blank
// between them), or nothing when the line does not begin that way.
std::optional<PlaceNumbers> NumbersOfLine(std::string_view line, std::size_t count) {
    std::array<int, 3> numbers{};
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<int> number = FourDigits(Chars(line, 1 + 5 * i, 4 + 5 * i));
        if (!number || (i > 0 && line[5 * i - 1] != ' ')) {
            return std::nullopt;
        }
        numbers[i] = *number;
    }
    return PlaceNumbers{numbers[0], numbers[1], numbers[2]};
}

// The slot number of a slot line (route, section, place and period start), or nothing when the
// line does not begin with them.
std::optional<std::uint64_t> SlotNumberOfLine(std::string_view line) {
    const auto numbers = NumbersOfLine(line, 3);
    const std::optional<int> start = FourDigits(PpePeriodStart(line));
    if (!numbers || !start || line[14] != ' ') {
        return std::nullopt;
    }
    return SlotNumber(*numbers, *start);
}

// The same for a line known to begin that way: its sixteen digits make the number.
std::uint64_t SlotNumberOfCheckedLine(std::string_view line) {
    static constexpr std::array<std::size_t, 16> kDigitsAt = {0,  1,  2,  3,  5,  6,  7,  8,
                                                              10, 11, 12, 13, 15, 16, 17, 18};
    std::uint64_t number = 0;
    for (const std::size_t at : kDigitsAt) {
        number = number * 10 + static_cast<std::uint64_t>(line[at] - '0');
    }
    return number;
}

std::size_t Spread(std::uint64_t key) {
    key ^= key >> 33;
    key *= 0xFF51AFD7ED558CCDull;
    key ^= key >> 33;
    return static_cast<std::size_t>(key);
}

int PeriodSecond(std::string_view hhmm) {
    return HhmmToMinutes(IntegerOrZero(hhmm)) * 60;
}

}  // namespace

SlotIndex::SlotTable::SlotTable(std::size_t count)
    : entries_(std::bit_ceil(2 * count + 2)), mask_(entries_.size() - 1) {}

void SlotIndex::SlotTable::Insert(std::uint64_t key, std::size_t line) {
    for (std::size_t i = Spread(key) & mask_;; i = (i + 1) & mask_) {
        Entry& entry = entries_[i];
        if (entry.line == kNoLine) {
            entry = {key, line};
            return;
        }
        if (entry.key == key) {
            return;
        }
    }
}

std::optional<std::size_t> SlotIndex::SlotTable::Find(std::uint64_t key) const {
    for (std::size_t i = Spread(key) & mask_;; i = (i + 1) & mask_) {
        const Entry& entry = entries_[i];
        if (entry.line == kNoLine) {
            return std::nullopt;
        }
        if (entry.key == key) {
            return entry.line;
        }
    }
}

SlotIndex::SlotIndex(const Survey& survey, bool byTime) : slots_(survey.KentekensList) {
    for (const std::string& line : survey.RoutesList) {
        if (const auto numbers = NumbersOfLine(line, 1)) {
            routes_.insert(RouteNumber(*numbers));
        }
    }
    for (const std::string& line : survey.SectiesList) {
        if (const auto numbers = NumbersOfLine(line, 2)) {
            sections_.insert(SectionNumberOf(*numbers));
        }
    }
    for (const std::string& line : survey.ParkeerplaatsenList) {
        if (const auto numbers = NumbersOfLine(line, 3)) {
            places_.insert(PlaceNumberOf(*numbers));
        }
    }
    if (SlotsAscend()) {
        IndexPlaceRuns();
    } else {
        byPeriodStart_.emplace(slots_.size());
    }
    if (!byPeriodStart_ && !byTime) {
        return;
    }
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const std::string_view line = slots_[i];
        const std::optional<std::uint64_t> slot = SlotNumberOfLine(line);
        if (!slot) {
            continue;
        }
        if (byPeriodStart_) {
            byPeriodStart_->Insert(*slot, i);
        }
        if (byTime) {
            periodsOfPlace_[*slot / kNumbers].push_back(
                {PeriodSecond(PpePeriodStart(line)), PeriodSecond(PpePeriodEnd(line)), i});
        }
    }
}

bool SlotIndex::SlotsAscend() const {
    std::uint64_t previous = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const std::optional<std::uint64_t> slot = SlotNumberOfLine(slots_[i]);
        if (!slot || (i > 0 && *slot <= previous)) {
            return false;
        }
        previous = *slot;
    }
    return true;
}

void SlotIndex::IndexPlaceRuns() {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const std::uint64_t place = SlotNumberOfCheckedLine(slots_[i]) / kNumbers;
        if (placeRuns_.empty() || placeRuns_.back().place != place) {
            placeRuns_.push_back({place, i, i});
        }
        placeRuns_.back().end = i + 1;
    }
}

std::optional<std::size_t> SlotIndex::SlotInPlaceRuns(std::uint64_t slotNumber) const {
    const std::uint64_t place = slotNumber / kNumbers;
    const auto run = std::partition_point(placeRuns_.begin(), placeRuns_.end(),
                                          [place](const PlaceRun& r) { return r.place < place; });
    if (run == placeRuns_.end() || run->place != place) {
        return std::nullopt;
    }
    const auto first = slots_.begin() + static_cast<std::ptrdiff_t>(run->first);
    const auto end = slots_.begin() + static_cast<std::ptrdiff_t>(run->end);
    const auto found = std::partition_point(first, end, [slotNumber](std::string_view line) {
        return SlotNumberOfCheckedLine(line) < slotNumber;
    });
    if (found == end || SlotNumberOfCheckedLine(*found) != slotNumber) {
        return std::nullopt;
    }
    return run->first + static_cast<std::size_t>(found - first);
}

bool SlotIndex::HasRoute(const PlaceNumbers& numbers) const {
    return routes_.contains(RouteNumber(numbers));
}

bool SlotIndex::HasSection(const PlaceNumbers& numbers) const {
    return sections_.contains(SectionNumberOf(numbers));
}

bool SlotIndex::HasPlace(const PlaceNumbers& numbers) const {
    return places_.contains(PlaceNumberOf(numbers));
}

std::optional<std::size_t> SlotIndex::SlotOfPeriod(const PlaceNumbers& numbers,
                                                   std::string_view period) {
    const std::optional<int> start = FourDigits(Chars(period, 1, 4));
    if (!start) {
        return std::nullopt;
    }
    const std::uint64_t slotNumber = SlotNumber(numbers, *start);
    std::optional<std::size_t> slot;
    if (byPeriodStart_) {
        slot = byPeriodStart_->Find(slotNumber);
    } else if (nextSlot_ < slots_.size() &&
               SlotNumberOfCheckedLine(slots_[nextSlot_]) == slotNumber) {
        slot = nextSlot_;
    } else {
        slot = SlotInPlaceRuns(slotNumber);
    }
    if (slot) {
        nextSlot_ = *slot + 1;
    }
    return slot && PpePeriod(slots_[*slot]) == period ? slot : std::nullopt;
}

std::optional<std::size_t> SlotIndex::SlotAtTime(const PlaceNumbers& numbers,
                                                 int secondOfDay) const {
    const auto found = periodsOfPlace_.find(PlaceNumberOf(numbers));
    if (found != periodsOfPlace_.end()) {
        for (const SlotPeriod& period : found->second) {
            if (period.fromSecond <= secondOfDay && secondOfDay < period.toSecond) {
                return period.line;
            }
        }
    }
    return std::nullopt;
}

bool SlotIndex::SlotCoversTime(std::size_t slot, int secondOfDay) const {
    const std::string_view line = slots_[slot];
    return PeriodSecond(PpePeriodStart(line)) <= secondOfDay &&
           secondOfDay < PeriodSecond(PpePeriodEnd(line));
}

}  // namespace tavoric
