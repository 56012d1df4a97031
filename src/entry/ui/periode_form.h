// SPDX-License-Identifier: GPL-3.0-or-later
// "Algemene gegevens": the survey period, the six texts that describe the survey and head its
// reports, and how much data the project holds.
#pragma once

#include <QDialog>
#include <array>

#include "entry/general_data_editor.h"
#include "entry/ui/entry_window_parts.h"

class QLabel;
class QPushButton;

namespace tavoric {

class TimeField;

class TPeriodeForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 200;
    static constexpr int kMethodHelpTopic = 40;

    TPeriodeForm(EntryContext context, QWidget* parent);

    // Fills the fields from the general values and shows the dialog.
    void Execute();
    void accept() override;

private:
    QWidget* MakePeriodGroup();
    QWidget* MakeGeneralGroup();
    QWidget* MakeCountsGroup();
    QWidget* MakeMethodGroup();
    void Fill();

    EntryContext context_;
    GeneralDataEditor editor_;
    TimeField* startTijd_ = nullptr;
    TimeField* eindTijd_ = nullptr;
    // Edit3 to Edit6, Edit1 and Edit2 in the order of GeneralField after the two times.
    std::array<QLineEdit*, kGeneralFieldCount - 2> texts_{};
    std::array<QLabel*, 4> counts_{};
    QPushButton* okButton_ = nullptr;
};

}  // namespace tavoric
