// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/plate_entry.h"

#include <algorithm>
#include <tuple>

#include "core/codec.h"
#include "core/text.h"
#include "entry/entry_fields.h"
#include "entry/selectors.h"

namespace tavoric {

namespace {

bool IsBlankCell(std::string_view text) {
    return TrimTrailingBlanks(text).empty();
}

bool SamePlate(std::string_view a, std::string_view b) {
    return TrimTrailingBlanks(a) == TrimTrailingBlanks(b);
}

// The number of the selector entry at index, or "" when nothing is chosen.
std::string_view NumberOf(const LineList& selector, std::optional<std::size_t> index) {
    return index ? ChoiceNumber(selector[*index]) : std::string_view{};
}

template <typename Row>
auto& CellOf(Row& row, int column) {
    return column == kPeriodColumn ? row.period : column == kPlateColumn ? row.plate : row.remark;
}

std::optional<std::size_t> Within(const LineList& selector, std::optional<std::size_t> index) {
    return index && *index < selector.size() ? index : std::nullopt;
}

}  // namespace

std::pair<std::size_t, std::size_t> FindPlaceLines(const LineBuffer& sortedLines,
                                                   std::string_view placeKey) {
    const std::size_t n = placeKey.size();
    auto prefix = [n](std::string_view line) { return Chars(line, 1, n); };
    // Lines equal to the key but for letter case sort among its lines; skip to the first exact one.
    auto at = std::lower_bound(sortedLines.begin(), sortedLines.end(), placeKey,
                               [&](std::string_view line, std::string_view key) {
                                   return CompareNoCase(prefix(line), key) < 0;
                               });
    while (at != sortedLines.end() && prefix(*at) != placeKey &&
           EqualNoCase(prefix(*at), placeKey)) {
        ++at;
    }
    auto end = at;
    while (end != sortedLines.end() && prefix(*end) == placeKey) {
        ++end;
    }
    return {static_cast<std::size_t>(at - sortedLines.begin()), static_cast<std::size_t>(end - at)};
}

void PlateEntry::Open(Survey& survey) {
    survey_ = &survey;
    SortIfNeeded(survey.KentekensList);
    routes_ = RouteChoices(survey.RoutesList);
    locked_ = platesTyped_ = false;
    ChooseRoute(std::nullopt);
}

bool PlateEntry::ChooseRoute(std::optional<std::size_t> index) {
    if (locked_) {
        return false;
    }
    route_ = Within(routes_, index);
    sections_ =
        route_ ? SectionChoices(survey_->SectiesList, NumberOf(routes_, route_)) : LineList{};
    section_.reset();
    ChooseSection(std::nullopt);
    return true;
}

bool PlateEntry::ChooseSection(std::optional<std::size_t> index) {
    if (locked_) {
        return false;
    }
    section_ = Within(sections_, index);
    places_.clear();
    if (section_) {
        const std::string sectionKey = std::string(NumberOf(routes_, route_)) + " " +
                                       std::string(NumberOf(sections_, section_));
        places_ = PlaceChoices(survey_->ParkeerplaatsenList, sectionKey);
    }
    place_.reset();
    HideGrid();
    return true;
}

bool PlateEntry::ChoosePlace(std::optional<std::size_t> index) {
    if (locked_) {
        return false;
    }
    place_ = Within(places_, index);
    const std::string_view route = NumberOf(routes_, route_);
    const std::string_view section = NumberOf(sections_, section_);
    const std::string_view place = NumberOf(places_, place_);
    if (route.empty() || section.empty() || place.empty()) {
        HideGrid();
        return true;
    }
    placeKey_ = std::string(route) + " " + std::string(section) + " " + std::string(place);
    LoadPlace();
    return true;
}

void PlateEntry::LoadPlace() {
    const LineBuffer& lines = survey_->KentekensList;
    std::tie(firstLine_, lineCount_) = FindPlaceLines(lines, placeKey_);
    rows_.clear();
    for (std::size_t i = firstLine_; i < firstLine_ + lineCount_; ++i) {
        const std::string_view line = lines[i];
        rows_.push_back({std::string(TrimTrailingBlanks(PpePeriod(line))),
                         std::string(TrimTrailingBlanks(PpePlate(line))),
                         std::string(TrimTrailingBlanks(PpeRemark(line)))});
    }
    if (rows_.empty()) {
        rows_.emplace_back();
    }
    cursor_ = {};
}

void PlateEntry::HideGrid() {
    rows_.clear();
    lineCount_ = 0;
    cursor_ = {};
}

bool PlateEntry::PreviousPlace() {
    return CanPrevious() && ChoosePlace(*place_ - 1);
}

bool PlateEntry::NextPlace() {
    return CanNext() && ChoosePlace(*place_ + 1);
}

bool PlateEntry::CanPrevious() const {
    return !locked_ && place_ && *place_ > 0;
}

bool PlateEntry::CanNext() const {
    return !locked_ && place_ && *place_ + 1 < places_.size();
}

const std::string& PlateEntry::Cell(std::size_t row, int column) const {
    static const std::string kNoCell;
    return row < rows_.size() ? CellOf(rows_[row], column) : kNoCell;
}

void PlateEntry::SetCursor(std::size_t row, int column) {
    if (GridVisible()) {
        cursor_ = {std::min(row, rows_.size() - 1),
                   std::clamp(column, +kPlateColumn, +kRemarkColumn)};
    }
}

void PlateEntry::KeyTyped() {
    if (GridVisible()) {
        platesTyped_ = locked_ = true;
    }
}

void PlateEntry::EditCell(std::size_t row, int column, std::string_view utf8) {
    if (!GridVisible() || row >= rows_.size() || column == kPeriodColumn) {
        return;
    }
    KeyTyped();
    const std::size_t length = column == kPlateColumn ? kPlateLength : kRemarkLength;
    CellOf(rows_[row], column) = SingleLineText(Utf8ToCp1252(utf8), length);
}

void PlateEntry::PressEnter() {
    if (!GridVisible()) {
        return;
    }
    KeyTyped();
    const std::size_t r = cursor_.row;
    PlateRow& row = rows_[r];
    if (cursor_.column == kPlateColumn) {
        cursor_.column = kRemarkColumn;
        if (autoPlate_ && r > 0 && IsBlankCell(row.remark) &&
            SamePlate(row.plate, rows_[r - 1].plate)) {
            row.remark = rows_[r - 1].remark;
        }
    } else if (r + 1 < rows_.size()) {
        cursor_ = {r + 1, kPlateColumn};
        if (autoPlate_ && IsBlankCell(rows_[r + 1].plate)) {
            rows_[r + 1].plate = row.plate;
        }
    } else if (autoPlate_ && r > 0 && IsBlankCell(row.remark)) {
        row.remark = rows_[r - 1].remark;
    }
}

bool PlateEntry::DeleteCell() {
    if (!GridVisible()) {
        return false;
    }
    KeyTyped();
    CellOf(rows_[cursor_.row], cursor_.column).clear();
    return true;
}

bool PlateEntry::Confirm() {
    if (!locked_) {
        return false;
    }
    StoreRows();  // a locked place has been edited
    HideGrid();
    locked_ = false;
    return true;
}

bool PlateEntry::StoreTypedRows() {
    if (locked_) {
        StoreRows();
    }
    return locked_;
}

void PlateEntry::StoreRows() {
    LineBuffer& lines = survey_->KentekensList;
    const std::size_t count = std::min(lineCount_, rows_.size());
    for (std::size_t i = 0; i < count; ++i) {
        const PlateRow& row = rows_[i];
        lines.Set(firstLine_ + i,
                  PpeLineWithPlate(placeKey_ + " " + PadField("L", row.period, " ", 9), row.plate,
                                   row.remark));
    }
}

bool PlateEntry::Close() {
    if (locked_) {
        return false;
    }
    const bool changed = platesTyped_;
    if (changed) {
        survey_->ProjectChanged = true;
    }
    routes_.clear();
    ChooseRoute(std::nullopt);
    return changed;
}

}  // namespace tavoric
