// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "analysis/parking_duration_analysis.h"
#include "analysis/report_caption.h"
#include "analysis/ui/parkeerduurmeting_form.h"
#include "app/command_states.h"
#include "app/recovery_keeper.h"
#include "app/ui/command_table.h"
#include "app/ui/recovery_timer.h"
#include "app/ui/settings_form.h"
#include "app/ui/start_page.h"
#include "charts/chart_data.h"
#include "charts/drawing/chart_builder.h"
#include "charts/ui/grafieken_form.h"
#include "charts/ui/parkeerdrukkaart_form.h"
#include "charts/ui/vergelijking_form.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "core/version.h"
#include "desktop/busy_cursor.h"
#include "desktop/icons.h"
#include "desktop/qt_prompter.h"
#include "desktop/qt_text.h"
#include "desktop/window_position_keeper.h"
#include "document/ui/onderzoeksrapport_form.h"
#include "entry/ui/entry_windows.h"
#include "entry/ui/place_form.h"
#include "info/ui/help_form.h"
#include "info/ui/info_windows.h"
#include "lang/ui/language_form.h"
#include "lang/ui/translate_window.h"
#include "privacy/ui/pseudonimiseer_form.h"
#include "reports/input_data_report.h"
#include "reports/notes_report.h"
#include "reports/ui/aantekeningen_form.h"
#include "reports/ui/export_form.h"
#include "reports/ui/print_form.h"
#include "reports/ui/print_job.h"
#include "reports/ui/report_format_form.h"
#include "reports/ui/report_option_forms.h"
#include "reports/ui/report_window.h"

