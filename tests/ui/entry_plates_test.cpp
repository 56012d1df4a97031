// SPDX-License-Identifier: GPL-3.0-or-later
// The plate window at the keyboard: a place keyed in with Enter and carry-forward, F10, F3 and
// F4, the lock while a place is edited, Del, and closing.
#include <QCheckBox>
#include <QTableView>
#include <QtTest>

#include "../entry/test_survey.h"
#include "entry/ui/plates_form.h"
#include "entry_window_driver.h"

namespace tavoric {

namespace {

const std::string kPlace = "0001 0001 0001";

std::string Stored(const std::string& period, const std::string& plate, const std::string& remark) {
    return kPlace + " " + period + " " + PadField("L", plate, " ", 6) + " " +
           PadField("L", remark, " ", 1);
}

}  // namespace

class EntryPlatesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntryWindowDriver> driver_;
    TKentekensForm* window_ = nullptr;

    QTableView* Grid() const {
        return EntryWindowDriver::Child<QTableView>(window_, "StringGrid1");
    }
    QString Cell(int row, int column) const {
        return Grid()->model()->index(row, column).data().toString();
    }
    bool Enabled(const char* name) const {
        if (auto* action = EntryWindowDriver::Child<QAction>(window_, name)) {
            return action->isEnabled();
        }
        return EntryWindowDriver::Child<QWidget>(window_, name)->isEnabled();
    }
    LineList PlaceLines() const {
        LineList lines;
        for (const std::string_view line : driver_->CurrentSurvey().KentekensList) {
            if (line.starts_with(kPlace)) {
                lines.emplace_back(line);
            }
        }
        return lines;
    }

    // Chooses route, section and place 0001 and goes to the grid with Enter.
    void ChooseFirstPlace() {
        EntryWindowDriver::Choose(window_, "ComboBox1", QStringLiteral("0001"));
        EntryWindowDriver::Choose(window_, "ComboBox2", QStringLiteral("0001"));
        EntryWindowDriver::Choose(window_, "ComboBox3", QStringLiteral("0001"));
        EntryWindowDriver::Child<QComboBox>(window_, "ComboBox3")->setFocus();
        EntryWindowDriver::Key(Qt::Key_Return);
        QVERIFY(Grid()->isVisible());
        QCOMPARE(QApplication::focusWidget(), Grid());
    }

private slots:
    void init() {
        driver_ = std::make_unique<EntryWindowDriver>();
        driver_->SetSurvey(entry_test::SmallSurvey());
        window_ = driver_->Open<TKentekensForm>("Kentekens1");
        QVERIFY(window_);
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup() { driver_.reset(); }

    void placeKeyedWithEnterCarriesPlatesAndRemarksForward() {
        ChooseFirstPlace();
        EntryWindowDriver::Type(QStringLiteral("AB12CD"));
        EntryWindowDriver::Key(Qt::Key_Return);  // to the remark
        EntryWindowDriver::Key(Qt::Key_Return);  // round 2 takes the plate
        QCOMPARE(Cell(1, kPlateColumn), QStringLiteral("AB12CD"));
        EntryWindowDriver::Key(Qt::Key_Return);
        EntryWindowDriver::Type(QStringLiteral("F"));
        EntryWindowDriver::Key(Qt::Key_Return);  // round 3 takes the plate; a new car comes
        EntryWindowDriver::Type(QStringLiteral("xy99zzq"));
        QCOMPARE(Cell(2, kPlateColumn), QStringLiteral("xy99zz"));
        EntryWindowDriver::Key(Qt::Key_Return);
        EntryWindowDriver::Type(QStringLiteral("B"));
        EntryWindowDriver::Key(Qt::Key_Return);
        EntryWindowDriver::Key(Qt::Key_Return);  // same plate, empty remark: the remark follows
        QCOMPARE(Cell(3, kRemarkColumn), QStringLiteral("B"));
        EntryWindowDriver::Key(Qt::Key_Return);  // the last cell stays
        QCOMPARE(Grid()->currentIndex().row(), 3);
        // Each Enter stores what was typed, for the recovery copy; the place stays locked.
        QCOMPARE(PlaceLines().front(), Stored("0600-0630", "AB12CD", ""));
        QVERIFY(!Enabled("Button1"));

        EntryWindowDriver::Key(Qt::Key_F10);
        QCOMPARE(
            PlaceLines(),
            LineList({Stored("0600-0630", "AB12CD", ""), Stored("0630-0700", "AB12CD", "F"),
                      Stored("0700-0730", "xy99zz", "B"), Stored("0730-0800", "xy99zz", "B")}));
        QVERIFY(!Grid()->isVisible());
        QCOMPARE(QApplication::focusWidget(),
                 EntryWindowDriver::Child<QWidget>(window_, "ComboBox3"));
    }

    void withoutAutoPlateEnterOnlyMoves() {
        EntryWindowDriver::Child<QCheckBox>(window_, "CheckBox1")->setChecked(false);
        ChooseFirstPlace();
        EntryWindowDriver::Type(QStringLiteral("AB12CD"));
        EntryWindowDriver::Key(Qt::Key_Return);
        EntryWindowDriver::Key(Qt::Key_Return);
        QCOMPARE(Grid()->currentIndex(), Grid()->model()->index(1, kPlateColumn));
        QCOMPARE(Cell(1, kPlateColumn), QString());
    }

    void aTypedKeyLocksThePlaceUntilF10() {
        ChooseFirstPlace();
        QVERIFY(Enabled("Button1"));
        QVERIFY(!Enabled("ActionPplOk"));
        EntryWindowDriver::Type(QStringLiteral("A"));
        for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "Label1", "Label3",
                                 "ActionVorigePpl", "ActionVolgendePpl", "Button1"}) {
            QVERIFY2(!Enabled(name), name);
        }
        QVERIFY(Enabled("ActionPplOk"));
        EntryWindowDriver::Key(Qt::Key_F4);
        EntryWindowDriver::Key(Qt::Key_Escape);  // neither leaves nor closes
        QVERIFY(window_->isVisible());
        QCOMPARE(EntryWindowDriver::Child<QComboBox>(window_, "ComboBox3")->currentIndex(), 0);

