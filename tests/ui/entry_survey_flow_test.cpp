// SPDX-License-Identifier: GPL-3.0-or-later
// A whole survey built from "&Nieuw..." with the entry windows only: general data, two routes
// with different intervals, sections, places of several types, the slots, plates keyed in with
// carry-forward; saved, opened again and found as typed.
#include <QComboBox>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "core/text.h"
#include "entry/ui/periode_form.h"
#include "entry/ui/place_form.h"
#include "entry/ui/plates_form.h"
#include "entry/ui/ppe_form.h"
#include "entry/ui/route_form.h"
#include "entry/ui/section_form.h"
#include "entry_window_driver.h"

namespace tavoric {

using Driver = EntryWindowDriver;

class EntrySurveyFlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Driver> driver_;

    Survey& CurrentSurvey() { return driver_->CurrentSurvey(); }

    void EnterGeneralData() {
        driver_->Form().Command("Nieuw1")->trigger();
        auto* window = driver_->Form().findChild<TPeriodeForm*>();
        QVERIFY(window->isVisible());
        Driver::SetEdit(window, "StartTijdEdit", QStringLiteral("800"));
        Driver::SetEdit(window, "EindTijdEdit", QStringLiteral("1000"));
        Driver::SetEdit(window, "Edit3", QStringLiteral("Centrum Testdorp"));
        Driver::SetEdit(window, "Edit4", QStringLiteral("Dinsdag 3 mei"));
        Driver::Click(window, "Button1");
    }

    void AddRoute(TRouteForm* window, const QString& description, const QString& interval) {
        Driver::Click(window, "SpeedButton1");
        auto* dialog = window->findChild<TNieuweRouteForm*>();
        Driver::SetEdit(dialog, "Edit2", description);
        Driver::SetEdit(dialog, "Edit3", interval);
        Driver::Key(Qt::Key_Return);
    }

    // Without a number the dialog's proposal is taken.
    void AddSection(TSectieForm* window, const QString& route, const QString& description,
                    const QString& number = {}) {
        Driver::Choose(window, "ComboBox1", route);
        Driver::Click(window, "SpeedButton1");
        auto* dialog = window->findChild<TNieuweSectieForm*>();
        if (!number.isEmpty()) {
            Driver::SetEdit(dialog, "Edit1", number);
        }
        Driver::SetEdit(dialog, "Edit2", description);
        Driver::Key(Qt::Key_Return);
    }

    void AddPlaces(TParkplaatsForm* window, const QString& start, int type, int count) {
        Driver::Click(window, "SpeedButton1");
        auto* dialog = window->findChild<TNieuweParkeerplaatsForm*>();
        Driver::SetEdit(dialog, "Edit1", start);
        Driver::Child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(type);
        Driver::Child<QSpinBox>(dialog, "SpinEdit1")->setValue(count);
        Driver::Key(Qt::Key_Return);
    }

    void KeyInThePlates() {
        auto* window = driver_->Open<TKentekensForm>("Kentekens1");
        QVERIFY(QTest::qWaitForWindowActive(window));
        Driver::Choose(window, "ComboBox1", QStringLiteral("0002"));
        Driver::Choose(window, "ComboBox2", QStringLiteral("0001"));
        Driver::Choose(window, "ComboBox3", QStringLiteral("0001"));
        Driver::Child<QComboBox>(window, "ComboBox3")->setFocus();
        Driver::Key(Qt::Key_Return);
        Driver::Type(QStringLiteral("12ABC3"));
        for (int i = 0; i < 5; ++i) {  // the car stays two more rounds
            Driver::Key(Qt::Key_Return);
        }
        Driver::Type(QStringLiteral("F"));
        Driver::Key(Qt::Key_Return);
        Driver::Type(QStringLiteral("ZZ999Z"));  // another car, until the end
        for (int i = 0; i < 4; ++i) {
            Driver::Key(Qt::Key_Return);
        }
        Driver::Key(Qt::Key_F10);
        Driver::Key(Qt::Key_F4);  // the next place, a car in the last round only
        Driver::Key(Qt::Key_End, Qt::ControlModifier);  // the last remark
        Driver::Key(Qt::Key_Left);
        Driver::Type(QStringLiteral("LAST01"));
        Driver::Key(Qt::Key_F10);
        Driver::Click(window, "Button1");
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        ProgramSettings settings = DefaultSettings(PathFromQString(folder_->path() + "/"));
        settings.makeBackups = false;
        driver_ = std::make_unique<Driver>(std::move(settings));
        driver_->Form().UpdateCommandStates(false);
    }
    void cleanup() {
        driver_.reset();
        folder_.reset();
    }

