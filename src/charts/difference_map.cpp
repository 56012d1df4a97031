// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/difference_map.h"

#include <algorithm>
#include <limits>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::int64_t kOpen = std::numeric_limits<std::int64_t>::max();

// The comparison's rows by route and section.
const SectionComparison* FindRow(const SurveyComparison& comparison, const std::string& route,
                                 const std::string& section) {
    const auto found = std::lower_bound(
        comparison.sections.begin(), comparison.sections.end(), std::pair(route, section),
        [](const SectionComparison& row, const std::pair<std::string, std::string>& key) {
            return std::pair(row.route, row.section) < key;
        });
    return found != comparison.sections.end() && found->route == route && found->section == section
               ? &*found
               : nullptr;
}

nlohmann::ordered_json JsonOf(const ComparisonField& field) {
    if (field.kind == ComparisonField::Kind::Text) {
        return Cp1252ToUtf8(field.text);
    }
    return field.number ? nlohmann::ordered_json(*field.number) : nlohmann::ordered_json();
}

}  // namespace

const std::vector<DifferenceClass>& DifferenceClasses() {
    // Blue after ColorBrewer's RdBu, orange after its PuOr, and a neutral sand between.
    static const std::vector<DifferenceClass> classes = {
        {-kOpen, -20, 0x2166ac}, {-19, -10, 0x67a9cf}, {-9, -3, 0xbcdaea},    {-2, 2, 0xe8e2cf},
        {3, 9, 0xfdc48a},        {10, 19, 0xf1923a},   {20, kOpen, 0xb35806},
    };
    return classes;
}

std::size_t DifferenceClassOf(std::int64_t points) {
    const std::vector<DifferenceClass>& classes = DifferenceClasses();
    std::size_t index = 0;
    while (index + 1 < classes.size() && points > classes[index].to) {
        ++index;
    }
    return index;
}

std::string SignedPoints(std::int64_t points) {
    return (points > 0 ? "+" : "") + std::to_string(points);
}

std::string DifferenceClassLabel(std::size_t index) {
    const DifferenceClass& range = DifferenceClasses().at(index);
    if (range.from == -kOpen) {
        return FormatText(MessageText("AA00940"), {SignedPoints(range.to)});
    }
    if (range.to == kOpen) {
        return FormatText(MessageText("AA00941"), {SignedPoints(range.from)});
    }
    return FormatText(MessageText("AA00942"), {SignedPoints(range.from), SignedPoints(range.to)});
}

DifferenceMap JoinDifferenceMap(StreetGeometry geometry, const SurveyComparison& comparison) {
    std::vector<SectionPressure> sections;
    for (const SectionComparison& row : comparison.sections) {
        sections.push_back({row.route, row.section, row.description});
    }
    return {JoinStreetMap(std::move(geometry), sections, comparison.a.sectionLines), &comparison};
}

const SectionComparison* ComparisonRowOf(const DifferenceMap& map, const SectionPressure& section) {
    return FindRow(*map.comparison, section.route, section.section);
}

std::optional<std::int64_t> FeatureDifference(const DifferenceMap& map, std::size_t feature) {
    const SectionPressure* section = map.streets.figures.at(feature);
    const SectionComparison* row = section ? ComparisonRowOf(map, *section) : nullptr;
    return row ? Difference(SectionOccupancy(row->a), SectionOccupancy(row->b)) : std::nullopt;
}

std::string DifferenceMapTitle() {
    return MessageText("AA00939");
}

std::string DifferenceMapSubtitle(const SurveyComparison& comparison) {
    std::string text = comparison.a.surveyArea.empty() ? "" : comparison.a.surveyArea + "; ";
    return text + FormatText(MessageText("AA00930"), {comparison.a.dayAndDate}) + "; " +
           FormatText(MessageText("AA00931"), {comparison.b.dayAndDate});
}

std::vector<StreetLabel> DifferenceLabels(const DifferenceMap& map) {
    return StreetLabels(map.streets, [&map](const SectionPressure& section) {
        const SectionComparison* row = ComparisonRowOf(map, section);
        const auto difference =
            row ? Difference(SectionOccupancy(row->a), SectionOccupancy(row->b)) : std::nullopt;
        return difference ? SignedPoints(*difference) : std::string();
    });
}

std::string DifferenceMapGeoJson(const DifferenceMap& map) {
    const std::vector<std::string> columns = ComparisonCsvColumns(ComparisonKind::Sections);
    const std::vector<ComparisonRow> rows =
        ComparisonTable(ComparisonKind::Sections, *map.comparison);
    return StreetGeoJson(
        map.streets, [&](nlohmann::ordered_json& properties, const SectionPressure& section) {
            const SectionComparison* row = ComparisonRowOf(map, section);
            if (!row) {
                properties["route"] = section.route;
                properties["sectie"] = section.section;
                return;
            }
            const ComparisonRow& fields =
                rows[static_cast<std::size_t>(row - map.comparison->sections.data())];
            for (std::size_t i = 0; i < columns.size(); ++i) {
                properties[columns[i]] = JsonOf(fields[i]);
            }
        });
}

}  // namespace tavoric
