// SPDX-License-Identifier: GPL-3.0-or-later
// "Aantekeningen": the project's free-text notes and whether they show when the project is
// opened. Closing the window in any way hands the text and the flag back to the project;
// "&Rapport" closes it with kReportResult, after which the main window makes the notes report.
#pragma once

#include <QDialog>

#include "core/survey.h"
#include "desktop/desktop_shell.h"

class QCheckBox;
class QPlainTextEdit;

namespace tavoric {

class TAantekeningenForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kReportResult = 2;

    TAantekeningenForm(Survey& survey, DesktopShell& shell, QWidget* parent);

    // Fills the window from the project and shows it.
    void Execute();
    bool Changed() const { return changed_; }

    void done(int result) override;

private:
    Survey& survey_;
    DesktopShell& shell_;
    QPlainTextEdit* text_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    bool filling_ = false;
    bool changed_ = false;
};

}  // namespace tavoric
