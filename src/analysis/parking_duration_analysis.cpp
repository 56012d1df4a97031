// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/parking_duration_analysis.h"

#include "analysis/interval_report.h"
#include "analysis/motive_report.h"
#include "analysis/observation_selection.h"
#include "analysis/per_place_report.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

void WriteAnalysisHeading(ReportDocument& report, const GeneralValues& general,
                          const AnalysisParameters& parameters, std::size_t placeCount) {
    report.WriteReportHeader(general);
    report.AddReportLine(general.dayAndDate);
    report.AddReportLine(
        FormatText(MessageText("AA00024"), {parameters.windowStart, parameters.windowEnd}));
    report.AddReportLine(MessageText("AA00025") + " " + std::to_string(placeCount));
    report.AddReportLine();
}

// Selects the places and slots and writes the heading; nothing more when cancelled.
std::optional<ObservationSlots> StartRun(const Survey& survey, const AnalysisParameters& parameters,
                                         ReportDocument& report, Progress& progress) {
    progress.Set(0, 100);
    LineList places = SelectPlaces(parameters);
    const std::size_t placeCount = places.size();
    std::optional<ObservationSlots> slots =
        SelectObservations(survey.KentekensList, std::move(places), parameters, progress);
    WriteAnalysisHeading(report, survey.AlgemeneGegevens, parameters, placeCount);
    if (!slots) {
        report.AddReportLine(MessageText("AA00350"));
    }
    return slots;
}

}  // namespace

std::string RunParkingDurationAnalysis(const Survey& survey, const AnalysisParameters& parameters,
                                       ReportDocument& report, Progress& progress,
                                       CleanTables* tables) {
    if (parameters.reportKind == ReportKind::Motive) {
        std::optional<MotiveFigures> figures =
            RunMotiveAnalysis(survey, parameters, report, progress);
        if (tables != nullptr && figures) {
            tables->motive = std::move(*figures);
        }
        return {};
    }
    ProgressScope shown(progress);
    const std::optional<ObservationSlots> slots = StartRun(survey, parameters, report, progress);
    if (!slots) {
        return {};
    }
    if (parameters.reportKind == ReportKind::PerPlace) {
        WritePerPlaceSection(report, *slots, survey.RoutesList, parameters, progress,
                             tables != nullptr ? &tables->perPlace : nullptr);
        return {};
    }
    return WriteIntervalSection(report, *slots, parameters,
                                tables != nullptr ? &tables->interval : nullptr);
}

std::optional<MotiveFigures> RunMotiveAnalysis(const Survey& survey,
                                               const AnalysisParameters& parameters,
                                               ReportDocument& report, Progress& progress) {
    ProgressScope shown(progress);
    const std::optional<ObservationSlots> slots = StartRun(survey, parameters, report, progress);
    if (!slots) {
        return std::nullopt;
    }
    MotiveFigures figures = ComputeMotives(*slots, survey.RoutesList, parameters.motiveBounds);
    WriteMotiveSection(report, figures, parameters.motiveBounds, survey.SectiesList);
    progress.Set(100, 100);
    return figures;
}

}  // namespace tavoric
