// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the survey's hierarchy whole after deletions: a line whose parent is gone goes too.
#pragma once

#include "core/progress.h"
#include "core/survey.h"
#include "entry/entry_fields.h"

namespace tavoric {

// Removes, in this order, the sections whose route is gone, the places whose section is gone and
// the PPE lines whose place is gone. The order of the lines that stay is kept.
void RemoveDependentLines(Survey& survey, Progress& progress);

// The "&OK" of a list window: when something changed, its edited list replaces the survey's
// list, the project counts as changed, and after a deletion the dependent lines go.
ApplyResult StoreEditedList(Survey& survey, LineList Survey::*list, LineList edited, bool changed,
                            bool deleted, Progress& progress);

}  // namespace tavoric