namespace tavoric {

namespace {

class ForwardingPrompter : public Prompter {
public:
    explicit ForwardingPrompter(THoofdForm& form) : form_(form) {}
    int MessageDialog(const std::string& caption, const std::string& heading,
                      const std::string& text, DialogKind kind, const ButtonCaptions& captions,
                      int defaultButton) override {
        return form_.CurrentPrompter().MessageDialog(caption, heading, text, kind, captions,
                                                     defaultButton);
    }
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override {
        return form_.CurrentPrompter().OpenFileName(request);
    }
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override {
        return form_.CurrentPrompter().SaveFileName(request);
    }
    std::optional<std::string> BrowseFolder(const FileDialogRequest& request) override {
        return form_.CurrentPrompter().BrowseFolder(request);
    }

private:
    THoofdForm& form_;
};

// Takes the items a menu lists while it runs (open windows, recent projects) out of it.
void RemoveListedItems(QMenu& menu, std::vector<QAction*>& items) {
    for (QAction* item : items) {
        menu.removeAction(item);
        item->deleteLater();
    }
    items.clear();
}

}  // namespace

THoofdForm::THoofdForm(ProgramSettings settings, std::string settingsPath,
                       const std::string& recoveryFolder)
    : settings_(std::move(settings)),
      settingsPath_(std::move(settingsPath)),
      dialogs_(std::make_unique<QtPrompter>(this)),
      prompter_(dialogs_.get()),
      forwardingPrompter_(std::make_unique<ForwardingPrompter>(*this)) {
    setObjectName(QStringLiteral("HoofdForm"));
    setProperty(kLiveCaptionProperty, true);
    positionKeeper_ = new WindowPositionKeeper(settings_.formPositions, this);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("ClientArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    startPage_ =
        new TStartPagina([this](const std::string& name) { RunCommand(name); },
                         [this](const std::string& path) { OpenRecentProject(path); }, this);
    startPage_->ShowRecentProjects(settings_.recentProjects);
    centralPages_ = new QStackedWidget(this);
    centralPages_->addWidget(mdiArea_);
    centralPages_->addWidget(startPage_);
    setCentralWidget(centralPages_);
    CreateCommands();
    CreateMenusAndToolBar();
    CreateBottomStrip();
    RegisterOwnCommands();
    lifecycle_.SetLocking(true);
    if (!recoveryFolder.empty()) {
        const std::string runId = std::to_string(QCoreApplication::applicationPid()) + " " +
                                  std::to_string(CurrentTimeMs());
        recovery_ =
            std::make_unique<RecoveryKeeper>(recoveryFolder, runId, settings_.recoveryInterval);
        recoveryTimer_ = new RecoveryTimer(
            survey_, *recovery_, statusBar(),
            [this](const std::string& text) { WarningNotice(CurrentPrompter(), text); }, this);
        lifecycle_.SetRecoveryKeeper(recovery_.get());
    }
    formatForm_ = new TRapportOpmaakForm(this);
    printForm_ =
        new TAfdrukkenForm1([this] { return CurrentReportWindow(); }, [this] { Opmaak1Click(); },
                            settings_.print, *forwardingPrompter_, *progress_, this);
    settingsForm_ = new TInstellingenForm(*forwardingPrompter_, this);
    CreateReportDialogs();
    AddEntryWindows(*this);
    AddLanguageWindow(*this);
    AddInfoWindows(*this);  // last: it connects the help buttons of every window
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { RefreshCommandStates(false); });
    resize(1000, 700);
    SetTitle("");
    RefreshCommandStates(false);
}

// The report windows go with the frame; their activation must not reach this half-destroyed
// window.
THoofdForm::~THoofdForm() {
    disconnect(mdiArea_, nullptr, this, nullptr);
}

void THoofdForm::SetPrompter(Prompter* prompter) {
    prompter_ = prompter ? prompter : dialogs_.get();
}

BackupSettings THoofdForm::CurrentBackupSettings() {
    return {settings_.makeBackups, settings_.backupFolder};
}

void THoofdForm::CreateCommands() {
    for (const CommandEntry& entry : MainCommands()) {
        auto* action = new QAction(QString::fromUtf8(entry.caption), this);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setIcon(NamedIcon(QString::fromLatin1(CommandIconName(entry.name))));
        action->setIconVisibleInMenu(false);
        if (entry.toolButton) {
            action->setToolTip(QString::fromUtf8(entry.hint));
        }
        const std::string name = entry.name;
        connect(action, &QAction::triggered, this, [this, name] { RunCommand(name); });
        commands_[name] = action;
    }
}

// Icons only, or with the command's text under each icon (Programma-instellingen > Weergave).
void THoofdForm::ApplyToolBarStyle() {
    toolBar_->setToolButtonStyle(settings_.toolBarLabels ? Qt::ToolButtonTextUnderIcon
                                                         : Qt::ToolButtonIconOnly);
}

void THoofdForm::CreateMenusAndToolBar() {
    std::vector<QMenu*> menus;
    for (const MenuEntry& entry : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        menus.push_back(menu);
    }
    connect(menuBar()->findChild<QMenu*>(QStringLiteral("Venster1")), &QMenu::aboutToShow, this,
            &THoofdForm::ListOpenWindows);
    connect(menuBar()->findChild<QMenu*>(QStringLiteral("Bestand1")), &QMenu::aboutToShow, this,
            &THoofdForm::ListRecentProjects);
    QToolBar* toolBar = addToolBar(QString());
    toolBar->setObjectName(QStringLiteral("MainToolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(24, 24));
    toolBar->toggleViewAction()->setEnabled(false);
    toolBar_ = toolBar;
    ApplyToolBarStyle();

    int lastToolMenu = -1;
    for (const CommandEntry& entry : MainCommands()) {
        QAction* action = commands_.at(entry.name);
        QMenu* menu = menus.at(static_cast<std::size_t>(entry.menu));
        menu->addAction(action);
        if (entry.separatorAfter) {
            menu->addSeparator();
        }
        if (!entry.toolButton) {
            continue;
        }
        if (lastToolMenu >= 0 && entry.menu != lastToolMenu) {
            toolBar->addSeparator();
        }
        lastToolMenu = entry.menu;
        toolBar->addAction(action);
        toolBar->widgetForAction(action)->setObjectName(QString::fromLatin1(entry.toolButton));
    }
}

void THoofdForm::CreateBottomStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("OnderPanel"));
    projectLabel_ = new QLabel(strip);
    projectLabel_->setObjectName(QStringLiteral("ntProjectLabel"));
    projectLabel_->setTextFormat(Qt::PlainText);
    progressPanel_ = new QWidget(strip);
    progressPanel_->setObjectName(QStringLiteral("ProgressPanel"));
    progressBar_ = new QProgressBar(progressPanel_);
    progressBar_->setObjectName(QStringLiteral("HoofdProgressBar"));
    progressBar_->setRange(0, 100);
    progressBar_->setFixedWidth(220);
    auto* progressLayout = new QHBoxLayout(progressPanel_);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    progressLayout->addWidget(progressBar_);
    progressPanel_->hide();

    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->addWidget(projectLabel_, 1);
    layout->addWidget(progressPanel_);
    statusBar()->setSizeGripEnabled(true);
    statusBar()->addWidget(strip, 1);
    progress_ = std::make_unique<DesktopProgress>(progressPanel_, progressBar_);
}

void THoofdForm::RegisterOwnCommands() {
    handlers_ = {
        {"Nieuw1", [this] { Nieuw1Click(); }},
        {"Openen1", [this] { Openen1Click(); }},
        {"DemoOpenen",
         [this] {
             BusyCursor busy;
             lifecycle_.OpenProjectReadOnly(demoProject_);
         }},
        {"Opslaan1",
         [this] {
             BusyCursor busy;
             lifecycle_.SaveProject();
         }},
        {"Opslaanals1",
         [this] {
             BusyCursor busy;
             lifecycle_.SaveProjectAs();
         }},
        {"Kentekenspseudonimiseren1", [this] { pseudonymiseForm_->Execute(); }},
        {"Afsluiten1", [this] { close(); }},
        {"Opmaak1", [this] { Opmaak1Click(); }},
        {"Allesselecteren1",
         [this] {
             if (TKindForm* report = CurrentReportWindow()) {
                 report->SelectAll();
             }
         }},
        {"Kopiren1",
         [this] {
             if (TKindForm* report = CurrentReportWindow()) {
                 report->CopySelection();
             }
         }},
        {"Afdrukken1", [this] { printForm_->PrintCommand(); }},
        {"Invoergegevens1", [this] { inputReportForm_->Execute(); }},
        {"Waarnemingsformuliergenereren1", [this] { observationForm_->Execute(); }},
        {"Parkeerduurmeting1", [this] { analysisForm_->Execute(ReportKind::PerPlace); }},
        {"Parkeerduurmetingnaarinterval1",
         [this] { analysisForm_->Execute(ReportKind::PerInterval); }},
        {"Parkeermotief1", [this] { analysisForm_->Execute(ReportKind::Motive); }},
        {"Grafieken1",
         [this] {
             analysisForm_->ExecuteForCharts(
                 [this](const AnalysisParameters& parameters) { ShowCharts(parameters); });
         }},
        {"Parkeerdrukkaart1",
         [this] {
             analysisForm_->ExecuteForCharts(
                 [this](const AnalysisParameters& parameters) { ShowPressureMap(parameters); });
         }},
        {"Vergelijken1",
         [this] {
             analysisForm_->ExecuteForCharts([this](const AnalysisParameters& parameters) {
                 comparisonForm_->Execute(parameters);
             });
         }},
        {"Onderzoeksrapport1",
         [this] {
             analysisForm_->ExecuteForCharts([this](const AnalysisParameters& parameters) {
                 councilReportForm_->Execute(
                     [this, parameters](const CouncilReportChoices& chosen) {
                         MakeCouncilReport(chosen, parameters, *this);
                     });
             });
         }},
        {"Exporteren1",
         [this] {
             if (TKindForm* report = CurrentReportWindow()) {
                 exportForm_->Execute(report->Document(), report->Analysis().has_value());
             }
         }},
        {"Aantekeningen1", [this] { notesForm_->Execute(); }},
        {"Trapsgewijs1", [this] { ArrangeCascaded(); }},
        {"Onderelkaar1", [this] { ArrangeOneBelowTheOther(); }},
        {"Vorige1", [this] { mdiArea_->activatePreviousSubWindow(); }},
        {"Volgende1", [this] { mdiArea_->activateNextSubWindow(); }},
        {"Allevensterssluiten1", [this] { CloseAllReportWindows(); }},
        {"Programmainstellingen1",
         [this] {
             if (!settingsForm_->Edit(settings_)) {
                 return;
             }
             ApplyToolBarStyle();
             if (recoveryTimer_) {
                 recoveryTimer_->SetInterval(settings_.recoveryInterval);
             }
         }},
    };
}

void THoofdForm::SetCommandHandler(const std::string& name, std::function<void()> handler) {
    handlers_[name] = std::move(handler);
}

QAction* THoofdForm::Command(const std::string& name) const {
    const auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : it->second;
}

// Commands whose windows are not part of the program yet do nothing until a handler is set.
void THoofdForm::RunCommand(const std::string& name) {
    const auto it = handlers_.find(name);
    if (it != handlers_.end() && it->second) {
        it->second();
    }
}

void THoofdForm::StartUp() {
    // The start-up window and, at the first start, the language dialog come before this.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());
    QTimer::singleShot(startUpDelayMs_, this, [this] { show(); });
}

// The first showing counts as the first activation: a display without a window manager never
// activates a window.
void THoofdForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstActivationDone_) {
        firstActivationDone_ = true;
        // Let the window appear before questions may open dialogs.
        QTimer::singleShot(0, this, &THoofdForm::FirstActivation);
    }
}

