// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/entry_window_parts.h"

namespace tavoric {

const std::vector<ColumnHeading> kPlaceLineHeadings = {
    {0, "Route\nnr."}, {5, "Sectie\nnr."}, {10, "Parkeerplaats\nnr."}, {15, "\ntype"}};

void ReportApplied(DesktopShell& shell, const ApplyResult& result) {
    if (result.resetAnalysisSelection) {
        shell.ResetAnalysisSelection();
    }
    shell.UpdateCommandStates(false);
}

}  // namespace tavoric
