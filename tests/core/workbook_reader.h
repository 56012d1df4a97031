// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a workbook as a real reader does: Python's openpyxl opens the bytes and describes every
// sheet as JSON. A test without python3-openpyxl is skipped. For GoogleTest and QtTest tests.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace tavoric {

// Per sheet: name, freeze (the top left cell that scrolls), filter (the range), widths (per
// column letter), rows (per cell null or {v: value, t: openpyxl data type, f: number format,
// b: bold, fill: RRGGBB of a solid fill or "" }).
inline constexpr const char* kWorkbookDescriber = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheets = []
for sheet in book.worksheets:
    rows = []
    for row in sheet.iter_rows():
        cells = []
        for c in row:
            solid = c.fill is not None and c.fill.fill_type == 'solid'
            cells.append(None if c.value is None and not solid else {
                'v': c.value, 't': c.data_type, 'f': c.number_format, 'b': bool(c.font.b),
                'fill': str(c.fill.fgColor.rgb)[-6:] if solid else ''})
        rows.append(cells)
    widths = {k: d.width for k, d in sheet.column_dimensions.items()}
    sheets.append({'name': sheet.title, 'freeze': sheet.freeze_panes,
                   'filter': sheet.auto_filter.ref, 'widths': widths, 'rows': rows})
print(json.dumps({'sheets': sheets}))
)";

// The Python that has openpyxl: the system's (where python3-openpyxl installs it) before one
// that comes first on the path; empty when neither has it.
inline std::string PythonWithOpenpyxl() {
    for (const char* python : {"/usr/bin/python3", "python3"}) {
        const std::string probe = std::string(python) + " -c 'import openpyxl' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) {
            return python;
        }
    }
    return {};
}

inline bool OpenpyxlAvailable() {
    static const bool available = !PythonWithOpenpyxl().empty();
    return available;
}

// The description of the workbook's bytes; nothing when openpyxl cannot open them.
inline std::optional<nlohmann::json> DescribeWorkbook(const std::string& bytes) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string stem = "tavoric-workbook-test-" + std::to_string(::getpid());
    const std::string book = (folder / (stem + ".xlsx")).string();
    const std::string script = (folder / (stem + ".py")).string();
    std::ofstream(book, std::ios::binary) << bytes;
    std::ofstream(script) << kWorkbookDescriber;
    std::string output;
    const std::string command = PythonWithOpenpyxl() + " " + script + " " + book + " 2>&1";
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[65536];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, read);
        }
        ::pclose(pipe);
    }
    std::filesystem::remove(book);
    std::filesystem::remove(script);
    nlohmann::json description = nlohmann::json::parse(output, nullptr, false);
    return description.is_discarded() ? std::nullopt : std::optional(description);
}

// For GoogleTest tests.
#define SKIP_WITHOUT_OPENPYXL()                              \
    if (!OpenpyxlAvailable()) {                              \
        GTEST_SKIP() << "python3-openpyxl is not installed"; \
    }

}  // namespace tavoric
