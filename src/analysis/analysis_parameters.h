// SPDX-License-Identifier: GPL-3.0-or-later
// What one parking duration analysis run works on, as the analysis dialog hands it over.
#pragma once

#include <array>
#include <string>

#include "analysis/parking_motive.h"
#include "core/survey.h"
#include "reports/input_data_report.h"

namespace tavoric {

enum class ReportKind { PerPlace, PerInterval, Motive };

struct AnalysisParameters {
    ReportKind reportKind = ReportKind::PerPlace;
    std::string windowStart;  // HHMM texts as typed; compared as whole numbers
    std::string windowEnd;
    LineList selectedPlaces;                 // place lines in the order of the places list
    std::vector<std::string> selectedTypes;  // selected entries of the types list, in list order
    bool typeListHasEntries = false;         // the types list is not empty (type legend shown)
    std::array<DurationClass, kDurationClassCount> classes{};  // from (included) to (excluded)
    bool countIllegalInPpl = true;
    bool countIllegalInPpe = true;
    bool addDetailList = false;   // interval report only
    bool sortByVehicles = false;  // interval report only; off is chronological
    MotiveBounds motiveBounds;    // motive report only
    PlaceTypeCaptions typeCaptions = DefaultPlaceTypeCaptions();
};

}  // namespace tavoric
