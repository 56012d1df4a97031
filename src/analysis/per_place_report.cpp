// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/per_place_report.h"

#include <algorithm>

#include "analysis/number_format.h"
#include "analysis/observation_selection.h"
#include "analysis/per_place_table.h"
#include "analysis/report_table_text.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kColumns = 24;
constexpr int kFirstPlaceRow = 7;
constexpr int kRowsBesidePlaces = 10;
constexpr int kPlaceLabelColumns = 4;  // route, section, place and type
constexpr int kFirstClassColumn = 7;
constexpr int kVehiclesColumn = 18;

std::int64_t Mean(std::int64_t sum, std::int64_t count) {
    return count > 0 ? RoundHalfEven(static_cast<double>(sum) / static_cast<double>(count)) : 0;
}

// The stays of one place as they are closed, one by one.
class StayCounter {
public:
    StayCounter(PlaceFigures& figures, int interval, const AnalysisParameters& parameters)
        : figures_(figures), interval_(interval), parameters_(parameters) {}

    void Extend() { ++run_; }
    void MarkWronglyParked() { wronglyParked_ = true; }
    void Close() {
        if (run_ > 0) {
            ++figures_.vehicles;
            figures_.occupiedSlots += run_;
            if (wronglyParked_) {
                ++figures_.wronglyParked;
                wronglyParked_ = false;
            }
            const std::int64_t duration = static_cast<std::int64_t>(interval_) * run_;
            for (int k = 0; k < kDurationClassCount; ++k) {
                const DurationClass& range = parameters_.classes[static_cast<std::size_t>(k)];
                if (range.from <= duration && duration < range.to) {
                    ++figures_.classCount[static_cast<std::size_t>(k)];
                }
            }
            figures_.placeMinutes += duration;
        }
        run_ = 0;
    }

private:
    PlaceFigures& figures_;
    int interval_;
    const AnalysisParameters& parameters_;
    int run_ = 0;
    bool wronglyParked_ = false;
};

void SetClassPercents(PlaceFigures& figures) {
    std::int64_t classified = 0;
    for (int count : figures.classCount) {
        classified += count;
    }
    for (std::size_t k = 0; k < figures.classCount.size(); ++k) {
        figures.classPercent[k] = WholePercent(figures.classCount[k], classified);
    }
}

void SetRuleRow(ReportDocument& report, int row) {
    const std::string rule = report.RuleLine(6);
    for (int column = 0; column < kColumns; ++column) {
        report.Table().SetCell(column, row, rule);
    }
}

// Heading texts of a column from the given row down.
void SetColumnHeading(ReportTable& table, int column, std::initializer_list<std::string> rows,
                      int row = 1) {
    for (const std::string& text : rows) {
        table.SetCell(column, row++, text);
    }
}

void FillHeadings(ReportDocument& report, const AnalysisParameters& parameters) {
    ReportTable& table = report.Table();
    const auto text = [](const char* key) { return MessageText(key); };
    SetRuleRow(report, 0);
    SetColumnHeading(table, 0, {text("AA00036"), text("AA00037")});
    SetColumnHeading(table, 1, {text("AA00038"), text("AA00037")});
    SetColumnHeading(table, 2, {text("AA00039"), text("AA00037")});
    SetColumnHeading(table, 3, {text("AA00039"), text("AA00040")});
    SetColumnHeading(table, 4, {text("AA00041"), text("AA00043")});
    SetColumnHeading(table, 5, {text("AA00042"), text("AA00044")});
    const char* durationHeading[] = {"AA00045", "AA00046", "AA00047",
                                     "AA00048", "AA00049", "AA00094"};
    for (int i = 0; i < 6; ++i) {
        table.SetCell(kFirstClassColumn + i, 1, text(durationHeading[i]));
    }
    for (int k = 0; k < kDurationClassCount; ++k) {
        const DurationClass& range = parameters.classes[static_cast<std::size_t>(k)];
        const int countColumn = kFirstClassColumn + 2 * k;
        SetColumnHeading(table, countColumn,
                         {std::to_string(range.from), std::to_string(range.to), report.RuleLine(4)},
                         2);
        SetColumnHeading(table, countColumn + 1, {"%", "", report.RuleLine(6)}, 2);
    }
    SetColumnHeading(table, 18, {text("AA00050"), text("AA00027")});
    SetColumnHeading(table, 19, {text("AA00051"), text("AA00044")});
    SetColumnHeading(table, 20, {text("AA00052"), text("AA00053"), text("AA00027")});
    SetColumnHeading(table, 21, {text("AA00054"), text("AA00055"), text("AA00056"), "%"});
    SetColumnHeading(table, 22,
                     {text("AA00054"), text("AA00053"), text("AA00057"), text("AA00058") + "/",
                      text("AA00027")});
    SetColumnHeading(table, 23,
                     {text("AA00054"), text("AA00059"), text("AA00060"), text("AA00027") + "/",
                      text("AA00043")});
    SetRuleRow(report, 6);
}

