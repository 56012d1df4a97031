// SPDX-License-Identifier: GPL-3.0-or-later
// "Routes": the routes of the survey with their observation intervals, and the dialog that adds
// or changes one.
#pragma once

#include "entry/route_list_editor.h"
#include "entry/ui/numbered_entry_form.h"
#include "entry/ui/numbered_list_form.h"

namespace tavoric {

class TNieuweRouteForm : public NumberedEntryForm {
    Q_OBJECT
public:
    TNieuweRouteForm(RouteListEditor& editor, DesktopShell& shell, QWidget* parent);

protected:
    void FillExtraFields() override;

private:
    RouteListEditor& routes_;
    FieldEdit* interval_ = nullptr;
};

class TRouteForm : public NumberedListForm {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 220;

    TRouteForm(EntryContext context, QWidget* parent);
    // Fills the list from RoutesList and shows the window.
    void Execute();

protected:
    ApplyResult ApplyEdits() override;

private:
    RouteListEditor editor_;
};

}  // namespace tavoric
