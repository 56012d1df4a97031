// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user drives it: start-up, the command line, the project commands with
// their questions, and the command states that follow the data and the report windows.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/ui/main_form.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "core/text.h"
#include "desktop/qt_text.h"
#include "desktop/report_view.h"
#include "reports/ui/report_window.h"

namespace tavoric {

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private:
    std::string PathOf(const std::string& name) const {
        return PathFromQString(folder_->filePath(QString::fromStdString(name)));
    }

    // A saved survey with routes and slots, in a folder whose name has a blank.
    std::string SavedSurvey() {
        Survey survey;
        survey.AlgemeneGegevens.surveyArea = "Centrum Demodorp";
        survey.RoutesList = {"0001 Markt                              15"};
        survey.SectiesList = {"0001 0001 Marktplein"};
        survey.ParkeerplaatsenList = {"0001 0001 0001 V"};
        survey.KentekensList = {"0001 0001 0001 0600-0615"};
        QDir(folder_->path()).mkpath(QStringLiteral("Mijn onderzoek"));
        const std::string path = PathOf("Mijn onderzoek/plan.par");
        ScriptedPrompter quiet;
        WriteProjectFile(survey, path, quiet);
        return path;
    }

    void Start(const std::string& commandLineProject = "", const std::string& settingsPath = "") {
        ProgramSettings settings = DefaultSettings(PathOf(""));
        settings.backupFolder = PathOf("backups/");
        StartWith(std::move(settings), commandLineProject, settingsPath);
    }

    void StartWith(ProgramSettings settings, const std::string& commandLineProject = "",
                   const std::string& settingsPath = "") {
        QDir(folder_->path()).mkpath(QStringLiteral("backups"));
        form_ = std::make_unique<THoofdForm>(std::move(settings), settingsPath);
        form_->SetPrompter(&prompter_);
        form_->SetStartUpDelay(0);
        form_->SetCommandLineProject(commandLineProject);
        form_->StartUp();
        QTRY_VERIFY(form_->StartedUp());
    }

    bool Enabled(const char* name) const {
        if (QAction* action = form_->Command(name)) {
            return action->isEnabled();
        }
        auto* button = form_->findChild<QToolButton*>(QString::fromLatin1(name));
        return button && button->isEnabled();
    }

    void Trigger(const char* name) { form_->Command(name)->trigger(); }

    void ChangeSurvey() {
        form_->CurrentSurvey().RoutesList.push_back("0002 Station                            30");
        form_->CurrentSurvey().ProjectChanged = true;
        form_->UpdateCommandStates(false);
    }

