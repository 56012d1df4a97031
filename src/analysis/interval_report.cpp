#include "analysis/interval_report.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "analysis/observation_selection.h"
#include "analysis/report_table_text.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kLabelColumns = 3;
constexpr int kRowsBesidePatterns = 8;

// The sorted distinct periods of the selection and the position of each.
class TimeAxis {
public:
    explicit TimeAxis(const LineList& slots) {
        std::unordered_set<std::string_view> distinct;
        for (const std::string& slot : slots) {
            distinct.insert(SlotPeriod(slot));
        }
        periods_.assign(distinct.begin(), distinct.end());
        std::sort(periods_.begin(), periods_.end());
        for (std::size_t i = 0; i < periods_.size(); ++i) {
            positions_.emplace(periods_[i], i);
        }
    }

    std::size_t Size() const { return periods_.size(); }
    std::string_view Period(std::size_t position) const { return periods_[position]; }

    // A place's slots run through the periods in order, so the period after the previous one
    // is tried first.
    std::size_t PositionOf(std::string_view period, std::size_t after) const {
        if (after + 1 < periods_.size() && periods_[after + 1] == period) {
            return after + 1;
        }
        return positions_.at(period);
    }

private:
    std::vector<std::string_view> periods_;
    std::unordered_map<std::string_view, std::size_t> positions_;
};

struct Vehicle {
    std::string_view plate;  // blanks removed
    std::string pattern;
};

struct PatternCount {
    std::string pattern;
    int count = 0;
};

// Every distinct plate of the place, in the order of first appearance, with its pattern.
std::vector<Vehicle> VehiclesOfPlace(const LineList& slots, std::size_t first, std::size_t last,
                                     const TimeAxis& axis) {
    std::vector<Vehicle> vehicles;
    std::size_t position = axis.Size();
    for (std::size_t i = first; i < last; ++i) {
        position = axis.PositionOf(SlotPeriod(slots[i]), position);
        const std::string_view plate = TrimBlanks(SlotPlate(slots[i]));
        if (plate.empty()) {
            continue;
        }
        auto vehicle = std::find_if(vehicles.begin(), vehicles.end(),
                                    [plate](const Vehicle& v) { return v.plate == plate; });
        if (vehicle == vehicles.end()) {
            vehicles.push_back({plate, std::string(axis.Size(), '0')});
            vehicle = vehicles.end() - 1;
        }
        vehicle->pattern[position] = '1';
    }
    return vehicles;
}

// Descending pattern order: present from the first period first (1100, 1010, 1001, 0110).
// By vehicles: descending count, equal counts in descending pattern order.
void SortPatterns(std::vector<PatternCount>& patterns, bool byVehicles) {
    std::sort(patterns.begin(), patterns.end(),
              [byVehicles](const PatternCount& a, const PatternCount& b) {
                  if (byVehicles && a.count != b.count) {
                      return a.count > b.count;
                  }
                  return a.pattern > b.pattern;
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
    int row = 4;
    for (const PatternCount& pattern : patterns) {
        for (std::size_t k = 0; k < pattern.pattern.size(); ++k) {
            if (pattern.pattern[k] == '1') {
                table.SetCell(kLabelColumns + static_cast<int>(k), row, bar);
                present[k] += pattern.count;
            }
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

void WriteDetailList(ReportDocument& report, std::size_t periods, const LineList& vehicleLines) {
    const int a = static_cast<int>(periods) + 1;
    const std::string rule = report.RuleLine(a + 25);
    for (int i = 0; i < 3; ++i) {
        report.AddReportLine();
    }
    report.AddReportLine(MessageText("AA00070"));
    report.AddReportLine(rule);
    report.AddReportLine(PadField("L", MessageText("AA00071"), " ", a) + MessageText("AA00072"));
    report.AddReportLine(rule);
    for (const std::string& line : vehicleLines) {
        report.AddReportLine(line);
    }
    report.AddReportLine(rule);
    report.AddReportLine();
}

}  // namespace

void WriteIntervalSection(ReportDocument& report, const LineList& slots,
                          const AnalysisParameters& parameters) {
    if (slots.empty()) {
        return;
    }
    report.AddReportLine(MessageText("AA00031"));
    report.AddReportLine();

    const TimeAxis axis(slots);
    std::unordered_map<std::string, int> countByPattern;
    LineList vehicleLines;
    ForEachPlace(slots, [&](std::size_t first, std::size_t last) {
        for (Vehicle& vehicle : VehiclesOfPlace(slots, first, last, axis)) {
            if (parameters.addDetailList) {
                vehicleLines.push_back(vehicle.pattern + ";" +
                                       std::string(SlotPlace(slots[first])) + ";" +
                                       PadField("L", vehicle.plate, " ", 6));
            }
            ++countByPattern[std::move(vehicle.pattern)];
        }
    });
    if (countByPattern.empty()) {
        report.AddReportLine();
        report.AddReportLine(MessageText("AA00073"));
        return;
    }

    std::vector<PatternCount> patterns;
    patterns.reserve(countByPattern.size());
    for (auto& [pattern, count] : countByPattern) {
        patterns.push_back({pattern, count});
    }
    SortPatterns(patterns, parameters.sortByVehicles);
    FillTable(report, axis, patterns);
    WriteTableLines(report, kLabelColumns);
    if (parameters.addDetailList) {
        WriteDetailList(report, axis.Size(), vehicleLines);
    }
}

}  // namespace tavoric
