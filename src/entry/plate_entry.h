// SPDX-License-Identifier: GPL-3.0-or-later
// The plate entry window: one parking place at a time is chosen through the route, section and
// place selectors, and the plate and remark of each of its observation rounds are keyed into a
// grid. A place being edited is locked until it is confirmed (F10), so that typed plates are
// never left unsaved. Only confirming, and storing what was typed so far, change KentekensList,
// and only that place's lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/survey.h"

namespace tavoric {

// One grid row: a PPE line's period, plate and remark, trailing blanks removed.
struct PlateRow {
    std::string period;
    std::string plate;
    std::string remark;
};

// Grid columns; the period column is fixed and read-only.
enum PlateColumn : int { kPeriodColumn = 0, kPlateColumn = 1, kRemarkColumn = 2 };
constexpr std::size_t kPlateLength = 6;
constexpr std::size_t kRemarkLength = 1;

struct GridCell {
    std::size_t row = 0;
    int column = kPlateColumn;
    bool operator==(const GridCell&) const = default;
};

class PlateEntry {
public:
    // Sorts KentekensList, fills the route selector and clears the plates-typed flag. The survey
    // must outlive the window's opening.
    void Open(Survey& survey);

    // The selectors; choosing is refused while the place is locked.
    const LineList& RouteSelector() const { return routes_; }
    const LineList& SectionSelector() const { return sections_; }
    const LineList& PlaceSelector() const { return places_; }
    std::optional<std::size_t> ChosenRoute() const { return route_; }
    std::optional<std::size_t> ChosenSection() const { return section_; }
    std::optional<std::size_t> ChosenPlace() const { return place_; }
    bool ChooseRoute(std::optional<std::size_t> index);
    bool ChooseSection(std::optional<std::size_t> index);
    bool ChoosePlace(std::optional<std::size_t> index);
    // F3 and F4: the previous or next place of the selector, with its grid.
    bool PreviousPlace();
    bool NextPlace();

    // The grid: hidden until a place is chosen; a shown grid has at least one row. Cells hold
    // code page 1252 text.
    bool GridVisible() const { return !rows_.empty(); }
    const std::vector<PlateRow>& Rows() const { return rows_; }
    const std::string& Cell(std::size_t row, int column) const;
    GridCell Cursor() const { return cursor_; }
    // Moves the cursor; it stays in the plate and remark columns of the rows there are.
    void SetCursor(std::size_t row, int column);

    bool AutoPlate() const { return autoPlate_; }
    void SetAutoPlate(bool on) { autoPlate_ = on; }

    // A key typed into the grid before its text reaches a cell: locks the place.
    void KeyTyped();
    // The grid editor's text of a cell, UTF-8: locks the place; a character that code page 1252
    // cannot hold becomes "?"; the column keeps at most 6 or 1 characters.
    void EditCell(std::size_t row, int column, std::string_view utf8);
    // Enter: locks the place and moves the cursor, carrying plates and remarks forward when
    // "&Autom. kenteken" is on.
    void PressEnter();
    // Del: locks the place and empties the whole current cell.
    bool DeleteCell();
    // F10: stores the edited grid into the place's lines, hides it and unlocks.
    bool Confirm();
    // Stores the edited grid into the place's lines and keeps the place locked, so that a
    // recovery copy holds what was typed; true when it stored anything.
    bool StoreTypedRows();

    bool Locked() const { return locked_; }
    bool CanChoose() const { return !locked_; }
    bool CanPrevious() const;
    bool CanNext() const;
    bool CanConfirm() const { return locked_; }
    bool CanClose() const { return !locked_; }
    // "&Sluiten": marks the project changed when plates were typed; returns whether it did.
    bool Close();

private:
    void HideGrid();
    void LoadPlace();
    void StoreRows();

    Survey* survey_ = nullptr;
    LineList routes_;
    LineList sections_;
    LineList places_;
    std::optional<std::size_t> route_;
    std::optional<std::size_t> section_;
    std::optional<std::size_t> place_;
    std::string placeKey_;
    // The place's run of lines in KentekensList.
    std::size_t firstLine_ = 0;
    std::size_t lineCount_ = 0;
    std::vector<PlateRow> rows_;
    GridCell cursor_;
    bool autoPlate_ = true;
    bool platesTyped_ = false;
    bool locked_ = false;
};

// The run of lines whose place key is placeKey, in a list sorted by SortLines: (first, count),
// found by binary search.
std::pair<std::size_t, std::size_t> FindPlaceLines(const LineBuffer& sortedLines,
                                                   std::string_view placeKey);

}  // namespace tavoric
