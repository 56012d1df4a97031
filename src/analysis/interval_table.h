// SPDX-License-Identifier: GPL-3.0-or-later
// The report per interval as clean tables for spreadsheets: the presence patterns with their
// periods as columns, and the detail list of vehicles, in UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavoric {

struct IntervalPatternRow {
    std::string pattern;  // one "1" (present) or "0" (absent) per period
    int vehicles = 0;
};

struct IntervalDetailRow {
    std::string pattern;
    std::string place;  // code page 1252: the place key, a blank and the type
    std::string plate;  // code page 1252
};

// The rows the report per interval shows, gathered while it is written.
struct IntervalTable {
    std::vector<std::string> periods;  // "0700-0715"
    std::vector<IntervalPatternRow> patterns;
    std::vector<IntervalDetailRow> detail;  // only when the detail list is asked
};

// The column names of the two tables: the periods, then the names below.
std::vector<std::string> IntervalPatternColumns(const IntervalTable& table);
std::vector<std::string> IntervalDetailColumns(const IntervalTable& table);
// The vehicles of all patterns.
std::int64_t AllVehicles(const IntervalTable& table);
// A pattern's vehicles as a share of all, in percent with one decimal as the table shows it.
double IntervalPatternPercent(std::int64_t vehicles, std::int64_t allVehicles);

// One row per pattern in the report's order: a column per period (1 present, 0 absent), then
// voertuigen and procent (the share of all vehicles, one decimal).
std::string IntervalPatternCsv(const IntervalTable& table);
// One row per vehicle of the detail list: the periods, then route, sectie, plaats, type and
// kenteken.
std::string IntervalDetailCsv(const IntervalTable& table);

}  // namespace tavoric
