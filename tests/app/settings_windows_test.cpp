// SPDX-License-Identifier: GPL-3.0-or-later
// The window position keeper and the settings dialog, driven as a user would.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "app/ui/settings_form.h"
#include "core/scripted_prompter.h"
#include "desktop/window_position_keeper.h"

namespace tavoric {

class SettingsWindowsTest : public QObject {
    Q_OBJECT

private:
    static std::unique_ptr<QWidget> Window(const char* name) {
        auto window = std::make_unique<QWidget>();
        window->setObjectName(QString::fromLatin1(name));
        window->resize(200, 150);
        return window;
    }

    // Runs action once the dialog's modal loop has started.
    static void WhenShown(std::function<void()> action) { QTimer::singleShot(0, action); }

private slots:
    void resizableWindowTakesItsPlaceAndSizeOnce() {
        FormPositions positions({"RouteForm=M:0;L:100;T:120;W:400;H:300"});
        WindowPositionKeeper keeper(positions);
        auto window = Window("RouteForm");
        window->show();
        QCOMPARE(window->pos(), QPoint(100, 120));
        QCOMPARE(window->size(), QSize(400, 300));
        QVERIFY(positions.Entries().empty());

        window->hide();
        window->move(50, 60);
        window->show();
        QCOMPARE(window->pos(), QPoint(50, 60));
    }

    void fixedSizeDialogKeepsItsSize() {
        FormPositions positions({"PeriodeForm=M:0;L:30;T:40;W:900;H:700"});
        WindowPositionKeeper keeper(positions);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("PeriodeForm"));
        dialog.setFixedSize(250, 100);
        dialog.show();
        QCOMPARE(dialog.pos(), QPoint(30, 40));
        QCOMPARE(dialog.size(), QSize(250, 100));
    }

    void unusableEntryLeavesTheWindowAlone() {
        FormPositions positions(
            {"SectieForm=M:0;L:100;T:100;W:0;H:300", "KentekensForm=M:0;L:-500;T:10;W:9;H:9"});
        WindowPositionKeeper keeper(positions);
        auto sections = Window("SectieForm");
        auto plates = Window("KentekensForm");
        sections->move(7, 8);
        plates->move(7, 8);
        sections->show();
        plates->show();
        QCOMPARE(sections->pos(), QPoint(7, 8));
        QCOMPARE(sections->size(), QSize(200, 150));
        QCOMPARE(plates->pos(), QPoint(7, 8));
    }

    void recordingKeepsEntriesOfWindowsNotShown() {
        FormPositions positions({"ParkplaatsForm=M:0;L:1;T:2;W:3;H:4"});
        WindowPositionKeeper keeper(positions);
        auto shown = Window("RouteForm");
        auto unnamed = Window("");
        auto exempt = Window("MessageForm");
        WindowPositionKeeper::Exempt(exempt.get());
        for (QWidget* window : {shown.get(), unnamed.get(), exempt.get()}) {
            window->show();
        }
        shown->move(110, 90);
        exempt->move(110, 90);
        keeper.RecordWindowPositions();
        QCOMPARE(positions.Entries(),
                 (std::vector<std::string>{"ParkplaatsForm=M:0;L:1;T:2;W:3;H:4",
                                           "RouteForm=M:0;L:110;T:90;W:200;H:150"}));
    }

    void windowMadeAnewReturnsToWhereItsPredecessorWasLeft() {
        FormPositions positions;
        WindowPositionKeeper keeper(positions);
        auto first = Window("ExportForm");
        first->show();
        first->move(140, 130);
        first->hide();
        first.reset();
        auto second = Window("ExportForm");
        second->show();
        QCOMPARE(second->pos(), QPoint(140, 130));
        keeper.RecordWindowPositions();
        QCOMPARE(positions.Entries(),
                 (std::vector<std::string>{"ExportForm=M:0;L:140;T:130;W:200;H:150"}));
    }

    void maximisedEntryMaximises() {
        FormPositions positions({"HoofdForm=M:1;L:0;T:0;W:800;H:600"});
        WindowPositionKeeper keeper(positions);
        auto window = Window("HoofdForm");
        window->show();
        QVERIFY(window->isMaximized());
        keeper.RecordWindowPositions();
        QCOMPARE(positions.Entries().size(), std::size_t{1});
        QVERIFY(positions.Entries()[0].starts_with("HoofdForm=M:1;"));
    }

    void settingsDialogCopiesTheControlsOnOk() {
        ScriptedPrompter prompter;
        prompter.QueueFileName("/srv/reserve");
        TInstellingenForm form(prompter);
        ProgramSettings settings = DefaultSettings("/tmp/");
        WhenShown([&form] {
            QCOMPARE(form.focusWidget(), form.findChild<QPushButton*>("BitBtn1"));
            QCOMPARE(form.findChild<QLineEdit*>("Edit4")->text(), QStringLiteral("\u2014"));
            form.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
            form.findChild<QSpinBox*>("SpinEdit1")->setValue(11);
            form.findChild<QLineEdit*>("Edit4")->setText(QStringLiteral("\u2013"));
            form.findChild<QLineEdit*>("Edit1")->clear();
            form.findChild<QLineEdit*>("OrganisatieEdit")->setText(QStringLiteral("Gemeente X"));
            form.findChild<QCheckBox*>("CheckBox3")->setChecked(false);
            QCOMPARE(form.findChild<QSpinBox*>("SpinEdit2")->value(), 60);
            form.findChild<QSpinBox*>("SpinEdit2")->setValue(0);
            form.findChild<QPushButton*>("Button3")->click();
            form.findChild<QPushButton*>("BitBtn1")->click();
        });
        QVERIFY(form.Edit(settings));
        QCOMPARE(settings.report.maximize, false);
        QCOMPARE(settings.report.tableFontSize, 11);
        QCOMPARE(settings.report.lineCharacter, std::string("\x96"));
        QCOMPARE(settings.report.barCharacter, std::string());
        QCOMPARE(settings.report.ownerName, std::string("Gemeente X"));
        QCOMPARE(settings.backupFolder, std::string("/srv/reserve/"));
        QCOMPARE(settings.makeBackups, false);
        QCOMPARE(settings.recoveryInterval, 0);
    }

    void settingsDialogChangesNothingOnCancel() {
        ScriptedPrompter prompter;
        TInstellingenForm form(prompter);
        ProgramSettings settings = DefaultSettings("/tmp/");
        WhenShown([&form] {
            form.findChild<QSpinBox*>("SpinEdit1")->setValue(30);
            form.findChild<QSpinBox*>("SpinEdit2")->setValue(5);
            form.findChild<QPushButton*>("Button3")->click();  // browser cancelled
            QCOMPARE(form.findChild<QLineEdit*>("Edit7")->text(), QStringLiteral("/tmp/"));
            form.findChild<QPushButton*>("BitBtn2")->click();
        });
        QVERIFY(!form.Edit(settings));
        QCOMPARE(settings.report.tableFontSize, 8);
        QCOMPARE(settings.recoveryInterval, 60);
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::SettingsWindowsTest)
#include "settings_windows_test.moc"
