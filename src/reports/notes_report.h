// SPDX-License-Identifier: GPL-3.0-or-later
// The project notes as a report, for printing or export.
#pragma once

#include "core/survey.h"
#include "reports/report_document.h"

namespace tavoric {

// The header, then every notes line unchanged; empty notes give one empty line. The report's
// lines are replaced.
void WriteNotesReport(ReportDocument& report, const Survey& survey);
// The same lines, with the report look of settings, handed to lines one by one.
void WriteNotesReport(ReportLineSink& lines, const ReportSettings& settings, const Survey& survey);

}  // namespace tavoric