    std::unique_ptr<QTemporaryDir> folder_;
    ScriptedPrompter prompter_;
    std::unique_ptr<THoofdForm> form_;

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        prompter_.Clear();
    }
    void cleanup() {
        if (form_) {
            form_->CurrentSurvey().ProjectChanged = false;
            form_->close();
            form_.reset();
        }
    }

    void startsWithANewProject() {
        Start();
        QCOMPARE(form_->windowTitle(), QStringLiteral("Nieuw.par - Tavoric 3.1"));
        QVERIFY(Enabled("Route1"));
        QVERIFY(!Enabled("Opslaan1"));
        QVERIFY(!Enabled("ToolButton6"));
        QVERIFY(!Enabled("Sectie1"));
        QVERIFY(!Enabled("Afdrukken1"));
        QVERIFY(!form_->findChild<QWidget*>(QStringLiteral("ProgressPanel"))->isVisible());
    }

    // An empty program shows the start page with the recent projects still on disk. "Demo openen"
    // opens the demo read-only: Save is refused, its file stays as it was and it is no recent
    // project. Save as and opening make a project the most recent; a project hides the page.
    void theEmptyProgramShowsTheStartPageWithTheRecentProjects() {
        const std::string demo = SavedSurvey();
        const std::string demoBytes = Contents(demo);
        const std::string recent = PathOf("recent.par");
        ScriptedPrompter quiet;
        Survey empty;
        QVERIFY(WriteProjectFile(empty, recent, quiet));
        ProgramSettings settings = DefaultSettings(PathOf(""));
        settings.backupFolder = PathOf("backups/");
        settings.recentProjects = {PathOf("weg.par"), recent};
        StartWith(std::move(settings));
        form_->SetDemoProject(demo);
        auto* page = form_->findChild<QWidget*>(QStringLiteral("StartPagina"));
        QVERIFY(page->isVisible());
        const auto button = [page](const char* name) {
            return page->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        QVERIFY(button("NieuwOnderzoekButton")->isVisible());
        QVERIFY(button("OpenenButton")->isVisible());
        const auto recentButtons = [page] {
            QStringList texts;
            for (QPushButton* each : page->findChildren<QPushButton*>(
                     QRegularExpression(QStringLiteral("^ntRecentProject")))) {
                texts << each->text();
            }
            return texts;
        };
        QCOMPARE(recentButtons(), QStringList{QStringLiteral("&1  recent.par")});

        button("DemoOpenenButton")->click();
        QVERIFY(form_->Lifecycle().ReadOnly());
        QCOMPARE(form_->CurrentSurvey().AlgemeneGegevens.surveyArea,
                 std::string("Centrum Demodorp"));
        QVERIFY(!page->isVisible());
        ChangeSurvey();
        Trigger("Opslaan1");
        QCOMPARE(prompter_.asked().back().text, FormatText(MessageText("AA00616"), {demo}));
        QCOMPARE(Contents(demo), demoBytes);
        QCOMPARE(form_->Settings().recentProjects,
                 (std::vector<std::string>{PathOf("weg.par"), recent}));

        const std::string own = PathOf("eigen.par");
        prompter_.QueueFileName(own);
        Trigger("Opslaanals1");
        QVERIFY(!form_->Lifecycle().ReadOnly());
        QCOMPARE(Contents(demo), demoBytes);
        QCOMPARE(form_->Settings().recentProjects.front(), own);

        QVERIFY(form_->Lifecycle().CloseProject());
        QVERIFY(page->isVisible());
        QCOMPARE(recentButtons(),
                 (QStringList{QStringLiteral("&1  eigen.par"), QStringLiteral("&2  recent.par")}));
        auto* fileMenu = form_->menuBar()->findChild<QMenu*>(QStringLiteral("Bestand1"));
        emit fileMenu->aboutToShow();
        const QList<QAction*> items = fileMenu->actions();
        const qsizetype exit = items.indexOf(form_->Command("Afsluiten1"));
        QCOMPARE(items.value(exit - 3)->text(), QStringLiteral("&1  eigen.par"));
        QCOMPARE(items.value(exit - 2)->text(), QStringLiteral("&2  recent.par"));
        QVERIFY(items.value(exit - 1)->isSeparator());
        page->findChild<QPushButton*>(QStringLiteral("ntRecentProject2"))->click();
        QCOMPARE(form_->CurrentSurvey().ProjectPath, recent);
        QVERIFY(!page->isVisible());
        QCOMPARE(form_->Settings().recentProjects.front(), recent);
    }

    // Without any icon theme every tool button still has its built-in drawing, and the drawing
    // stands out from the tool bar on a light and on a dark palette.
    void toolBarIconsShowWithoutAThemeOnLightAndDarkPalettes() {
        const QString themeName = QIcon::themeName();
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QPalette palette = QGuiApplication::palette();
        const auto restore = qScopeGuard([&] {
            QApplication::setPalette(palette);
            QIcon::setThemeSearchPaths(searchPaths);
            QIcon::setThemeName(themeName);
        });
        QIcon::setThemeSearchPaths({folder_->path()});
        QIcon::setThemeName(QString());
        Start();
        const auto actions = form_->findChild<QToolBar*>(QStringLiteral("MainToolBar"))->actions();
        for (const auto& [background, text] :
             {std::pair{QColor(0xf0, 0xf0, 0xf0), QColor(Qt::black)},
              std::pair{QColor(0x2a, 0x2a, 0x2e), QColor(0xee, 0xee, 0xee)}}) {
            QPalette shown(palette);
            shown.setColor(QPalette::Window, background);
            shown.setColor(QPalette::WindowText, text);
            QApplication::setPalette(shown);
            for (QAction* action : actions) {
                if (action->isSeparator()) {
                    continue;
                }
                QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
                QImage image(24, 24, QImage::Format_ARGB32);
                image.fill(background);
                QPainter painter(&image);
                action->icon().paint(&painter, image.rect());
                painter.end();
                int visible = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor pixel = image.pixelColor(x, y);
                        visible += std::abs(pixel.lightness() - background.lightness()) > 60;
                    }
                }
                QVERIFY2(visible > 20, qPrintable(action->objectName() + QStringLiteral(" on ") +
                                                  background.name()));
            }
        }
    }

    // "Werkbalk met tekst bij de knoppen" (Programma-instellingen > Weergave) takes effect at once
    // and at the next start.
    void theToolBarShowsLabelsWhenTheSettingsSaySo() {
        ProgramSettings settings = DefaultSettings(PathOf(""));
        settings.toolBarLabels = true;
        StartWith(std::move(settings));
        auto* toolBar = form_->findChild<QToolBar*>(QStringLiteral("MainToolBar"));
        QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            auto* labels = dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox4"));
            QVERIFY(labels->isChecked());
            labels->setChecked(false);
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
        form_->Command("Programmainstellingen1")->trigger();
        QVERIFY(!form_->Settings().toolBarLabels);
        QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }

    void menusAndToolBarFollowTheCommandTable() {
        Start();
        auto entries = [](const QList<QAction*>& actions, bool byName) {
            QStringList shown;
            for (QAction* action : actions) {
                QWidget* button = nullptr;
                if (!action->isSeparator() && byName) {
                    const auto widgets = action->associatedObjects();
                    for (QObject* object : widgets) {
                        if (auto* toolButton = qobject_cast<QToolButton*>(object)) {
                            button = toolButton;
                        }
                    }
                }
                shown << (action->isSeparator() ? QStringLiteral("-")
                          : byName              ? button->objectName()
                                                : action->text());
            }
            return shown.join(QLatin1Char(' '));
        };
        QCOMPARE(entries(form_->findChild<QMenu*>(QStringLiteral("Bestand1"))->actions(), false),
                 QStringLiteral("&Nieuw... &Openen... Op&slaan O&pslaan als... - "
                                "&Importeren waarnemingen... E&xporteren waarnemingen... "
                                "&Kentekens pseudonimiseren... - &Afsluiten"));
        QCOMPARE(entries(form_->findChild<QMenu*>(QStringLiteral("Venster1"))->actions(), false),
                 QStringLiteral("Trap&sgewijs &Onder elkaar - &Vorige Volgen&de - "
                                "&Alle vensters sluiten"));
        QCOMPARE(
            entries(form_->findChild<QToolBar*>(QStringLiteral("MainToolBar"))->actions(), true),
            QStringLiteral("ToolButton1 ToolButton4 ToolButton6 ToolButton25 - ToolButton2 "
                           "ToolButton3 - ToolButton7 ToolButton8 ToolButton10 ToolButton11 "
                           "ToolButton12 ToolButton16 ToolButton13 ToolButton14 - ToolButton23 "
                           "ToolButton24 ToolButton26 ToolButton27 - ToolButton18 ToolButton19 - "
                           "ToolButton20 ToolButton21"));
        QAction* previous = form_->Command("Vorige1");
        QCOMPARE(previous->shortcut(), QKeySequence(QStringLiteral("Shift+Ctrl+F6")));
        QCOMPARE(previous->toolTip(), QStringLiteral("Vorig venster (Shift+Ctrl+F6)"));
    }

    void opensTheProjectOnTheCommandLine_data() {
        QTest::addColumn<bool>("quoted");
        QTest::newRow("unquoted path with blanks") << false;
        QTest::newRow("quoted path with blanks") << true;
    }
    void opensTheProjectOnTheCommandLine() {
        QFETCH(bool, quoted);
        const std::string path = SavedSurvey();
        const QStringList words = PathToQString(path).split(QLatin1Char(' '));
        std::vector<std::string> arguments;
        for (const QString& word : words) {
            arguments.push_back(PathFromQString(word));
        }
        if (quoted) {
            arguments = {"\"" + path + "\""};
        }
        Start(ProjectPathFromArguments(arguments));
        QCOMPARE(form_->CurrentSurvey().ProjectPath, path);
        QCOMPARE(form_->windowTitle(), QStringLiteral("plan.par - Tavoric 3.1"));
        QCOMPARE(form_->findChild<QLabel*>(QStringLiteral("ntProjectLabel"))->text(),
                 QStringLiteral("Centrum Demodorp"));
        QVERIFY(!Enabled("Opslaan1"));
        for (const char* name : {"Sectie1", "Parkeerplaats1", "PPEgenereren1", "Kentekens1",
                                 "ToolButton13", "Parkeerduurmeting1", "ToolButton24"}) {
            QVERIFY2(Enabled(name), name);
        }
    }

    void openingShowsTheNotesWhenTheProjectAsksForThem() {
        Start();
        int notesShown = 0;
        form_->SetCommandHandler("Aantekeningen1", [&] { ++notesShown; });
        const std::string path = SavedSurvey();
        prompter_.QueueFileName(path);
        Trigger("Openen1");
        QCOMPARE(notesShown, 0);
        form_->CurrentSurvey().AlgemeneGegevens.showNotesOnOpen = true;
        ScriptedPrompter quiet;
        QVERIFY(WriteProjectFile(form_->CurrentSurvey(), path, quiet));
        prompter_.QueueFileName(path);
        Trigger("Openen1");
        QCOMPARE(notesShown, 1);
        QCOMPARE(form_->CurrentSurvey().ProjectPath, path);
    }

    void aProjectThatCannotBeOpenedLeavesTheNewOne() {
        Start(PathOf("weg.par"));
        QCOMPARE(form_->CurrentSurvey().ProjectPath, std::string("Nieuw.par"));
        QCOMPARE(prompter_.asked().back().kind, DialogKind::Error);
    }

    void reportWindowsEnableTheirCommands() {
        Start();
        TKindForm* first = form_->NewReportWindow();
        QVERIFY(Enabled("Afdrukken1"));
        QVERIFY(Enabled("ToolButton2"));
        QVERIFY(Enabled("Allevensterssluiten1"));
        QVERIFY(!Enabled("Vorige1"));
        QVERIFY(!Enabled("ToolButton19"));
        TKindForm* second = form_->NewReportWindow();
        QVERIFY(Enabled("Vorige1"));
        QVERIFY(Enabled("ToolButton18"));
        second->close();
        QVERIFY(!Enabled("Volgende1"));
        QVERIFY(Enabled("Kopiren1"));
        first->close();
        QVERIFY(!Enabled("Kopiren1"));
        QVERIFY(!Enabled("Trapsgewijs1"));
        QVERIFY(!Enabled("ToolButton3"));
    }

    void windowsArrangeOneBelowTheOther() {
        Start();
        TKindForm* first = form_->NewReportWindow();
        TKindForm* second = form_->NewReportWindow();
        Trigger("Onderelkaar1");
        QVERIFY(!first->isMaximized());
        QCOMPARE(first->width(), second->width());
        QCOMPARE(first->y() + first->height(), second->y());
        QCOMPARE(first->x(), second->x());
        Trigger("Trapsgewijs1");
        QVERIFY(second->x() > first->x());
    }

    void reportNumbersRunOnUntilAllWindowsClose() {
        Start();
        form_->NewReportWindow();
        TKindForm* second = form_->NewReportWindow();
        form_->NewReportWindow();
        second->close();
        QCOMPARE(form_->NewReportWindow()->windowTitle(), QStringLiteral("Rapport 4"));
        Trigger("Allevensterssluiten1");
        QVERIFY(form_->ReportWindows().empty());
        QVERIFY(!Enabled("Allevensterssluiten1"));
        QCOMPARE(form_->NewReportWindow()->windowTitle(), QStringLiteral("Rapport 1"));
    }

    void producersWriteIntoANewReportWindowWithTheProgressBar() {
        Start(SavedSurvey());
        QWidget* progressPanel = form_->findChild<QWidget*>(QStringLiteral("ProgressPanel"));
        bool progressShown = false;
        TKindForm* report = form_->ProduceReport([&](ReportDocument& document, Progress& progress) {
            progressShown = progressPanel->isVisible();
            document.WriteReportHeader(form_->CurrentSurvey().AlgemeneGegevens);
            for (int line = 1; line <= 1000; ++line) {
                document.AddReportLine("regel " + std::to_string(line));
                progress.Set(line, 1000);
            }
        });
        QCOMPARE(form_->CurrentReportWindow(), report);
        QCOMPARE(report->windowTitle(), QStringLiteral("Rapport 1"));
        QVERIFY(report->isMaximized());
        QVERIFY(progressShown);
        QVERIFY(!progressPanel->isVisible());
        QCOMPARE(report->Document().Lines().at(2), std::string("Centrum Demodorp"));
        QVERIFY(report->View().verticalScrollBar()->maximum() > 900);
    }

    void saveQuestionAnswers_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("Opslaan") << int(kYes) << "plan" << true << true;
        QTest::newRow("Opslaan, save fails") << int(kYes) << "geen map/plan" << false << false;
        QTest::newRow("Opslaan, dialog cancelled") << int(kYes) << "" << false << false;
        QTest::newRow("Niet opslaan") << int(kNo) << "" << true << false;
        QTest::newRow("Annuleren") << int(kCancel) << "" << false << false;
    }
    void saveQuestionAnswers() {
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        Start();
        prompter_.Clear();
        ChangeSurvey();
        prompter_.QueueAnswer(answer);
        if (answer == kYes) {
            if (saveAs.isEmpty()) {
                prompter_.QueueCancelledFileDialog();
            } else {
                prompter_.QueueFileName(PathOf(saveAs.toStdString()));
            }
        }
        QCOMPARE(form_->close(), closes);
        QCOMPARE(prompter_.asked().at(0).heading, std::string("Bestand opslaan?"));
        QCOMPARE(QFile::exists(folder_->filePath(QStringLiteral("plan.par"))), written);
        if (!closes) {
            QVERIFY(form_->isVisible());
            QVERIFY(form_->CurrentSurvey().ProjectChanged);
            QCOMPARE(form_->CurrentSurvey().RoutesList.size(), std::size_t(1));
        }
    }

    void closingWritesTheSettingsUnlessTheUserStays() {
        const std::string settingsPath = PathOf("config/Tavoric/Tavoric.ini");
        Start("", settingsPath);
        ChangeSurvey();
        prompter_.QueueAnswer(kCancel);
        QVERIFY(!form_->close());
        QVERIFY(!QFile::exists(PathToQString(settingsPath)));
        form_->Settings().report.ownerName = "Gemeente Demodorp";
        prompter_.QueueAnswer(kNo);
        QVERIFY(form_->close());
        const std::string written = Contents(settingsPath);
        QVERIFY(written.starts_with("[Tavoric settings]\r\n"));
        QVERIFY(written.find("OwnerName=Gemeente Demodorp\r\n") != std::string::npos);
        QVERIFY(written.find("HoofdForm=") != std::string::npos);
    }

    void theTitleMarksUnsavedChanges() {
        const std::string path = SavedSurvey();
        Start(path);
        QCOMPARE(form_->windowTitle(), QStringLiteral("plan.par - Tavoric 3.1"));
        ChangeSurvey();
        QCOMPARE(form_->windowTitle(), QStringLiteral("plan.par* - Tavoric 3.1"));
        Trigger("Opslaan1");
        QVERIFY(!form_->CurrentSurvey().ProjectChanged);
        QCOMPARE(form_->windowTitle(), QStringLiteral("plan.par - Tavoric 3.1"));
    }

    void theMissingPrinterIsToldOnceAndRemembered() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is installed here");
        }
        const std::string notice = FormatText(MessageText("AA00005"), {kProductName});
        const auto notices = [this, &notice] {
            return static_cast<int>(std::ranges::count_if(
                prompter_.asked(), [&notice](const auto& asked) { return asked.text == notice; }));
        };
        const std::string settingsPath = PathOf("config/Tavoric/Tavoric.ini");
        Start("", settingsPath);
        QCOMPARE(notices(), 1);
        QVERIFY(form_->close());
        const ProgramSettings written = ReadSettings(settingsPath, PathOf(""));
        QVERIFY(written.printerNoticeShown);

        prompter_.Clear();
        StartWith(written, "", settingsPath);
        QCOMPARE(notices(), 0);
    }

    void saveAsAddsTheExtensionAndAsksBeforeOverwriting() {
        Start();
        ChangeSurvey();
        prompter_.QueueFileName(PathOf("plan"));
        Trigger("Opslaanals1");
        QCOMPARE(form_->windowTitle(), QStringLiteral("plan.par - Tavoric 3.1"));
        QVERIFY(!Enabled("Opslaan1"));

        prompter_.QueueFileName(PathOf("plan.PAR"));
        Trigger("Opslaanals1");
        QCOMPARE(form_->windowTitle(), QStringLiteral("plan.PAR.par - Tavoric 3.1"));

        prompter_.Clear();
        prompter_.QueueFileName(PathOf("plan.par"));
        prompter_.QueueAnswer(kNo);
        Trigger("Opslaanals1");
        QCOMPARE(prompter_.asked().size(), std::size_t(1));
        QCOMPARE(prompter_.asked()[0].heading, std::string("Bestand overschrijven?"));
        QCOMPARE(form_->windowTitle(), QStringLiteral("plan.PAR.par - Tavoric 3.1"));
    }

    void sixSavesLeaveFiveBackups() {
        Start();
        prompter_.Clear();
        ChangeSurvey();
        prompter_.QueueFileName(PathOf("plan"));
        Trigger("Opslaan1");
        const std::string path = PathOf("plan.par");
        std::vector<std::string> versions = {Contents(path)};
        for (int save = 2; save <= 6; ++save) {
            form_->CurrentSurvey().AlgemeneGegevens.observers = "ploeg " + std::to_string(save);
            ChangeSurvey();
            QVERIFY(Enabled("Opslaan1"));
            Trigger("Opslaan1");
            QVERIFY(!Enabled("Opslaan1"));
            versions.push_back(Contents(path));
        }
        QCOMPARE(prompter_.fileRequests().size(), std::size_t(1));
        for (int generation = 1; generation <= 5; ++generation) {
            const std::string backup =
                PathOf("backups/TavoricBackUp" + std::to_string(generation) + ".par");
            QVERIFY(Contents(backup) == versions[versions.size() - 1 - generation]);
        }
    }

    void newProjectAsksFirstAndClosesTheReports() {
        Start();
        form_->NewReportWindow();
        ChangeSurvey();
        bool generalDataOpened = false;
        form_->SetCommandHandler("Periode1", [&] { generalDataOpened = true; });
        prompter_.QueueAnswer(kNo);
        Trigger("Nieuw1");
        QVERIFY(generalDataOpened);
        QVERIFY(form_->ReportWindows().empty());
        QVERIFY(form_->CurrentSurvey().RoutesList.empty());
        QCOMPARE(form_->NewReportWindow()->windowTitle(), QStringLiteral("Rapport 1"));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::MainFormTest)
#include "main_form_test.moc"
