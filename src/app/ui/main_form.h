// SPDX-License-Identifier: GPL-3.0-or-later
// THoofdForm: the program's one main window. A frame for the report windows with the menu bar,
// the tool bar and the bottom strip with the survey area and the progress bar. It owns the
// survey, runs the project commands and offers the services the other windows use.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_parameters.h"
#include "app/project_lifecycle.h"
#include "charts/chart_data.h"
#include "core/settings.h"
#include "core/survey.h"
#include "desktop/desktop_progress.h"
#include "desktop/desktop_shell.h"
#include "reports/export.h"
#include "reports/report_document.h"

class QAction;
class QLabel;
class QMdiArea;
class QProgressBar;
class QStackedWidget;
class QToolBar;

namespace tavoric {

class QtPrompter;
class RecoveryKeeper;
class RecoveryTimer;
class TInstellingenForm;
class WindowPositionKeeper;
class TAfdrukkenForm1;
class TKindForm;
class TAantekeningenForm;
class TOnderzoeksrapportForm;
class TExportForm;
class TGrafiekenForm;
class TVergelijkingForm;
class TParkeerdrukkaartForm;
class TInvoergegRapportForm;
class TParkeerduurmetingForm;
class TPseudonimiseerForm;
class TWaarnemingsformulierForm;
class TRapportOpmaakForm;
class TStartPagina;

class THoofdForm : public QMainWindow, public ProjectShell, public DesktopShell {
    Q_OBJECT
public:
    static constexpr int kStartUpDelayMs = 1300;

    // settingsPath: where the settings are written at exit; empty writes nothing. recoveryFolder:
    // where the recovery copies of unsaved work go; empty keeps none.
    THoofdForm(ProgramSettings settings, std::string settingsPath,
               const std::string& recoveryFolder = "");
    ~THoofdForm() override;

    QWidget* MainWindow() override { return this; }
    Survey& CurrentSurvey() override { return survey_; }
    ProjectLifecycle& Lifecycle() { return lifecycle_; }
    ProgramSettings& Settings() override { return settings_; }
    void SettingsChosen() override;
    DesktopProgress& MainProgress() override { return *progress_; }

    // Every question goes to this prompter; nullptr returns to the dialogs.
    void SetPrompter(Prompter* prompter);
    Prompter& CurrentPrompter() override { return *prompter_; }
    BackupSettings CurrentBackupSettings() override;

    void SetCommandHandler(const std::string& name, std::function<void()> handler) override;
    QAction* Command(const std::string& name) const;

    // Start-up: the project named on the command line, opened at the first activation, and the
    // pause before the window shows (tests set 0).
    void SetCommandLineProject(std::string path) { commandLineProject_ = std::move(path); }
    void SetStartUpDelay(int milliseconds) { startUpDelayMs_ = milliseconds; }
    // The installed demo survey, which "Demo openen" on the start page opens read-only.
    void SetDemoProject(std::string path) { demoProject_ = std::move(path); }
    void StartUp();
    bool StartedUp() const { return startedUp_; }

    // Report windows: a new one becomes the current one; producers write into its document.
    TKindForm* NewReportWindow();
    TKindForm* CurrentReportWindow() const;
    std::vector<TKindForm*> ReportWindows() const;
    // Makes a report window and lets the producer write it, with the busy cursor and the
    // progress bar. A caption names the report in the window's title instead of its number.
    TKindForm* ProduceReport(const std::function<void(ReportDocument&, Progress&)>& producer,
                             const std::string& caption = "");
    void OpenReport(const std::function<void(ReportDocument&, Progress&)>& producer) override {
        ProduceReport(producer);
    }

