// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/per_place_table.h"

#include <algorithm>

#include "analysis/number_format.h"
#include "analysis/observation_selection.h"
#include "core/codec.h"
#include "core/csv.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr const char* kHeader =
    "route,sectie,plaats,type,capaciteit_ppl,capaciteit_ppe,"
    "klasse_1,klasse_2,klasse_3,klasse_4,klasse_5,"
    "klasse_1_procent,klasse_2_procent,klasse_3_procent,klasse_4_procent,klasse_5_procent,"
    "voertuigen,bezette_ppe,fout_geparkeerd,bezetting,parkeerduur,turnover\r\n";

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
    std::string turnover = figures.turnover;
    std::replace(turnover.begin(), turnover.end(), ',', '.');
    out += turnover;
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

std::string PerPlaceTableCsv(const PerPlaceTable& table) {
    std::string out = kHeader;
    for (const PerPlaceTableRow& row : table.places) {
        AppendText(out, row.route);
        AppendText(out, row.section);
        AppendText(out, row.place);
        AppendText(out, row.type);
        AppendFigures(out, row.figures);
    }
    out += ",,,totaal,";
    AppendFigures(out, table.totals);
    return out;
}

}  // namespace tavoric
