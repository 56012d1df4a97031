// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <tuple>

#include <unistd.h>

#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::size_t kMaxCellCharacters = 32767;  // the format's limit
constexpr std::size_t kMaxSheetNameCharacters = 31;
constexpr double kMaxColumnWidth = 60;
constexpr double kColumnMargin = 2;

// A cell's text as the format holds it: UTF-8, cut at its limit.
std::string CellText(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252.substr(0, kMaxCellCharacters));
}

// The characters a sheet name may not hold become '-'; a long name is cut.
std::string SheetName(std::string_view cp1252, int part) {
    std::string name(cp1252.substr(0, kMaxSheetNameCharacters - 5));
    for (char& c : name) {
        if (std::string_view("[]:*?/\\").find(c) != std::string_view::npos) {
            c = '-';
        }
    }
    if (part > 1) {
        name += " (" + std::to_string(part) + ")";
    }
    return Cp1252ToUtf8(name);
}

std::size_t ShownLength(const SheetCell& cell) {
    switch (cell.kind) {
        case SheetCell::Kind::Empty:
            return 0;
        case SheetCell::Kind::Text:
            return std::min(cell.text.size(), kMaxCellCharacters);
        case SheetCell::Kind::Number:
        case SheetCell::Kind::Percent:
            break;
    }
    char digits[32];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), cell.number).ptr;
    const std::size_t percentSign = cell.kind == SheetCell::Kind::Percent ? 1 : 0;
    return static_cast<std::size_t>(end - digits) + percentSign;
}

}  // namespace

struct Workbook::State {
    std::size_t rowsPerSheet = kMaxSheetRows;
    std::string tempPath;
    lxw_workbook* book = nullptr;
    lxw_error error = LXW_NO_ERROR;
    std::map<std::tuple<SheetCell::Kind, int, std::uint32_t>, lxw_format*> formats;
    lxw_format* headerFormat = nullptr;

    // The table being written and the sheet it is on.
    std::string name;
    std::vector<std::string> header;
    int frozenColumns = 0;
    int part = 0;
    lxw_worksheet* sheet = nullptr;
    lxw_row_t rows = 0;
    std::vector<std::size_t> widths;

    void Note(lxw_error result) {
        if (error == LXW_NO_ERROR) {
            error = result;
        }
    }

    lxw_format* Format(const SheetCell& cell) {
        const bool numberFormat = cell.kind == SheetCell::Kind::Percent ||
                                  (cell.kind == SheetCell::Kind::Number && cell.decimals > 0);
        if (!numberFormat && cell.fill == 0) {
            return nullptr;
        }
        lxw_format*& format = formats[{cell.kind, cell.decimals, cell.fill}];
        if (format == nullptr) {
            format = workbook_add_format(book);
            if (cell.kind == SheetCell::Kind::Percent) {
                format_set_num_format(format, cell.decimals > 0 ? "0.0%" : "0%");
            } else if (numberFormat) {
                format_set_num_format(format, "0.0");
            }
            if (cell.fill != 0) {
                format_set_pattern(format, LXW_PATTERN_SOLID);
                format_set_bg_color(format, cell.fill);
            }
        }
        return format;
    }

