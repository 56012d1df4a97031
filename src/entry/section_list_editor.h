// SPDX-License-Identifier: GPL-3.0-or-later
// The sections window and its new/change dialog: the sections of one chosen route beside the
// working copy of SectiesList, which reaches the survey only on "&OK".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/progress.h"
#include "entry/entry_fields.h"
#include "entry/numbered_list_editor.h"

namespace tavoric {

// Entries() are the chosen route's sections, each its line from character 6 on.
class SectionListEditor : public NumberedListEditor {
public:
    SectionListEditor();

    // Fills the route selector and the all-sections list; no route is chosen.
    void Open(const Survey& survey);

    const LineList& RouteSelector() const { return routeSelector_; }
    void ChooseRoute(std::optional<std::size_t> index);
    // "&Nieuw..." needs a chosen route.
    bool CanAdd() const override { return !routeNumber_.empty(); }
    const LineList& AllSections() const { return allSections_; }

    // "&OK": stores the sections and, after a deletion, removes what hung under them.
    ApplyResult Apply(Survey& survey, Progress& progress);

protected:
    std::string EntryFromFields() const override;
    void FieldsFromEntry(std::string_view entry) override;
    void EntriesEdited() override;

private:
    LineList routeSelector_;
    LineList allSections_;
    std::string routeNumber_;
};

}  // namespace tavoric
