// SPDX-License-Identifier: GPL-3.0-or-later
// The routes window and its new/change dialog: a working copy of RoutesList that reaches the
// survey only on "&OK".
#pragma once

#include <string>
#include <string_view>

#include "core/progress.h"
#include "entry/entry_fields.h"
#include "entry/numbered_list_editor.h"

namespace tavoric {

class RouteListEditor : public NumberedListEditor {
public:
    RouteListEditor();

    // Fills the list with RoutesList; the dialog's fields keep their values.
    void Open(const Survey& survey);

    const std::string& Interval() const { return interval_; }
    void SetInterval(std::string_view typed);
    void StepInterval(StepDirection direction);

    // "&OK": stores the routes and, after a deletion, removes what hung under them.
    ApplyResult Apply(Survey& survey, Progress& progress);

protected:
    // A route line always has an interval: an empty interval field is refused.
    bool FieldsComplete(Prompter& prompter) const override;
    std::string EntryFromFields() const override;
    void FieldsFromEntry(std::string_view entry) override;

private:
    std::string interval_ = "30";
};

// A route line: number, blank, description padded to 35, interval as typed.
std::string RouteLine(std::string_view number, std::string_view description,
                      std::string_view interval);

}  // namespace tavoric
