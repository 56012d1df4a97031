// SPDX-License-Identifier: GPL-3.0-or-later
// Every button of every list window in every selection state a user can reach: nothing
// selected, one or several rows, a row just added, the last row removed, a dialog cancelled.
// A button is enabled exactly when it has something to act on, and pressing it never crashes.
#include <QDialog>
#include <QListWidget>
#include <QtTest>
#include <functional>

#include "../entry/test_survey.h"
#include "entry/ui/place_form.h"
#include "entry/ui/plates_form.h"
#include "entry/ui/ppe_form.h"
#include "entry/ui/route_form.h"
#include "entry/ui/section_form.h"
#include "entry_window_driver.h"

namespace tavoric {

namespace {

// A route or section window: how to open it and bring it to its list.
struct NumberedWindow {
    const char* name;
    std::function<QDialog*(EntryWindowDriver&)> open;
    const char* list;
    std::function<QDialog*(QDialog*)> entryDialog;
    int rows;  // rows in the list once open
};

std::vector<NumberedWindow> NumberedWindows() {
    return {
        {"routes", [](EntryWindowDriver& d) -> QDialog* { return d.Open<TRouteForm>("Route1"); },
         "RoutesListBox", [](QDialog* w) -> QDialog* { return w->findChild<TNieuweRouteForm*>(); },
         2},
        {"sections",
         [](EntryWindowDriver& d) -> QDialog* {
             auto* window = d.Open<TSectieForm>("Sectie1");
             EntryWindowDriver::Choose(window, "ComboBox1", QStringLiteral("0001"));
             return window;
         },
         "SectiesListBox",
         [](QDialog* w) -> QDialog* { return w->findChild<TNieuweSectieForm*>(); }, 2},
    };
}

QListWidget* List(QWidget* window, const char* name) {
    return EntryWindowDriver::Child<QListWidget>(window, name);
}

bool Enabled(QWidget* window, const char* button) {
    return EntryWindowDriver::Child<QWidget>(window, button)->isEnabled();
}

}  // namespace

class EntryListStatesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntryWindowDriver> driver_;

    // "&Wijzigen..." and "&Verwijderen..." follow the list's selection.
    static void ExpectButtonsFollowSelection(QWidget* window, const char* list, const char* state) {
        const bool selected = !List(window, list)->selectedItems().isEmpty();
        QVERIFY2(Enabled(window, "SpeedButton1"), state);
        QVERIFY2(Enabled(window, "SpeedButton2") == selected, state);
        QVERIFY2(Enabled(window, "SpeedButton3") == selected, state);
    }

    // Adds an entry with the given description through "&Nieuw..." and Enter.
    static void Add(QWidget* window, QDialog* dialog, const QString& description) {
        EntryWindowDriver::Click(window, "SpeedButton1");
        QVERIFY(dialog->isVisible());
        EntryWindowDriver::SetEdit(dialog, "Edit2", description);
        EntryWindowDriver::Key(Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
    }

private slots:
    void init() {
        driver_ = std::make_unique<EntryWindowDriver>();
        driver_->SetSurvey(entry_test::SmallSurvey());
    }
    void cleanup() { driver_.reset(); }

    void numberedListsInEveryState_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("rowSelectedBeforeAdding");
        for (int window = 0; window < 2; ++window) {
            const char* name = NumberedWindows()[static_cast<std::size_t>(window)].name;
            QTest::newRow(QByteArray(name).append(" nothing selected")) << window << false;
            QTest::newRow(QByteArray(name).append(" a row selected")) << window << true;
        }
    }
    void numberedListsInEveryState() {
        QFETCH(int, window);
        QFETCH(bool, rowSelectedBeforeAdding);
        const NumberedWindow& kind = NumberedWindows()[static_cast<std::size_t>(window)];
        QDialog* form = kind.open(*driver_);
        QVERIFY(form);
        QListWidget* list = List(form, kind.list);
        QCOMPARE(list->count(), kind.rows);
        ExpectButtonsFollowSelection(form, kind.list, "opened");

        QDialog* dialog = kind.entryDialog(form);
        EntryWindowDriver::Click(form, "SpeedButton1");  // a dialog cancelled
        EntryWindowDriver::Click(dialog, "Button2");
        QCOMPARE(list->count(), kind.rows);
        ExpectButtonsFollowSelection(form, kind.list, "dialog cancelled");

        if (rowSelectedBeforeAdding) {
            list->setCurrentRow(0);
            ExpectButtonsFollowSelection(form, kind.list, "one row");
        }
        Add(form, dialog, QStringLiteral("Nieuw"));
        QCOMPARE(list->count(), kind.rows + 1);
        QVERIFY2(list->currentItem() && list->currentItem()->isSelected(),
                 "the entry just typed is the current, selected row");
        QVERIFY(list->currentItem()->text().contains(QStringLiteral("Nieuw")));
        ExpectButtonsFollowSelection(form, kind.list, "just added");

        // At once "&Wijzigen...": the dialog shows the entry just added.
        EntryWindowDriver::Click(form, "SpeedButton2");
        QVERIFY(dialog->isVisible());
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(dialog, "Edit2")->text(),
                 QStringLiteral("Nieuw"));
        EntryWindowDriver::Click(dialog, "Button2");

