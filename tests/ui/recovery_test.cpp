// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program killed while plates are being typed: the next start offers the typing
// back. The first run is a child process of this test, running the real main window, typing into
// the plate window and killed with SIGKILL once its recovery copy is on disk; the second run
// starts the main window again on the same folders and answers "&Herstellen".
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "../entry/test_survey.h"
#include "app/recovery_keeper.h"
#include "app/ui/main_form.h"
#include "core/atomic_file.h"
#include "core/message_texts.h"
#include "core/private_state_folder.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "entry/ui/plates_form.h"

namespace tavoric {

namespace {

constexpr const char* kTypingChild = "--typing-child";
constexpr const char* kPlate = "AB12CD";
const std::string kPlateLine = "0001 0001 0001 0600-0630 AB12CD  ";

ProgramSettings TestSettings(int recoveryInterval) {
    ProgramSettings settings = DefaultSettings("/tmp/");
    settings.makeBackups = false;
    settings.recoveryInterval = recoveryInterval;
    return settings;
}

// The main window as the program starts it, on this test's folders, answering from a script.
struct StartedWindow {
    ScriptedPrompter answers;
    THoofdForm form{TestSettings(60), "", PrivateStateFolder("recovery")};

    void Start(const std::string& project = "") {
        form.SetPrompter(&answers);
        form.SetCommandLineProject(project);
        form.SetStartUpDelay(0);
        form.StartUp();
        QTRY_VERIFY_WITH_TIMEOUT(form.StartedUp(), 20000);
    }
};

// What a window does after its "&OK" changed the survey.
void ConfirmAChange(THoofdForm& form) {
    form.CurrentSurvey().RoutesList.push_back("0001 Centrum                            15");
    form.CurrentSurvey().ProjectChanged = true;
    form.UpdateCommandStates(false);
}

void Choose(QWidget* window, const char* selector) {
    auto* box = window->findChild<QComboBox*>(QString::fromLatin1(selector));
    box->setCurrentIndex(box->findText(QStringLiteral("0001"), Qt::MatchStartsWith));
    emit box->activated(box->currentIndex());
}

// Opens the project named on the command line, types one plate into the plate window, says so
// and waits there to be killed.
int RunTypingChild(int argc, char** argv) {
    QApplication application(argc, argv);
    SetDefaultMessageTexts();
    ScriptedPrompter prompter;
    THoofdForm form(TestSettings(1), "", PrivateStateFolder("recovery"));
    form.SetPrompter(&prompter);
    form.SetCommandLineProject(argv[2]);
    form.SetStartUpDelay(0);
    form.StartUp();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!form.StartedUp()) {
            return;
        }
        poll.stop();
        form.Command("Kentekens1")->trigger();
        auto* plates = form.findChild<TKentekensForm*>();
        Choose(plates, "ComboBox1");
        Choose(plates, "ComboBox2");
        Choose(plates, "ComboBox3");
        // Keys go to the plate window's own focus widget: on a busy machine the offscreen
        // platform may not have made the window active yet.
        QApplication::setActiveWindow(plates);
        static_cast<void>(QTest::qWaitForWindowActive(plates));
        plates->findChild<QComboBox*>(QStringLiteral("ComboBox3"))->setFocus();
        QTest::keyClick(plates->focusWidget(), Qt::Key_Return);  // to the grid
        for (const char character : std::string(kPlate)) {
            QTest::keyClick(plates->focusWidget(), character);
        }
        QTest::keyClick(plates->focusWidget(), Qt::Key_Return);
        std::puts("typed");
        std::fflush(stdout);
    });
    poll.start(50);
    return QApplication::exec();
}

bool Asked(const ScriptedPrompter& answers, const char* headingKey) {
    return std::any_of(answers.asked().begin(), answers.asked().end(), [headingKey](const auto& a) {
        return a.heading == MessageText(headingKey);
    });
}

