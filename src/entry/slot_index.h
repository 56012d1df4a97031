// SPDX-License-Identifier: GPL-3.0-or-later
// The routes, sections, places and slots of a survey, found by number: the import of field
// observations looks up a million rows this way. A slot list in ascending order without repeated
// keys (as the program keeps it) is searched where it stands; any other list gets a hash table.
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
    // The KentekensList index of the place's slot whose period text is period ("HHMM-HHMM"). The
    // slot after the one found last is tried first: rows in slot order cost one comparison.
    std::optional<std::size_t> SlotOfPeriod(const PlaceNumbers& numbers, std::string_view period);
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

    // The slot lines of one place in an ascending list: [first, end).
    struct PlaceRun {
        std::uint64_t place;
        std::size_t first;
        std::size_t end;
    };

    // Whether every slot line is well formed and its key exceeds the one before.
    bool SlotsAscend() const;
    void IndexPlaceRuns();
    std::optional<std::size_t> SlotInPlaceRuns(std::uint64_t slotNumber) const;

    struct SlotPeriod {
        int fromSecond;
        int toSecond;
        std::size_t line;
    };

    const LineBuffer& slots_;
    std::unordered_set<std::uint64_t> routes_;
    std::unordered_set<std::uint64_t> sections_;
    std::unordered_set<std::uint64_t> places_;
    // Set for an ascending list: the places in list order. Otherwise byPeriodStart_ is.
    std::vector<PlaceRun> placeRuns_;
    std::size_t nextSlot_ = 0;
    std::optional<SlotTable> byPeriodStart_;
    std::unordered_map<std::uint64_t, std::vector<SlotPeriod>> periodsOfPlace_;
};

}  // namespace tavoric
