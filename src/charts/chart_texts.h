// SPDX-License-Identifier: GPL-3.0-or-later
// The charts by kind, with their names on the command line and the texts they are drawn with, in
// the program's language (code page 1252 like every message text).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charts/chart_data.h"

namespace tavoric {

enum class ChartKind { Occupancy, Sections, Durations, Motive, Matrix, MotiveSections };

// Every chart in the order the chart window shows them.
const std::vector<ChartKind>& AllChartKinds();
// "occupancy", "sections", "durations", "motive", "matrix", "motive-sections"
std::string_view ChartKindName(ChartKind kind);

std::string ChartTitle(ChartKind kind);
// The survey area, the date text and the time window, those that are not empty.
std::string ChartSubtitle(const ChartData& data);

// One label per section, in order: its description, or "RRRR-SSSS" when it has none or shares
// it with another section, so that every bar has a label of its own.
std::vector<std::string> SectionLabels(const std::vector<SectionPressure>& sections);
// The legend text of a pressure class at the given threshold.
std::string PressureClassLabel(PressureClass pressureClass, int threshold);

// The first clock time with the highest occupancy; nothing without clock times.
std::optional<std::size_t> PeakClockTime(const std::vector<ClockOccupancy>& occupancy);

}  // namespace tavoric