void THoofdForm::FirstActivation() {
    lifecycle_.ResetToNewProject();
    // Told once, kept in the settings: reports print to PDF without a printer.
    if (!settings_.printerNoticeShown && QPrinterInfo::availablePrinters().isEmpty()) {
        WarningNotice(CurrentPrompter(), FormatText(MessageText("AA00005"), {kProductName}));
        settings_.printerNoticeShown = true;
    }
    if (!commandLineProject_.empty()) {
        lifecycle_.OpenProjectFile(commandLineProject_);
    }
    lifecycle_.OfferRecoveryCopies();
    RefreshCommandStates(false);
    startedUp_ = true;
}

void THoofdForm::SettingsChosen() {
    if (!settingsPath_.empty()) {
        WriteSettings(settings_, settingsPath_, CurrentPrompter());
    }
}

void THoofdForm::closeEvent(QCloseEvent* event) {
    if (!lifecycle_.CloseProject()) {
        event->ignore();
        return;
    }
    positionKeeper_->RecordWindowPositions();
    SettingsChosen();
    event->accept();
}

// Every project file that becomes the open one, read or saved under a new name, is the most
// recent one; the demo survey, opened read-only, is not the user's.
void THoofdForm::SetTitle(const std::string& fileName) {
    if (!fileName.empty() && fileName != NewProjectFileName() && !lifecycle_.ReadOnly()) {
        RememberRecentProject(settings_.recentProjects, fileName);
        startPage_->ShowRecentProjects(settings_.recentProjects);
    }
    ShowStartPageWhenEmpty(static_cast<int>(ReportWindows().size()));
    const std::size_t slash = fileName.find_last_of('/');
    titleFileName_ = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    ShowTitle();
}

