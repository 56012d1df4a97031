// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog's buttons, default and answers; file filters and dialog titles; the
// progress bar.
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/ui/settings_form.h"
#include "core/scripted_prompter.h"
#include "desktop/desktop_progress.h"
#include "desktop/qt_prompter.h"

namespace tavoric {

class DialogsTest : public QObject {
    Q_OBJECT

private:
    static QStringList ButtonTexts(const QWidget& form) {
        QStringList texts;
        QList<QPushButton*> buttons = form.findChildren<QPushButton*>();
        std::sort(buttons.begin(), buttons.end(),
                  [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
        for (QPushButton* button : buttons) {
            texts << button->text() + (button->isDefault() ? QStringLiteral("*") : QString());
        }
        return texts;
    }

private slots:
    void questionShowsYesNoCancelInOrderWithItsDefault() {
        TMessageForm form(nullptr, QStringLiteral("Tavoric"), QStringLiteral("Bestand opslaan?"),
                          QStringLiteral("Bestand is gewijzigd."), DialogKind::Question,
                          {"&Opslaan", "&Niet opslaan", "", "&Annuleren"}, kDefaultNo);
        form.show();
        QCOMPARE(ButtonTexts(form),
                 QStringList({QStringLiteral("&Opslaan"), QStringLiteral("&Niet opslaan*"),
                              QStringLiteral("&Annuleren")}));
        QTest::keyClick(&form, Qt::Key_Return);
        QCOMPARE(form.Result(), int(kNo));
    }

    void closingAQuestionCancelsAndANoticeAnswersOk() {
        TMessageForm question(nullptr, QStringLiteral("Tavoric"), QString(), QStringLiteral("?"),
                              DialogKind::Question, {}, kDefaultYes);
        QCOMPARE(ButtonTexts(question), QStringList({QStringLiteral("&Yes*"), QStringLiteral("&No"),
                                                     QStringLiteral("&Cancel")}));
        question.reject();
        QCOMPARE(question.Result(), int(kCancel));

        TMessageForm notice(nullptr, QStringLiteral("Tavoric"), QString(), QStringLiteral("!"),
                            DialogKind::Error, {"", "", "&OK", ""}, kDefaultOk);
        QCOMPARE(ButtonTexts(notice), QStringList({QStringLiteral("&OK*")}));
        notice.reject();
        QCOMPARE(notice.Result(), int(kOk));
    }

    void fileFiltersTakeQtsForm() {
        QCOMPARE(QtFileFilter("Tavoric-bestanden (*.par)|*.par|Alle bestanden (*.*)|*.*"),
                 QStringLiteral("Tavoric-bestanden (*.par);;Alle bestanden (*)"));
        QCOMPARE(QtFileFilter("Tekst|*.txt;*.csv"), QStringLiteral("Tekst (*.txt *.csv)"));
    }

    // Each dialog is closed as soon as it shows, after its title was noted.
    void fileAndFolderDialogsCarryTheTitleOfTheirCommand() {
        QtPrompter prompter(nullptr);
        QStringList titles;
        const auto noteAndClose = [&titles] {
            QTimer::singleShot(0, [&titles] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog != nullptr);
                titles << dialog->windowTitle();
                dialog->reject();
            });
        };
        FileDialogRequest request;
        request.filter = "Tavoric-bestanden (*.par)|*.par";
        request.title = "Openen";
        noteAndClose();
        QCOMPARE(prompter.OpenFileName(request), std::nullopt);
        request.title = "Exporteren";
        noteAndClose();
        QCOMPARE(prompter.SaveFileName(request), std::nullopt);
        request = {};
        request.title = "Reservebestanden";
        noteAndClose();
        QCOMPARE(prompter.BrowseFolder(request), std::nullopt);
        QCOMPARE(titles, QStringList({QStringLiteral("Openen"), QStringLiteral("Exporteren"),
                                      QStringLiteral("Reservebestanden")}));
    }

    void settingsBrowseAsksForTheBackupFolderByName() {
        ScriptedPrompter prompter;
        TInstellingenForm form(prompter);
        prompter.QueueFileName("/srv/reserve");
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button3")), Qt::LeftButton);
        QCOMPARE(prompter.fileRequests().size(), std::size_t(1));
        QCOMPARE(prompter.fileRequests()[0].title, std::string("Reservebestanden"));
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Edit7"))->text(),
                 QStringLiteral("/srv/reserve/"));
    }

    void progressMovesTheBarAtMostEveryFewMilliseconds() {
        QWidget panel;
        QProgressBar bar(&panel);
        DesktopProgress progress(&panel, &bar);
        progress.Show();
        QVERIFY(panel.isVisible());
        QCOMPARE(bar.value(), 0);
        progress.Set(1, 4);
        QCOMPARE(bar.value(), 0);
        QTest::qWait(DesktopProgress::kRepaintIntervalMs + 5);
        progress.Set(1, 2);
        QCOMPARE(bar.value(), 50);
        QVERIFY(!progress.Cancelled());
        progress.RequestCancel();
        QVERIFY(progress.Cancelled());
        progress.Hide();
        QVERIFY(!panel.isVisible());
        progress.Show();
        QVERIFY(!progress.Cancelled());
    }

    void progressRoundsHalvesToEven() {
        QCOMPARE(ProgressPercent(0, 0), 0);
        QCOMPARE(ProgressPercent(1, 3), 33);
        QCOMPARE(ProgressPercent(1, 8), 12);
        QCOMPARE(ProgressPercent(3, 8), 38);
        QCOMPARE(ProgressPercent(5'000'000'000ULL, 10'000'000'000ULL), 50);
        QCOMPARE(ProgressPercent(7, 7), 100);
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::DialogsTest)
#include "dialogs_test.moc"
