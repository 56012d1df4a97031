// SPDX-License-Identifier: GPL-3.0-or-later
// The routes, sections, places and slots of a survey, found by number in constant time: the
// import of field observations looks up a million rows this way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/survey.h"

namespace tavoric {

// A parking place by its route, section and place number, each 0 to 9999.
struct PlaceNumbers {
    int route = 0;
    int section = 0;
    int place = 0;
};

class SlotIndex {
public:
    // byTime: also index the periods of every place by their clock times.
    SlotIndex(const Survey& survey, bool byTime);

    bool HasRoute(const PlaceNumbers& numbers) const;
    bool HasSection(const PlaceNumbers& numbers) const;
    bool HasPlace(const PlaceNumbers& numbers) const;
    // The KentekensList index of the place's slot whose period text is period ("HHMM-HHMM").
    std::optional<std::size_t> SlotOfPeriod(const PlaceNumbers& numbers,
                                            std::string_view period) const;
    // The first slot of the place whose period starts at or before the second of the day and
    // ends after it. Needs byTime.
    std::optional<std::size_t> SlotAtTime(const PlaceNumbers& numbers, int secondOfDay) const;
    // Whether the period of a slot (a KentekensList index) starts at or before the second of the
    // day and ends after it.
    bool SlotCoversTime(std::size_t slot, int secondOfDay) const;

private:
    // Slot lines by place and period start: open addressing in one array, so that a lookup
    // costs one probe run and building costs no allocation per slot.
    class SlotTable {
    public:
        explicit SlotTable(std::size_t count);
        void Insert(std::uint64_t key, std::size_t line);  // the first line of a key stays
        std::optional<std::size_t> Find(std::uint64_t key) const;

    private:
        static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);
        struct Entry {
            std::uint64_t key = 0;
            std::size_t line = kNoLine;
        };
        std::vector<Entry> entries_;
        std::size_t mask_;
    };

    struct SlotPeriod {
        int fromSecond;
        int toSecond;
        std::size_t line;
    };

    const LineBuffer& slots_;
    std::unordered_set<std::uint64_t> routes_;
    std::unordered_set<std::uint64_t> sections_;
    std::unordered_set<std::uint64_t> places_;
    SlotTable byPeriodStart_;
    std::unordered_map<std::uint64_t, std::vector<SlotPeriod>> periodsOfPlace_;
};

}  // namespace tavoric