// "plan.par - Tavoric 3.1", with "*" after the file name while the project has unsaved changes.
void THoofdForm::ShowTitle() {
    QString title =
        QStringLiteral("%1 %2").arg(QString::fromLatin1(kProductName.data(), kProductName.size()),
                                    QString::fromLatin1(kVersionMajorMinor));
    if (!titleFileName_.empty()) {
        title = PathToQString(titleFileName_) +
                (survey_.ProjectChanged ? QStringLiteral("* - ") : QStringLiteral(" - ")) + title;
    }
    setWindowTitle(title);
}

// Windows call this after they changed the survey: the moment for a recovery copy too.
void THoofdForm::UpdateCommandStates(bool closingWindow) {
    RefreshCommandStates(closingWindow);
    if (recoveryTimer_ && survey_.ProjectChanged) {
        recoveryTimer_->WriteNow();
    }
}

void THoofdForm::SurveyEdited() {
    if (recoveryTimer_) {
        recoveryTimer_->SurveyChanged();
    }
}

void THoofdForm::RefreshCommandStates(bool closingWindow) {
    const int open = static_cast<int>(ReportWindows().size()) - (closingWindow ? 1 : 0);
    const CommandStates states = CommandStatesFor(survey_, std::max(0, open));
    ShowStartPageWhenEmpty(open);
    projectLabel_->setText(ToQString(states.projectLabel));
    ShowTitle();
    for (const CommandState& state : states.commands) {
        if (QAction* action = Command(std::string(state.name))) {
            action->setEnabled(state.enabled);
        }
    }
}

