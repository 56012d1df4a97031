// SPDX-License-Identifier: GPL-3.0-or-later
// The option dialogs of two reports: "Rapport invoergegevens" chooses the lists the input data
// report shows, "Waarnemingsformulier" whether the observation form separates the slots of one
// place. Both keep their choices for the program run; the main window makes the report when a
// dialog is accepted.
#pragma once

#include <QDialog>
#include <array>

#include "reports/input_data_report.h"
#include "reports/observation_form.h"

class QCheckBox;
class QPushButton;

namespace tavoric {

class TInvoergegRapportForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 340;

    explicit TInvoergegRapportForm(QWidget* parent);

    void Execute();
    InputReportOptions Options() const;

private:
    std::array<QCheckBox*, 4> blocks_{};  // routes, sections, places, plates
    QPushButton* button1_ = nullptr;
};

class TWaarnemingsformulierForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 470;

    explicit TWaarnemingsformulierForm(QWidget* parent);

    void Execute();
    ObservationFormOptions Options() const;

private:
    QCheckBox* checkBox1_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tavoric
