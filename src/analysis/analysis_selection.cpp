// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysis_selection.h"

#include <algorithm>
#include <unordered_set>

#include "core/clock.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::size_t kRouteEntryLength = 39;

// The part of a list entry that an option names.
std::string_view EntryKey(NarrowingLevel level, std::string_view entry) {
    switch (level) {
        case NarrowingLevel::Routes:
            return RouteKey(entry);
        case NarrowingLevel::Sections:
            return SectionKey(entry);
        case NarrowingLevel::Places:
            return PlaceKey(entry);
        case NarrowingLevel::Types:
            break;
    }
    return entry;
}

bool KeyMatches(NarrowingLevel level, std::string_view entry, std::string_view key) {
    const std::string_view entryKey = EntryKey(level, entry);
    return level == NarrowingLevel::Types ? EqualNoCase(entryKey, key) : entryKey == key;
}

// The lines of a list whose leading key equals the leading key of one of the selected entries.
LineList LinesUnder(const LineList& lines, const LineList& selectedParents, std::size_t keyLength) {
    std::vector<std::string_view> parentKeys;
    parentKeys.reserve(selectedParents.size());
    for (const std::string& parent : selectedParents) {
        parentKeys.push_back(Chars(parent, 1, keyLength));
    }
    std::sort(parentKeys.begin(), parentKeys.end());
    LineList result;
    for (const std::string& line : lines) {
        if (std::binary_search(parentKeys.begin(), parentKeys.end(), Chars(line, 1, keyLength))) {
            result.push_back(line);
        }
    }
    return result;
}

LineList TypeCodesOf(const LineList& places) {
    LineList codes;
    for (const std::string& place : places) {
        const std::string_view code = PlaceType(place);
        if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end()) {
            codes.emplace_back(code);
        }
    }
    return codes;
}

}  // namespace

void NarrowingList::Fill(LineList entries) {
    SortLines(entries);
    entries_ = std::move(entries);
    selected_.assign(entries_.size(), true);
}

void NarrowingList::Clear() {
    entries_.clear();
    selected_.clear();
}

LineList NarrowingList::SelectedEntries() const {
    LineList result;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (selected_[i]) {
            result.push_back(entries_[i]);
        }
    }
    return result;
}

bool AnalysisSelection::Open(const Survey& survey) {
    if (!routes_.Empty()) {
        return false;
    }
    windowTyped_ = false;
    LineList routes;
    routes.reserve(survey.RoutesList.size());
    for (const std::string& line : survey.RoutesList) {
        routes.emplace_back(Chars(line, 1, kRouteEntryLength));
    }
    routes_.Fill(std::move(routes));
    FillBelow(survey, NarrowingLevel::Routes);
    return true;
}

void AnalysisSelection::Reset() {
    for (NarrowingList* list : {&routes_, &sections_, &places_, &types_}) {
        list->Clear();
    }
}

const NarrowingList& AnalysisSelection::List(NarrowingLevel level) const {
    return const_cast<AnalysisSelection*>(this)->MutableList(level);
}

NarrowingList& AnalysisSelection::MutableList(NarrowingLevel level) {
    switch (level) {
        case NarrowingLevel::Routes:
            return routes_;
        case NarrowingLevel::Sections:
            return sections_;
        case NarrowingLevel::Places:
            return places_;
        case NarrowingLevel::Types:
            break;
    }
    return types_;
}

void AnalysisSelection::SetSelected(NarrowingLevel level, std::size_t index, bool selected) {
    MutableList(level).SetSelected(index, selected);
}

void AnalysisSelection::Rebuild(const Survey& survey, NarrowingLevel clicked) {
    FillBelow(survey, clicked);
}