// No project file, nothing entered and no report on screen: the start page instead of the empty
// report area.
void THoofdForm::ShowStartPageWhenEmpty(int openReports) {
    const bool empty = openReports <= 0 && !survey_.ProjectChanged &&
                       (survey_.ProjectPath.empty() || survey_.ProjectPath == NewProjectFileName());
    centralPages_->setCurrentWidget(empty ? static_cast<QWidget*>(startPage_) : mdiArea_);
}

void THoofdForm::ProjectOpened() {
    if (recovery_) {
        recovery_->PrepareFor(survey_);
    }
    if (survey_.AlgemeneGegevens.showNotesOnOpen) {
        RunCommand("Aantekeningen1");
    }
}

std::vector<TKindForm*> THoofdForm::ReportWindows() const {
    std::vector<TKindForm*> windows;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        auto* report = qobject_cast<TKindForm*>(window);
        if (report && !report->isHidden()) {
            windows.push_back(report);
        }
    }
    return windows;
}

TKindForm* THoofdForm::CurrentReportWindow() const {
    return qobject_cast<TKindForm*>(mdiArea_->currentSubWindow());
}

TKindForm* THoofdForm::NewReportWindow() {
    const ReportMenuActions actions{Command("Allesselecteren1"), Command("Kopiren1"),
                                    Command("Exporteren1"), Command("Afdrukken1")};
    auto* report = new TKindForm(reportCounter_.Next(), settings_.report, actions,
                                 [this] { RefreshCommandStates(true); });
    centralPages_->setCurrentWidget(mdiArea_);  // the report area takes the start page's place
    mdiArea_->addSubWindow(report);
    if (settings_.report.maximize) {
        report->showMaximized();
    } else {
        report->show();
    }
    mdiArea_->setActiveSubWindow(report);
    RefreshCommandStates(false);
    return report;
}

TKindForm* THoofdForm::ProduceReport(
    const std::function<void(ReportDocument&, Progress&)>& producer, const std::string& caption) {
    BusyCursor busy;
    TKindForm* report = NewReportWindow();
    if (!caption.empty()) {
        report->setWindowTitle(ToQString(caption));
    }
    report->Document().SetCaption(caption);
    report->BeginWriting();
    {
        ProgressScope shown(*progress_);
        producer(report->Document(), *progress_);
    }
    report->EndWriting();
    return report;
}

// Below the window commands, one item per open report window, the current one checked; the
// first nine are numbered for the keyboard.
void THoofdForm::ListOpenWindows() {
    auto* menu = menuBar()->findChild<QMenu*>(QStringLiteral("Venster1"));
    RemoveListedItems(*menu, windowListItems_);
    const std::vector<TKindForm*> windows = ReportWindows();
    if (windows.empty()) {
        return;
    }
    windowListItems_.push_back(menu->addSeparator());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        QPointer<TKindForm> window = windows[i];
        const QString title = window->windowTitle().replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* item =
            menu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title);
        item->setCheckable(true);
        item->setChecked(window == CurrentReportWindow());
        connect(item, &QAction::triggered, this, [this, window] {
            if (window) {
                mdiArea_->setActiveSubWindow(window);
            }
        });
        windowListItems_.push_back(item);
    }
}