        // At once "&Verwijderen...", then every other row, down to the last.
        while (list->count() > 0) {
            if (list->selectedItems().isEmpty()) {
                list->setCurrentRow(0);
            }
            driver_->Prompter().QueueAnswer(kYes);
            const int before = list->count();
            EntryWindowDriver::Click(form, "SpeedButton3");
            QCOMPARE(list->count(), before - 1);
            ExpectButtonsFollowSelection(form, kind.list, "row removed");
        }
        QVERIFY(!Enabled(form, "SpeedButton2"));
        QVERIFY(!Enabled(form, "SpeedButton3"));
        EntryWindowDriver::Click(form, "Button2");
    }

    void placesWithNoneOneOrSeveralSelected() {
        auto* form = driver_->Open<TParkplaatsForm>("Parkeerplaats1");
        QVERIFY2(!Enabled(form, "SpeedButton1"), "no section chosen yet");
        QVERIFY(!Enabled(form, "SpeedButton3"));
        EntryWindowDriver::Choose(form, "ComboBox1", QStringLiteral("0002"));
        EntryWindowDriver::Choose(form, "ComboBox2", QStringLiteral("0001"));
        QListWidget* list = List(form, "ParkeerplaatsenListBox");
        QCOMPARE(list->count(), 2);
        QVERIFY(Enabled(form, "SpeedButton1"));
        QVERIFY(!Enabled(form, "SpeedButton3"));

        list->setCurrentRow(0);
        QVERIFY(Enabled(form, "SpeedButton3"));
        driver_->Prompter().QueueAnswer(kNo);  // a deletion not confirmed keeps the row
        EntryWindowDriver::Click(form, "SpeedButton3");
        QCOMPARE(list->count(), 2);

        list->selectAll();
        driver_->Prompter().QueueAnswer(kYes);
        EntryWindowDriver::Click(form, "SpeedButton3");
        QCOMPARE(list->count(), 0);
        QVERIFY2(!Enabled(form, "SpeedButton3"), "the last row removed");
        QVERIFY(Enabled(form, "SpeedButton1"));
        EntryWindowDriver::Click(form, "Button2");
        QCOMPARE(driver_->CurrentSurvey().ParkeerplaatsenList.size(), std::size_t{8});
    }

    void slotGenerationBeforeAndAfterThePreview() {
        auto* form = driver_->Open<TPPEgenererenForm>("PPEgenereren1");
        QVERIFY(Enabled(form, "SpeedButton1"));
        QVERIFY(!EntryWindowDriver::Child<QWidget>(form, "Button1")->isEnabled());
        EntryWindowDriver::Click(form, "SpeedButton1");
        QVERIFY(!Enabled(form, "SpeedButton1"));
        QVERIFY(EntryWindowDriver::Child<QWidget>(form, "Button1")->isEnabled());
        EntryWindowDriver::Click(form, "Button2");
        QCOMPARE(driver_->CurrentSurvey().KentekensList, entry_test::SmallSurvey().KentekensList);
    }

    void platesWindowOpensAndClosesWithoutAPlaceChosen() {
        auto* form = driver_->Open<TKentekensForm>("Kentekens1");
        QVERIFY(form);
        QVERIFY(!Enabled(form, "PplOkButton"));
        EntryWindowDriver::Click(form, "Button1");
        QVERIFY(!form->isVisible());
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::EntryListStatesTest)
#include "entry_list_states_test.moc"