void AnalysisSelection::FillBelow(const Survey& survey, NarrowingLevel level) {
    switch (level) {
        case NarrowingLevel::Routes:
            sections_.Fill(LinesUnder(survey.SectiesList, routes_.SelectedEntries(), 4));
            [[fallthrough]];
        case NarrowingLevel::Sections:
            places_.Fill(LinesUnder(survey.ParkeerplaatsenList, sections_.SelectedEntries(), 9));
            [[fallthrough]];
        case NarrowingLevel::Places:
            types_.Fill(TypeCodesOf(places_.SelectedEntries()));
            [[fallthrough]];
        case NarrowingLevel::Types:
            break;
    }
    TakeDefaultWindow(survey);
}

void AnalysisSelection::TakeDefaultWindow(const Survey& survey) {
    if (!windowTyped_) {
        TimeWindow window = DefaultWindow(survey, places_.SelectedEntries());
        windowStart_ = std::move(window.start);
        windowEnd_ = std::move(window.end);
    }
}

std::optional<std::string> AnalysisSelection::SelectOnly(const Survey& survey, NarrowingLevel level,
                                                         const std::vector<std::string>& keys) {
    NarrowingList& list = MutableList(level);
    std::vector<bool> chosen(list.Count(), false);
    for (const std::string& key : keys) {
        bool found = false;
        for (std::size_t i = 0; i < list.Count(); ++i) {
            if (KeyMatches(level, list.Entry(i), key)) {
                chosen[i] = true;
                found = true;
            }
        }
        if (!found) {
            return key;
        }
    }
    for (std::size_t i = 0; i < list.Count(); ++i) {
        list.SetSelected(i, chosen[i]);
    }
    FillBelow(survey, level);
    return std::nullopt;
}

void AnalysisSelection::SetWindow(std::string start, std::string end) {
    windowTyped_ = windowTyped_ || start != windowStart_ || end != windowEnd_;
    windowStart_ = std::move(start);
    windowEnd_ = std::move(end);
}

std::vector<std::string> AnalysisSelection::Intervals(const Survey& survey) const {
    LineList intervals;
    for (const std::string& route : routes_.SelectedEntries()) {
        intervals.push_back(std::to_string(RouteInterval(survey.RoutesList, RouteKey(route))));
    }
    SortLines(intervals);
    return intervals;
}

TimeWindow DefaultWindow(const Survey& survey, const LineList& selectedPlaces) {
    TimeWindow window{survey.AlgemeneGegevens.startTime, survey.AlgemeneGegevens.endTime};
    std::unordered_set<std::string_view> places;
    for (const std::string& place : selectedPlaces) {
        places.insert(PlaceKey(place));
    }
    int start = IntegerOrZero(window.start);
    int end = IntegerOrZero(window.end);
    for (const std::string_view line : survey.KentekensList) {
        if (!places.contains(PlaceKey(line))) {
            continue;
        }
        const std::optional<int> periodStart = ToInteger(PpePeriodStart(line));
        const std::optional<int> periodEnd = ToInteger(PpePeriodEnd(line));
        if (periodStart && periodEnd) {
            start = std::min(start, *periodStart);
            end = std::max(end, *periodEnd);
        }
    }
    if (start < IntegerOrZero(window.start)) {
        window.start = FormatHhmm(start);
    }
    if (end > IntegerOrZero(window.end)) {
        window.end = FormatHhmm(end);
    }
    return window;
}

bool IntervalsEqual(const std::vector<std::string>& intervals) {
    return std::adjacent_find(intervals.begin(), intervals.end(), std::not_equal_to<>()) ==
           intervals.end();
}

bool AnalysisSelection::ReportAllowed(const Survey& survey, ReportKind kind) const {
    return kind != ReportKind::PerInterval || IntervalsEqual(Intervals(survey));
}

AnalysisParameters AnalysisSelection::Parameters(const Survey& survey, ReportKind kind) const {
    AnalysisParameters parameters;
    parameters.reportKind = kind;
    parameters.windowStart = windowStart_;
    parameters.windowEnd = windowEnd_;
    parameters.selectedPlaces = places_.SelectedEntries();
    parameters.selectedTypes = types_.SelectedEntries();
    parameters.typeListHasEntries = !types_.Empty();
    parameters.classes = survey.AlgemeneGegevens.durationClasses;
    return parameters;
}

}  // namespace tavoric
