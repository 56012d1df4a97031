#include "analysis/parking_duration_analysis.h"

#include "analysis/interval_report.h"
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

}  // namespace

void RunParkingDurationAnalysis(const Survey& survey, const AnalysisParameters& parameters,
                                ReportDocument& report, Progress& progress) {
    ProgressScope shown(progress);
    progress.Set(0, 100);
    const LineList places = SelectPlaces(parameters);
    const std::optional<LineList> slots =
        SelectObservations(survey.KentekensList, places, parameters, progress);
    WriteAnalysisHeading(report, survey.AlgemeneGegevens, parameters, places.size());
    if (!slots) {
        report.AddReportLine(MessageText("AA00350"));
        return;
    }
    if (parameters.reportKind == ReportKind::PerPlace) {
        WritePerPlaceSection(report, *slots, places, survey.RoutesList, parameters, progress);
    } else {
        WriteIntervalSection(report, *slots, parameters);
    }
}

}  // namespace tavoric