// Above "Afsluiten", the recent projects that are still there, numbered for the keyboard.
void THoofdForm::ListRecentProjects() {
    auto* menu = menuBar()->findChild<QMenu*>(QStringLiteral("Bestand1"));
    RemoveListedItems(*menu, recentProjectItems_);
    const std::vector<std::string> recent = RecentProjectsOnDisk(settings_.recentProjects);
    QAction* exit = Command("Afsluiten1");
    for (std::size_t i = 0; i < recent.size(); ++i) {
        auto* item = new QAction(RecentProjectCaption(i, recent[i]), menu);
        item->setObjectName(QStringLiteral("ntRecentProject%1").arg(i + 1));
        connect(item, &QAction::triggered, this,
                [this, path = recent[i]] { OpenRecentProject(path); });
        menu->insertAction(exit, item);
        recentProjectItems_.push_back(item);
    }
    if (!recent.empty()) {
        recentProjectItems_.push_back(menu->insertSeparator(exit));
    }
}

void THoofdForm::CloseAllReportWindows() {
    CloseReportWindows();
    reportCounter_.Reset();
}

// From the last to the first, each closed completely before the next.
void THoofdForm::CloseReportWindows() {
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        (*it)->close();
        QCoreApplication::processEvents();
    }
}

// Each window a title bar lower and to the right of the one before, as large as that allows
// while at least two thirds of the frame.
void THoofdForm::ArrangeCascaded() {
    const std::vector<TKindForm*> windows = ReportWindows();
    if (windows.empty()) {
        return;
    }
    const QSize area = mdiArea_->viewport()->size();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 4;
    const int offsets = static_cast<int>(windows.size()) - 1;
    const QSize size(std::max(area.width() - step * offsets, area.width() * 2 / 3),
                     std::max(area.height() - step * offsets, area.height() * 2 / 3));
    int offset = 0;
    for (TKindForm* window : windows) {
        window->showNormal();
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
        offset += step;
        if (offset + size.width() > area.width() || offset + size.height() > area.height()) {
            offset = 0;
        }
    }
    mdiArea_->setActiveSubWindow(windows.back());
}

void THoofdForm::ArrangeOneBelowTheOther() {
    const std::vector<TKindForm*> windows = ReportWindows();
    if (windows.empty()) {
        return;
    }
    const QRect area = mdiArea_->viewport()->rect();
    const int height = std::max(1, area.height() / static_cast<int>(windows.size()));
    int top = 0;
    for (TKindForm* window : windows) {
        window->showNormal();
        window->setGeometry(0, top, area.width(), height);
        top += height;
    }
}

void THoofdForm::Nieuw1Click() {
    if (lifecycle_.CloseProject()) {
        RunCommand("Periode1");
    }
}

void THoofdForm::Openen1Click() {
    BusyCursor busy;
    lifecycle_.OpenProject();
}

void THoofdForm::OpenRecentProject(const std::string& path) {
    BusyCursor busy;
    if (lifecycle_.CloseProject()) {
        lifecycle_.OpenProjectFile(path);
    }
}

void THoofdForm::Opmaak1Click() {
    TKindForm* report = CurrentReportWindow();
    if (!report) {
        return;
    }
    if (const std::optional<int> size = formatForm_->AskFontSize(report->FontSize())) {
        report->SetFontSize(*size);
    }
}

void THoofdForm::ResetAnalysisSelection() {
    analysisForm_->ResetAnalysisSelection();
}

void THoofdForm::NewProjectStarted() {
    for (const std::function<void()>& handler : newProjectHandlers_) {
        handler();
    }
}

