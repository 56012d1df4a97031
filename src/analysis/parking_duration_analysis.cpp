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

struct SelectedRun {
    LineList places;
    LineList slots;
};

// Selects the places and slots and writes the heading; nothing more when cancelled.
std::optional<SelectedRun> StartRun(const Survey& survey, const AnalysisParameters& parameters,
                                    ReportDocument& report, Progress& progress) {
    progress.Set(0, 100);
    LineList places = SelectPlaces(parameters);
    std::optional<LineList> slots =
        SelectObservations(survey.KentekensList, places, parameters, progress);
    WriteAnalysisHeading(report, survey.AlgemeneGegevens, parameters, places.size());
    if (!slots) {
        report.AddReportLine(MessageText("AA00350"));
        return std::nullopt;
    }
    return SelectedRun{std::move(places), std::move(*slots)};
}

}  // namespace

void RunParkingDurationAnalysis(const Survey& survey, const AnalysisParameters& parameters,
                                ReportDocument& report, Progress& progress) {
    if (parameters.reportKind == ReportKind::Motive) {
        RunMotiveAnalysis(survey, parameters, report, progress);
        return;
    }
    ProgressScope shown(progress);
    const std::optional<SelectedRun> run = StartRun(survey, parameters, report, progress);
    if (!run) {
        return;
    }
    if (parameters.reportKind == ReportKind::PerPlace) {
        WritePerPlaceSection(report, run->slots, run->places, survey.RoutesList, parameters,
                             progress);
    } else {
        WriteIntervalSection(report, run->slots, parameters);
    }
}

std::optional<MotiveFigures> RunMotiveAnalysis(const Survey& survey,
                                               const AnalysisParameters& parameters,
                                               ReportDocument& report, Progress& progress) {
    ProgressScope shown(progress);
    const std::optional<SelectedRun> run = StartRun(survey, parameters, report, progress);
    if (!run) {
        return std::nullopt;
    }
    MotiveFigures figures = ComputeMotives(run->slots, survey.RoutesList, parameters.motiveBounds);
    WriteMotiveSection(report, figures, parameters.motiveBounds, survey.SectiesList);
    progress.Set(100, 100);
    return figures;
}

}  // namespace tavoric
