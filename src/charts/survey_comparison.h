// SPDX-License-Identifier: GPL-3.0-or-later
// Two surveys of the same area side by side, before (A) and after (B): the parking pressure per
// section, the occupancy at every clock time, the duration classes and the parking motives. Each
// side holds exactly the figures of that side's charts; the differences are B minus A in
// percentage points.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charts/chart_data.h"
#include "core/prompter.h"

namespace tavoric {

enum class ComparisonKind { Sections, Occupancy, Durations, Motive };

// Every comparison in the order the comparison window shows them.
const std::vector<ComparisonKind>& AllComparisonKinds();
// "sections", "occupancy", "durations", "motive"
std::string_view ComparisonKindName(ComparisonKind kind);
std::optional<ComparisonKind> ComparisonKindNamed(std::string_view name);
// The title of its chart, in the program's language (code page 1252).
std::string ComparisonTitle(ComparisonKind kind);

// A section of either side, matched on route and section number. A side without the section,
// or whose selection did not observe it, has no figures there.
struct SectionComparison {
    std::string route;
    std::string section;
    std::string description;  // from A, else from B
    std::optional<SectionPressure> a;
    std::optional<SectionPressure> b;
};

// The area occupancy at one clock time of either side, matched on the minutes after midnight.
struct ClockComparison {
    std::string time;  // HHMM
    int minutes = 0;
    std::optional<std::int64_t> a;
    std::optional<std::int64_t> b;
};

struct SurveyComparison {
    ChartData a;
    ChartData b;                              // its durations in the classes of A
    std::vector<SectionComparison> sections;  // by route, then section number
    std::vector<ClockComparison> occupancy;   // ascending
};

// B minus A; nothing when a side has no figure.
std::optional<std::int64_t> Difference(std::optional<std::int64_t> a,
                                       std::optional<std::int64_t> b);
// The figures of a section side, nothing when the side lacks it or did not observe it.
std::optional<std::int64_t> SectionOccupancy(const std::optional<SectionPressure>& side);
std::optional<std::int64_t> SectionPeak(const std::optional<SectionPressure>& side);

// Matches the sections and clock times of the two sides' chart figures.
SurveyComparison CompareChartData(ChartData a, ChartData b);
// Whether at least one section lies on both sides; a comparison without one is refused.
bool SidesShareSection(const SurveyComparison& comparison);

// The analysis selection of A made on B, as the same options would make it on both sides: a
// list A selected entirely (places, types) is B's entire list, otherwise B keeps the entries
// whose keys A selected (places on route, section and place number, types on their code). A
// window equal to the default window of A's places becomes the default window of B's; a window
// typed for A holds for B. The run options and duration classes are those of A.
AnalysisParameters SelectionOnOtherSurvey(const Survey& a, const AnalysisParameters& selectionA,
                                          const Survey& b);

// Computes both sides as their charts do, B with the duration classes of A. Nothing when the
// progress reports a cancel.
std::optional<SurveyComparison> CompareSurveys(const Survey& a,
                                               const AnalysisParameters& selectionA,
                                               const Survey& b, AnalysisParameters selectionB,
                                               int threshold, Progress& progress);

// One field of a comparison's table: a text of the survey (code page 1252), or a figure that is
// missing where a side lacks it. Percentages and differences are whole percents and points.
struct ComparisonField {
    enum class Kind : unsigned char { Text, Count, Percent, Difference };
    Kind kind = Kind::Text;
    std::string text;
    std::optional<std::int64_t> number;
};
using ComparisonRow = std::vector<ComparisonField>;
// The rows of the comparison's table, each with the fields of ComparisonCsvColumns.
std::vector<ComparisonRow> ComparisonTable(ComparisonKind kind, const SurveyComparison& comparison);

// Asks for survey B with the project file dialog and reads it; nothing when the user stops or it
// cannot be read (the reason shown).
std::optional<Survey> AskSurveyToCompare(Prompter& prompter);
// The analysis selection of A made on B and both sides computed; nothing when the progress
// reports a cancel or, after the notice, when the sides share no section.
std::optional<SurveyComparison> CompareInSelectionOfA(const Survey& a,
                                                      const AnalysisParameters& selectionA,
                                                      const Survey& b, int threshold,
                                                      Progress& progress, Prompter& prompter);

// The comparison as a CSV file: UTF-8, comma-separated, CR LF line ends, one header line, text
// fields that cannot become formulas, empty fields where a side has no figure.
std::string ComparisonCsv(ComparisonKind kind, const SurveyComparison& comparison);
// The names of its header line, which programs read (never translated).
std::vector<std::string> ComparisonCsvColumns(ComparisonKind kind);

}  // namespace tavoric
