// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chart_texts.h"

#include <algorithm>
#include <unordered_map>

#include "core/clock.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::string_view kKindNames[] = {"occupancy", "sections", "durations",
                                           "motive",    "matrix",   "motive-sections"};
constexpr const char* kTitleKeys[] = {"AA00450", "AA00451", "AA00452",
                                      "AA00670", "AA00770", "AA00771"};

std::size_t IndexOf(ChartKind kind) {
    return static_cast<std::size_t>(kind);
}

}  // namespace

const std::vector<ChartKind>& AllChartKinds() {
    static const std::vector<ChartKind> kinds = {ChartKind::Occupancy, ChartKind::Sections,
                                                 ChartKind::Durations, ChartKind::Motive,
                                                 ChartKind::Matrix,    ChartKind::MotiveSections};
    return kinds;
}

std::string_view ChartKindName(ChartKind kind) {
    return kKindNames[IndexOf(kind)];
}

std::string ChartTitle(ChartKind kind) {
    return MessageText(kTitleKeys[IndexOf(kind)]);
}

std::string ChartSubtitle(const ChartData& data) {
    std::string subtitle;
    for (const std::string& part :
         {data.surveyArea, data.dayAndDate,
          FormatText(MessageText("AA00453"), {data.windowStart, data.windowEnd})}) {
        if (!TrimBlanks(part).empty()) {
            subtitle += (subtitle.empty() ? "" : ", ") + std::string(TrimBlanks(part));
        }
    }
    return subtitle;
}

std::vector<std::string> SectionLabels(const std::vector<SectionPressure>& sections) {
    std::unordered_map<std::string_view, int> uses;
    for (const SectionPressure& section : sections) {
        ++uses[section.description];
    }
    std::vector<std::string> labels;
    labels.reserve(sections.size());
    for (const SectionPressure& section : sections) {
        const bool ownDescription = !section.description.empty() && uses[section.description] == 1;
        labels.push_back(ownDescription
                             ? section.description
                             : section.route + "-" + section.section +
                                   (section.description.empty() ? "" : " " + section.description));
    }
    return labels;
}

std::string PressureClassLabel(PressureClass pressureClass, int threshold) {
    const std::string from = std::to_string(kModeratePressureFrom);
    const std::string norm = std::to_string(threshold);
    switch (pressureClass) {
        case PressureClass::Low:
            return FormatText(MessageText("AA00458"), {from});
        case PressureClass::Moderate:
            return FormatText(MessageText("AA00459"), {from, norm});
        case PressureClass::High:
            return FormatText(MessageText("AA00460"), {norm});
    }
    return {};
}

std::optional<std::size_t> PeakClockTime(const std::vector<ClockOccupancy>& occupancy) {
    if (occupancy.empty()) {
        return std::nullopt;
    }
    const auto peak = std::max_element(
        occupancy.begin(), occupancy.end(),
        [](const ClockOccupancy& a, const ClockOccupancy& b) { return a.occupancy < b.occupancy; });
    return static_cast<std::size_t>(peak - occupancy.begin());
}

}  // namespace tavoric