// Columns 4 and 5, 7 to 16 and 18 to 23: the same in a place row and the totals row.
void SetFigureCells(ReportTable& table, int row, const PlaceFigures& figures) {
    table.SetCell(4, row, std::to_string(figures.capacityPpl));
    table.SetCell(5, row, std::to_string(figures.capacityPpe));
    for (std::size_t k = 0; k < figures.classCount.size(); ++k) {
        const int column = kFirstClassColumn + 2 * static_cast<int>(k);
        table.SetCell(column, row, std::to_string(figures.classCount[k]));
        table.SetCell(column + 1, row, std::to_string(figures.classPercent[k]));
    }
    int column = kVehiclesColumn;
    for (std::int64_t value :
         {std::int64_t{figures.vehicles}, std::int64_t{figures.occupiedSlots},
          std::int64_t{figures.wronglyParked}, figures.meanOccupancy, figures.meanDuration}) {
        table.SetCell(column++, row, std::to_string(value));
    }
    table.SetCell(column, row, figures.turnover);
}

void SetPlaceCells(ReportTable& table, int row, const PerPlaceTableRow& place) {
    table.SetCell(0, row, place.route + "  ");
    table.SetCell(1, row, place.section + "  ");
    table.SetCell(2, row, place.place + "  ");
    table.SetCell(3, row, place.type + "     ");
    SetFigureCells(table, row, place.figures);
}

void SetTotalCells(ReportTable& table, int row, const PlaceFigures& totals) {
    table.SetCell(0, row, MessageText("AA00028"));
    table.SetCell(1, row, MessageText("AA00029"));
    table.SetCell(2, row, MessageText("AA00030"));
    SetFigureCells(table, row, totals);
}

// The legend of the selected type entries with a known code.
void WriteTypeLegend(ReportDocument& report, const AnalysisParameters& parameters) {
    if (!parameters.typeListHasEntries) {
        return;
    }
    report.AddReportLine(MessageText("AA00021"));
    for (const std::string& type : parameters.selectedTypes) {
        for (std::size_t i = 0; i < kPlaceTypeCodes.size(); ++i) {
            if (EqualNoCase(type, kPlaceTypeCodes.substr(i, 1))) {
                report.AddReportLine(type + " " + parameters.typeCaptions[i]);
            }
        }
    }
    report.AddReportLine();
}

void WriteAbbreviations(ReportDocument& report) {
    report.AddReportLine(MessageText("AA00095"));
    for (const char* key : {"AA00096", "AA00097", "AA00098", "AA00099", "AA00100", "AA00101"}) {
        if (!MessageText(key).empty()) {
            report.AddReportLine(MessageText(key));
        }
    }
    report.AddReportLine();
}

}  // namespace

bool IsIllegalType(std::string_view type) {
    return EqualNoCase(type, "i");
}

FigureTotals::FigureTotals() {
    figures_.capacityPpl = 0;
}

void FigureTotals::Add(const PlaceFigures& place, bool illegal,
                       const AnalysisParameters& parameters) {
    const bool countPpl = !illegal || parameters.countIllegalInPpl;
    const bool countPpe = !illegal || parameters.countIllegalInPpe;
    figures_.capacityPpl += countPpl ? place.capacityPpl : 0;
    figures_.capacityPpe += countPpe ? place.capacityPpe : 0;
    for (std::size_t k = 0; k < place.classCount.size(); ++k) {
        figures_.classCount[k] += place.classCount[k];
    }
    figures_.vehicles += place.vehicles;
    figures_.occupiedSlots += place.occupiedSlots;
    figures_.wronglyParked += place.wronglyParked;
    minutes_ += place.placeMinutes;
}

