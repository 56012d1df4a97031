// SPDX-License-Identifier: GPL-3.0-or-later
// Field observations in and out of the survey from the "&Bestand" menu. "Importeren
// waarnemingen..." asks for a CSV file, shows what the import would do (the counts, every
// reported row with its line and reason, which can be saved as a text file or copied, and the
// choice to replace slots holding another plate) and takes the plates only on "&Toepassen".
// "Exporteren waarnemingen..." writes them, and on request every slot as a blank field list.
#pragma once

#include <QDialog>

#include "entry/observation_csv.h"
#include "entry/ui/entry_window_parts.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavoric {

class ReportView;

class TWaarnemingenImportForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 330;

    TWaarnemingenImportForm(EntryContext context, QWidget* parent);

    // The command: the file dialog, the file read and planned, then the summary.
    void Execute();
    // "&Toepassen": the planned plates into the survey.
    void accept() override;

private:
    void ShowPlan();
    // The reported rows as a text file, or on the clipboard.
    void SaveReportedRows();
    void CopyReportedRows();

    EntryContext context_;
    ObservationImportPlan plan_;
    LineList reportedLines_;
    QLabel* summary_ = nullptr;
    ReportView* reportedRows_ = nullptr;
    QCheckBox* replace_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* copy_ = nullptr;
    DialogButtons buttons_{};
};

// The export command: whether every slot goes in, the file name, then the file.
void ExportObservations(const Survey& survey, Prompter& prompter);

}  // namespace tavoric
