// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/per_place_table.h"

#include <algorithm>
#include <charconv>

#include "core/codec.h"
#include "core/csv.h"

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

}  // namespace

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
