// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/report_caption.h"

#include <algorithm>
#include <vector>

#include "core/message_texts.h"
#include "core/survey.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::size_t kShownRoutes = 5;

constexpr const char* kCaptionKeys[] = {"AA01020", "AA01021", "AA01022",
                                        "AA01023", "AA01024", "AA01025"};

std::vector<std::string> RoutesOf(const LineList& places) {
    std::vector<std::string> routes;
    for (const std::string& place : places) {
        const std::string route(RouteKey(place));
        if (std::find(routes.begin(), routes.end(), route) == routes.end()) {
            routes.push_back(route);
        }
    }
    return routes;
}

std::string RouteList(const std::vector<std::string>& routes) {
    std::string list;
    for (std::size_t i = 0; i < std::min(routes.size(), kShownRoutes); ++i) {
        list += (i == 0 ? "" : ", ") + routes[i];
    }
    return routes.size() > kShownRoutes ? list + ", ..." : list;
}

}  // namespace

ReportWindowKind WindowKindOf(ReportKind analysis) {
    switch (analysis) {
        case ReportKind::PerInterval:
            return ReportWindowKind::PerInterval;
        case ReportKind::Motive:
            return ReportWindowKind::Motive;
        case ReportKind::PerPlace:
            break;
    }
    return ReportWindowKind::PerPlace;
}

std::string ReportCaption(ReportWindowKind kind) {
    return MessageText(kCaptionKeys[static_cast<std::size_t>(kind)]);
}

std::string AnalysisReportCaption(const AnalysisParameters& parameters) {
    const std::string name = ReportCaption(WindowKindOf(parameters.reportKind));
    const std::vector<std::string> routes = RoutesOf(parameters.selectedPlaces);
    if (routes.empty()) {
        return name;
    }
    const char* key = routes.size() == 1 ? "AA01026" : "AA01027";
    return name + " - " + FormatText(MessageText(key), {RouteList(routes)});
}

}  // namespace tavoric
