// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis dialog as a user drives it: the narrowing lists and their rebuilds, the interval
// check, the duration classes that belong to the project, the motive bounds that belong to the
// settings, the time fields, and "&Rapport" and "&Annuleren" around a run.
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include "analysis/parking_duration_analysis.h"
#include "analysis/ui/parkeerduurmeting_form.h"
#include "core/demo_survey.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "desktop_test_support.h"

namespace tavoric {

namespace {

std::string RouteLine(const char* number, const char* description, int interval) {
    return std::string(number) + " " + PadField("L", description, " ", 35) +
           std::to_string(interval);
}

// Three routes with the intervals 15, 15 and 30; every place has two slots.
Survey SmallSurvey() {
    Survey survey;
    survey.AlgemeneGegevens.startTime = "0600";
    survey.AlgemeneGegevens.endTime = "1300";
    survey.RoutesList = {RouteLine("0001", "Markt", 15), RouteLine("0002", "Station", 15),
                         RouteLine("0003", "Haven", 30)};
    survey.SectiesList = {"0001 0001 Marktplein", "0001 0002 Kerkstraat", "0002 0001 Stationsplein",
                          "0003 0001 Kade"};
    survey.ParkeerplaatsenList = {"0001 0001 0001 V", "0001 0001 0002 P", "0001 0002 0001 V",
                                  "0002 0001 0001 I", "0003 0001 0001 B"};
    for (const std::string& place : survey.ParkeerplaatsenList) {
        const bool half = RouteKey(place) == "0003";
        const std::string key(PlaceKey(place));
        survey.KentekensList.push_back(key + (half ? " 0600-0630 AB12CD" : " 0600-0615 AB12CD"));
        survey.KentekensList.push_back(key + (half ? " 0630-0700 AB12CD" : " 0615-0630 XX11YY"));
    }
    return survey;
}

class CancelledProgress : public Progress {
public:
    bool Cancelled() override { return true; }
};

}  // namespace

class AnalysisDialogTest : public QObject {
    Q_OBJECT

private:
    TParkeerduurmetingForm* Open(const char* command = "Parkeerduurmeting1") {
        desktop_.Trigger(command);
        auto* dialog = desktop_.Form().findChild<TParkeerduurmetingForm*>();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    template <typename Widget>
    static Widget* In(QWidget* dialog, const char* name) {
        return dialog->findChild<Widget*>(QString::fromLatin1(name));
    }

    static QStringList Entries(QWidget* dialog, const char* list, bool selectedOnly = false) {
        QStringList texts;
        auto* widget = In<QListWidget>(dialog, list);
        for (int row = 0; row < widget->count(); ++row) {
            if (!selectedOnly || widget->item(row)->isSelected()) {
                texts << widget->item(row)->text();
            }
        }
        return texts;
    }

    static void Click(QWidget* dialog, const char* button) {
        QTest::mouseClick(In<QAbstractButton>(dialog, button), Qt::LeftButton);
    }

    static bool AllSelected(QWidget* dialog, bool routesToo = true) {
        for (const char* list :
             {"RoutesListBox", "SectiesListBox", "ParkeerplaatsenListBox", "TypePpListBox"}) {
            if (!routesToo && list == std::string_view("RoutesListBox")) {
                continue;
            }
            if (Entries(dialog, list) != Entries(dialog, list, true)) {
                return false;
            }
        }
        return true;
    }

    DesktopFixture desktop_;

private slots:
    void init() {
        desktop_.Start();
        desktop_.UseSurvey(SmallSurvey());
    }
    void cleanup() { desktop_.Stop(); }

    void firstOpeningSelectsEverythingAndTakesTheSurveyPeriod() {
        TParkeerduurmetingForm* dialog = Open();
        QVERIFY(dialog);
        QCOMPARE(In<QLineEdit>(dialog, "StartTijdEdit")->text(), QStringLiteral("0600"));
        QCOMPARE(In<QLineEdit>(dialog, "EindTijdEdit")->text(), QStringLiteral("1300"));
        QCOMPARE(Entries(dialog, "RoutesListBox").size(), 3);
        QCOMPARE(Entries(dialog, "RoutesListBox").first(),
                 QStringLiteral("0001 Markt").leftJustified(39));
        QCOMPARE(Entries(dialog, "SectiesListBox").size(), 4);
        QCOMPARE(Entries(dialog, "ParkeerplaatsenListBox").size(), 5);
        QCOMPARE(Entries(dialog, "TypePpListBox"),
                 QStringList({QStringLiteral("B"), QStringLiteral("I"), QStringLiteral("P"),
                              QStringLiteral("V")}));
        QVERIFY(AllSelected(dialog));
        QVERIFY(In<QRadioButton>(dialog, "RadioButton1")->isChecked());
        auto* pages = In<QTabWidget>(dialog, "PageControl1");
        QVERIFY(pages->isTabVisible(1));
        QVERIFY(!pages->isTabVisible(2));
        QCOMPARE(In<QSpinBox>(dialog, "SpinEdit10")->value(), 1440);
    }

    void deselectingARouteRebuildsAndReselectsBelowIt() {
        TParkeerduurmetingForm* dialog = Open();
        auto* places = In<QListWidget>(dialog, "ParkeerplaatsenListBox");
        places->item(0)->setSelected(false);
        QCOMPARE(Entries(dialog, "TypePpListBox").size(), 4);
        places->item(1)->setSelected(false);  // 0001 0001 0002, the only P
        QVERIFY(!Entries(dialog, "TypePpListBox").contains(QStringLiteral("P")));

        In<QListWidget>(dialog, "RoutesListBox")->item(2)->setSelected(false);
        QCOMPARE(Entries(dialog, "SectiesListBox").size(), 3);
        QCOMPARE(Entries(dialog, "ParkeerplaatsenListBox").size(), 4);
        QVERIFY(!Entries(dialog, "TypePpListBox").contains(QStringLiteral("B")));
        QVERIFY(AllSelected(dialog, false));  // the places deselected before are selected again
    }

    void aLongSectionNameGetsItsFullWidth() {
        Survey survey = SmallSurvey();
        survey.SectiesList[3] = "0003 0001 " + std::string(33, 'K');
        desktop_.UseSurvey(survey);
        TParkeerduurmetingForm* dialog = Open();
        auto* sections = In<QListWidget>(dialog, "SectiesListBox");
        QListWidgetItem* longest = sections->item(sections->count() - 1);
        QVERIFY(longest->text().endsWith(QStringLiteral("KKK")));
        QVERIFY(sections->visualItemRect(longest).width() >=
                sections->fontMetrics().horizontalAdvance(longest->text()));
    }

    void differentIntervalsRefuseOnlyTheReportPerInterval() {
        TParkeerduurmetingForm* dialog = Open("Parkeerduurmetingnaarinterval1");
        QVERIFY(dialog);
        QCOMPARE(Entries(dialog, "IntervalListBox"),
                 QStringList({QStringLiteral("15"), QStringLiteral("15"), QStringLiteral("30")}));
        QVERIFY(In<QLabel>(dialog, "Label34")->isVisible());  // on the page that opens
        QVERIFY(!In<QPushButton>(dialog, "Button1")->isEnabled());
        auto* pages = In<QTabWidget>(dialog, "PageControl1");
        QVERIFY(pages->isTabVisible(2) && !pages->isTabVisible(1));
        QCOMPARE(pages->currentIndex(), 0);
        pages->setCurrentIndex(2);
        QVERIFY(In<QLabel>(dialog, "Label34")->isVisible());

        Click(dialog, "RadioButton1");
        QVERIFY(In<QPushButton>(dialog, "Button1")->isEnabled());
        Click(dialog, "RadioButton2");
        QVERIFY(!In<QPushButton>(dialog, "Button1")->isEnabled());

        In<QListWidget>(dialog, "RoutesListBox")->item(2)->setSelected(false);
        QVERIFY(In<QLabel>(dialog, "Label34")->isHidden());
        QVERIFY(In<QPushButton>(dialog, "Button1")->isEnabled());
        Click(dialog, "Button1");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(desktop_.Form().ReportWindows().size(), std::size_t{1});

        QCOMPARE(Open("Parkeerduurmeting1"), dialog);
        QCOMPARE(pages->currentIndex(), 0);  // F9 opens on the selection page
    }

    void ctrlTabReachesOnlyThePagesOfTheChosenReport() {
        TParkeerduurmetingForm* dialog = Open("Parkeerduurmetingnaarinterval1");
        QVERIFY(dialog);
        auto* pages = In<QTabWidget>(dialog, "PageControl1");
        const auto press = [pages](Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(pages->currentWidget(), Qt::Key_Tab, modifiers);
            return pages->currentIndex();
        };
        QCOMPARE(press(Qt::ControlModifier), 2);
        QCOMPARE(press(Qt::ControlModifier), 0);
        QCOMPARE(press(Qt::ControlModifier | Qt::ShiftModifier), 2);

        Click(dialog, "RadioButton5");
        pages->setCurrentIndex(0);
        QCOMPARE(press(Qt::ControlModifier), 3);
        QCOMPARE(press(Qt::ControlModifier), 0);
        Click(dialog, "RadioButton1");
        QCOMPARE(press(Qt::ControlModifier), 1);
    }

    void theClassesBelongToTheProjectAndMarkItChangedOnlyWhenEdited() {
        TParkeerduurmetingForm* dialog = Open();
        Click(dialog, "Button1");
        QVERIFY(!desktop_.CurrentSurvey().ProjectChanged);
        QVERIFY(!desktop_.Form().Command("Opslaan1")->isEnabled());

        dialog = Open();
        In<QSpinBox>(dialog, "SpinEdit6")->setValue(90);
        QVERIFY(dialog->ClassesChanged());
        Click(dialog, "Button1");
        QVERIFY(desktop_.CurrentSurvey().ProjectChanged);
        QVERIFY(desktop_.Form().Command("Opslaan1")->isEnabled());
        QCOMPARE(DurationBoundByKey(desktop_.CurrentSurvey().AlgemeneGegevens, 12), 90);

        dialog = Open();
        QVERIFY(!dialog->ClassesChanged());
        QCOMPARE(In<QSpinBox>(dialog, "SpinEdit6")->value(), 90);
    }

    void theSelectionIsKeptUntilTheSurveyStructureChanges() {
        TParkeerduurmetingForm* dialog = Open();
        In<QListWidget>(dialog, "RoutesListBox")->item(0)->setSelected(false);
        In<QCheckBox>(dialog, "CheckBox1")->setChecked(false);
        In<QLineEdit>(dialog, "StartTijdEdit")->setText(QStringLiteral("0700"));
        emit In<QLineEdit>(dialog, "StartTijdEdit")->textEdited(QStringLiteral("0700"));
        Click(dialog, "Button2");
        QVERIFY(!dialog->isVisible());

        dialog = Open();
        QCOMPARE(Entries(dialog, "RoutesListBox", true).size(), 2);
        QCOMPARE(In<QLineEdit>(dialog, "StartTijdEdit")->text(), QStringLiteral("0700"));
        Click(dialog, "Button2");

        desktop_.Form().ResetAnalysisSelection();
        dialog = Open();
        QVERIFY(AllSelected(dialog));
        QCOMPARE(In<QLineEdit>(dialog, "StartTijdEdit")->text(), QStringLiteral("0600"));
        QVERIFY(!In<QCheckBox>(dialog, "CheckBox1")->isChecked());  // options stay for the run
    }

    void noRouteSelectedStillMakesTheReport() {
        TParkeerduurmetingForm* dialog = Open();
        In<QListWidget>(dialog, "RoutesListBox")->clearSelection();
        QCOMPARE(Entries(dialog, "ParkeerplaatsenListBox").size(), 0);
        QVERIFY(In<QPushButton>(dialog, "Button1")->isEnabled());
        Click(dialog, "Button1");
        const auto windows = desktop_.Form().ReportWindows();
        QCOMPARE(windows.size(), std::size_t{1});
        const std::string count = MessageText("AA00025") + " 0";
        const auto& lines = windows.front()->Document().Lines();
        QVERIFY(std::find(lines.begin(), lines.end(), count) != lines.end());
    }

    void aTimeThatIsNoWholeNumberIsRefusedNamingTheField() {
        TParkeerduurmetingForm* dialog = Open();
        auto* end = In<QLineEdit>(dialog, "EindTijdEdit");
        end->setText(QStringLiteral("13u"));
        Click(dialog, "Button1");
        QVERIFY(dialog->isVisible());
        QVERIFY(desktop_.Form().ReportWindows().empty());
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{1});
        QCOMPARE(desktop_.prompter.asked().front().text,
                 FormatText(MessageText("AA00260"), {"13u", MessageText("AA00262")}));
        QVERIFY(In<QPushButton>(dialog, "Button1")->isEnabled());
    }

