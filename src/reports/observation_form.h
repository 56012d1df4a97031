// SPDX-License-Identifier: GPL-3.0-or-later
// The observation form: every slot of every parking place with room for the plate and remark the
// observer writes in by hand.
#pragma once

#include "core/progress.h"
#include "core/survey.h"
#include "reports/report_document.h"

namespace tavoric {

struct ObservationFormOptions {
    bool separatorBetweenSlots = true;  // a dotted line between the slots of one place
};

// Writes the header, the form head and one line per slot in list order; a rule wherever the
// parking place changes. The report's lines are replaced.
void WriteObservationForm(ReportDocument& report, const Survey& survey,
                          const ObservationFormOptions& options, Progress& progress);
// The same lines, with the report look of settings, handed to lines one by one.
void WriteObservationForm(ReportLineSink& lines, const ReportSettings& settings,
                          const Survey& survey, const ObservationFormOptions& options,
                          Progress& progress);

}  // namespace tavoric
