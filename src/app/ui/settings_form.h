// SPDX-License-Identifier: GPL-3.0-or-later
// "Programma-instellingen": the report look, the backup policy and the recovery copies, edited
// in memory. The file is written at exit.
#pragma once

#include <QDialog>

#include "core/prompter.h"
#include "core/settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tavoric {

class TInstellingenForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 280;

    TInstellingenForm(Prompter& prompter, QWidget* parent = nullptr);

    // Shows the settings, and on "&OK" copies the controls back without any check. True on OK.
    bool Edit(ProgramSettings& settings);

private:
    QWidget* MakeReportPage();
    QWidget* MakeFoldersPage();
    QWidget* MakeRecoveryGroup();
    QWidget* MakeDisplayPage();
    QLayout* MakeButtons();
    void Fill(const ProgramSettings& settings);
    void CopyInto(ProgramSettings& settings) const;
    void Button3Click();

    Prompter& prompter_;
    QCheckBox* checkBox1_ = nullptr;               // reportmaximize
    QSpinBox* spinEdit1_ = nullptr;                // reporttablefontsize
    QLineEdit* edit4_ = nullptr;                   // reportlinecharacter
    QLineEdit* edit1_ = nullptr;                   // reportbarcharacter
    QLineEdit* organisatieEdit_ = nullptr;         // OwnerName
    QSpinBox* parkeerdruknormSpinEdit_ = nullptr;  // parkeerdruknorm
    QLineEdit* edit7_ = nullptr;                   // backupfolder
    QCheckBox* checkBox3_ = nullptr;               // makebackups
    QSpinBox* recoveryInterval_ = nullptr;         // recoveryinterval
    QCheckBox* toolBarLabels_ = nullptr;           // toolbarlabels
    QPushButton* okButton_ = nullptr;
};

}  // namespace tavoric
