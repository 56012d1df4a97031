// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/interval_report.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <unordered_map>

#include "analysis/interval_table.h"
#include "analysis/observation_selection.h"
#include "analysis/report_table_text.h"
#include "analysis/time_axis.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kLabelColumns = 3;
constexpr int kFirstPatternRow = 4;  // after the rules around the headings and the times
// The pattern rows have no labels: on paper the number of vehicles, the last column, prints
// after every strip so that each row of a strip still says what it counts.
constexpr int kClosingColumns = 1;
constexpr int kRowsBesidePatterns = 8;

// The periods in which a vehicle stood, as ascending positions on the time axis: a pattern of
// "0" and "1" without its zeros, so that memory follows the slots and not slots times periods.
using Pattern = std::vector<std::uint32_t>;

// A plate of the place being read, with its pattern so far.
struct PlateAtPlace {
    std::string_view plate;  // blanks removed
    Pattern pattern;
};

// A vehicle of the detail list; its pattern is kept in one store for all vehicles, which holds
// at most one position per slot (and slots are counted in 32 bits).
struct Vehicle {
    std::string_view plate;
    std::string_view place;  // the slot line's place key and type
    std::uint32_t firstPosition;
    std::uint32_t positionCount;
};

struct PatternCount {
    Pattern pattern;
    int count = 0;
};

std::string PatternText(std::span<const std::uint32_t> pattern, std::size_t periods) {
    std::string text(periods, '0');
    for (const std::uint32_t position : pattern) {
        text[position] = '1';
    }
    return text;
}

// The pattern's bytes, as a key that compares and hashes like the pattern.
std::string_view PatternKey(const Pattern& pattern) {
    return {reinterpret_cast<const char*>(pattern.data()), pattern.size() * sizeof pattern[0]};
}

// The vehicles of the selection: the number of vehicles of each distinct pattern, in the order
// of first appearance, and with the detail list every vehicle itself.
class VehicleTally {
public:
    explicit VehicleTally(bool keepVehicles) : keepVehicles_(keepVehicles) {}

    void Add(const PlateAtPlace& vehicle, std::string_view place) {
        ++vehicleCount_;
        ++patterns_[IndexOf(vehicle.pattern)].count;
        if (keepVehicles_) {
            vehicles_.push_back({vehicle.plate, place,
                                 static_cast<std::uint32_t>(positions_.size()),
                                 static_cast<std::uint32_t>(vehicle.pattern.size())});
            positions_.insert(positions_.end(), vehicle.pattern.begin(), vehicle.pattern.end());
        }
    }

    std::size_t VehicleCount() const { return vehicleCount_; }
    // The counted patterns; counting ends here.
    std::vector<PatternCount> TakePatterns() {
        indexByPattern_.clear();
        return std::move(patterns_);
    }
    const std::vector<Vehicle>& Vehicles() const { return vehicles_; }
    std::span<const std::uint32_t> PatternOf(const Vehicle& vehicle) const {
        return std::span(positions_).subspan(vehicle.firstPosition, vehicle.positionCount);
    }

private:
    std::size_t IndexOf(const Pattern& pattern) {
        if (const auto known = indexByPattern_.find(PatternKey(pattern));
            known != indexByPattern_.end()) {
            return known->second;
        }
        // The key points into the counted copy, whose positions stay where they are.
        patterns_.push_back({pattern, 0});
        indexByPattern_.emplace(PatternKey(patterns_.back().pattern), patterns_.size() - 1);
        return patterns_.size() - 1;
    }

    bool keepVehicles_;
    std::size_t vehicleCount_ = 0;
    std::unordered_map<std::string_view, std::size_t> indexByPattern_;
    std::vector<PatternCount> patterns_;
    std::vector<Vehicle> vehicles_;
    std::vector<std::uint32_t> positions_;
};

