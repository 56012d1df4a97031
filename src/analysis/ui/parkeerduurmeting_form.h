// SPDX-License-Identifier: GPL-3.0-or-later
// "Parkeerduurmeting": the analysis dialog. The user narrows the survey down to routes, sections,
// places, types and a time window, chooses the report (per parking place, by interval or by
// parking motive), sets its options, and starts the run with "&Rapport". The selections live in an
// AnalysisSelection that is kept between openings until the survey structure changes.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "analysis/analysis_selection.h"
#include "desktop/desktop_shell.h"
#include "desktop/widgets.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace tavoric {

class TimeField;

class TParkeerduurmetingForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 360;

    // runReport makes the report window of one run; it reports through context.progress. The
    // motive bounds are those of the program settings; a motive report stores its own there.
    TParkeerduurmetingForm(EntryContext context,
                           std::function<void(const AnalysisParameters&)> runReport,
                           QWidget* parent);

    // Chooses the report kind, refills the dialog and shows it.
    void Execute(ReportKind kind);
    // The charts of the selection: straight away with the selection and options as they stand,
    // or, when the dialog has not been opened since the survey structure changed, after the user
    // made the selection in the dialog ("Per parkeerplaats"), whose "&Rapport" then gives the
    // parameters to showCharts instead of making a report.
    void ExecuteForCharts(std::function<void(const AnalysisParameters&)> showCharts);
    // The next opening refills the lists, selects everything and takes the survey period.
    void ResetAnalysisSelection();

    bool ClassesChanged() const { return classesChanged_; }
    bool Running() const { return running_; }

    void reject() override;

private:
    QWidget* MakeSelectionPage();
    QWidget* MakePerPlacePage();
    QWidget* MakeIntervalPage();
    QWidget* MakeMotivePage();
    QListWidget* MakeNarrowingList(const char* name, NarrowingLevel level);

    void Open();
    void ShowLists(NarrowingLevel from);
    void ShowWindow();
    void ListClicked(NarrowingLevel level);
    void CheckIntervals();
    void ApplyReportKind();
    ReportKind ChosenKind() const;
    bool TimeIsWholeNumber(TimeField* field);
    bool TimesAreWholeNumbers();
    MotiveBounds BoundsShown() const;
    void Button1Click();
    AnalysisParameters RunParameters() const;
    void SetParametersEnabled(bool enabled);

    EntryContext context_;
    std::function<void(const AnalysisParameters&)> runReport_;
    std::function<void(const AnalysisParameters&)> run_;  // what "&Rapport" does at this opening
    AnalysisSelection selection_;

    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QRadioButton* radioButton5_ = nullptr;
    QTabWidget* pageControl1_ = nullptr;
    TimeField* startTijd_ = nullptr;
    TimeField* eindTijd_ = nullptr;
    std::array<QListWidget*, 4> lists_{};  // in NarrowingLevel order
    std::array<QSpinBox*, 2 * kDurationClassCount> spinEdits_{};
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QCheckBox* checkBox3_ = nullptr;
    QRadioButton* radioButton4_ = nullptr;
    QListWidget* intervalListBox_ = nullptr;
    QLabel* label34_ = nullptr;
    TimeField* ochtendTijd_ = nullptr;
    TimeField* avondTijd_ = nullptr;
    QSpinBox* werknemerSpinEdit_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* helpButton_ = nullptr;

    bool filling_ = false;
    bool classesChanged_ = false;
    bool running_ = false;
};

}  // namespace tavoric
