// SPDX-License-Identifier: GPL-3.0-or-later
// "Kentekens pseudonimiseren": explains what the command does and offers to clear the observers'
// names and the notes as well. It keeps its choices for the program run; the main window asks
// for the new file's name and writes the copy when the dialog is accepted.
#pragma once

#include <QDialog>

#include "privacy/pseudonymise.h"

class QCheckBox;
class QPushButton;

namespace tavoric {

class TPseudonimiseerForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 480;

    explicit TPseudonimiseerForm(QWidget* parent);

    void Execute();
    PseudonymiseOptions Options() const;

private:
    QCheckBox* observers_ = nullptr;
    QCheckBox* notes_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tavoric
