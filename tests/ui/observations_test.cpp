// SPDX-License-Identifier: GPL-3.0-or-later
// Field observations through the "&Bestand" menu: the import with its summary, the replace
// choice, "&Toepassen" and "&Annuleren", the reported rows saved and copied, files that cannot be
// used or hold no rows, and the export with and without every slot.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <fstream>
#include <sstream>

#include "../entry/test_survey.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "desktop_test_support.h"
#include "entry/observation_csv.h"
#include "entry/ui/waarnemingen_form.h"

namespace tavoric {

namespace {

constexpr const char* kFieldFile =
    "Route;Sectie;Plaats;Tijd;Kenteken;Notitie\r\n"
    "1;1;1;06:10;12-AB-34;x\r\n"  // fills an empty slot
    "1;1;2;06:10;NEW;x\r\n"       // the slot holds OLD: a conflict
    "9;1;1;06:10;ZZ;x\r\n";       // no route 9

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteContents(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string_view PlateOf(const Survey& survey, std::size_t line) {
    return TrimTrailingBlanks(PpePlate(survey.KentekensList[line]));
}

}  // namespace

class ObservationsTest : public QObject {
    Q_OBJECT

private:
    DesktopFixture desktop_;
    // Lines of SmallSurvey: place 0001 0001 0001 begins at 0, place 0001 0001 0002 at 4.
    static constexpr std::size_t kFirstPlace = 0;
    static constexpr std::size_t kSecondPlace = 4;

    TWaarnemingenImportForm* ImportDialog() {
        return desktop_.Form().findChild<TWaarnemingenImportForm*>();
    }
    template <typename Widget>
    Widget* InDialog(const char* name) {
        return ImportDialog()->findChild<Widget*>(QString::fromLatin1(name));
    }
    QString Summary() { return InDialog<QLabel>("ntSamenvattingLabel")->text(); }

    // Opens the import of the field file on a survey whose second place holds OLD.
    void OpenImport() {
        Survey survey = entry_test::SmallSurvey();
        LineBuffer& slotLines = survey.KentekensList;
        slotLines.Set(kSecondPlace, PpeLineWithPlate(PpeKey(slotLines[kSecondPlace]), "OLD", ""));
        desktop_.UseSurvey(survey);
        WriteContents(desktop_.PathOf("veld.csv"), kFieldFile);
        desktop_.prompter.QueueFileName(desktop_.PathOf("veld.csv"));
        desktop_.Trigger("Importerenwaarnemingen1");
        QVERIFY(ImportDialog()->isVisible());
    }

private slots:
    void init() { desktop_.Start(); }
    void cleanup() { desktop_.Stop(); }

    void commandsNeedSlots() {
        QVERIFY(!desktop_.Form().Command("Importerenwaarnemingen1")->isEnabled());
        QVERIFY(!desktop_.Form().Command("Exporterenwaarnemingen1")->isEnabled());
        desktop_.UseSurvey(entry_test::SmallSurvey());
        QVERIFY(desktop_.Form().Command("Importerenwaarnemingen1")->isEnabled());
        QVERIFY(desktop_.Form().Command("Exporterenwaarnemingen1")->isEnabled());
    }

    void summaryShowsTheRowsAndApplyTakesThem() {
        OpenImport();
        const Survey before = desktop_.CurrentSurvey();
        QVERIFY(Summary().contains(
            ToQString(FormatText(MessageText("AA00523"), {"1"}))));  // the conflict
        QVERIFY(Summary().contains(QStringLiteral("Notitie")));
        QCOMPARE(desktop_.CurrentSurvey().KentekensList, before.KentekensList);

        // Replacing turns the conflict into a replaced slot; the route error stays reported.
        auto* replace = InDialog<QCheckBox>("CheckBox1");
        QTest::mouseClick(replace, Qt::LeftButton, {}, QPoint(6, replace->height() / 2));
        QVERIFY(Summary().contains(ToQString(FormatText(MessageText("AA00524"), {"1"}))));
        QTest::mouseClick(InDialog<QPushButton>("Button1"), Qt::LeftButton);
        QVERIFY(!ImportDialog()->isVisible());
        const Survey& after = desktop_.CurrentSurvey();
        QCOMPARE(PlateOf(after, kFirstPlace), std::string_view("12AB34"));
        QCOMPARE(PlateOf(after, kSecondPlace), std::string_view("NEW"));
        QVERIFY(after.ProjectChanged);
        QVERIFY(desktop_.Form().Command("Opslaan1")->isEnabled());
    }

