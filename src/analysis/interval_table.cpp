// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/interval_table.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "analysis/number_format.h"
#include "core/codec.h"
#include "core/csv.h"
#include "core/text.h"

namespace tavoric {

namespace {

void AppendField(std::string& out, std::string_view utf8) {
    if (!out.empty() && out.back() != '\n') {
        out += ',';
    }
    AppendCsvField(out, utf8);
}

void AppendText(std::string& out, std::string_view cp1252) {
    AppendField(out, SpreadsheetText(Cp1252ToUtf8(TrimBlanks(cp1252))));
}

void AppendHeader(std::string& out, const std::vector<std::string>& columns) {
    for (const std::string& column : columns) {
        AppendText(out, column);
    }
    out += "\r\n";
}

std::vector<std::string> PeriodsAnd(const IntervalTable& table,
                                    std::initializer_list<const char*> names) {
    std::vector<std::string> columns = table.periods;
    columns.insert(columns.end(), names.begin(), names.end());
    return columns;
}

void AppendPattern(std::string& out, std::string_view pattern) {
    for (const char present : pattern) {
        AppendField(out, std::string_view(&present, 1));
    }
}

// One decimal, so that a pattern of a few vehicles among thousands does not show 0.
std::string PercentWithPoint(std::int64_t part, std::int64_t whole) {
    std::string percent = FormatDecimalComma(
        whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0, 1);
    std::replace(percent.begin(), percent.end(), ',', '.');
    return percent;
}

}  // namespace

std::vector<std::string> IntervalPatternColumns(const IntervalTable& table) {
    return PeriodsAnd(table, {"voertuigen", "procent"});
}

std::vector<std::string> IntervalDetailColumns(const IntervalTable& table) {
    return PeriodsAnd(table, {"route", "sectie", "plaats", "type", "kenteken"});
}

std::int64_t AllVehicles(const IntervalTable& table) {
    std::int64_t allVehicles = 0;
    for (const IntervalPatternRow& row : table.patterns) {
        allVehicles += row.vehicles;
    }
    return allVehicles;
}

double IntervalPatternPercent(std::int64_t vehicles, std::int64_t allVehicles) {
    const std::string text = PercentWithPoint(vehicles, allVehicles);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);  // never the locale's
    return value;
}

std::string IntervalPatternCsv(const IntervalTable& table) {
    const std::int64_t allVehicles = AllVehicles(table);
    std::string out;
    AppendHeader(out, IntervalPatternColumns(table));
    for (const IntervalPatternRow& row : table.patterns) {
        AppendPattern(out, row.pattern);
        AppendField(out, std::to_string(row.vehicles));
        AppendField(out, PercentWithPoint(row.vehicles, allVehicles));
        out += "\r\n";
    }
    return out;
}

std::string IntervalDetailCsv(const IntervalTable& table) {
    std::string out;
    AppendHeader(out, IntervalDetailColumns(table));
    for (const IntervalDetailRow& row : table.detail) {
        AppendPattern(out, row.pattern);
        AppendText(out, Chars(row.place, 1, 4));
        AppendText(out, Chars(row.place, 6, 9));
        AppendText(out, Chars(row.place, 11, 14));
        AppendText(out, CharsFrom(row.place, 16));
        AppendText(out, row.plate);
        out += "\r\n";
    }
    return out;
}

}  // namespace tavoric
