// SPDX-License-Identifier: GPL-3.0-or-later
// The caption of a report window: what the report is and, for an analysis, which routes it
// covers ("Per parkeerplaats - routes 0001, 0002"), so that open reports can be told apart.
#pragma once

#include <string>

#include "analysis/analysis_parameters.h"

namespace tavoric {

// The kinds of report a report window can hold.
enum class ReportWindowKind { PerPlace, PerInterval, Motive, InputData, ObservationForm, Notes };

ReportWindowKind WindowKindOf(ReportKind analysis);

// The report's name alone ("Waarnemingsformulier").
std::string ReportCaption(ReportWindowKind kind);

// The report's name and the routes of the selected places in the order they first appear: at
// most the first five, then "...".
std::string AnalysisReportCaption(const AnalysisParameters& parameters);

}  // namespace tavoric
