// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/observation_form.h"

#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr int kFormWidth = 50;
constexpr int kFormHeadLines = 15;

void WriteFormHead(ReportDocument& report, const std::string& rule) {
    for (const char* labelKey : {"AA00074", "AA00075", "AA00012"}) {
        report.AddReportLine(rule);
        report.AddReportLine(MessageText(labelKey));
    }
    report.AddReportLine(rule);
    report.AddReportLine();
    report.AddReportLine(MessageText("AA00076"));
    report.AddReportLine(MessageText("AA00077"));
    report.AddReportLine();
    report.AddReportLine();
    report.AddReportLine(rule);
    report.AddReportLine(MessageText("AA00078"));
    report.AddReportLine(rule);
}

}  // namespace

void WriteObservationForm(ReportDocument& report, const Survey& survey,
                          const ObservationFormOptions& options, Progress& progress) {
    ProgressScope shown(progress);
    const LineBuffer& slots = survey.KentekensList;
    report.WriteReportHeader(survey.AlgemeneGegevens);
    report.ReserveLines(report.Lines().size() + kFormHeadLines + 2 * slots.size() + 2);
    const std::string rule = report.RuleLine(kFormWidth);
    const std::string dots = PadField("F", ".", " ", kFormWidth);
    WriteFormHead(report, rule);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        report.AddReportLine(PpeKey(slots[i]));
        if (i + 1 < slots.size()) {
            if (PlaceKey(slots[i + 1]) != PlaceKey(slots[i])) {
                report.AddReportLine(rule);
            } else if (options.separatorBetweenSlots) {
                report.AddReportLine(dots);
            }
        }
        progress.Set(i + 1, slots.size());
    }
    report.AddReportLine(rule);
    report.AddReportLine();
}

}  // namespace tavoric
