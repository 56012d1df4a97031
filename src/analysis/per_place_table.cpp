// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/per_place_table.h"

#include <algorithm>
#include <charconv>

#include "analysis/number_format.h"
#include "analysis/observation_selection.h"
#include "core/codec.h"
#include "core/csv.h"
#include "core/text.h"

namespace tavoric {

namespace {

std::string TurnoverWithPoint(const PlaceFigures& figures) {
    std::string turnover = figures.turnover;
    std::replace(turnover.begin(), turnover.end(), ',', '.');
    return turnover;
}

void AppendText(std::string& out, std::string_view cp1252) {
    AppendCsvField(out, SpreadsheetText(Cp1252ToUtf8(cp1252)));
    out += ',';
}

void AppendNumber(std::string& out, std::int64_t value) {
    out += std::to_string(value);
    out += ',';
}

// The figures from capaciteit_ppl on, ending the record.
void AppendFigures(std::string& out, const PlaceFigures& figures) {
    AppendNumber(out, figures.capacityPpl);
    AppendNumber(out, figures.capacityPpe);
    for (int count : figures.classCount) {
        AppendNumber(out, count);
    }
    for (std::int64_t percent : figures.classPercent) {
        AppendNumber(out, percent);
    }
    AppendNumber(out, figures.vehicles);
    AppendNumber(out, figures.occupiedSlots);
    AppendNumber(out, figures.wronglyParked);
    AppendNumber(out, figures.meanOccupancy);
    AppendNumber(out, figures.meanDuration);
    out += TurnoverWithPoint(figures);
    out += "\r\n";
}

PerPlaceTableRow RowOf(const Slot& slot, const PlaceFigures& figures) {
    const std::string_view key = SlotPlaceKey(slot);
    return {std::string(Chars(key, 1, 4)), std::string(Chars(key, 6, 9)),
            std::string(Chars(key, 11, 14)), std::string(SlotType(slot)), figures};
}

}  // namespace

PlaceFigures ForEachPerPlaceRow(const ObservationSlots& slots, const LineList& routes,
                                const AnalysisParameters& parameters, Progress& progress,
                                const PerPlaceRowVisit& visit) {
    FigureTotals totals;
    ForEachPlaceFigures(
        slots, routes, parameters,
        [&](std::size_t first, std::size_t last, const PlaceFigures& figures) {
            PerPlaceTableRow place = RowOf(slots[first], figures);
            totals.Add(figures, IsIllegalType(place.type), parameters);
            visit(std::move(place));
            progress.Set(
                static_cast<std::size_t>(RoundHalfEven(
                    static_cast<double>(last - 1) / static_cast<double>(slots.size()) * 20 + 80)),
                100);
        });
    return totals.Figures();
}

PerPlaceTable ComputePerPlaceTable(const ObservationSlots& slots, const LineList& routes,
                                   const AnalysisParameters& parameters, Progress& progress) {
    PerPlaceTable table;
    table.totals = ForEachPerPlaceRow(
        slots, routes, parameters, progress,
        [&table](PerPlaceTableRow&& row) { table.places.push_back(std::move(row)); });
    return table;
}

const std::vector<std::string>& PerPlaceTableColumns() {
    static const std::vector<std::string> columns = [] {
        constexpr std::string_view kNames =
            "route,sectie,plaats,type,capaciteit_ppl,capaciteit_ppe,"
            "klasse_1,klasse_2,klasse_3,klasse_4,klasse_5,"
            "klasse_1_procent,klasse_2_procent,klasse_3_procent,klasse_4_procent,klasse_5_procent,"
            "voertuigen,bezette_ppe,fout_geparkeerd,bezetting,parkeerduur,turnover";
        std::vector<std::string> names;
        for (std::size_t from = 0; from <= kNames.size();) {
            const std::size_t comma = std::min(kNames.find(',', from), kNames.size());
            names.emplace_back(kNames.substr(from, comma - from));
            from = comma + 1;
        }
        return names;
    }();
    return columns;
}

double TurnoverNumber(const PlaceFigures& figures) {
    const std::string text = TurnoverWithPoint(figures);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);  // never the locale's
    return value;
}

std::string PerPlaceTableCsv(const PerPlaceTable& table) {
    std::string out;
    for (const std::string& column : PerPlaceTableColumns()) {
        out += column;
        out += column == PerPlaceTableColumns().back() ? "\r\n" : ",";
    }
    for (const PerPlaceTableRow& row : table.places) {
        AppendText(out, row.route);
        AppendText(out, row.section);
        AppendText(out, row.place);
        AppendText(out, row.type);
        AppendFigures(out, row.figures);
    }
    out += ",,,";
    out += kTotalsRowName;
    out += ',';
    AppendFigures(out, table.totals);
    return out;
}

}  // namespace tavoric
