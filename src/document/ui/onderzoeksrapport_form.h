// SPDX-License-Identifier: GPL-3.0-or-later
// "Onderzoeksrapport": the choices of the survey report for the council. The PDF opens in the
// PDF viewer once written; the ODT and the key figures are saved where the user says.
#pragma once

#include <QDialog>
#include <functional>

#include "document/council_report_files.h"

class QCheckBox;
class QPushButton;

namespace tavoric {

class DesktopShell;
struct AnalysisParameters;

// Asks for the files chosen, computes the figures of the selection with the main window's
// progress bar, writes the files (with the map when the project knows its streets, with the
// comparison chapter beside survey B when chosen, B asked first) and opens the PDF in the
// desktop's PDF viewer.
void MakeCouncilReport(const CouncilReportChoices& choices, const AnalysisParameters& parameters,
                       DesktopShell& shell);

class TOnderzoeksrapportForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 360;

    explicit TOnderzoeksrapportForm(QWidget* parent);

    // Shows the choices made last; "&OK" hands them to chosen.
    void Execute(std::function<void(const CouncilReportChoices&)> chosen);
    CouncilReportChoices Choices() const;

private:
    QCheckBox* pdfCheckBox_ = nullptr;
    QCheckBox* odtCheckBox_ = nullptr;
    QCheckBox* csvCheckBox_ = nullptr;
    QCheckBox* compareCheckBox_ = nullptr;
    QPushButton* button1_ = nullptr;
    std::function<void(const CouncilReportChoices&)> chosen_;
};

}  // namespace tavoric
