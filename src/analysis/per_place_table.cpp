// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/per_place_table.h"

#include <algorithm>

#include "core/codec.h"
#include "core/csv.h"

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

}  // namespace

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