    // ProjectShell and DesktopShell
    void CloseAllReportWindows() override;
    void SetTitle(const std::string& fileName) override;
    void UpdateCommandStates(bool closingWindow) override;
    // A project that asks for its notes on opening shows them (the "Aantekeningen1" command).
    void ProjectOpened() override;
    void SurveyEdited() override;
    // Null when no recovery copies are kept.
    RecoveryKeeper* Recovery() const { return recovery_.get(); }
    void ResetAnalysisSelection() override;
    void NewProjectStarted() override;
    void WhenNewProjectStarts(std::function<void()> handler) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateCommands();
    void CreateMenusAndToolBar();
    void ApplyToolBarStyle();
    void CreateBottomStrip();
    void RegisterOwnCommands();
    void RunCommand(const std::string& name);
    void RefreshCommandStates(bool closingWindow);
    void ShowStartPageWhenEmpty(int openReports);
    void ShowTitle();
    void FirstActivation();
    void ArrangeCascaded();
    void ArrangeOneBelowTheOther();
    void CloseReportWindows();
    void ListOpenWindows();
    void ListRecentProjects();

    void Nieuw1Click();
    void Openen1Click();
    void OpenRecentProject(const std::string& path);
    void Opmaak1Click();
    void CreateReportDialogs();
    void RunAnalysis(const AnalysisParameters& parameters);
    std::optional<ChartData> ChartFigures(const AnalysisParameters& parameters);
    void ShowCharts(const AnalysisParameters& parameters);
    void ShowPressureMap(const AnalysisParameters& parameters);
    void ExportCurrentReport();
    void ExportReportPdf(const TKindForm& report);
    void ExportAnalysisTables(const TKindForm& report, ExportFormat format);
    void MakeNotesReport();
    PlaceTypeCaptions PlaceTypeCaptionsShown() const;

    Survey survey_;
    ProjectLifecycle lifecycle_{survey_, *this};
    ProgramSettings settings_;
    std::string settingsPath_;
    std::string titleFileName_;  // the project's file name in the title, without its folder
    std::unique_ptr<QtPrompter> dialogs_;
    Prompter* prompter_ = nullptr;
    // Windows made once hold this one, so that a prompter set later reaches them too.
    std::unique_ptr<Prompter> forwardingPrompter_;
    ReportCounter reportCounter_;

    QStackedWidget* centralPages_ = nullptr;  // the start page while empty, else the reports
    TStartPagina* startPage_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* projectLabel_ = nullptr;
    QWidget* progressPanel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    std::unique_ptr<DesktopProgress> progress_;
    TRapportOpmaakForm* formatForm_ = nullptr;
    TAfdrukkenForm1* printForm_ = nullptr;
    TInstellingenForm* settingsForm_ = nullptr;
    TParkeerduurmetingForm* analysisForm_ = nullptr;
    TGrafiekenForm* chartsForm_ = nullptr;
    TVergelijkingForm* comparisonForm_ = nullptr;
    TParkeerdrukkaartForm* mapForm_ = nullptr;
    TInvoergegRapportForm* inputReportForm_ = nullptr;
    TWaarnemingsformulierForm* observationForm_ = nullptr;
    TExportForm* exportForm_ = nullptr;
    TOnderzoeksrapportForm* councilReportForm_ = nullptr;
    TAantekeningenForm* notesForm_ = nullptr;
    TPseudonimiseerForm* pseudonymiseForm_ = nullptr;
    WindowPositionKeeper* positionKeeper_ = nullptr;
    std::unique_ptr<RecoveryKeeper> recovery_;
    RecoveryTimer* recoveryTimer_ = nullptr;

    std::map<std::string, QAction*> commands_;
    std::map<std::string, std::function<void()>> handlers_;
    std::vector<QAction*> windowListItems_;     // the open windows in the "&Venster" menu
    std::vector<QAction*> recentProjectItems_;  // the recent projects in the "&Bestand" menu
    std::vector<std::function<void()>> newProjectHandlers_;

    std::string commandLineProject_;
    std::string demoProject_;
    int startUpDelayMs_ = kStartUpDelayMs;
    bool firstActivationDone_ = false;
    bool startedUp_ = false;
};

}  // namespace tavoric
