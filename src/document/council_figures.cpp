// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/council_figures.h"

#include "analysis/motive_report.h"
#include "analysis/observation_selection.h"
#include "charts/chart_texts.h"
#include "core/csv.h"

namespace tavoric {

std::optional<CouncilFigures> ComputeCouncilFigures(const Survey& survey,
                                                    const AnalysisParameters& parameters,
                                                    int threshold, Progress& progress) {
    ProgressScope shown(progress);
    progress.Set(0, 100);
    const std::optional<ObservationSlots> slots =
        SelectObservations(survey.KentekensList, SelectPlaces(parameters), parameters, progress);
    if (!slots) {
        return std::nullopt;
    }
    CouncilFigures figures{ChartDataOf(survey, *slots, parameters, threshold),
                           ComputePerPlaceTable(*slots, survey.RoutesList, parameters, progress),
                           std::nullopt};
    progress.Set(100, 100);
    return figures;
}

SurveySummary Summarise(const CouncilFigures& figures) {
    const ChartData& charts = figures.charts;
    SurveySummary summary;
    summary.totals = figures.perPlace.totals;
    if (const std::optional<std::size_t> peak = PeakClockTime(charts.occupancy)) {
        summary.peak = charts.occupancy[*peak];
    }
    const std::int64_t vehicles = TotalVehicles(charts.motives.vehicles);
    for (std::size_t m = 0; m < kMotiveCount; ++m) {
        summary.motivePercent[m] = MotivePercent(charts.motives.vehicles[m], vehicles);
    }
    summary.threshold = charts.threshold;
    summary.sections = static_cast<int>(charts.sections.size());
    for (const SectionPressure& section : charts.sections) {
        summary.sectionsAboveNorm += section.peak > charts.threshold ? 1 : 0;
    }
    return summary;
}

std::array<SummaryRow, 14> SummaryRows(const SurveySummary& summary) {
    const PlaceFigures& totals = summary.totals;
    const auto number = [](std::int64_t value) { return std::to_string(value); };
    return {{
        {"parkeerplaatsen", number(totals.capacityPpl)},
        {"capaciteit_ppe", number(totals.capacityPpe)},
        {"voertuigen", number(totals.vehicles)},
        {"gemiddelde_bezetting", number(totals.meanOccupancy)},
        {"gemiddelde_parkeerduur", number(totals.meanDuration)},
        {"turnover", totals.turnover},
        {"fout_geparkeerd", number(totals.wronglyParked)},
        {"piek_bezetting", summary.peak ? number(summary.peak->occupancy) : ""},
        {"piek_tijdstip", summary.peak ? summary.peak->time : ""},
        {"bewoners_procent", number(summary.motivePercent[0])},
        {"werknemers_procent", number(summary.motivePercent[1])},
        {"bezoekers_procent", number(summary.motivePercent[2])},
        {"secties_boven_norm", number(summary.sectionsAboveNorm)},
        {"secties", number(summary.sections)},
    }};
}

std::string SummaryCsv(const SurveySummary& summary) {
    std::string csv = "kenmerk,waarde\r\n";
    for (const SummaryRow& row : SummaryRows(summary)) {
        AppendCsvRecord(csv, {row.name, row.value});
    }
    return csv;
}

}  // namespace tavoric
