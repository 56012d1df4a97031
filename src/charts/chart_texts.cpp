// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chart_texts.h"

#include <algorithm>
#include <unordered_map>

#include "core/clock.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::string_view kKindNames[] = {"occupancy", "sections", "durations", "motive"};
constexpr const char* kTitleKeys[] = {"AA00450", "AA00451", "AA00452", "AA00670"};
constexpr int kMinutesPerDay = 24 * 60;

std::size_t IndexOf(ChartKind kind) {
    return static_cast<std::size_t>(kind);
}

std::optional<int> ClockMinutes(std::string_view hhmm) {
    const std::optional<int> value = hhmm.size() == 4 ? ToInteger(hhmm) : std::nullopt;
    if (!value || *value < 0 || *value > 2400 || *value % 100 > 59) {
        return std::nullopt;
    }
    return HhmmToMinutes(*value);
}

}  // namespace

const std::vector<ChartKind>& AllChartKinds() {
    static const std::vector<ChartKind> kinds = {ChartKind::Occupancy, ChartKind::Sections,
                                                 ChartKind::Durations, ChartKind::Motive};
    return kinds;
}

std::string_view ChartKindName(ChartKind kind) {
    return kKindNames[IndexOf(kind)];
}

std::optional<ChartKind> ChartKindNamed(std::string_view name) {
    for (ChartKind kind : AllChartKinds()) {
        if (ChartKindName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
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

std::optional<PeriodSpan> PeriodSpanOf(std::string_view period) {
    const std::optional<int> start = ClockMinutes(Chars(period, 1, 4));
    const std::optional<int> end = ClockMinutes(Chars(period, 6, 9));
    if (period.size() != 9 || period[4] != '-' || !start || !end) {
        return std::nullopt;
    }
    return PeriodSpan{*start, *end < *start ? *end + kMinutesPerDay : *end};
}

std::optional<std::size_t> PeakPeriod(const std::vector<PeriodOccupancy>& occupancy) {
    if (occupancy.empty()) {
        return std::nullopt;
    }
    const auto peak = std::max_element(occupancy.begin(), occupancy.end(),
                                       [](const PeriodOccupancy& a, const PeriodOccupancy& b) {
                                           return a.occupancy < b.occupancy;
                                       });
    return static_cast<std::size_t>(peak - occupancy.begin());
}

}  // namespace tavoric