        EntryWindowDriver::Key(Qt::Key_F10);
        QVERIFY(Enabled("ComboBox3"));
        QVERIFY(Enabled("Button1"));
        QVERIFY(Enabled("ActionVolgendePpl"));
        QVERIFY(!Enabled("ActionPplOk"));
        QCOMPARE(PlaceLines().front(), Stored("0600-0630", "A", ""));
    }

    void escapeWithNothingTypedLeavesThePlaceFreeAndTheProjectUnchanged() {
        ChooseFirstPlace();
        EntryWindowDriver::Key(Qt::Key_Escape);  // on the grid
        EntryWindowDriver::Key(Qt::Key_F2);
        EntryWindowDriver::Key(Qt::Key_Escape);  // in an open editor
        QVERIFY(window_->isVisible());
        for (const char* name : {"ComboBox3", "ActionVolgendePpl", "Button1"}) {
            QVERIFY2(Enabled(name), name);
        }
        QVERIFY(!Enabled("ActionPplOk"));
        EntryWindowDriver::Click(window_, "Button1");
        QVERIFY(!window_->isVisible());
        QVERIFY(!driver_->CurrentSurvey().ProjectChanged);
    }

    void f3AndF4StepThroughThePlacesOfTheSection() {
        ChooseFirstPlace();
        QVERIFY(!Enabled("ActionVorigePpl"));
        EntryWindowDriver::Key(Qt::Key_F3);  // the first place has no previous one
        auto* places = EntryWindowDriver::Child<QComboBox>(window_, "ComboBox3");
        QCOMPARE(places->currentIndex(), 0);
        EntryWindowDriver::Key(Qt::Key_F4);
        QCOMPARE(places->currentIndex(), 1);
        QVERIFY(Grid()->isVisible());
        QCOMPARE(QApplication::focusWidget(), Grid());
        QCOMPARE(Grid()->model()->rowCount(), 4);
        QVERIFY(!Enabled("ActionVolgendePpl"));
        EntryWindowDriver::Type(QStringLiteral("NEXT1"));
        EntryWindowDriver::Key(Qt::Key_F10);
        QCOMPARE(driver_->CurrentSurvey().KentekensList[4].substr(0, 31),
                 std::string("0001 0001 0002 0600-0630 NEXT1 "));
        EntryWindowDriver::Key(Qt::Key_F3);
        QCOMPARE(places->currentIndex(), 0);
    }

    void delEmptiesTheWholeCellAndLocks() {
        driver_->CurrentSurvey().KentekensList.Set(1, Stored("0630-0700", "ABC", "F"));
        ChooseFirstPlace();
        EntryWindowDriver::Key(Qt::Key_Down);
        QCOMPARE(Cell(1, kPlateColumn), QStringLiteral("ABC"));
        EntryWindowDriver::Key(Qt::Key_Delete);
        QCOMPARE(Cell(1, kPlateColumn), QString());
        QVERIFY(!Enabled("Button1"));
        // In an open editor Del still empties the cell, not one character.
        EntryWindowDriver::Key(Qt::Key_Right);
        EntryWindowDriver::Key(Qt::Key_F2);
        EntryWindowDriver::Key(Qt::Key_Delete);
        QCOMPARE(Cell(1, kRemarkColumn), QString());
        EntryWindowDriver::Key(Qt::Key_F10);
        QCOMPARE(PlaceLines()[1], Stored("0630-0700", "", ""));
    }

    void aCharacterOutsideTheCodePageBecomesAQuestionMark() {
        ChooseFirstPlace();
        EntryWindowDriver::Type(QString::fromUtf8("AŁ€1"));
        QCOMPARE(Cell(0, kPlateColumn), QString::fromUtf8("A?€1"));
        EntryWindowDriver::Key(Qt::Key_F10);
        QCOMPARE(PlaceLines().front(), Stored("0600-0630",
                                              "A?\x80"
                                              "1",
                                              ""));
    }

    void closingMarksTheProjectChangedOnlyAfterTyping() {
        EntryWindowDriver::Click(window_, "Button1");
        QVERIFY(!window_->isVisible());
        QVERIFY(!driver_->CurrentSurvey().ProjectChanged);

        window_ = driver_->Open<TKentekensForm>("Kentekens1");
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QCOMPARE(EntryWindowDriver::Child<QComboBox>(window_, "ComboBox2")->count(), 0);
        ChooseFirstPlace();
        EntryWindowDriver::Type(QStringLiteral("Z"));
        window_->close();  // no close box: only "&Sluiten" closes
        QVERIFY(window_->isVisible());
        EntryWindowDriver::Key(Qt::Key_F10);
        EntryWindowDriver::Click(window_, "Button1");
        QVERIFY(!window_->isVisible());
        QVERIFY(driver_->CurrentSurvey().ProjectChanged);
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::EntryPlatesTest)
#include "entry_plates_test.moc"