    void OpenSheet() {
        ++part;
        sheet = workbook_add_worksheet(book, SheetName(name, part).c_str());
        if (sheet == nullptr) {
            Note(LXW_ERROR_SHEETNAME_ALREADY_USED);
            return;
        }
        rows = 0;
        widths.assign(header.size(), 0);
        for (std::size_t c = 0; c < header.size(); ++c) {
            Note(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                                        CellText(header[c]).c_str(), headerFormat));
            widths[c] = header[c].size();
        }
        rows = 1;
        worksheet_freeze_panes(sheet, 1, static_cast<lxw_col_t>(frozenColumns));
    }

    // Filters over the header's columns and the widths of what the sheet holds.
    void CloseSheet() {
        if (sheet == nullptr) {
            return;
        }
        if (!header.empty()) {
            Note(worksheet_autofilter(sheet, 0, 0, rows - 1,
                                      static_cast<lxw_col_t>(header.size() - 1)));
        }
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const double width =
                std::min(static_cast<double>(widths[c]) + kColumnMargin, kMaxColumnWidth);
            const auto column = static_cast<lxw_col_t>(c);
            Note(worksheet_set_column(sheet, column, column, width, nullptr));
        }
        sheet = nullptr;
    }

    void WriteCell(lxw_col_t column, const SheetCell& cell) {
        lxw_format* format = Format(cell);
        switch (cell.kind) {
            case SheetCell::Kind::Empty:
                if (format != nullptr) {
                    Note(worksheet_write_blank(sheet, rows, column, format));
                }
                break;
            case SheetCell::Kind::Text:
                if (!cell.text.empty()) {
                    Note(worksheet_write_string(sheet, rows, column, CellText(cell.text).c_str(),
                                                format));
                } else if (format != nullptr) {
                    Note(worksheet_write_blank(sheet, rows, column, format));
                }
                break;
            case SheetCell::Kind::Number:
                Note(worksheet_write_number(sheet, rows, column, cell.number, format));
                break;
            case SheetCell::Kind::Percent:
                Note(worksheet_write_number(sheet, rows, column, cell.number / 100, format));
                break;
        }
    }
};

Workbook::Workbook(std::size_t rowsPerSheet) : state_(std::make_unique<State>()) {
    state_->rowsPerSheet = std::max<std::size_t>(rowsPerSheet, 2);
    std::error_code noFolder;
    std::string pattern =
        (std::filesystem::temp_directory_path(noFolder) / "tavoric-werkmap-XXXXXX").string();
    const int descriptor = noFolder ? -1 : mkstemp(pattern.data());
    if (descriptor < 0) {
        state_->Note(LXW_ERROR_CREATING_TMPFILE);
        return;
    }
    close(descriptor);
    state_->tempPath = pattern;
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;  // rows go to disk as they come: big tables fit
    options.use_zip64 = LXW_TRUE;
    state_->book = workbook_new_opt(state_->tempPath.c_str(), &options);
    if (state_->book == nullptr) {
        state_->Note(LXW_ERROR_MEMORY_MALLOC_FAILED);
        return;
    }
    state_->headerFormat = workbook_add_format(state_->book);
    format_set_bold(state_->headerFormat);
}

Workbook::~Workbook() {
    if (state_->book != nullptr) {
        workbook_close(state_->book);
    }
    if (!state_->tempPath.empty()) {
        unlink(state_->tempPath.c_str());
    }
}

void Workbook::StartSheet(std::string_view name, const std::vector<std::string>& header,
                          int frozenColumns) {
    if (state_->book == nullptr) {
        return;
    }
    state_->CloseSheet();
    state_->name = name;
    state_->header = header;
    state_->frozenColumns = frozenColumns;
    state_->part = 0;
    state_->OpenSheet();
}

void Workbook::AddRow(const std::vector<SheetCell>& cells) {
    State& state = *state_;
    if (state.sheet != nullptr && state.rows >= state.rowsPerSheet) {
        state.CloseSheet();
        state.OpenSheet();
    }
    if (state.sheet == nullptr) {
        return;
    }
    if (state.widths.size() < cells.size()) {
        state.widths.resize(cells.size(), 0);
    }
    for (std::size_t c = 0; c < cells.size(); ++c) {
        state.WriteCell(static_cast<lxw_col_t>(c), cells[c]);
        state.widths[c] = std::max(state.widths[c], ShownLength(cells[c]));
    }
    ++state.rows;
}

std::optional<std::string> Workbook::Finish(std::string& error) {
    State& state = *state_;
    if (state.book != nullptr) {
        state.CloseSheet();
        state.Note(workbook_close(state.book));
        state.book = nullptr;
    }
    std::string content;
    if (state.error == LXW_NO_ERROR && !ReadWholeFile(state.tempPath, content)) {
        state.Note(LXW_ERROR_CREATING_XLSX_FILE);
    }
    if (state.error != LXW_NO_ERROR) {
        error = FormatText(MessageText("AA00820"), {Utf8ForMessage(lxw_strerror(state.error))});
        return std::nullopt;
    }
    return content;
}

}  // namespace tavoric