void THoofdForm::WhenNewProjectStarts(std::function<void()> handler) {
    newProjectHandlers_.push_back(std::move(handler));
}

// The report dialogs hand their choices back; the reports are made here, in new report windows.
void THoofdForm::CreateReportDialogs() {
    analysisForm_ = new TParkeerduurmetingForm(
        {survey_, *this, *progress_},
        [this](const AnalysisParameters& parameters) { RunAnalysis(parameters); }, this);
    chartsForm_ = new TGrafiekenForm(*forwardingPrompter_, this);
    comparisonForm_ = new TVergelijkingForm({survey_, *this, *progress_}, this);
    mapForm_ = new TParkeerdrukkaartForm(
        *forwardingPrompter_,
        [this] { return OpenStreetGeometry(survey_, *forwardingPrompter_, true); }, this);
    inputReportForm_ = new TInvoergegRapportForm(this);
    connect(inputReportForm_, &QDialog::accepted, this, [this] {
        InputReportOptions options = inputReportForm_->Options();
        options.typeCaptions = PlaceTypeCaptionsShown();
        ProduceReport(
            [this, &options](ReportDocument& report, Progress& progress) {
                WriteInputDataReport(report, survey_, options, progress);
            },
            ReportCaption(ReportWindowKind::InputData));
    });
    observationForm_ = new TWaarnemingsformulierForm(this);
    connect(observationForm_, &QDialog::accepted, this, [this] {
        const ObservationFormOptions options = observationForm_->Options();
        ProduceReport(
            [this, &options](ReportDocument& report, Progress& progress) {
                WriteObservationForm(report, survey_, options, progress);
            },
            ReportCaption(ReportWindowKind::ObservationForm));
    });
    exportForm_ = new TExportForm(settings_.print, this);
    councilReportForm_ = new TOnderzoeksrapportForm(this);
    connect(exportForm_, &QDialog::accepted, this, &THoofdForm::ExportCurrentReport);
    pseudonymiseForm_ = new TPseudonimiseerForm(this);
    connect(pseudonymiseForm_, &QDialog::accepted, this, [this] {
        BusyCursor busy;
        lifecycle_.PseudonymiseProject(pseudonymiseForm_->Options(),
                                       PseudonymKeyPath(settingsPath_));
    });
    notesForm_ = new TAantekeningenForm(survey_, *this, this);
    connect(notesForm_, &QDialog::finished, this, [this](int result) {
        if (result == TAantekeningenForm::kReportResult) {
            MakeNotesReport();
        }
    });
}

// The analysis dialog stays open during the run, so that its "&Annuleren" can stop it. A
// complete report keeps its selection for the charts of its PDF, and its clean tables.
void THoofdForm::RunAnalysis(const AnalysisParameters& parameters) {
    AnalysisExports run{survey_.AlgemeneGegevens, survey_.SectiesList, parameters, {}};
    run.parameters.typeCaptions = PlaceTypeCaptionsShown();
    progress_->LetUserInputThrough();
    bool cancelled = false;
    std::string refusal;
    TKindForm* report = ProduceReport(
        [this, &run, &cancelled, &refusal](ReportDocument& document, Progress& progress) {
            refusal = RunParkingDurationAnalysis(survey_, run.parameters, document, progress,
                                                 &run.tables);
            cancelled = progress.Cancelled();
        },
        AnalysisReportCaption(run.parameters));
    if (!refusal.empty()) {
        ErrorNotice(*forwardingPrompter_, refusal);
    } else if (!cancelled) {
        report->SetAnalysis(std::move(run));
    }
}

std::optional<ChartData> THoofdForm::ChartFigures(const AnalysisParameters& parameters) {
    BusyCursor busy;
    return ComputeChartData(survey_, parameters, settings_.pressureThreshold, *progress_);
}

void THoofdForm::ShowCharts(const AnalysisParameters& parameters) {
    progress_->LetUserInputThrough();
    if (std::optional<ChartData> figures = ChartFigures(parameters)) {
        chartsForm_->ShowCharts(std::move(*figures));
    }
}

