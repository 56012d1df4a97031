// SPDX-License-Identifier: GPL-3.0-or-later
// The new/change dialog of a numbered entry (a route or a section): its number with a spin
// button, its description, and "T&oevoegen" or "&Wijzigen". The fields live in the editor and
// keep their values between openings.
#pragma once

#include <QDialog>

#include "entry/numbered_list_editor.h"
#include "entry/ui/entry_window_parts.h"

class QFormLayout;
class QGroupBox;
class QPushButton;

namespace tavoric {

class NumberedEntryForm : public QDialog {
    Q_OBJECT
public:
    // Fills the fields for the editor's mode and shows the dialog. Refused when the mode is not
    // possible now.
    bool Execute(EntryMode mode);
    // "T&oevoegen" / "&Wijzigen": the dialog closes, then the editor applies the fields.
    void accept() override;

signals:
    // The dialog closed after an apply that changed the list.
    void ListChanged();

protected:
    NumberedEntryForm(NumberedListEditor& editor, DesktopShell& shell, const char* objectName,
                      const QString& groupCaption, int helpTopic, QWidget* parent);
    // The fields a kind of entry adds below the description.
    QFormLayout* Fields() const { return fields_; }
    virtual void FillExtraFields() {}

private:
    void FillNumber();

    NumberedListEditor& editor_;
    DesktopShell& shell_;
    QFormLayout* fields_ = nullptr;
    FieldEdit* number_ = nullptr;
    SpinButton* numberSpin_ = nullptr;
    FieldEdit* description_ = nullptr;
    QPushButton* applyButton_ = nullptr;
};

}  // namespace tavoric