PlaceFigures FigureTotals::Figures() const {
    PlaceFigures totals = figures_;
    SetClassPercents(totals);
    totals.meanOccupancy = WholePercent(totals.occupiedSlots, totals.capacityPpe);
    totals.meanDuration = Mean(minutes_, totals.vehicles);
    totals.turnover =
        totals.capacityPpl > 0
            ? FormatDecimalComma(static_cast<double>(totals.vehicles) / totals.capacityPpl, 1)
            : "0";
    return totals;
}

PlaceFigures ComputePlaceFigures(const ObservationSlots& slots, std::size_t first, std::size_t last,
                                 int interval, const AnalysisParameters& parameters) {
    PlaceFigures figures;
    StayCounter stays(figures, interval, parameters);
    for (std::size_t i = first; i < last; ++i) {
        const std::string_view plate = SlotPlate(slots[i]);
        const std::string_view remark = SlotRemark(slots[i]);
        if (!EqualNoCase(remark, "b")) {
            ++figures.capacityPpe;
        }
        if (SlotHoldsVehicle(slots[i])) {
            if (i == first || plate != SlotPlate(slots[i - 1])) {
                stays.Close();
            }
            stays.Extend();
        } else {
            stays.Close();
        }
        if (EqualNoCase(remark, "f")) {
            stays.MarkWronglyParked();
        }
    }
    stays.Close();
    SetClassPercents(figures);
    figures.meanOccupancy = WholePercent(figures.occupiedSlots, figures.capacityPpe);
    figures.meanDuration = Mean(figures.placeMinutes, figures.vehicles);
    figures.turnover =
        FormatDecimalComma(static_cast<double>(figures.vehicles) / figures.capacityPpl, 1);
    return figures;
}

void ForEachPlaceFigures(const ObservationSlots& slots, const LineList& routes,
                         const AnalysisParameters& parameters, const PlaceFiguresVisit& visit) {
    RouteIntervals intervals(routes);
    ForEachPlace(slots, [&](std::size_t first, std::size_t last) {
        visit(first, last,
              ComputePlaceFigures(slots, first, last, intervals.Of(SlotRouteKey(slots[first])),
                                  parameters));
    });
}

void WritePerPlaceSection(ReportDocument& report, const ObservationSlots& slots,
                          const LineList& routes, const AnalysisParameters& parameters,
                          Progress& progress, PerPlaceTable* cleanTable) {
    report.AddReportLine(MessageText("AA00026"));
    report.AddReportLine();

    std::size_t placeCount = 0;
    ForEachPlace(slots, [&placeCount](std::size_t, std::size_t) { ++placeCount; });
    // Place keys that differ only in letter case can make more runs than selected places.
    const int rows =
        static_cast<int>(std::max(placeCount, slots.Places().size())) + kRowsBesidePlaces;
    ReportTable& table = report.Table();
    table.SetSize(kColumns, rows);
    report.SetHasTableData(true);
    FillHeadings(report, parameters);

    if (cleanTable != nullptr) {
        cleanTable->places.reserve(cleanTable->places.size() + placeCount);
    }
    int row = kFirstPlaceRow;
    const PlaceFigures totalFigures =
        ForEachPerPlaceRow(slots, routes, parameters, progress, [&](PerPlaceTableRow&& place) {
            SetPlaceCells(table, row++, place);
            if (cleanTable != nullptr) {
                cleanTable->places.push_back(std::move(place));
            }
        });
    SetRuleRow(report, rows - 3);
    SetTotalCells(table, rows - 2, totalFigures);
    if (cleanTable != nullptr) {
        cleanTable->totals = totalFigures;
    }
    SetRuleRow(report, rows - 1);

    if (!parameters.countIllegalInPpl) {
        report.AddReportLine(MessageText("AA00033"));
    }
    if (!parameters.countIllegalInPpe) {
        report.AddReportLine(MessageText("AA00034"));
    }
    if (!parameters.countIllegalInPpl || !parameters.countIllegalInPpe) {
        report.AddReportLine();
    }
    WriteTableLines(report, kPlaceLabelColumns, kFirstPlaceRow);
    report.AddReportLine();
    WriteTypeLegend(report, parameters);
    WriteAbbreviations(report);
}

}  // namespace tavoric
