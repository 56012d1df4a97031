// SPDX-License-Identifier: GPL-3.0-or-later
// "Configuratiegegevens": the program's identity and the machine's configuration for a support
// question, with a button that copies the list. The window speaks the user's language; the list
// itself stays in English whatever the language, for the support desk.
#pragma once

#include <QDialog>
#include <memory>

#include "info/configuration_info.h"

class QPlainTextEdit;
class QTableWidget;

namespace tavoric {

class TConfigGegevensForm : public QDialog {
    Q_OBJECT
public:
    // The queries default to the running Linux machine.
    explicit TConfigGegevensForm(QWidget* parent = nullptr,
                                 std::unique_ptr<SystemQueries> system = nullptr);
    ~TConfigGegevensForm() override;

    // Fills the list anew and shows the window without blocking the main window.
    void ShowConfiguration();
    void CopyToClipboard();
    const ConfigRows& Rows() const { return rows_; }

private:
    void Fill(const ConfigRows& rows);

    std::unique_ptr<SystemQueries> system_;
    ConfigRows rows_;
    QTableWidget* valueListEditor_ = nullptr;
    QPlainTextEdit* copyMemo_ = nullptr;
};

// The screen and printer facts Qt knows; nothing for a printer when none is installed.
ScreenFacts QtScreenFacts();
std::optional<PrinterFacts> QtPrinterFacts();
ProgramIdentity RunningProgramIdentity();

}  // namespace tavoric
