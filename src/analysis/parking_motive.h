// SPDX-License-Identifier: GPL-3.0-or-later
// Who parks in the selection: residents, who stand there early in the morning or late in the
// evening; commuters, who take a space for most of the day; and visitors, who come and go. A
// vehicle is a plate over the whole selection, at whatever place it was seen.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/motive_bounds.h"
#include "core/survey.h"

namespace tavoric {

// Bewoner, werknemer, bezoeker: the first that holds.
enum class Motive { Resident, Commuter, Visitor };
constexpr std::size_t kMotiveCount = 3;

using MotiveCounts = std::array<std::int64_t, kMotiveCount>;

std::int64_t TotalVehicles(const MotiveCounts& counts);

// The distinct vehicles of each motive seen in one section ("RRRR SSSS") or at one clock time
// ("HHMM", analysis/clock_times.h).
struct MotiveRow {
    std::string key;
    MotiveCounts vehicles{};
};

struct MotiveFigures {
    MotiveCounts vehicles{};            // every vehicle of the selection once
    std::vector<MotiveRow> sections;    // every section with slots, in selection order
    std::vector<MotiveRow> clockTimes;  // every clock time of the selection, ascending
};

class ObservationSlots;

// The figures of the observation slots (observation_selection.h). A vehicle's minutes are the
// observation intervals of the routes of its slots, summed; periods compare as whole numbers.
MotiveFigures ComputeMotives(const ObservationSlots& slots, const LineList& routes,
                             const MotiveBounds& bounds);

}  // namespace tavoric
