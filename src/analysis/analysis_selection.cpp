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
LineList LinesUnder(const LineList& lines, const NarrowingList& parents, std::size_t keyLength) {
    std::vector<std::string_view> parentKeys;
    parentKeys.reserve(parents.Count());
    parents.ForEachSelected(
        [&](const std::string& parent) { parentKeys.push_back(Chars(parent, 1, keyLength)); });
    std::sort(parentKeys.begin(), parentKeys.end());
    LineList result;
    for (const std::string& line : lines) {
        if (std::binary_search(parentKeys.begin(), parentKeys.end(), Chars(line, 1, keyLength))) {
            result.push_back(line);
        }
    }
    return result;
}

LineList TypeCodesOf(const NarrowingList& places) {
    LineList codes;
    places.ForEachSelected([&codes](const std::string& place) {
        const std::string_view code = PlaceType(place);
        if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end()) {
            codes.emplace_back(code);
        }
    });
    return codes;
}

// The default window of the slots whose place key is one of the keys. The slots of a place
// follow each other, so a key is looked up only where the place changes.
TimeWindow DefaultWindowOfPlaces(const Survey& survey,
                                 const std::unordered_set<std::string_view>& placeKeys) {
    TimeWindow window{survey.AlgemeneGegevens.startTime, survey.AlgemeneGegevens.endTime};
    int start = IntegerOrZero(window.start);
    int end = IntegerOrZero(window.end);
    std::optional<std::string_view> lastKey;
    bool lastSelected = false;
    for (const std::string_view line : survey.KentekensList) {
        const std::string_view key = PlaceKey(line);
        if (key != lastKey) {
            lastKey = key;
            lastSelected = placeKeys.contains(key);
        }
        if (!lastSelected) {
            continue;
        }
        if (const std::optional<PeriodBounds> period = PpePeriodBounds(line)) {
            start = std::min(start, period->start);
            end = std::max(end, period->end);
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
    ForEachSelected([&result](const std::string& entry) { result.push_back(entry); });
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
            sections_.Fill(LinesUnder(survey.SectiesList, routes_, 4));
            [[fallthrough]];
        case NarrowingLevel::Sections:
            places_.Fill(LinesUnder(survey.ParkeerplaatsenList, sections_, 9));
            [[fallthrough]];
        case NarrowingLevel::Places:
            types_.Fill(TypeCodesOf(places_));
            [[fallthrough]];
        case NarrowingLevel::Types:
            break;
    }
    defaultWindow_.reset();
}

const TimeWindow& AnalysisSelection::Window(const Survey& survey) const {
    if (windowTyped_) {
        return typedWindow_;
    }
    if (!defaultWindow_) {
        std::unordered_set<std::string_view> placeKeys;
        placeKeys.reserve(places_.Count());
        places_.ForEachSelected(
            [&placeKeys](const std::string& place) { placeKeys.insert(PlaceKey(place)); });
        defaultWindow_ = DefaultWindowOfPlaces(survey, placeKeys);
    }
    return *defaultWindow_;
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

void AnalysisSelection::SetWindow(const Survey& survey, std::string start, std::string end) {
    const TimeWindow& inForce = Window(survey);
    if (windowTyped_ || start != inForce.start || end != inForce.end) {
        typedWindow_ = {std::move(start), std::move(end)};
        windowTyped_ = true;
    }
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
    std::unordered_set<std::string_view> placeKeys;
    placeKeys.reserve(selectedPlaces.size());
    for (const std::string& place : selectedPlaces) {
        placeKeys.insert(PlaceKey(place));
    }
    return DefaultWindowOfPlaces(survey, placeKeys);
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
    const TimeWindow& window = Window(survey);
    parameters.windowStart = window.start;
    parameters.windowEnd = window.end;
    parameters.selectedPlaces = places_.SelectedEntries();
    parameters.selectedTypes = types_.SelectedEntries();
    parameters.typeListHasEntries = !types_.Empty();
    parameters.classes = survey.AlgemeneGegevens.durationClasses;
    return parameters;
}

}  // namespace tavoric