// Whether a comes before b in descending pattern order ("1100" before "1010" before "0110"): at
// the first position where they differ, the pattern present earlier comes first; a pattern that
// continues after the other has ended comes first.
bool PatternBefore(const Pattern& a, const Pattern& b) {
    const auto [inA, inB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (inA == a.end() || inB == b.end()) {
        return inB == b.end() && inA != a.end();
    }
    return *inA < *inB;
}

// Every distinct plate of the place, in the order of first appearance, with its pattern, into
// plates (reused from place to place, so that its patterns keep their memory); returns how many.
// A place holds few distinct plates, so they are looked up one by one.
std::size_t ReadPlatesOfPlace(const ObservationSlots& slots, std::size_t first, std::size_t last,
                              const TimeAxis& axis, std::vector<PlateAtPlace>& plates) {
    std::size_t count = 0;
    ForEachPlate(
        slots, first, last, axis, [&](std::size_t, std::size_t position, std::string_view plate) {
            const auto end = plates.begin() + static_cast<std::ptrdiff_t>(count);
            auto known = std::find_if(plates.begin(), end, [plate](const PlateAtPlace& seen) {
                return seen.plate == plate;
            });
            if (known == end) {
                if (count == plates.size()) {
                    plates.emplace_back();
                }
                known = plates.begin() + static_cast<std::ptrdiff_t>(count++);
                known->plate = plate;
                known->pattern.clear();
            }
            Pattern& pattern = known->pattern;
            if (pattern.empty() || pattern.back() < position) {
                pattern.push_back(static_cast<std::uint32_t>(position));
            } else if (!std::binary_search(pattern.begin(), pattern.end(), position)) {
                pattern.insert(std::lower_bound(pattern.begin(), pattern.end(), position),
                               static_cast<std::uint32_t>(position));
            }
        });
    return count;
}

// Descending pattern order; by vehicles: descending count, equal counts in pattern order.
void SortPatterns(std::vector<PatternCount>& patterns, bool byVehicles) {
    std::sort(patterns.begin(), patterns.end(),
              [byVehicles](const PatternCount& a, const PatternCount& b) {
                  if (byVehicles && a.count != b.count) {
                      return a.count > b.count;
                  }
                  return PatternBefore(a.pattern, b.pattern);
              });
}

std::string RightAligned(std::int64_t number) {
    return PadField("R", std::to_string(number), " ", kTableCellWidth);
}

void SetRuleRow(ReportDocument& report, int row) {
    const std::string rule = report.RuleLine(kTableCellWidth);
    for (int column = 0; column < report.Table().ColumnCount(); ++column) {
        report.Table().SetCell(column, row, rule);
    }
}

void FillTable(ReportDocument& report, const TimeAxis& axis,
               const std::vector<PatternCount>& patterns) {
    const int periods = static_cast<int>(axis.Size());
    const int columns = periods + 6;
    const int rows = static_cast<int>(patterns.size()) + kRowsBesidePatterns;
    ReportTable& table = report.Table();
    table.SetSize(columns, rows);
    report.SetHasTableData(true);

    SetRuleRow(report, 0);
    table.SetCell(0, 1, MessageText("AA00061"));
    table.SetCell(1, 1, MessageText("AA00062"));
    table.SetCell(3, 1, MessageText("AA00063"));
    table.SetCell(4, 1, MessageText("AA00064"));
    table.SetCell(columns - 1, 1, MessageText("AA00065"));
    const std::string& lineCharacter = report.Settings().lineCharacter;
    for (int k = 0; k < periods; ++k) {
        const std::string_view start = Chars(axis.Period(static_cast<std::size_t>(k)), 1, 4);
        table.SetCell(kLabelColumns + k, 2, PadField("L", start, lineCharacter, kTableCellWidth));
    }
    table.SetCell(kLabelColumns + periods, 2,
                  std::string(Chars(axis.Period(axis.Size() - 1), 6, 9)) + "  ");
    table.SetCell(columns - 1, 2, MessageText("AA00066"));
    SetRuleRow(report, 3);

    const std::string bar = report.BarText(kTableCellWidth);
    std::vector<std::int64_t> present(axis.Size(), 0);
    std::int64_t vehicles = 0;
    int row = kFirstPatternRow;
    for (const PatternCount& pattern : patterns) {
        for (const std::uint32_t k : pattern.pattern) {
            table.SetCell(kLabelColumns + static_cast<int>(k), row, bar);
            present[k] += pattern.count;
        }
        table.SetCell(columns - 1, row++, RightAligned(pattern.count));
        vehicles += pattern.count;
    }
    SetRuleRow(report, rows - 4);
    table.SetCell(columns - 1, rows - 3, RightAligned(vehicles));
    table.SetCell(0, rows - 2, MessageText("AA00067"));
    table.SetCell(1, rows - 2, MessageText("AA00068"));
    table.SetCell(2, rows - 2, MessageText("AA00069"));
    std::int64_t presentSum = 0;
    for (std::size_t k = 0; k < present.size(); ++k) {
        table.SetCell(kLabelColumns + static_cast<int>(k), rows - 2, RightAligned(present[k]));
        presentSum += present[k];
    }
    table.SetCell(columns - 2, rows - 2, std::to_string(presentSum));
    SetRuleRow(report, rows - 1);
}

void WriteDetailList(ReportDocument& report, std::size_t periods, const VehicleTally& tally) {
    const int a = static_cast<int>(periods) + 1;
    const std::string rule = report.RuleLine(a + 25);
    for (int i = 0; i < 3; ++i) {
        report.AddReportLine();
    }
    report.AddReportLine(MessageText("AA00070"));
    report.AddReportLine(rule);
    report.AddReportLine(PadField("L", MessageText("AA00071"), " ", a) + MessageText("AA00072"));
    report.AddReportLine(rule);
    for (const Vehicle& vehicle : tally.Vehicles()) {
        report.AddReportLine(PatternText(tally.PatternOf(vehicle), periods) + ";" +
                             std::string(vehicle.place) + ";" +
                             PadField("L", vehicle.plate, " ", 6));
    }
    report.AddReportLine(rule);
    report.AddReportLine();
}

void FillCleanTable(IntervalTable& table, const TimeAxis& axis,
                    const std::vector<PatternCount>& patterns, const VehicleTally& tally) {
    for (std::size_t k = 0; k < axis.Size(); ++k) {
        table.periods.emplace_back(axis.Period(k));
    }
    for (const PatternCount& pattern : patterns) {
        table.patterns.push_back({PatternText(pattern.pattern, axis.Size()), pattern.count});
    }
    for (const Vehicle& vehicle : tally.Vehicles()) {
        table.detail.push_back({PatternText(tally.PatternOf(vehicle), axis.Size()),
                                std::string(vehicle.place), std::string(vehicle.plate)});
    }
}

}  // namespace

