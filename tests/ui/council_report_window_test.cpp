// SPDX-License-Identifier: GPL-3.0-or-later
// "Rapport > Onderzoeksrapport..." on the demo survey: the selection of the analysis dialog, the
// outputs chosen in the report's dialog, the files asked for and written, with the map when the
// project knows its streets and with a notice when it cannot read them, and with the comparison
// chapter beside survey B when chosen.
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "analysis/ui/parkeerduurmeting_form.h"
#include "core/demo_survey.h"
#include "core/project_file.h"
#include "desktop_test_support.h"
#include "document/ui/onderzoeksrapport_form.h"

namespace tavoric {

namespace {

const std::string kDemoFolder = TAVORIC_DEMO_DATA;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The pictures a package names (each name stands in its local header and central directory).
int PicturesIn(const std::string& package) {
    int names = 0;
    for (std::size_t at = package.find("Pictures/Picture"); at != std::string::npos;
         at = package.find("Pictures/Picture", at + 1)) {
        ++names;
    }
    return names / 2;
}

}  // namespace

class CouncilReportWindowTest : public QObject {
    Q_OBJECT

private:
    DesktopFixture desktop_;
    Survey demo_;

    // Opens the report's dialog through the menu and the analysis dialog, the whole survey
    // selected.
    TOnderzoeksrapportForm* OpenDialog() {
        desktop_.Trigger("Onderzoeksrapport1");
        auto* analysis = desktop_.Form().findChild<TParkeerduurmetingForm*>();
        if (analysis->isVisible()) {
            QTest::mouseClick(analysis->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        }
        auto* dialog = desktop_.Form().findChild<TOnderzoeksrapportForm*>();
        return dialog->isVisible() ? dialog : nullptr;
    }

    void Choose(TOnderzoeksrapportForm* dialog, bool pdf, bool odt, bool csv) {
        dialog->findChild<QCheckBox*>("PdfCheckBox")->setChecked(pdf);
        dialog->findChild<QCheckBox*>("OdtCheckBox")->setChecked(odt);
        dialog->findChild<QCheckBox*>("CsvCheckBox")->setChecked(csv);
    }

private slots:
    void initTestCase() {
        ScriptedPrompter prompter;
        QVERIFY(ReadProjectFile(demo_, kDemoFolder + "/Demodorp.par", prompter));
        demo_.AlgemeneGegevens.streetGeometry = kDemoFolder + "/Demodorp.geojson";
    }

    void init() {
        desktop_.Start();
        QVERIFY(!desktop_.Form().Command("Onderzoeksrapport1")->isEnabled());
        desktop_.UseSurvey(demo_);
        QVERIFY(desktop_.Form().Command("Onderzoeksrapport1")->isEnabled());
    }

    void cleanup() { desktop_.Stop(); }

    void OkNeedsAnOutput() {
        TOnderzoeksrapportForm* dialog = OpenDialog();
        QVERIFY(dialog);
        auto* ok = dialog->findChild<QPushButton*>("Button1");
        Choose(dialog, false, false, false);
        QVERIFY(!ok->isEnabled());
        Choose(dialog, false, false, true);
        QVERIFY(ok->isEnabled());
        dialog->findChild<QPushButton*>("Button2")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(desktop_.prompter.fileRequests().empty());
    }

    void WritesTheChosenFilesWithTheMap() {
        TOnderzoeksrapportForm* dialog = OpenDialog();
        QVERIFY(dialog);
        Choose(dialog, false, true, true);
        const std::string odt = desktop_.PathOf("raad");
        const std::string csv = desktop_.PathOf("kerncijfers.csv");
        desktop_.prompter.QueueFileName(odt);
        desktop_.prompter.QueueFileName(csv);
        QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(desktop_.prompter.fileRequests().size(), std::size_t{2});
        QVERIFY(desktop_.prompter.asked().empty());
        const std::string package = Contents(odt + ".odt");
        QCOMPARE(package.substr(0, 2), std::string("PK"));
        QCOMPARE(PicturesIn(package), 7);  // six charts and the map
        const std::string figures = Contents(csv);
        QVERIFY(figures.starts_with("kenmerk,waarde\r\nparkeerplaatsen,200\r\n"));
        QVERIFY(desktop_.Form().findChildren<TKindForm*>().isEmpty());
    }

    void UnreadableStreetsGiveANoticeAndAReportWithoutMap() {
        desktop_.CurrentSurvey().AlgemeneGegevens.streetGeometry = "weg.geojson";
        TOnderzoeksrapportForm* dialog = OpenDialog();
        QVERIFY(dialog);
        Choose(dialog, false, true, false);
        const std::string odt = desktop_.PathOf("raad.odt");
        desktop_.prompter.QueueFileName(odt);
        QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{1});
        QVERIFY(desktop_.prompter.asked()[0].text.find("weg.geojson") != std::string::npos);
        QCOMPARE(PicturesIn(Contents(odt)), 6);
    }

    void StoppingAtAFileWritesNothing() {
        TOnderzoeksrapportForm* dialog = OpenDialog();
        QVERIFY(dialog);
        Choose(dialog, false, true, true);
        desktop_.prompter.QueueFileName(desktop_.PathOf("raad.odt"));
        desktop_.prompter.QueueCancelledFileDialog();
        QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(!QFile::exists(QString::fromStdString(desktop_.PathOf("raad.odt"))));
    }

    // Survey B is asked first; the report then holds the two charts of the comparison.
    void ComparisonWithSurveyBAddsItsChapter() {
        TOnderzoeksrapportForm* dialog = OpenDialog();
        QVERIFY(dialog);
        Choose(dialog, false, true, false);
        dialog->findChild<QCheckBox*>("VergelijkCheckBox")->setChecked(true);
        Survey b = MakeDemoSurvey({150, 7});
        const std::string pathOfB = desktop_.PathOf("na.par");
        ScriptedPrompter prompter;
        QVERIFY(WriteProjectFile(b, pathOfB, prompter));
        const std::string odt = desktop_.PathOf("raad.odt");
        desktop_.prompter.QueueFileName(pathOfB);
        desktop_.prompter.QueueFileName(odt);
        QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QCOMPARE(desktop_.prompter.fileRequests().size(), std::size_t{2});
        QVERIFY(desktop_.prompter.asked().empty());
        QCOMPARE(PicturesIn(Contents(odt)), 9);  // six charts, the map and the comparison's two
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::CouncilReportWindowTest)
#include "council_report_window_test.moc"