void THoofdForm::ShowPressureMap(const AnalysisParameters& parameters) {
    progress_->LetUserInputThrough();
    std::optional<StreetGeometry> streets =
        OpenStreetGeometry(survey_, *forwardingPrompter_, false);
    if (!streets) {
        return;
    }
    if (std::optional<ChartData> figures = ChartFigures(parameters)) {
        mapForm_->ShowMap(std::move(*streets), std::move(*figures), survey_.SectiesList);
    }
}

// The type legends of the reports follow the captions of the parking places window, which a
// language file may have replaced.
PlaceTypeCaptions THoofdForm::PlaceTypeCaptionsShown() const {
    const auto* places = findChild<TParkplaatsForm*>();
    return places ? places->TypeCaptions() : DefaultPlaceTypeCaptions();
}

void THoofdForm::ExportCurrentReport() {
    TKindForm* report = CurrentReportWindow();
    if (!report) {
        return;
    }
    const ExportFormat format = exportForm_->ChosenFormat();
    if (format == ExportFormat::Pdf) {
        ExportReportPdf(*report);
        return;
    }
    if (format == ExportFormat::CleanCsv || format == ExportFormat::Workbook) {
        ExportAnalysisTables(*report, format);
        return;
    }
    const std::optional<std::string> fileName =
        AskExportFileName(report->Document().Title(), format, CurrentPrompter());
    if (fileName) {
        BusyCursor busy;
        ExportReport(report->Document(), format, *fileName, CurrentPrompter());
    }
}

// The printed pages, for an analysis report with the charts of its selection on pages of their
// own when the export dialog asks for them. The figures are computed once the file is named.
void THoofdForm::ExportReportPdf(const TKindForm& report) {
    const PrintJob job = PrintJobOf(report, settings_.print);
    const std::optional<std::string> fileName =
        AskExportFileName(job.title, ExportFormat::Pdf, CurrentPrompter());
    if (!fileName) {
        return;
    }
    std::vector<PageDrawer> chartPages;
    if (exportForm_->AddCharts() && report.Analysis()) {
        std::optional<ChartData> figures = ChartFigures(report.Analysis()->parameters);
        if (!figures) {
            return;
        }
        auto shared = std::make_shared<const ChartData>(std::move(*figures));
        for (ChartKind kind : AllChartKinds()) {
            chartPages.push_back([shared, kind](QPainter& painter, const QRectF& body) {
                DrawChartOnPage(kind, *shared, painter, body);
            });
        }
    }
    BusyCursor busy;
    ExportPdf(job, *fileName, CurrentPrompter(), *progress_, chartPages);
}

// The clean table or the workbook of an analysis report, from the tables its run gathered.
void THoofdForm::ExportAnalysisTables(const TKindForm& report, ExportFormat format) {
    if (!report.Analysis()) {
        return;
    }
    const std::optional<std::string> fileName =
        AskExportFileName(report.Document().Title(), format, CurrentPrompter());
    if (!fileName) {
        return;
    }
    BusyCursor busy;
    std::string error;
    const std::optional<std::string> content = format == ExportFormat::Workbook
                                                   ? ReportWorkbook(*report.Analysis(), error)
                                                   : CleanTableCsv(*report.Analysis());
    if (!content) {
        ErrorNotice(CurrentPrompter(), error);
        return;
    }
    WriteExportFile(*fileName, *content, CurrentPrompter());
}

// No progress bar: the notes are short.
void THoofdForm::MakeNotesReport() {
    BusyCursor busy;
    TKindForm* report = NewReportWindow();
    report->setWindowTitle(ToQString(ReportCaption(ReportWindowKind::Notes)));
    report->Document().SetCaption(ReportCaption(ReportWindowKind::Notes));
    report->BeginWriting();
    WriteNotesReport(report->Document(), survey_);
    report->EndWriting();
}

}  // namespace tavoric
