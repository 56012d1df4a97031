// SPDX-License-Identifier: GPL-3.0-or-later
// The list window of numbered entries (routes, sections): the entry list with "&Nieuw...",
// "&Wijzigen..." (also a double-click) and "&Verwijderen...", and "&OK" / "&Annuleren". It works
// on the editor's copy; only "&OK" hands the copy to the survey.
#pragma once

#include <QDialog>

#include "entry/numbered_list_editor.h"
#include "entry/ui/entry_window_parts.h"

class QPushButton;

namespace tavoric {

class NumberedEntryForm;

class NumberedListForm : public QDialog {
    Q_OBJECT
public:
    void accept() override;

protected:
    NumberedListForm(EntryContext context, NumberedListEditor& editor, const char* objectName,
                     const QString& caption, QWidget* parent);
    // Builds the entry list and its three buttons; the window lays them out.
    FixedPitchList* MakeEntryList(const char* name, const std::vector<ColumnHeading>& headings);
    QWidget* MakeListButtons();
    DialogButtons MakeButtons(int helpTopic);
    void SetEntryForm(NumberedEntryForm* form);

    // Shows the editor's entries and enables the buttons.
    virtual void ShowEntries();
    // "&OK" with changes: the editor stores its copy.
    virtual ApplyResult ApplyEdits() = 0;
    void UpdateButtons();

    EntryContext context_;
    NumberedListEditor& editor_;
    FixedPitchList* entries_ = nullptr;
    QPushButton* okButton_ = nullptr;

private:
    void OpenEntryForm(EntryMode mode);
    void DeleteSelected();

    NumberedEntryForm* entryForm_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* changeButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};

}  // namespace tavoric
