// SPDX-License-Identifier: GPL-3.0-or-later
// What every observation import must hold, for the entry tests.
#pragma once

#include <gtest/gtest.h>

#include "entry/observation_csv.h"

namespace tavoric::entry_test {

// Every row read is counted once, and the reported ones are listed.
inline void ExpectCountsAddUp(const ObservationImportPlan& plan) {
    const ObservationImportCounts& c = plan.counts;
    EXPECT_EQ(c.rowsRead,
              c.toFill + c.unchanged + c.skipped + c.conflicts + c.duplicates + c.errors);
    EXPECT_EQ(c.conflicts + c.duplicates + c.errors, plan.reportedRows.size());
}

}  // namespace tavoric::entry_test
