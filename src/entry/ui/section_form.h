// SPDX-License-Identifier: GPL-3.0-or-later
// "Secties": the sections of one chosen route beside all sections of the survey, and the dialog
// that adds or changes one.
#pragma once

#include "entry/section_list_editor.h"
#include "entry/ui/numbered_entry_form.h"
#include "entry/ui/numbered_list_form.h"

class QComboBox;

namespace tavoric {

class TNieuweSectieForm : public NumberedEntryForm {
    Q_OBJECT
public:
    TNieuweSectieForm(SectionListEditor& editor, DesktopShell& shell, QWidget* parent);
};

class TSectieForm : public NumberedListForm {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 180;

    TSectieForm(EntryContext context, QWidget* parent);
    // Fills the route selector and the list of all sections and shows the window.
    void Execute();

protected:
    void ShowEntries() override;
    ApplyResult ApplyEdits() override;

private:
    SectionListEditor editor_;
    QComboBox* routes_ = nullptr;
    FixedPitchList* allSections_ = nullptr;
};

}  // namespace tavoric
