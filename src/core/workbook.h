// SPDX-License-Identifier: GPL-3.0-or-later
// Excel workbooks (.xlsx) of clean tables for spreadsheets. Every sheet has one header row,
// bold and frozen, with filters on; numbers are number cells, percentages carry a percent
// format, and the columns are as wide as their texts. A table longer than a sheet can hold
// continues on a sheet of the same name with " (2)", " (3)", ... after it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/survey.h"

namespace tavoric {

// The rows one sheet holds, the header row included.
constexpr std::size_t kMaxSheetRows = 1048576;

// One cell of a row. Text is code page 1252 and is written as UTF-8; it is never taken for a
// formula. A percentage is given in percent (25 shows as "25%").
struct SheetCell {
    enum class Kind : unsigned char { Empty, Text, Number, Percent };
    Kind kind = Kind::Empty;
    std::string_view text;
    double number = 0;
    int decimals = 0;        // shown: 0 or 1
    std::uint32_t fill = 0;  // background as 0xRRGGBB; 0: none

    static SheetCell Text(std::string_view cp1252) { return {Kind::Text, cp1252}; }
    static SheetCell Number(double value, int decimals = 0) {
        return {Kind::Number, {}, value, decimals};
    }
    static SheetCell Percent(double percent, int decimals = 0) {
        return {Kind::Percent, {}, percent, decimals};
    }
};

class Workbook {
public:
    // rowsPerSheet: the rows one sheet may hold, header included (smaller only for tests).
    explicit Workbook(std::size_t rowsPerSheet = kMaxSheetRows);
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // Starts the next sheet with its name (code page 1252, at most 25 characters) and header
    // row; the first frozenColumns columns stay in view when scrolling sideways.
    void StartSheet(std::string_view name, const std::vector<std::string>& header,
                    int frozenColumns = 0);
    // Adds a row to the sheet last started, continuing on a new sheet when it is full.
    void AddRow(const std::vector<SheetCell>& cells);

    // The bytes of the .xlsx file; nothing when the workbook could not be made, with the reason
    // (code page 1252) in error.
    std::optional<std::string> Finish(std::string& error);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// One line of a sheet of facts: a name and its value, text or number (code page 1252).
struct SheetFact {
    std::string name;
    std::string text;
    std::optional<double> number = std::nullopt;
};

// A sheet of two columns, the facts' names and their values.
void AddFactsSheet(Workbook& workbook, std::string_view name, const std::vector<SheetFact>& facts);

// The survey's general data: area, day and date, weather, observers, survey period and the
// report texts.
std::vector<SheetFact> SurveyFacts(const GeneralValues& general);

}  // namespace tavoric
