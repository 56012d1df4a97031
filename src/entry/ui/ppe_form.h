// SPDX-License-Identifier: GPL-3.0-or-later
// "Parkeerplaatseenheden (PPE) genereren": makes the observation slots of the selected places
// from the survey period and their route's interval, shows them, and on "&OK" replaces the
// places' slots with them.
#pragma once

#include <QDialog>

#include "entry/ppe_generation.h"
#include "entry/ui/entry_window_parts.h"

class QGroupBox;
class QPushButton;

namespace tavoric {

class ReportView;

class TPPEgenererenForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 300;

    TPPEgenererenForm(EntryContext context, QWidget* parent);

    // Lists every place, all selected, and shows the dialog.
    void Execute();
    void accept() override;
    // "&Annuleren": during a generation it stops it after the current place, and the dialog
    // closes when the generation has stopped.
    void reject() override;

private:
    QWidget* MakeNotice();
    void Generate();
    void TakeSelection();
    void UpdateButtons();

    EntryContext context_;
    PpeGenerator generator_;
    bool working_ = false;
    QGroupBox* notice_ = nullptr;
    FixedPitchList* places_ = nullptr;
    ReportView* preview_ = nullptr;
    QPushButton* generateButton_ = nullptr;
    DialogButtons buttons_{};
};

}  // namespace tavoric
