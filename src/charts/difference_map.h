// SPDX-License-Identifier: GPL-3.0-or-later
// The difference map of two surveys: every street coloured by the change in its section's
// occupancy from A to B (B minus A, in percentage points), in classes of a diverging palette
// that readers with a colour vision deficiency keep apart (blue for less pressure, orange for
// more, a neutral middle), and written as GeoJSON with the fields of the sections comparison.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "charts/street_map.h"
#include "charts/survey_comparison.h"

namespace tavoric {

// A class of differences, its bounds included.
struct DifferenceClass {
    std::int64_t from;
    std::int64_t to;
    std::uint32_t rgb;  // 0xRRGGBB
};
// From the largest fall to the largest rise; the outer classes are open-ended.
const std::vector<DifferenceClass>& DifferenceClasses();
// The class of a difference, an index into DifferenceClasses().
std::size_t DifferenceClassOf(std::int64_t points);
// "-20 of minder", "-19 tot en met -10", "-2 tot en met +2", "+20 of meer" (code page 1252).
std::string DifferenceClassLabel(std::size_t index);
// "+4", "-3", "0".
std::string SignedPoints(std::int64_t points);

// The streets joined to the sections of either side; the map's sections carry route, section
// and description only.
struct DifferenceMap {
    StreetMap streets;
    const SurveyComparison* comparison = nullptr;  // outlives the map
};
DifferenceMap JoinDifferenceMap(StreetGeometry geometry, const SurveyComparison& comparison);

// The row of the comparison a section of the map is; nothing for a section of neither side.
const SectionComparison* ComparisonRowOf(const DifferenceMap& map, const SectionPressure& section);
// The change in occupancy of the feature's section; nothing without a section or without
// figures on either side.
std::optional<std::int64_t> FeatureDifference(const DifferenceMap& map, std::size_t feature);

// "Voor en na: verandering in parkeerdruk"
std::string DifferenceMapTitle();
// The area with both surveys: "Demodorp; A (voor): ...; B (na): ...".
std::string DifferenceMapSubtitle(const SurveyComparison& comparison);
// Each section's name with its difference ("Kerkstraat +4"), along its longest street.
std::vector<StreetLabel> DifferenceLabels(const DifferenceMap& map);

// The input features in their order, those of a section with the fields of its row of the
// sections comparison (numbers, or null where a side lacks the figure).
std::string DifferenceMapGeoJson(const DifferenceMap& map);

}  // namespace tavoric