// Whether a copy holds the text: the content its side file names, since a content file is not
// a copy until its side file has been replaced after it.
bool CopyHolds(const QString& folder, const char* text) {
    constexpr std::string_view kContentKey = "Content=";
    for (const QFileInfo& side :
         QDir(folder).entryInfoList({QStringLiteral("*.info")}, QDir::Files)) {
        std::string sideText;
        std::string content;
        const std::size_t key = ReadWholeFile(side.absoluteFilePath().toStdString(), sideText)
                                    ? sideText.find(kContentKey)
                                    : std::string::npos;
        if (key == std::string::npos) {
            continue;
        }
        const std::size_t start = key + kContentKey.size();
        const std::string contentFile = sideText.substr(start, sideText.find('\n', start) - start);
        if (ReadWholeFile((folder + QLatin1Char('/')).toStdString() + contentFile, content) &&
            content.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    QString StateFolder() const { return folder_.filePath(QStringLiteral("state")); }
    QString RecoveryFolder() const { return StateFolder() + QStringLiteral("/Tavoric/recovery"); }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        qputenv("XDG_STATE_HOME", StateFolder().toUtf8());
    }

    void killedWhileTypingOffersThePlatesAtTheNextStart() {
        const std::string project = folder_.filePath(QStringLiteral("Onderzoek.par")).toStdString();
        Survey survey = entry_test::SmallSurvey();
        ScriptedPrompter prompter;
        QVERIFY(WriteProjectFile(survey, project, prompter));

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kTypingChild), QString::fromStdString(project)});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine(), 30000);
        QCOMPARE(child.readLine().trimmed(), QByteArray("typed"));
        // Past the interval of one second, the copy holds the plate.
        QTRY_VERIFY_WITH_TIMEOUT(CopyHolds(RecoveryFolder(), kPlate), 30000);
        {
            // A second program on the same project, while the first one runs.
            StartedWindow second;
            second.answers.QueueAnswer(kYes);  // "&Alleen lezen openen"
            second.Start(project);
            QVERIFY(Asked(second.answers, "AA00610"));
            QVERIFY(!Asked(second.answers, "AA00600"));  // the running program's copy
            QVERIFY(second.form.Lifecycle().ReadOnly());
            QCOMPARE(second.form.CurrentSurvey().ProjectPath, project);
        }
        child.kill();  // SIGKILL
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        StartedWindow window;
        window.answers.QueueAnswer(kYes);  // "&Herstellen"
        window.Start(project);
        THoofdForm& form = window.form;
        const ScriptedPrompter& answers = window.answers;
        QVERIFY(Asked(answers, "AA00600"));
        QVERIFY(!Asked(answers, "AA00610"));  // the killed program's lock is stale
        const Survey& restored = form.CurrentSurvey();
        QCOMPARE(restored.ProjectPath, project);
        QVERIFY(restored.ProjectChanged);
        QCOMPARE(form.windowTitle(), QStringLiteral("Onderzoek.par* - Tavoric 3.1"));
        QVERIFY(std::find(restored.KentekensList.begin(), restored.KentekensList.end(),
                          kPlateLine) != restored.KentekensList.end());

        form.Command("Opslaan1")->trigger();
        QVERIFY(!form.CurrentSurvey().ProjectChanged);
        std::string saved;
        QVERIFY(ReadWholeFile(project, saved));
        QVERIFY(saved.find(kPlateLine) != std::string::npos);
        form.Recovery()->Flush();
        QVERIFY(QDir(RecoveryFolder()).isEmpty());
    }

    // A confirmed dialog writes the copy at once; leaving without saving removes it.
    void confirmedChangeIsCopiedAtOnceAndNotSavingRemovesIt() {
        StartedWindow window;
        window.Start();
        THoofdForm& form = window.form;
        ScriptedPrompter& answers = window.answers;
        ConfirmAChange(form);
        form.Recovery()->Flush();
        QVERIFY(CopyHolds(RecoveryFolder(), "0001 Centrum"));

        answers.QueueAnswer(kNo);  // "Bestand opslaan?": "&Niet opslaan"
        QVERIFY(form.close());
        form.Recovery()->Flush();
        QVERIFY(QDir(RecoveryFolder()).isEmpty());
    }

    // "Herstelbestand elke 0 seconden" in the settings dialog: no copy any more.
    void intervalZeroFromTheSettingsDialogStopsTheCopies() {
        StartedWindow window;
        window.Start();
        THoofdForm& form = window.form;
        ScriptedPrompter& answers = window.answers;
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialog->findChild<QSpinBox*>(QStringLiteral("SpinEdit2"))->setValue(0);
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
        form.Command("Programmainstellingen1")->trigger();
        QCOMPARE(form.Settings().recoveryInterval, 0);
        ConfirmAChange(form);
        form.SurveyEdited();
        form.Recovery()->Flush();
        QVERIFY(!QDir(RecoveryFolder()).exists() || QDir(RecoveryFolder()).isEmpty());
        answers.QueueAnswer(kNo);
        QVERIFY(form.close());
    }

    // While copies cannot be written a lasting mark in the status bar says so; the second
    // failure in a row also gives a notice; both go at the next copy that works.
    void failingCopiesStayVisibleUntilACopyWorks() {
        QDir(RecoveryFolder()).removeRecursively();
        QVERIFY(QDir().mkpath(StateFolder() + QStringLiteral("/Tavoric")));
        QFile blocker(RecoveryFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        StartedWindow window;
        window.Start();
        THoofdForm& form = window.form;
        ScriptedPrompter& answers = window.answers;
        const std::size_t askedBefore = answers.asked().size();
        auto* mark = form.statusBar()->findChild<QLabel*>(QStringLiteral("RecoveryFailureMark"));
        QVERIFY(mark);
        form.CurrentSurvey().ProjectChanged = true;
        form.UpdateCommandStates(false);
        QTRY_VERIFY(mark->isVisible());
        QVERIFY(mark->text().contains(QStringLiteral("herstelbestand")));
        QCOMPARE(answers.asked().size(), askedBefore);

        form.UpdateCommandStates(false);
        QTRY_COMPARE(answers.asked().size(), askedBefore + 1);
        QCOMPARE(answers.asked().back().kind, DialogKind::Warning);
        QVERIFY(answers.asked().back().text.find("niet bewaard") != std::string::npos);
        QTest::qWait(50);
        QVERIFY(mark->isVisible());  // lasting, not a message that times out

        QVERIFY(blocker.remove());
        form.UpdateCommandStates(false);
        QTRY_VERIFY(!mark->isVisible());
        answers.QueueAnswer(kNo);
        QVERIFY(form.close());
    }
};

}  // namespace tavoric

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == tavoric::kTypingChild) {
        return tavoric::RunTypingChild(argc, argv);
    }
    QApplication application(argc, argv);
    tavoric::SetDefaultMessageTexts();
    tavoric::RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_test.moc"
