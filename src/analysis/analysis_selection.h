// SPDX-License-Identifier: GPL-3.0-or-later
// The narrowing of a survey for the analysis: four lists (routes, sections, places, types), each
// filled from what is selected in the list above it, and the time window. The analysis dialog and
// the command line drive the same object; it is kept between openings until the survey structure
// changes (Reset).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_parameters.h"
#include "core/survey.h"

namespace tavoric {

// A sorted multi-select list of texts.
class NarrowingList {
public:
    // Takes the entries, sorts them (letter case ignored) and selects them all.
    void Fill(LineList entries);
    void Clear();

    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const std::string& Entry(std::size_t index) const { return entries_.at(index); }
    bool IsSelected(std::size_t index) const { return selected_.at(index); }
    void SetSelected(std::size_t index, bool selected) { selected_.at(index) = selected; }
    // The selected entries in list order.
    LineList SelectedEntries() const;
    // Calls visit(entry) for each selected entry in list order.
    template <typename Visit>
    void ForEachSelected(Visit visit) const {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (selected_[i]) {
                visit(entries_[i]);
            }
        }
    }

private:
    LineList entries_;
    std::vector<bool> selected_;
};

enum class NarrowingLevel { Routes, Sections, Places, Types };

struct TimeWindow {
    std::string start;  // HHMM
    std::string end;
};

class AnalysisSelection {
public:
    // At an opening: when the routes list is empty (first opening, or after Reset), fills all four
    // lists with everything selected and takes the default window (DefaultWindow) until a window
    // is typed. Otherwise the lists, selections and times stay as they were. Returns whether it
    // refilled.
    bool Open(const Survey& survey);
    // The survey structure changed: the next opening starts afresh.
    void Reset();

    const NarrowingList& List(NarrowingLevel level) const;
    // Changes the selection of one entry without rebuilding; call Rebuild as a click does.
    void SetSelected(NarrowingLevel level, std::size_t index, bool selected);
    // After a click in a list: every list below it is refilled from the selection above it and
    // selected entirely.
    void Rebuild(const Survey& survey, NarrowingLevel clicked);

    // Selects exactly the entries whose key is one of the keys (routes: route number, sections:
    // "RRRR SSSS", places: "RRRR SSSS PPPP", types: the code, letter case ignored), then rebuilds
    // the lists below. Returns the first key that matches no entry; then nothing is changed.
    std::optional<std::string> SelectOnly(const Survey& survey, NarrowingLevel level,
                                          const std::vector<std::string>& keys);

    // The typed window, or the default window of the selected places (DefaultWindow), worked
    // out on the first read after the selection changed.
    const TimeWindow& Window(const Survey& survey) const;
    // A typed window; the times of the default window leave the default in force.
    void SetWindow(const Survey& survey, std::string start, std::string end);
    bool WindowTyped() const { return windowTyped_; }

    // The observation interval of every selected route in decimal, sorted as text.
    std::vector<std::string> Intervals(const Survey& survey) const;
    // The report per interval needs every selected route to have the same interval.
    bool ReportAllowed(const Survey& survey, ReportKind kind) const;

    // The run's parameters from the lists and times; the duration classes come from the
    // survey's general values, the options keep their defaults.
    AnalysisParameters Parameters(const Survey& survey, ReportKind kind) const;

private:
    NarrowingList& MutableList(NarrowingLevel level);
    void FillBelow(const Survey& survey, NarrowingLevel level);

    NarrowingList routes_;
    NarrowingList sections_;
    NarrowingList places_;
    NarrowingList types_;
    TimeWindow typedWindow_;
    bool windowTyped_ = false;
    mutable std::optional<TimeWindow> defaultWindow_;  // none until read after a change
};

// The window when none is typed: from the earlier of the survey start and the first period start
// of the selected places' slots to the later of the survey end and their last period end, so that
// a last round ending after the survey end still counts. Times compare as whole numbers.
TimeWindow DefaultWindow(const Survey& survey, const LineList& selectedPlaces);

// The intervals are equal when every entry is the same text as the next; none counts as equal.
bool IntervalsEqual(const std::vector<std::string>& intervals);

}  // namespace tavoric
