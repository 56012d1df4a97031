// SPDX-License-Identifier: GPL-3.0-or-later
// The information windows: the configuration list and its copy, the start-up window's timing,
// the help window at its topics from the commands and every help button, and the read-me file.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "app/ui/main_form.h"
#include "core/message_texts.h"
#include "core/scripted_prompter.h"
#include "desktop/icons.h"
#include "info/ui/config_gegevens_form.h"
#include "info/ui/help_form.h"
#include "info/ui/info_windows.h"
#include "info/ui/opstart_info_form.h"
#include "lang/language_files.h"

namespace tavoric {

namespace {

// A machine on which every query fails.
class SilentMachine : public SystemQueries {
public:
    std::optional<std::string> ReadTextFile(const std::string&) override { return {}; }
    std::optional<std::int64_t> FileSize(const std::string&) override { return {}; }
    std::optional<std::uint64_t> WorkingSetBytes() override { return {}; }
    bool FolderWritable(const std::string&) override { return false; }
    std::optional<DiskSpace> DiskSpaceOf(const std::string&) override { return {}; }
    std::optional<KernelVersion> Kernel() override { return {}; }
    std::optional<std::int64_t> UpTimeSeconds() override { return {}; }
    std::optional<std::string> UserName() override { return {}; }
    std::optional<std::string> HostName() override { return {}; }
    bool UserIsAdministrator() override { return false; }
    bool Is32BitProcess() override { return false; }
    int ProcessorCount() override { return 1; }
    std::optional<CpuIdentity> Cpu() override { return {}; }
    std::optional<std::int64_t> MeasureClockMhz() override { return {}; }
    std::optional<MemoryStatus> Memory() override { return {}; }
    std::string LocalDateTime() override { return "2026-12-09 14:00:00"; }
};

QString FragmentShown(THoofdForm& form) {
    auto* help = form.findChild<THelpForm*>(QStringLiteral("HelpForm"));
    return help && help->isVisible() ? help->Browser()->source().fragment() : QString();
}

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::string Folder() const { return folder_.path().toStdString() + "/"; }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(folder_.path() + QStringLiteral("/Hlp")));
        QVERIFY(QFile::copy(QStringLiteral(TAVORIC_HELP_FOLDER "/Tavoric_Nederlands.html"),
                            folder_.path() + QStringLiteral("/Hlp/Tavoric_Nederlands.html")));
    }

    void init() {
        ProgramLanguageFiles() = LanguageFiles(Folder());
        ProgramLanguageFiles().SelectHelp("Tavoric_Nederlands");
    }

    void theConfigurationCopyRunsFromStartToEnd() {
        TConfigGegevensForm form(nullptr, std::make_unique<SilentMachine>());
        form.ShowConfiguration();
        QVERIFY(form.isVisible());
        QVERIFY(!form.isModal());
        QCOMPARE(form.Rows().front().key, std::string("Appl"));
        QCOMPARE(form.Rows().back().key, std::string("CurDateTime"));
        form.findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
        const QString copied = QApplication::clipboard()->text();
        QVERIFY(copied.startsWith(QStringLiteral("*Start\nAppl=Tavoric\n")));
        QVERIFY(copied.endsWith(QStringLiteral("CurDateTime=2026-12-09 14:00:00\n*End\n")));
        QVERIFY(copied.contains(QStringLiteral("\nOS=n.a.\n")));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    void theStartUpWindowHidesAfterItsTimeAndThenOffersClose() {
        ScriptedPrompter prompter;
        THoofdForm form(DefaultSettings("/tmp/"), "");
        form.SetPrompter(&prompter);
        TOpstartInfoForm* startUp = StartUpWindow(form);
        QVERIFY(startUp);
        auto* close = startUp->findChild<QPushButton*>(QStringLiteral("Button1"));
        startUp->ShowAtStartUp(30);
        QVERIFY(startUp->isVisible());
        QVERIFY(!close->isVisibleTo(startUp));
        QTRY_VERIFY(!startUp->isVisible());
        QVERIFY(close->isVisibleTo(startUp));
        QCOMPARE(close->text(), QStringLiteral("&Sluiten"));

        startUp->ShowBuild();
        QCOMPARE(prompter.asked().size(), std::size_t{1});
        QVERIFY(prompter.asked()[0].text.starts_with("Build: 3.1."));
    }

    // The start-up window and the window icon show the drawing the desktop entry installs.
    void theProgramHasOneIcon() {
        QSvgRenderer installed(QStringLiteral(TAVORIC_DESKTOP_DATA "/tavoric.svg"));
        QVERIFY(installed.isValid());
        QImage expected(64, 64, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        installed.render(&painter);
        painter.end();

        THoofdForm form(DefaultSettings("/tmp/"), "");
        auto* picture = StartUpWindow(form)->findChild<QLabel*>(QStringLiteral("ntProgramIcon"));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().toImage().convertToFormat(expected.format()), expected);
        QCOMPARE(ProgramIcon().pixmap(64, 64).toImage().convertToFormat(expected.format()),
                 expected);
        QVERIFY(ProgramIcon().availableSizes().contains(QSize(256, 256)));
    }

    void helpCommandsOpenTheirTopicsAndAMissingFileIsNoticed() {
        ScriptedPrompter prompter;
        THoofdForm form(DefaultSettings("/tmp/"), "");
        form.SetPrompter(&prompter);
        form.Command("Inhoud1")->trigger();
        QCOMPARE(FragmentShown(form), QStringLiteral("40"));
        form.Command("Veelgesteldevragen1")->trigger();
        QCOMPARE(FragmentShown(form), QStringLiteral("440"));
        QVERIFY(prompter.asked().empty());

        ProgramLanguageFiles().SelectHelp("Tavoric_Klingon");
        form.findChild<THelpForm*>(QStringLiteral("HelpForm"))->hide();
        form.Command("Inhoud1")->trigger();
        QCOMPARE(prompter.asked().size(), std::size_t{1});
        QVERIFY(prompter.asked()[0].text.find("Tavoric_Klingon.html") != std::string::npos);
        QCOMPARE(FragmentShown(form), QString());
    }

    void everyHelpButtonOpensATopicTheHelpFileHas() {
        THoofdForm form(DefaultSettings("/tmp/"), "");
        QFile file(folder_.path() + QStringLiteral("/Hlp/Tavoric_Nederlands.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString help = QString::fromUtf8(file.readAll());
        int buttons = 0;
        for (QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
            const QVariant topic = button->property("helpTopic");
            if (!topic.isValid()) {
                continue;
            }
            ++buttons;
            const QString anchor = QStringLiteral("name=\"%1\"").arg(topic.toInt());
            QVERIFY2(help.contains(anchor), qPrintable(button->window()->objectName()));
            button->click();
            QCOMPARE(FragmentShown(form), QString::number(topic.toInt()));
        }
        QVERIFY(buttons >= 10);
    }

    // F1 anywhere in a dialog opens the topic of that dialog's help button.
    void f1InADialogOpensItsTopic() {
        THoofdForm form(DefaultSettings("/tmp/"), "");
        for (const char* name : {"NieuweRouteForm", "InstellingenForm"}) {
            auto* dialog = form.findChild<QDialog*>(QString::fromLatin1(name));
            QVERIFY2(dialog, name);
            dialog->show();
            QApplication::setActiveWindow(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
            QVERIFY2(!FragmentShown(form).isEmpty(), name);
            form.findChild<THelpForm*>(QStringLiteral("HelpForm"))->hide();
            dialog->hide();
        }
    }

    void aWebAddressWithoutABrowserIsNoticed() {
        ScriptedPrompter prompter;
        THoofdForm form(DefaultSettings("/tmp/"), "");
        form.SetPrompter(&prompter);
        auto* link = form.findChild<QLabel*>(QStringLiteral("ntLabel4"));
        QVERIFY(link);
        emit link->linkActivated(QStringLiteral("https://www.example.invalid/"));
        QCOMPARE(prompter.asked().size(), std::size_t{1});
        QVERIFY(prompter.asked()[0].text.find("https://www.example.invalid/") != std::string::npos);
    }

    void aMissingReadMeIsNoticedAndATextWindowShowsAFile() {
        ScriptedPrompter prompter;
        TextFileForm text;
        OpenReadMe(Folder(), text, prompter);
        QCOMPARE(prompter.asked().size(), std::size_t{1});
        QVERIFY(prompter.asked()[0].text.find(Folder() + "LeesMij.txt") != std::string::npos);

        QVERIFY(!text.ShowFile(Folder() + "LeesMij.txt"));
        QVERIFY(text.ShowFile(TAVORIC_HELP_FOLDER "/../LeesMij.txt"));
        QVERIFY(text.Text()->toPlainText().startsWith(QStringLiteral("Tavoric 3.1")));
        QCOMPARE(text.windowTitle(), QStringLiteral("LeesMij.txt"));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::InfoWindowsTest)
#include "info_windows_test.moc"
