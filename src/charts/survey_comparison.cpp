// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/survey_comparison.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <set>
#include <utility>

#include "analysis/analysis_selection.h"
#include "analysis/motive_report.h"
#include "core/codec.h"
#include "core/csv.h"
#include "core/message_texts.h"
#include "core/project_file.h"

namespace tavoric {

namespace {

constexpr std::string_view kKindNames[] = {"sections", "occupancy", "durations", "motive"};

std::string Number(std::optional<std::int64_t> value) {
    return value ? std::to_string(*value) : std::string();
}

// A text field of the survey (code page 1252) as the CSV holds it.
std::string Text(std::string_view field) {
    return Cp1252ToUtf8(SpreadsheetText(field));
}

std::vector<SectionComparison> MatchSections(const ChartData& a, const ChartData& b) {
    std::map<std::pair<std::string, std::string>, SectionComparison> matched;
    const auto add = [&matched](const SectionPressure& section, bool sideA) {
        SectionComparison& row = matched[{section.route, section.section}];
        row.route = section.route;
        row.section = section.section;
        if (row.description.empty()) {
            row.description = section.description;
        }
        (sideA ? row.a : row.b) = section;
    };
    for (const SectionPressure& section : a.sections) {
        add(section, true);
    }
    for (const SectionPressure& section : b.sections) {
        add(section, false);
    }
    std::vector<SectionComparison> rows;
    for (auto& entry : matched) {
        rows.push_back(std::move(entry.second));
    }
    return rows;
}

std::vector<ClockComparison> MatchClockTimes(const ChartData& a, const ChartData& b) {
    std::map<int, ClockComparison> matched;
    const auto add = [&matched](const ClockOccupancy& time, bool sideA) {
        ClockComparison& row = matched[time.minutes];
        row.time = time.time;
        row.minutes = time.minutes;
        (sideA ? row.a : row.b) = time.occupancy;
    };
    for (const ClockOccupancy& time : a.occupancy) {
        add(time, true);
    }
    for (const ClockOccupancy& time : b.occupancy) {
        add(time, false);
    }
    std::vector<ClockComparison> rows;
    for (auto& entry : matched) {
        rows.push_back(std::move(entry.second));
    }
    return rows;
}

// Type codes match in either letter case.
std::string FoldedKey(std::string_view key) {
    std::string folded(key);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return folded;
}

// The entries of other whose key one of chosen has, or all of other when chosen is all of own.
LineList MatchingEntries(const LineList& own, const LineList& chosen, const LineList& other,
                         std::string_view (*key)(std::string_view)) {
    if (chosen.size() == own.size()) {
        return other;
    }
    std::set<std::string> keys;
    for (const std::string& entry : chosen) {
        keys.insert(FoldedKey(key(entry)));
    }
    LineList matching;
    std::copy_if(other.begin(), other.end(), std::back_inserter(matching),
                 [&](const std::string& entry) { return keys.count(FoldedKey(key(entry))) > 0; });
    return matching;
}

std::string_view WholeEntry(std::string_view entry) {
    return entry;
}

AnalysisParameters EverythingOf(const Survey& survey) {
    AnalysisSelection selection;
    selection.Open(survey);
    return selection.Parameters(survey, ReportKind::PerPlace);
}

std::optional<std::int64_t> Capacity(const std::optional<SectionPressure>& side) {
    return side ? std::optional<std::int64_t>(side->capacity) : std::nullopt;
}

using Field = ComparisonField;

Field TextField(std::string_view text) {
    return {Field::Kind::Text, std::string(text), std::nullopt};
}

Field CountField(std::optional<std::int64_t> count) {
    return {Field::Kind::Count, {}, count};
}

Field PercentField(std::optional<std::int64_t> percent) {
    return {Field::Kind::Percent, {}, percent};
}

Field DifferenceField(std::optional<std::int64_t> a, std::optional<std::int64_t> b) {
    return {Field::Kind::Difference, {}, Difference(a, b)};
}

std::vector<ComparisonRow> SectionsTable(const SurveyComparison& comparison) {
    std::vector<ComparisonRow> rows;
    for (const SectionComparison& row : comparison.sections) {
        const auto occupancyA = SectionOccupancy(row.a);
        const auto occupancyB = SectionOccupancy(row.b);
        const auto peakA = SectionPeak(row.a);
        const auto peakB = SectionPeak(row.b);
        rows.push_back({TextField(row.route), TextField(row.section), TextField(row.description),
                        CountField(Capacity(row.a)), CountField(Capacity(row.b)),
                        PercentField(occupancyA), PercentField(occupancyB),
                        DifferenceField(occupancyA, occupancyB), PercentField(peakA),
                        PercentField(peakB), DifferenceField(peakA, peakB)});
    }
    return rows;
}

std::vector<ComparisonRow> OccupancyTable(const SurveyComparison& comparison) {
    std::vector<ComparisonRow> rows;
    for (const ClockComparison& row : comparison.occupancy) {
        rows.push_back({TextField(row.time), PercentField(row.a), PercentField(row.b),
                        DifferenceField(row.a, row.b)});
    }
    return rows;
}

std::vector<ComparisonRow> DurationsTable(const SurveyComparison& comparison) {
    std::vector<ComparisonRow> rows;
    for (std::size_t k = 0; k < comparison.a.durations.size(); ++k) {
        const DurationShare& a = comparison.a.durations[k];
        const DurationShare& b = comparison.b.durations[k];
        rows.push_back({CountField(static_cast<std::int64_t>(k) + 1), CountField(a.range.from),
                        CountField(a.range.to), PercentField(a.percent), PercentField(b.percent),
                        DifferenceField(a.percent, b.percent)});
    }
    return rows;
}

std::vector<ComparisonRow> MotiveTable(const SurveyComparison& comparison) {
    const MotiveCounts& a = comparison.a.motives.vehicles;
    const MotiveCounts& b = comparison.b.motives.vehicles;
    std::vector<ComparisonRow> rows;
    for (std::size_t m = 0; m < kMotiveCount; ++m) {
        const std::int64_t percentA = MotivePercent(a[m], TotalVehicles(a));
        const std::int64_t percentB = MotivePercent(b[m], TotalVehicles(b));
        rows.push_back({TextField(MotiveName(m)), CountField(a[m]), PercentField(percentA),
                        CountField(b[m]), PercentField(percentB),
                        DifferenceField(percentA, percentB)});
    }
    return rows;
}

}  // namespace

const std::vector<ComparisonKind>& AllComparisonKinds() {
    static const std::vector<ComparisonKind> kinds = {
        ComparisonKind::Sections, ComparisonKind::Occupancy, ComparisonKind::Durations,
        ComparisonKind::Motive};
    return kinds;
}

std::string_view ComparisonKindName(ComparisonKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::optional<ComparisonKind> ComparisonKindNamed(std::string_view name) {
    for (ComparisonKind kind : AllComparisonKinds()) {
        if (ComparisonKindName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string ComparisonTitle(ComparisonKind kind) {
    constexpr const char* kTitleKeys[] = {"AA00926", "AA00927", "AA00928", "AA00929"};
    return MessageText(kTitleKeys[static_cast<std::size_t>(kind)]);
}

std::optional<std::int64_t> Difference(std::optional<std::int64_t> a,
                                       std::optional<std::int64_t> b) {
    return a && b ? std::optional(*b - *a) : std::nullopt;
}

std::optional<std::int64_t> SectionOccupancy(const std::optional<SectionPressure>& side) {
    return side && side->observed ? std::optional(side->occupancy) : std::nullopt;
}

std::optional<std::int64_t> SectionPeak(const std::optional<SectionPressure>& side) {
    return side && side->observed ? std::optional(side->peak) : std::nullopt;
}

SurveyComparison CompareChartData(ChartData a, ChartData b) {
    SurveyComparison comparison;
    comparison.sections = MatchSections(a, b);
    comparison.occupancy = MatchClockTimes(a, b);
    comparison.a = std::move(a);
    comparison.b = std::move(b);
    return comparison;
}

bool SidesShareSection(const SurveyComparison& comparison) {
    for (const SectionComparison& row : comparison.sections) {
        if (row.a && row.b) {
            return true;
        }
    }
    return false;
}

AnalysisParameters SelectionOnOtherSurvey(const Survey& a, const AnalysisParameters& selectionA,
                                          const Survey& b) {
    const AnalysisParameters allOfA = EverythingOf(a);
    const AnalysisParameters allOfB = EverythingOf(b);
    AnalysisParameters selectionB = selectionA;
    selectionB.selectedPlaces = MatchingEntries(allOfA.selectedPlaces, selectionA.selectedPlaces,
                                                allOfB.selectedPlaces, PlaceKey);
    selectionB.selectedTypes = MatchingEntries(allOfA.selectedTypes, selectionA.selectedTypes,
                                               allOfB.selectedTypes, WholeEntry);
    selectionB.typeListHasEntries = allOfB.typeListHasEntries;
    const TimeWindow defaultOfA = DefaultWindow(a, selectionA.selectedPlaces);
    if (defaultOfA.start == selectionA.windowStart && defaultOfA.end == selectionA.windowEnd) {
        const TimeWindow defaultOfB = DefaultWindow(b, selectionB.selectedPlaces);
        selectionB.windowStart = defaultOfB.start;
        selectionB.windowEnd = defaultOfB.end;
    }
    return selectionB;
}

std::optional<SurveyComparison> CompareSurveys(const Survey& a,
                                               const AnalysisParameters& selectionA,
                                               const Survey& b, AnalysisParameters selectionB,
                                               int threshold, Progress& progress) {
    selectionB.classes = selectionA.classes;
    std::optional<ChartData> before = ComputeChartData(a, selectionA, threshold, progress);
    if (!before) {
        return std::nullopt;
    }
    std::optional<ChartData> after = ComputeChartData(b, selectionB, threshold, progress);
    if (!after) {
        return std::nullopt;
    }
    return CompareChartData(std::move(*before), std::move(*after));
}

std::optional<Survey> AskSurveyToCompare(Prompter& prompter) {
    FileDialogRequest request;
    request.filter = kProjectFileFilter;
    const std::optional<std::string> path = prompter.OpenFileName(request);
    Survey b;
    if (!path || !ReadProjectFile(b, *path, prompter)) {
        return std::nullopt;
    }
    return b;
}

std::optional<SurveyComparison> CompareInSelectionOfA(const Survey& a,
                                                      const AnalysisParameters& selectionA,
                                                      const Survey& b, int threshold,
                                                      Progress& progress, Prompter& prompter) {
    std::optional<SurveyComparison> comparison = CompareSurveys(
        a, selectionA, b, SelectionOnOtherSurvey(a, selectionA, b), threshold, progress);
    if (comparison && !SidesShareSection(*comparison)) {
        ErrorNotice(prompter, MessageText("AA00925"));
        return std::nullopt;
    }
    return comparison;
}

std::vector<std::string> ComparisonCsvColumns(ComparisonKind kind) {
    switch (kind) {
        case ComparisonKind::Sections:
            return {"route",        "sectie",      "omschrijving", "capaciteit_a",
                    "capaciteit_b", "bezetting_a", "bezetting_b",  "verschil_bezetting",
                    "piek_a",       "piek_b",      "verschil_piek"};
        case ComparisonKind::Occupancy:
            return {"tijdstip", "bezetting_a", "bezetting_b", "verschil"};
        case ComparisonKind::Durations:
            return {"klasse", "van", "tot", "procent_a", "procent_b", "verschil"};
        case ComparisonKind::Motive:
            return {"motief",       "voertuigen_a", "procent_a",
                    "voertuigen_b", "procent_b",    "verschil_procent"};
    }
    return {};
}

std::vector<ComparisonRow> ComparisonTable(ComparisonKind kind,
                                           const SurveyComparison& comparison) {
    switch (kind) {
        case ComparisonKind::Sections:
            return SectionsTable(comparison);
        case ComparisonKind::Occupancy:
            return OccupancyTable(comparison);
        case ComparisonKind::Durations:
            return DurationsTable(comparison);
        case ComparisonKind::Motive:
            return MotiveTable(comparison);
    }
    return {};
}

std::string ComparisonCsv(ComparisonKind kind, const SurveyComparison& comparison) {
    std::string csv;
    AppendCsvRecord(csv, ComparisonCsvColumns(kind));
    for (const ComparisonRow& row : ComparisonTable(kind, comparison)) {
        std::vector<std::string> fields;
        for (const ComparisonField& field : row) {
            fields.push_back(field.kind == ComparisonField::Kind::Text ? Text(field.text)
                                                                       : Number(field.number));
        }
        AppendCsvRecord(csv, fields);
    }
    return csv;
}

}  // namespace tavoric