    void applyWithoutReplacingKeepsTheHeldPlate() {
        OpenImport();
        QTest::mouseClick(InDialog<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(PlateOf(desktop_.CurrentSurvey(), kFirstPlace), std::string_view("12AB34"));
        QCOMPARE(PlateOf(desktop_.CurrentSurvey(), kSecondPlace), std::string_view("OLD"));
    }

    void cancelChangesNothing() {
        OpenImport();
        const LineBuffer before = desktop_.CurrentSurvey().KentekensList;
        QTest::mouseClick(InDialog<QPushButton>("Button2"), Qt::LeftButton);
        QVERIFY(!ImportDialog()->isVisible());
        QCOMPARE(desktop_.CurrentSurvey().KentekensList, before);
        QVERIFY(!desktop_.CurrentSurvey().ProjectChanged);
        QVERIFY(!desktop_.Form().Command("Opslaan1")->isEnabled());
    }

    void filesThatCannotBeUsedAreNamedAndNothingOpens() {
        desktop_.UseSurvey(entry_test::SmallSurvey());
        desktop_.prompter.QueueCancelledFileDialog();
        desktop_.Trigger("Importerenwaarnemingen1");
        QVERIFY(desktop_.prompter.asked().empty());

        desktop_.prompter.QueueFileName(desktop_.PathOf("weg.csv"));
        desktop_.Trigger("Importerenwaarnemingen1");
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{1});
        QVERIFY(desktop_.prompter.asked().back().text.find("weg.csv") != std::string::npos);

        WriteContents(desktop_.PathOf("kop.csv"), "route,sectie\r\n1,1\r\n");
        desktop_.prompter.QueueFileName(desktop_.PathOf("kop.csv"));
        desktop_.Trigger("Importerenwaarnemingen1");
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{2});
        QCOMPARE(desktop_.prompter.asked().back().kind, DialogKind::Error);
        auto* dialog = ImportDialog();
        QVERIFY(!dialog || !dialog->isVisible());
    }

    void reportedRowsAreSavedAsTextAndCopied() {
        OpenImport();
        const std::string path = desktop_.PathOf("rijen.txt");
        desktop_.prompter.QueueFileName(path);
        QTest::mouseClick(InDialog<QPushButton>("Button3"), Qt::LeftButton);
        const std::string saved = Contents(path);
        const std::string routeRow =
            FormatText(MessageText("AA00529"), {"4", FormatText(MessageText("AA00531"), {"0009"})});
        QCOMPARE(std::count(saved.begin(), saved.end(), '\n'), 2);  // the conflict, the route
        QVERIFY(saved.ends_with(routeRow + "\r\n"));

        QTest::mouseClick(InDialog<QPushButton>("Button4"), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().endsWith(ToQString(routeRow + "\n")));
        QTest::mouseClick(InDialog<QPushButton>("Button2"), Qt::LeftButton);
    }

    void aFileWithoutRowsOffersNothingToApply() {
        desktop_.UseSurvey(entry_test::SmallSurvey());
        WriteContents(desktop_.PathOf("leeg.csv"), "route;sectie;plaats;tijd;kenteken\r\n\r\n");
        desktop_.prompter.QueueFileName(desktop_.PathOf("leeg.csv"));
        desktop_.Trigger("Importerenwaarnemingen1");
        QVERIFY(ImportDialog()->isVisible());
        QVERIFY(Summary().contains(ToQString(MessageText("AA00508"))));
        QVERIFY(!InDialog<QPushButton>("Button1")->isEnabled());
        QVERIFY(!InDialog<QPushButton>("Button3")->isEnabled());
        QVERIFY(!InDialog<QPushButton>("Button4")->isEnabled());
        QTest::mouseClick(InDialog<QPushButton>("Button2"), Qt::LeftButton);
    }

    void exportWritesObservedSlotsOrEverySlot() {
        Survey survey = entry_test::SmallSurvey();
        survey.KentekensList[kFirstPlace] =
            PpeLineWithPlate(PpeKey(survey.KentekensList[kFirstPlace]), "AB12", "F");
        desktop_.UseSurvey(survey);
        const std::string path = desktop_.PathOf("uit.csv");

        desktop_.prompter.QueueAnswer(kNo);
        desktop_.prompter.QueueFileName(path);
        desktop_.Trigger("Exporterenwaarnemingen1");
        QCOMPARE(Contents(path), ObservationCsvContent(survey, false));
        QCOMPARE(desktop_.prompter.fileRequests().back().presetName, std::string("plan.csv"));

        desktop_.prompter.QueueAnswer(kYes);
        desktop_.prompter.QueueFileName(path);
        desktop_.prompter.QueueAnswer(kYes);  // replace the file of the first export
        desktop_.Trigger("Exporterenwaarnemingen1");
        QCOMPARE(Contents(path), ObservationCsvContent(survey, true));

        std::filesystem::remove(path);
        desktop_.prompter.QueueAnswer(kCancel);
        desktop_.Trigger("Exporterenwaarnemingen1");
        QVERIFY(!std::filesystem::exists(path));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::ObservationsTest)
#include "observations_test.moc"
