// The report per interval: how many vehicles stood in the selection period by period, and every
// distinct presence pattern (the periods in which a plate stood at its place) as a bar diagram
// row with the number of vehicles that had it.
#pragma once

#include "analysis/analysis_parameters.h"
#include "reports/report_document.h"

namespace tavoric {

// Places whose slots cover different periods are aligned on one time axis: the sorted distinct
// periods of the selection; a place without a slot in a period shows "0" there.
void WriteIntervalSection(ReportDocument& report, const LineList& slots,
                          const AnalysisParameters& parameters);

}  // namespace tavoric
