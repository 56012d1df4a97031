// SPDX-License-Identifier: GPL-3.0-or-later
// The input data report: the general data and, as the user chooses, the routes, sections,
// parking places and plate observations as they are stored, for checking the input.
#pragma once

#include "core/place_types.h"
#include "core/progress.h"
#include "core/survey.h"
#include "reports/report_document.h"

namespace tavoric {

struct InputReportOptions {
    bool routes = true;
    bool sections = true;
    bool places = false;
    bool plates = false;
    PlaceTypeCaptions typeCaptions = DefaultPlaceTypeCaptions();  // the type legend after the codes
};

// Writes the header, the general data lines and the chosen blocks into the report, replacing its
// lines. The progress moves with the plate lines only.
void WriteInputDataReport(ReportDocument& report, const Survey& survey,
                          const InputReportOptions& options, Progress& progress);
// The same lines, with the report look of settings, handed to lines one by one.
void WriteInputDataReport(ReportLineSink& lines, const ReportSettings& settings,
                          const Survey& survey, const InputReportOptions& options,
                          Progress& progress);

}  // namespace tavoric
