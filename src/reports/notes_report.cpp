// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/notes_report.h"

namespace tavoric {

void WriteNotesReport(ReportDocument& report, const Survey& survey) {
    report.WriteReportHeader(survey.AlgemeneGegevens);
    if (survey.AantekeningenList.empty()) {
        report.AddReportLine();
    }
    for (const std::string& line : survey.AantekeningenList) {
        report.AddReportLine(line);
    }
}

}  // namespace tavoric