    // "8a" stays for the correction: a notice taking the focus does not turn it into "0000", and
    // leaving the field with Tab gives the notice instead of writing "0000".
    void anInvalidTimeStaysAsTypedWithTheFocusBackInTheField() {
        TParkeerduurmetingForm* dialog = Open();
        auto* start = In<QLineEdit>(dialog, "StartTijdEdit");
        QApplication::setActiveWindow(dialog);
        start->setFocus();
        start->clear();
        QTest::keyClicks(start, QStringLiteral("8a"));
        const std::string notice =
            FormatText(MessageText("AA00260"), {"8a", MessageText("AA00261")});

        QTest::keyClick(start, Qt::Key_Return);
        QFocusEvent windowChange(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(start, &windowChange);
        QCOMPARE(start->text(), QStringLiteral("8a"));
        QVERIFY(dialog->isVisible());
        QVERIFY(desktop_.Form().ReportWindows().empty());
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{1});
        QCOMPARE(desktop_.prompter.asked().back().text, notice);

        start->setFocus();
        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(start->text(), QStringLiteral("8a"));
        QCOMPARE(QApplication::focusWidget(), start);
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{2});
        QCOMPARE(desktop_.prompter.asked().back().text, notice);

        start->selectAll();
        QTest::keyClicks(start, QStringLiteral("745"));
        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(start->text(), QStringLiteral("0745"));
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{2});
    }

    void leavingATimeFieldWritesFourDigits() {
        TParkeerduurmetingForm* dialog = Open();
        auto* start = In<QLineEdit>(dialog, "StartTijdEdit");
        QApplication::setActiveWindow(dialog);
        start->setFocus();
        start->clear();
        QTest::keyClicks(start, QStringLiteral("745"));
        In<QPushButton>(dialog, "Button1")->setFocus();
        QCOMPARE(start->text(), QStringLiteral("0745"));
        Click(dialog, "Button1");
        const auto& lines = desktop_.Form().ReportWindows().front()->Document().Lines();
        const std::string period = FormatText(MessageText("AA00024"), {"0745", "1300"});
        QVERIFY(std::find(lines.begin(), lines.end(), period) != lines.end());
    }

    void theMotiveReportTakesTheSavedBoundsAndSavesWhatWasChosen() {
        desktop_.Form().Settings().motiveBounds = {"0615", "1800", 30};
        TParkeerduurmetingForm* dialog = Open("Parkeermotief1");
        QVERIFY(dialog);
        QVERIFY(In<QRadioButton>(dialog, "RadioButton5")->isChecked());
        auto* pages = In<QTabWidget>(dialog, "PageControl1");
        QVERIFY(pages->isTabVisible(3) && !pages->isTabVisible(1) && !pages->isTabVisible(2));
        QCOMPARE(In<QLineEdit>(dialog, "OchtendTijdEdit")->text(), QStringLiteral("0615"));
        QCOMPARE(In<QLineEdit>(dialog, "AvondTijdEdit")->text(), QStringLiteral("1800"));
        QCOMPARE(In<QSpinBox>(dialog, "WerknemerSpinEdit")->value(), 30);
        // Routes of different intervals do not hinder the motive report.
        QVERIFY(In<QPushButton>(dialog, "Button1")->isEnabled());

        In<QLineEdit>(dialog, "OchtendTijdEdit")->setText(QStringLiteral("615"));
        In<QSpinBox>(dialog, "WerknemerSpinEdit")->setValue(45);
        Click(dialog, "Button2");
        QCOMPARE(desktop_.Form().Settings().motiveBounds.commuterMinutes, 30);

        dialog = Open("Parkeermotief1");
        In<QLineEdit>(dialog, "OchtendTijdEdit")->setText(QStringLiteral("601"));
        In<QSpinBox>(dialog, "WerknemerSpinEdit")->setValue(15);
        Click(dialog, "Button1");
        QVERIFY(!dialog->isVisible());
        const MotiveBounds& saved = desktop_.Form().Settings().motiveBounds;
        QCOMPARE(saved.morning, std::string("0601"));
        QCOMPARE(saved.commuterMinutes, 15);
        const auto windows = desktop_.Form().ReportWindows();
        QCOMPARE(windows.size(), std::size_t{1});
        const ReportDocument& report = windows.front()->Document();
        const std::string residents = FormatText(MessageText("AA00651"), {"0601", "1800"});
        QVERIFY(std::find(report.Lines().begin(), report.Lines().end(), residents) !=
                report.Lines().end());
        QVERIFY(report.HasTableData());
        QCOMPARE(report.Table().Cell(0, 0), std::string("tijdstip"));

        Click(Open("Parkeerduurmeting1"), "RadioButton5");
        QVERIFY(pages->isTabVisible(3) && !pages->isTabVisible(1));
    }

    // Report windows are told apart by their titles and reached from the "&Venster" menu.
    void reportWindowsAreNamedAfterTheirReportAndListedInTheWindowMenu() {
        Click(Open(), "Button1");
        TParkeerduurmetingForm* dialog = Open("Parkeermotief1");
        auto* routes = In<QListWidget>(dialog, "RoutesListBox");
        routes->clearSelection();
        routes->item(0)->setSelected(true);
        Click(dialog, "Button1");
        const auto windows = desktop_.Form().ReportWindows();
        QCOMPARE(windows.size(), std::size_t{2});
        QCOMPARE(windows[0]->windowTitle(),
                 QStringLiteral("Per parkeerplaats - routes 0001, 0002, 0003"));
        QCOMPARE(windows[1]->windowTitle(), QStringLiteral("Parkeermotief - route 0001"));

        auto* menu = desktop_.Form().findChild<QMenu*>(QStringLiteral("Venster1"));
        emit menu->aboutToShow();
        QStringList listed;
        QList<QAction*> items = menu->actions();
        for (QAction* item : items.mid(items.size() - 2)) {
            listed << item->text() + (item->isChecked() ? QStringLiteral(" *") : QString());
        }
        QCOMPARE(listed,
                 QStringList({QStringLiteral("&1 Per parkeerplaats - routes 0001, 0002, 0003"),
                              QStringLiteral("&2 Parkeermotief - route 0001 *")}));
        items[items.size() - 2]->trigger();
        QCOMPARE(desktop_.Form().CurrentReportWindow(), windows[0]);
        windows[1]->close();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().last()->text(),
                 QStringLiteral("&1 Per parkeerplaats - routes 0001, 0002, 0003"));
    }

    void aMotiveBoundThatIsNoWholeNumberIsRefusedOnlyForTheMotiveReport() {
        TParkeerduurmetingForm* dialog = Open("Parkeermotief1");
        In<QLineEdit>(dialog, "AvondTijdEdit")->setText(QStringLiteral("19u"));
        Click(dialog, "Button1");
        QVERIFY(dialog->isVisible());
        QVERIFY(desktop_.Form().ReportWindows().empty());
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{1});
        QCOMPARE(desktop_.prompter.asked().front().text,
                 FormatText(MessageText("AA00260"), {"19u", MessageText("AA00669")}));
        QCOMPARE(desktop_.Form().Settings().motiveBounds.evening, std::string("1900"));

        Click(dialog, "RadioButton1");
        Click(dialog, "Button1");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(desktop_.Form().ReportWindows().size(), std::size_t{1});
    }

    void annulerenDuringARunLeavesOnlyTheHeading() {
        desktop_.UseSurvey(MakeDemoSurvey({.places = 8000, .seed = 3}));
        TParkeerduurmetingForm* dialog = Open();
        bool clicked = false;
        bool modalAfterClick = false;
        QTimer watcher;
        watcher.setInterval(0);
        connect(&watcher, &QTimer::timeout, this, [&] {
            if (!clicked && dialog->Running()) {
                clicked = true;
                In<QPushButton>(dialog, "Button2")->click();
                modalAfterClick = dialog->isVisible();
            }
        });
        watcher.start();
        Click(dialog, "Button1");
        watcher.stop();
        QVERIFY(clicked);
        QVERIFY(modalAfterClick);  // it closes when the run returns
        QVERIFY(!dialog->isVisible());

        const auto windows = desktop_.Form().ReportWindows();
        QCOMPARE(windows.size(), std::size_t{1});
        ReportDocument heading(1, desktop_.Form().Settings().report);
        CancelledProgress cancelled;
        AnalysisSelection selection;
        selection.Open(desktop_.CurrentSurvey());
        RunParkingDurationAnalysis(
            desktop_.CurrentSurvey(),
            selection.Parameters(desktop_.CurrentSurvey(), ReportKind::PerPlace), heading,
            cancelled);
        QVERIFY(windows.front()->Document().Lines() == heading.Lines());
        QCOMPARE(windows.front()->Document().Lines().back(), MessageText("AA00350"));
        QVERIFY(!windows.front()->Document().HasTableData());
        QVERIFY(!desktop_.Find<QWidget>("ProgressPanel")->isVisible());
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::AnalysisDialogTest)
#include "analysis_dialog_test.moc"
