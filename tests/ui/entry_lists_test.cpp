// SPDX-License-Identifier: GPL-3.0-or-later
// The general data, route, section, place and slot windows as a user drives them: what "&OK"
// stores, what "&Annuleren" keeps, the cascade after a deletion, and the typed-number rules.
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

#include "../entry/test_survey.h"
#include "core/message_texts.h"
#include "entry/ui/periode_form.h"
#include "entry/ui/place_form.h"
#include "entry/ui/ppe_form.h"
#include "entry/ui/route_form.h"
#include "entry/ui/section_form.h"
#include "entry_window_driver.h"

namespace tavoric {

namespace {

template <typename Lines>
std::size_t LinesStartingWith(const Lines& lines, const std::string& start) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(),
                      [&](std::string_view line) { return line.starts_with(start); }));
}

QStringList Items(QWidget* window, const char* listName) {
    QStringList items;
    auto* list = EntryWindowDriver::Child<QListWidget>(window, listName);
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

}  // namespace

class EntryListsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntryWindowDriver> driver_;

    Survey& CurrentSurvey() { return driver_->CurrentSurvey(); }
    const std::vector<ScriptedPrompter::Asked>& Asked() { return driver_->Prompter().asked(); }

private slots:
    void init() {
        driver_ = std::make_unique<EntryWindowDriver>();
        driver_->SetSurvey(entry_test::SmallSurvey());
    }
    void cleanup() { driver_.reset(); }

    void generalDataStoresFourDigitTimesAndCountsOnlyRealEdits() {
        auto* window = driver_->Open<TPeriodeForm>("Periode1");
        QCOMPARE(EntryWindowDriver::Child<QLabel>(window, "ntLabel16")->text(),
                 QStringLiteral("24"));
        EntryWindowDriver::Click(window, "Button1");
        QVERIFY(!CurrentSurvey().ProjectChanged);

        window = driver_->Open<TPeriodeForm>("Periode1");
        EntryWindowDriver::SetEdit(window, "StartTijdEdit", QStringLiteral("630"));
        EntryWindowDriver::SetEdit(window, "EindTijdEdit", QStringLiteral("2400"));
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(window, "EindTijdEdit")->text(),
                 QStringLiteral("0000"));
        EntryWindowDriver::SetEdit(window, "EindTijdEdit", QStringLiteral("1255"));
        EntryWindowDriver::Key(Qt::Key_Up);  // the spin button's step
        EntryWindowDriver::SetEdit(window, "Edit3", QStringLiteral("Centrum"));
        EntryWindowDriver::Key(Qt::Key_Return);
        QVERIFY(!window->isVisible());
        QCOMPARE(CurrentSurvey().AlgemeneGegevens.startTime, std::string("0630"));
        QCOMPARE(CurrentSurvey().AlgemeneGegevens.endTime, std::string("1300"));
        QCOMPARE(CurrentSurvey().AlgemeneGegevens.surveyArea, std::string("Centrum"));
        QVERIFY(CurrentSurvey().ProjectChanged);
    }

    void deletingARouteRemovesAllThatHangsUnderItOnOk() {
        auto* window = driver_->Open<TRouteForm>("Route1");
        QVERIFY(!EntryWindowDriver::Child<QWidget>(window, "SpeedButton3")->isEnabled());
        EntryWindowDriver::SelectRow(window, "RoutesListBox", QStringLiteral("0002"));
        driver_->Prompter().QueueAnswer(kNo);  // "&Niet verwijderen"
        EntryWindowDriver::Click(window, "SpeedButton3");
        QCOMPARE(Items(window, "RoutesListBox").size(), 2);
        driver_->Prompter().QueueAnswer(kYes);
        EntryWindowDriver::Click(window, "SpeedButton3");
        QCOMPARE(Asked().back().text, MessageText("AA00092"));
        QCOMPARE(Items(window, "RoutesListBox").size(), 1);
        EntryWindowDriver::Click(window, "Button1");

        QCOMPARE(CurrentSurvey().RoutesList.size(), std::size_t{1});
        QCOMPARE(LinesStartingWith(CurrentSurvey().SectiesList, "0002"), std::size_t{0});
        QCOMPARE(LinesStartingWith(CurrentSurvey().ParkeerplaatsenList, "0002"), std::size_t{0});
        QCOMPARE(LinesStartingWith(CurrentSurvey().KentekensList, "0002"), std::size_t{0});
        QCOMPARE(CurrentSurvey().KentekensList.size(), std::size_t{16});
        QVERIFY(CurrentSurvey().ProjectChanged);
    }

    void annulerenKeepsEverythingInEveryListWindow() {
        const Survey before = CurrentSurvey();
        auto* routes = driver_->Open<TRouteForm>("Route1");
        EntryWindowDriver::SelectRow(routes, "RoutesListBox", QStringLiteral("0001"));
        driver_->Prompter().QueueAnswer(kYes);
        EntryWindowDriver::Click(routes, "SpeedButton3");
        EntryWindowDriver::Click(routes, "Button2");

        auto* sections = driver_->Open<TSectieForm>("Sectie1");
        EntryWindowDriver::Choose(sections, "ComboBox1", QStringLiteral("0001"));
        EntryWindowDriver::SelectRow(sections, "SectiesListBox", QStringLiteral("0002"));
        driver_->Prompter().QueueAnswer(kYes);
        EntryWindowDriver::Click(sections, "SpeedButton3");
        QCOMPARE(Items(sections, "AlleSectiesListBox").size(), 3);
        EntryWindowDriver::Click(sections, "Button2");

        auto* places = driver_->Open<TParkplaatsForm>("Parkeerplaats1");
        EntryWindowDriver::Choose(places, "ComboBox1", QStringLiteral("0002"));
        EntryWindowDriver::Choose(places, "ComboBox2", QStringLiteral("0001"));
        EntryWindowDriver::Child<QListWidget>(places, "ParkeerplaatsenListBox")->selectAll();
        driver_->Prompter().QueueAnswer(kYes);
        EntryWindowDriver::Click(places, "SpeedButton3");
        EntryWindowDriver::Click(places, "Button2");

        QCOMPARE(CurrentSurvey().RoutesList, before.RoutesList);
        QCOMPARE(CurrentSurvey().SectiesList, before.SectiesList);
        QCOMPARE(CurrentSurvey().ParkeerplaatsenList, before.ParkeerplaatsenList);
        QCOMPARE(CurrentSurvey().KentekensList, before.KentekensList);
        QVERIFY(!CurrentSurvey().ProjectChanged);
    }

    void routeDialogProposesTheNextNumberAndPadsATypedOne() {
        auto* window = driver_->Open<TRouteForm>("Route1");
        EntryWindowDriver::Click(window, "SpeedButton1");
        auto* dialog = window->findChild<TNieuweRouteForm*>();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Nieuwe route"));
        // Routes 0001 and 0002 are in use: the next free number follows the highest.
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(dialog, "Edit1")->text(),
                 QStringLiteral("0003"));
        EntryWindowDriver::SetEdit(dialog, "Edit1", QStringLiteral("1x2"));
        EntryWindowDriver::SetEdit(dialog, "Edit2", QStringLiteral("Markt"));
        EntryWindowDriver::SetEdit(dialog, "Edit3", QStringLiteral("5"));
        EntryWindowDriver::Key(Qt::Key_Down);
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(dialog, "Edit3")->text(), QStringLiteral("0"));
        EntryWindowDriver::SetEdit(dialog, "Edit3", QStringLiteral("45"));
        EntryWindowDriver::Key(Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Items(window, "RoutesListBox").at(2),
                 ToQString(PadField("L", "0012 Markt", " ", 40) + "45"));

        EntryWindowDriver::Click(window, "SpeedButton1");  // a number that exists
        EntryWindowDriver::SetEdit(dialog, "Edit1", QStringLiteral("1"));
        bool dialogShownUnderNotice = true;
        driver_->Prompter().onMessage = [&] { dialogShownUnderNotice = dialog->isVisible(); };
        EntryWindowDriver::Key(Qt::Key_Return);
        driver_->Prompter().onMessage = nullptr;
        QCOMPARE(Asked().back().text, MessageText("AA00084"));
        QVERIFY(!dialogShownUnderNotice);
        QCOMPARE(Items(window, "RoutesListBox").size(), 3);

        EntryWindowDriver::SelectRow(window, "RoutesListBox", QStringLiteral("0012"));
        EntryWindowDriver::Click(window, "SpeedButton2");
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Route wijzigen"));
        QVERIFY(!EntryWindowDriver::Child<QWidget>(dialog, "Edit1")->isEnabled());
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(dialog, "Edit2")->text(),
                 QStringLiteral("Markt"));
        EntryWindowDriver::Click(dialog, "Button2");
        EntryWindowDriver::Click(window, "Button1");
        QCOMPARE(CurrentSurvey().RoutesList.size(), std::size_t{3});
        QCOMPARE(CurrentSurvey().KentekensList.size(), std::size_t{24});
    }

    // The dialog keeps what was typed between openings, but not into another project.
    void aNewProjectsRouteDialogProposesNothingOfThePreviousProject() {
        auto* window = driver_->Open<TRouteForm>("Route1");
        EntryWindowDriver::Click(window, "SpeedButton1");
        auto* dialog = window->findChild<TNieuweRouteForm*>();
        EntryWindowDriver::SetEdit(dialog, "Edit2", QStringLiteral("Markt"));
        EntryWindowDriver::SetEdit(dialog, "Edit3", QStringLiteral("45"));
        EntryWindowDriver::Key(Qt::Key_Return);
        EntryWindowDriver::Click(window, "Button1");
        CurrentSurvey().ProjectChanged = false;

        driver_->Form().Command("Nieuw1")->trigger();
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown != &driver_->Form() && shown->isVisible()) {
                shown->close();
            }
        }
        QVERIFY(CurrentSurvey().RoutesList.empty());
        window = driver_->Open<TRouteForm>("Route1");
        EntryWindowDriver::Click(window, "SpeedButton1");
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(dialog, "Edit1")->text(),
                 QStringLiteral("0001"));
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(dialog, "Edit2")->text(), QString());
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(dialog, "Edit3")->text(),
                 QStringLiteral("30"));
        EntryWindowDriver::Click(dialog, "Button2");
        EntryWindowDriver::Click(window, "Button2");
    }

    void placesAddedInARunWithTheDuplicateWarningAndTheReminder() {
        auto* window = driver_->Open<TParkplaatsForm>("Parkeerplaats1");
        QVERIFY(!EntryWindowDriver::Child<QWidget>(window, "SpeedButton1")->isEnabled());
        EntryWindowDriver::Choose(window, "ComboBox1", QStringLiteral("0001"));
        EntryWindowDriver::Choose(window, "ComboBox2", QStringLiteral("0002"));
        QCOMPARE(Items(window, "ParkeerplaatsenListBox"),
                 QStringList({QStringLiteral("0001 V"), QStringLiteral("0002 V")}));

        EntryWindowDriver::Click(window, "SpeedButton1");
        auto* dialog = window->findChild<TNieuweParkeerplaatsForm*>();
        EntryWindowDriver::SetEdit(dialog, "Edit1", QStringLiteral("2"));
        EntryWindowDriver::Child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(1);
        EntryWindowDriver::Child<QSpinBox>(dialog, "SpinEdit1")->setValue(3);
        // The warning comes over the list that shows the new places, the dialog closed.
        bool dialogShownUnderNotice = true;
        QStringList placesUnderNotice;
        driver_->Prompter().onMessage = [&] {
            dialogShownUnderNotice = dialog->isVisible();
            placesUnderNotice = Items(window, "ParkeerplaatsenListBox");
        };
        EntryWindowDriver::Key(Qt::Key_Return);
        driver_->Prompter().onMessage = nullptr;
        const QStringList added = {QStringLiteral("0001 V"), QStringLiteral("0002 P"),
                                   QStringLiteral("0002 V"), QStringLiteral("0003 P"),
                                   QStringLiteral("0004 P")};
        QCOMPARE(Items(window, "ParkeerplaatsenListBox"), added);
        QCOMPARE(Asked().back().text, MessageText("AA00088"));
        QVERIFY(!dialogShownUnderNotice);
        QCOMPARE(placesUnderNotice, added);

        EntryWindowDriver::Click(window, "SpeedButton1");  // no type chosen
        EntryWindowDriver::Activate(dialog);
        QCOMPARE(EntryWindowDriver::Child<QLineEdit>(dialog, "Edit1")->text(),
                 QStringLiteral("0002"));
        EntryWindowDriver::Key(Qt::Key_Return);
        QCOMPARE(Asked().back().text, MessageText("AA00088"));
        QCOMPARE(Asked()[Asked().size() - 2].text, MessageText("AA00079"));

        EntryWindowDriver::Click(window, "Button1");
        QCOMPARE(Asked().back().text, MessageText("AA00090"));
        QCOMPARE(LinesStartingWith(CurrentSurvey().ParkeerplaatsenList, "0001 0002"),
                 std::size_t{5});
        QVERIFY(CurrentSurvey().ProjectChanged);
    }

    // A deletion that leaves a duplicate warns over the list without the deleted place; a
    // refused one warns too, with the list as it was.
    void placesDeletedWarnAboutDuplicatesOverTheUpdatedList() {
        auto* window = driver_->Open<TParkplaatsForm>("Parkeerplaats1");
        EntryWindowDriver::Choose(window, "ComboBox1", QStringLiteral("0001"));
        EntryWindowDriver::Choose(window, "ComboBox2", QStringLiteral("0002"));
        EntryWindowDriver::Click(window, "SpeedButton1");
        auto* dialog = window->findChild<TNieuweParkeerplaatsForm*>();
        EntryWindowDriver::SetEdit(dialog, "Edit1", QStringLiteral("2"));
        EntryWindowDriver::Child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(1);
        EntryWindowDriver::Child<QSpinBox>(dialog, "SpinEdit1")->setValue(2);
        EntryWindowDriver::Key(Qt::Key_Return);

        QStringList placesUnderNotice;
        driver_->Prompter().onMessage = [&] {
            placesUnderNotice = Items(window, "ParkeerplaatsenListBox");
        };
        EntryWindowDriver::SelectRow(window, "ParkeerplaatsenListBox", QStringLiteral("0003 P"));
        driver_->Prompter().QueueAnswer(kYes);
        EntryWindowDriver::Click(window, "SpeedButton3");
        QCOMPARE(Asked().back().text, MessageText("AA00088"));
        const QStringList left = {QStringLiteral("0001 V"), QStringLiteral("0002 P"),
                                  QStringLiteral("0002 V")};
        QCOMPARE(placesUnderNotice, left);

        const std::size_t asked = Asked().size();
        EntryWindowDriver::SelectRow(window, "ParkeerplaatsenListBox", QStringLiteral("0002 P"));
        driver_->Prompter().QueueAnswer(kNo);
        EntryWindowDriver::Click(window, "SpeedButton3");
        driver_->Prompter().onMessage = nullptr;
        QCOMPARE(Asked().size(), asked + 2);
        QCOMPARE(Asked().back().text, MessageText("AA00088"));
        QCOMPARE(placesUnderNotice, left);
        EntryWindowDriver::Click(window, "Button2");
    }

    void slotsGeneratedForTheSelectedPlacesReplaceTheirOldOnes() {
        CurrentSurvey().KentekensList.Set(0, "0001 0001 0001 0600-0630 AB12CD  ");
        CurrentSurvey().RoutesList[0] = entry_test::Route("0001", "60");
        auto* window = driver_->Open<TPPEgenererenForm>("PPEgenereren1");
        auto* places = EntryWindowDriver::Child<QListWidget>(window, "AlleParkeerplaatsenListBox");
        QCOMPARE(places->selectedItems().size(), 8);
        QVERIFY(!EntryWindowDriver::Child<QWidget>(window, "Button1")->isEnabled());
        places->clearSelection();
        places->item(0)->setSelected(true);
        EntryWindowDriver::Click(window, "SpeedButton1");
        QVERIFY(!places->isEnabled());
        QVERIFY(!EntryWindowDriver::Child<QWidget>(window, "SpeedButton1")->isEnabled());

        driver_->Prompter().QueueAnswer(kYes);
        EntryWindowDriver::Click(window, "Button1");
        QVERIFY(!window->isVisible());
        QCOMPARE(Asked().back().text, MessageText("AA00091"));
        const LineList ppe(CurrentSurvey().KentekensList.begin(),
                           CurrentSurvey().KentekensList.end());
        QCOMPARE(ppe.size(), std::size_t{22});
        QCOMPARE(ppe[0], std::string("0001 0001 0001 0600-0700"));
        QCOMPARE(ppe[1], std::string("0001 0001 0001 0700-0800"));
        QCOMPARE(ppe[2], std::string("0001 0001 0002 0600-0630"));
        QVERIFY(CurrentSurvey().ProjectChanged);
    }

    void annulerenAfterGeneratingKeepsTheSlots() {
        const LineBuffer before = CurrentSurvey().KentekensList;
        auto* window = driver_->Open<TPPEgenererenForm>("PPEgenereren1");
        EntryWindowDriver::Click(window, "SpeedButton1");
        QVERIFY(EntryWindowDriver::Child<QWidget>(window, "Button1")->isEnabled());
        EntryWindowDriver::Click(window, "Button2");
        QVERIFY(!window->isVisible());
        QCOMPARE(CurrentSurvey().KentekensList, before);
        QVERIFY(!CurrentSurvey().ProjectChanged);
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::EntryListsTest)
#include "entry_lists_test.moc"