    void surveyBuiltFromNothingIsSavedAndOpenedAsTyped() {
        EnterGeneralData();

        auto* routes = driver_->Open<TRouteForm>("Route1");
        AddRoute(routes, QStringLiteral("Markt"), QStringLiteral("30"));
        AddRoute(routes, QStringLiteral("Station"), QStringLiteral("20"));
        Driver::Click(routes, "Button1");

        auto* sections = driver_->Open<TSectieForm>("Sectie1");
        AddSection(sections, QStringLiteral("0001"), QStringLiteral("Marktplein"));
        AddSection(sections, QStringLiteral("0001"), QStringLiteral("Kerkstraat"));
        // The first section of a route starts from the number last shown.
        AddSection(sections, QStringLiteral("0002"), QStringLiteral("Stationsweg"),
                   QStringLiteral("1"));
        Driver::Click(sections, "Button1");

        auto* places = driver_->Open<TParkplaatsForm>("Parkeerplaats1");
        Driver::Choose(places, "ComboBox1", QStringLiteral("0001"));
        Driver::Choose(places, "ComboBox2", QStringLiteral("0002"));
        AddPlaces(places, QStringLiteral("1"), 0, 2);  // V
        AddPlaces(places, QStringLiteral("3"), 4, 1);  // M
        Driver::Choose(places, "ComboBox1", QStringLiteral("0002"));
        Driver::Choose(places, "ComboBox2", QStringLiteral("0001"));
        AddPlaces(places, QStringLiteral("1"), 2, 2);  // B
        Driver::Click(places, "Button1");

        auto* generation = driver_->Open<TPPEgenererenForm>("PPEgenereren1");
        Driver::Click(generation, "SpeedButton1");
        Driver::Click(generation, "Button1");
        QCOMPARE(CurrentSurvey().KentekensList.size(), std::size_t{3 * 4 + 2 * 6});

        KeyInThePlates();
        const Survey typed = CurrentSurvey();

        const std::string path = PathFromQString(folder_->filePath(QStringLiteral("test.par")));
        driver_->Prompter().QueueFileName(path);
        driver_->Form().Command("Opslaanals1")->trigger();
        QVERIFY(!CurrentSurvey().ProjectChanged);
        driver_->Form().Command("Nieuw1")->trigger();  // saved: no question
        driver_->Form().findChild<TPeriodeForm*>()->reject();
        QVERIFY(CurrentSurvey().RoutesList.empty());
        driver_->Prompter().QueueFileName(path);
        driver_->Form().Command("Openen1")->trigger();

        const Survey& opened = CurrentSurvey();
        QCOMPARE(opened.AlgemeneGegevens.startTime, std::string("0800"));
        QCOMPARE(opened.AlgemeneGegevens.endTime, std::string("1000"));
        QCOMPARE(opened.AlgemeneGegevens.surveyArea, std::string("Centrum Testdorp"));
        QCOMPARE(opened.AlgemeneGegevens.dayAndDate, std::string("Dinsdag 3 mei"));
        QCOMPARE(opened.RoutesList, LineList({PadField("L", "0001 Markt", " ", 40) + "30",
                                              PadField("L", "0002 Station", " ", 40) + "20"}));
        QCOMPARE(opened.SectiesList, LineList({"0001 0001 Marktplein", "0001 0002 Kerkstraat",
                                               "0002 0001 Stationsweg"}));
        QCOMPARE(opened.ParkeerplaatsenList,
                 LineList({"0001 0002 0001 V", "0001 0002 0002 V", "0001 0002 0003 M",
                           "0002 0001 0001 B", "0002 0001 0002 B"}));
        QCOMPARE(opened.KentekensList, typed.KentekensList);
        const LineList ppe(opened.KentekensList.begin(), opened.KentekensList.end());
        QCOMPARE(ppe[12], std::string("0002 0001 0001 0800-0820 12ABC3  "));
        QCOMPARE(ppe[13], std::string("0002 0001 0001 0820-0840 12ABC3  "));
        QCOMPARE(ppe[14], std::string("0002 0001 0001 0840-0900 12ABC3 F"));
        QCOMPARE(ppe[15], std::string("0002 0001 0001 0900-0920 ZZ999Z  "));
        QCOMPARE(ppe[16], std::string("0002 0001 0001 0920-0940 ZZ999Z  "));
        QCOMPARE(ppe[17], std::string("0002 0001 0001 0940-1000 ZZ999Z  "));
        QCOMPARE(ppe[18], std::string("0002 0001 0002 0800-0820         "));  // stored in full
        QCOMPARE(ppe[23], std::string("0002 0001 0002 0940-1000 LAST01  "));
        QCOMPARE(ppe[0], std::string("0001 0002 0001 0800-0830"));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::EntrySurveyFlowTest)
#include "entry_survey_flow_test.moc"