std::string WriteIntervalSection(ReportDocument& report, const ObservationSlots& slots,
                                 const AnalysisParameters& parameters, IntervalTable* cleanTable) {
    if (slots.empty()) {
        return {};
    }
    report.AddReportLine(MessageText("AA00031"));
    report.AddReportLine();

    const TimeAxis axis(slots);
    VehicleTally tally(parameters.addDetailList);
    std::vector<PlateAtPlace> plates;
    ForEachPlace(slots, [&](std::size_t first, std::size_t last) {
        const std::size_t count = ReadPlatesOfPlace(slots, first, last, axis, plates);
        for (std::size_t k = 0; k < count; ++k) {
            tally.Add(plates[k], SlotPlace(slots[first]));
        }
    });
    if (tally.VehicleCount() == 0) {
        report.AddReportLine();
        report.AddReportLine(MessageText("AA00073"));
        return {};
    }

    std::vector<PatternCount> patterns = tally.TakePatterns();
    if (std::string refusal =
            IntervalLimitRefusal(axis.Size(), patterns.size(), tally.Vehicles().size());
        !refusal.empty()) {
        report.AddReportLine(refusal);
        return refusal;
    }
    SortPatterns(patterns, parameters.sortByVehicles);
    FillTable(report, axis, patterns);
    WriteTableLines(report, kLabelColumns, kFirstPatternRow, kClosingColumns);
    if (parameters.addDetailList) {
        WriteDetailList(report, axis.Size(), tally);
    }
    if (cleanTable != nullptr) {
        FillCleanTable(*cleanTable, axis, patterns, tally);
    }
    return {};
}

std::string IntervalLimitRefusal(std::size_t periods, std::size_t patterns,
                                 std::size_t detailVehicles) {
    const auto number = [](std::size_t n) { return std::to_string(n); };
    if (periods > kMaxIntervalPeriods) {
        return FormatText(MessageText("AA00316"),
                          {number(periods), number(patterns), number(kMaxIntervalPeriods),
                           number(kMaxIntervalCells)});
    }
    const std::size_t columns = periods + 6;
    const std::size_t maxPatterns = kMaxIntervalCells / columns - kRowsBesidePatterns;
    if (patterns > maxPatterns) {
        return FormatText(MessageText("AA00319"),
                          {number(periods), number(patterns), number(periods), number(maxPatterns),
                           number(kMaxIntervalCells)});
    }
    // The detail list's lines are about as long as a table row.
    const std::size_t maxVehicles = kMaxIntervalCells / (columns + 4);
    if (detailVehicles > maxVehicles) {
        return FormatText(MessageText("AA00320"),
                          {number(detailVehicles), number(periods), number(maxVehicles)});
    }
    return {};
}

bool FitsIntervalLimits(std::size_t periods, std::size_t patterns, std::size_t detailVehicles) {
    return IntervalLimitRefusal(periods, patterns, detailVehicles).empty();
}

}  // namespace tavoric
