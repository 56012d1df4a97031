// SPDX-License-Identifier: GPL-3.0-or-later
// The report dialogs as a user drives them: the input data report and observation form options,
// the export dialog with its formats, names and overwrite question, the notes window, and the
// files the desktop writes compared with tavoric-cli's for the demo survey.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <fstream>
#include <sstream>

#include "../core/workbook_reader.h"
#include "analysis/ui/parkeerduurmeting_form.h"
#include "charts/chart_texts.h"
#include "cli/commands.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/text.h"
#include "desktop_test_support.h"
#include "pdf_text.h"
#include "reports/ui/aantekeningen_form.h"
#include "reports/ui/export_form.h"
#include "reports/ui/report_option_forms.h"

namespace tavoric {

namespace {

const std::string kDemo = std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par";

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteContents(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

template <typename Widget>
Widget* In(QWidget* dialog, const char* name) {
    return dialog->findChild<Widget*>(QString::fromLatin1(name));
}

}  // namespace

class ReportDialogsTest : public QObject {
    Q_OBJECT

private:
    template <typename Dialog>
    Dialog* Shown(const char* command) {
        desktop_.Trigger(command);
        auto* dialog = desktop_.Form().findChild<Dialog*>();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    void PerPlaceReport() {
        QTest::mouseClick(
            In<QPushButton>(Shown<TParkeerduurmetingForm>("Parkeerduurmeting1"), "Button1"),
            Qt::LeftButton);
    }

    // The export dialog of the current report; nothing when the command did not show it.
    TExportForm* ExportDialog() { return Shown<TExportForm>("Exporteren1"); }

    void Export(const char* formatButton, const std::string& fileName) {
        TExportForm* dialog = ExportDialog();
        QVERIFY(dialog);
        In<QRadioButton>(dialog, formatButton)->click();
        desktop_.prompter.QueueFileName(fileName);
        In<QPushButton>(dialog, "Button1")->click();
        QVERIFY(!dialog->isVisible());
    }

    void UseDemo() {
        Survey demo;
        QVERIFY(ReadProjectFile(demo, kDemo, desktop_.prompter));
        desktop_.UseSurvey(demo);
    }

    DesktopFixture desktop_;

private slots:
    void init() { desktop_.Start(); }
    void cleanup() { desktop_.Stop(); }

    void theCsvChoiceFollowsTheReportsTable() {
        UseDemo();
        PerPlaceReport();
        TExportForm* dialog = ExportDialog();
        QCOMPARE(In<QLabel>(dialog, "Label1")->text(), QStringLiteral("Rapport 1"));
        QVERIFY(In<QRadioButton>(dialog, "RadioButton1")->isChecked());
        QVERIFY(In<QRadioButton>(dialog, "RadioButton2")->isEnabled());
        dialog->reject();
        Export("RadioButton2", desktop_.PathOf("tabel"));
        QCOMPARE(desktop_.prompter.fileRequests().back().presetName, std::string("Rapport 1.csv"));
        QVERIFY(Contents(desktop_.PathOf("tabel.csv")).starts_with("\""));

        PerPlaceReport();
        dialog = ExportDialog();
        QVERIFY(In<QRadioButton>(dialog, "RadioButton2")->isChecked());
        dialog->reject();

        In<QPushButton>(Shown<TInvoergegRapportForm>("Invoergegevens1"), "Button1")->click();
        dialog = ExportDialog();
        QCOMPARE(In<QLabel>(dialog, "Label1")->text(), QStringLiteral("Rapport 3"));
        QVERIFY(In<QRadioButton>(dialog, "RadioButton1")->isChecked());
        QVERIFY(!In<QRadioButton>(dialog, "RadioButton2")->isEnabled());
        desktop_.prompter.QueueCancelledFileDialog();
        In<QPushButton>(dialog, "Button1")->click();
        QCOMPARE(desktop_.prompter.fileRequests().back().presetName, std::string("Rapport 3.txt"));
    }

    void anExistingFileIsReplacedOnlyWhenTheUserSaysSo() {
        In<QPushButton>(Shown<TInvoergegRapportForm>("Invoergegevens1"), "Button1")->click();
        const std::string path = desktop_.PathOf("bestaat.txt");
        WriteContents(path, "oud");
        desktop_.prompter.QueueAnswer(kNo);
        Export("RadioButton1", path);
        QCOMPARE(Contents(path), std::string("oud"));
        QCOMPARE(desktop_.prompter.asked().back().heading, MessageText("AA00195"));
        QCOMPARE(desktop_.prompter.asked().back().defaultButton, int(kDefaultNo));

        desktop_.prompter.QueueAnswer(kYes);
        Export("RadioButton1", path);
        QVERIFY(Contents(path).starts_with(
            desktop_.Form().CurrentReportWindow()->Document().Lines().front()));
    }

    void thePdfChoiceWritesThePrintedPages() {
        In<QPushButton>(Shown<TInvoergegRapportForm>("Invoergegevens1"), "Button1")->click();
        // The page choices take part for the PDF only, and are kept in the settings.
        TExportForm* dialog = ExportDialog();
        auto* pageChoices = In<QWidget>(dialog, "AfdrukstandGroupBox");
        QVERIFY(!pageChoices->isEnabled());
        In<QRadioButton>(dialog, "RadioButton3")->click();
        QVERIFY(pageChoices->isEnabled());
        QVERIFY(In<QRadioButton>(dialog, "AutomatischRadioButton")->isChecked());
        In<QRadioButton>(dialog, "LiggendRadioButton")->click();
        QCOMPARE(desktop_.Form().Settings().print.orientation, PrintOrientation::Landscape);
        dialog->reject();
        Export("RadioButton3", desktop_.PathOf("invoer"));
        QCOMPARE(desktop_.prompter.fileRequests().back().presetName, std::string("Rapport 1.pdf"));
        QVERIFY(Contents(desktop_.PathOf("invoer.pdf")).starts_with("%PDF"));
        QVERIFY(ExportDialog()->ChosenFormat() == ExportFormat::Pdf);  // kept for the next export
    }

    // The charts follow an analysis report in its PDF, each on a page of its own numbered with
    // the report's pages; other reports and other formats offer no charts.
    void anAnalysisPdfCanCarryTheChartsOfItsSelection() {
        UseDemo();
        PerPlaceReport();
        TExportForm* dialog = ExportDialog();
        auto* charts = In<QCheckBox>(dialog, "GrafiekenCheckBox");
        QCOMPARE(charts->text(), QStringLiteral("&Grafieken toevoegen"));
        QVERIFY(!charts->isEnabled());
        In<QRadioButton>(dialog, "RadioButton3")->click();
        QVERIFY(charts->isEnabled());
        QVERIFY(!charts->isChecked());
        dialog->reject();
        Export("RadioButton3", desktop_.PathOf("zonder"));
        QStringList reportPages =
            PdfPageTexts(QString::fromStdString(desktop_.PathOf("zonder.pdf")));
        QVERIFY(!reportPages.isEmpty());

        dialog = ExportDialog();
        In<QCheckBox>(dialog, "GrafiekenCheckBox")->click();
        QVERIFY(dialog->AddCharts());
        Export("RadioButton3", desktop_.PathOf("met"));
        const QStringList pages = PdfPageTexts(QString::fromStdString(desktop_.PathOf("met.pdf")));
        const auto count = reportPages.size();
        const auto chartPages = static_cast<qsizetype>(AllChartKinds().size());
        QCOMPARE(pages.size(), count + chartPages);
        reportPages.replaceInStrings(
            QRegularExpression(QStringLiteral("(Pagina \\d+ van )%1\\b").arg(count)),
            QStringLiteral("\\1%1").arg(count + chartPages));
        // The page total may gain a digit, which shifts the extracted text's blanks.
        const auto simplified = [](QStringList texts) {
            for (QString& text : texts) {
                text = text.simplified();
            }
            return texts;
        };
        QCOMPARE(simplified(pages.mid(0, count)), simplified(reportPages));
        const QStringList titles = {QStringLiteral("Bezetting per periode"),
                                    QStringLiteral("Parkeerdruk per sectie"),
                                    QStringLiteral("Parkeerduurverdeling"),
                                    QStringLiteral("Parkeermotief over de dag"),
                                    QStringLiteral("Bezetting per sectie en tijdstip"),
                                    QStringLiteral("Parkeermotief per sectie")};
        QCOMPARE(titles.size(), chartPages);
        for (qsizetype chart = 0; chart < chartPages; ++chart) {
            const QString& page = pages[count + chart];
            QVERIFY2(page.contains(titles[chart]), qPrintable(page));
            QVERIFY(page.contains(
                QStringLiteral("Pagina %1 van %2").arg(count + chart + 1).arg(count + chartPages)));
        }

        // The choice stays for the next analysis report; a report of another kind offers none.
        In<QPushButton>(Shown<TInvoergegRapportForm>("Invoergegevens1"), "Button1")->click();
        dialog = ExportDialog();
        QVERIFY(dialog->ChosenFormat() == ExportFormat::Pdf);
        QVERIFY(!In<QCheckBox>(dialog, "GrafiekenCheckBox")->isEnabled());
        QVERIFY(!dialog->AddCharts());
        dialog->reject();
        PerPlaceReport();
        dialog = ExportDialog();
        QVERIFY(dialog->AddCharts());
        In<QRadioButton>(dialog, "RadioButton1")->click();
        QVERIFY(!dialog->AddCharts());
        dialog->reject();
    }

    void aFileThatCannotBeWrittenIsReportedWithItsName() {
        UseDemo();
        In<QPushButton>(Shown<TWaarnemingsformulierForm>("Waarnemingsformuliergenereren1"),
                        "Button1")
            ->click();
        const std::string path = desktop_.PathOf("geen map/formulier.txt");
        Export("RadioButton1", path);
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{1});
        QVERIFY(desktop_.prompter.asked().front().text.starts_with(
            FormatText(MessageText("AA00006"), {path})));
    }

    void theOptionsOfBothReportsStayForTheRun() {
        UseDemo();
        auto* input = Shown<TInvoergegRapportForm>("Invoergegevens1");
        In<QCheckBox>(input, "CheckBox1")->setChecked(false);
        In<QCheckBox>(input, "CheckBox4")->setChecked(true);
        In<QPushButton>(input, "Button1")->click();
        const auto& lines = desktop_.Form().CurrentReportWindow()->Document().Lines();
        QVERIFY(std::find(lines.begin(), lines.end(), MessageText("AA00015")) == lines.end());
        QVERIFY(std::find(lines.begin(), lines.end(), MessageText("AA00022")) != lines.end());
        input = Shown<TInvoergegRapportForm>("Invoergegevens1");
        QVERIFY(!In<QCheckBox>(input, "CheckBox1")->isChecked());
        In<QPushButton>(input, "Button2")->click();
        QCOMPARE(desktop_.Form().ReportWindows().size(), std::size_t{1});

        auto* form = Shown<TWaarnemingsformulierForm>("Waarnemingsformuliergenereren1");
        In<QCheckBox>(form, "CheckBox1")->setChecked(false);
        form->reject();
        QVERIFY(!In<QCheckBox>(Shown<TWaarnemingsformulierForm>("Waarnemingsformuliergenereren1"),
                               "CheckBox1")
                     ->isChecked());
    }

    void theTypeLegendTakesTheCaptionsOfThePlacesWindow() {
        desktop_.Find<QLabel>("LabelPPT01")->setText(QStringLiteral(": free"));
        auto* input = Shown<TInvoergegRapportForm>("Invoergegevens1");
        In<QCheckBox>(input, "CheckBox3")->setChecked(true);
        In<QPushButton>(input, "Button1")->click();
        const auto& lines = desktop_.Form().CurrentReportWindow()->Document().Lines();
        QVERIFY(std::find(lines.begin(), lines.end(), "V : free") != lines.end());
        QVERIFY(std::find(lines.begin(), lines.end(), "P : particulier") != lines.end());
    }

    void theNotesFlagIsStoredAndShowsTheNotesAtOpening() {
        auto* notes = Shown<TAantekeningenForm>("Aantekeningen1");
        QVERIFY(notes);
        auto* flag = In<QCheckBox>(notes, "CheckBox1");
        QVERIFY(!flag->isChecked());
        QTest::mouseClick(flag, Qt::LeftButton);
        QTest::keyClick(notes, Qt::Key_Escape);
        QVERIFY(!notes->isVisible());
        QVERIFY(desktop_.CurrentSurvey().ProjectChanged);
        QVERIFY(desktop_.Form().Command("Opslaan1")->isEnabled());

        const std::string path = desktop_.PathOf("notities.par");
        desktop_.prompter.QueueFileName(path);
        desktop_.Trigger("Opslaanals1");
        QVERIFY(Contents(path).find("017=1\r\n") != std::string::npos);

        desktop_.prompter.QueueFileName(path);
        desktop_.Trigger("Openen1");
        QCOMPARE(desktop_.CurrentSurvey().ProjectPath, path);
        QVERIFY(notes->isVisible());
        QVERIFY(In<QCheckBox>(notes, "CheckBox1")->isChecked());
        In<QPushButton>(notes, "Button2")->click();
        QVERIFY(!desktop_.CurrentSurvey().ProjectChanged);  // closing unchanged changes nothing
    }

    void rapportClosesTheNotesAndReportsThem() {
        auto* notes = Shown<TAantekeningenForm>("Aantekeningen1");
        In<QPlainTextEdit>(notes, "ntAantekeningenRichEdit")
            ->setPlainText(QStringLiteral("Regen na 10 uur\nStraße afgesloten"));
        In<QPushButton>(notes, "Button1")->click();
        QVERIFY(!notes->isVisible());
        QCOMPARE(desktop_.CurrentSurvey().AantekeningenList, LineList({"Regen na 10 uur",
                                                                       "Stra\xdf"
                                                                       "e afgesloten"}));
        TKindForm* report = desktop_.Form().CurrentReportWindow();
        QVERIFY(report);
        ReportDocument expected(1, desktop_.Form().Settings().report);
        expected.WriteReportHeader(desktop_.CurrentSurvey().AlgemeneGegevens);
        expected.AddReportLine("Regen na 10 uur");
        expected.AddReportLine(
            "Stra\xdf"
            "e afgesloten");
        QVERIFY(report->Document().Lines() == expected.Lines());
    }

    // What a user makes from the demo survey is what tavoric-cli writes for the same choices.
    void theFilesAreThoseOfTheCommandLine() {
        const std::string config = desktop_.PathOf("config/");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config));
        UseDemo();

        PerPlaceReport();
        Export("RadioButton1", desktop_.PathOf("per-place.txt"));
        Export("RadioButton2", desktop_.PathOf("per-place.csv"));

        auto* analysis = Shown<TParkeerduurmetingForm>("Parkeerduurmetingnaarinterval1");
        auto* routes = In<QListWidget>(analysis, "RoutesListBox");
        routes->item(1)->setSelected(false);
        routes->item(2)->setSelected(false);
        In<QPushButton>(analysis, "Button1")->click();
        Export("RadioButton1", desktop_.PathOf("interval.txt"));
        Export("RadioButton2", desktop_.PathOf("interval.csv"));

        auto* input = Shown<TInvoergegRapportForm>("Invoergegevens1");
        for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"}) {
            In<QCheckBox>(input, box)->setChecked(true);
        }
        In<QPushButton>(input, "Button1")->click();
        Export("RadioButton1", desktop_.PathOf("input.txt"));

        In<QPushButton>(Shown<TWaarnemingsformulierForm>("Waarnemingsformuliergenereren1"),
                        "Button1")
            ->click();
        Export("RadioButton1", desktop_.PathOf("form.txt"));
        QVERIFY(desktop_.prompter.asked().empty());

        const std::string cli = desktop_.PathOf("cli-");
        QCOMPARE(RunCli({"per-place", kDemo, "--txt", cli + "per-place.txt", "--csv",
                         cli + "per-place.csv"}),
                 0);
        QCOMPARE(RunCli({"interval", kDemo, "--routes", "0001", "--txt", cli + "interval.txt",
                         "--csv", cli + "interval.csv"}),
                 0);
        QCOMPARE(RunCli({"input", kDemo, "--include", "routes,sections,places,plates", "--txt",
                         cli + "input.txt"}),
                 0);
        QCOMPARE(RunCli({"form", kDemo, "--txt", cli + "form.txt"}), 0);
        qunsetenv("XDG_CONFIG_HOME");
        for (const char* name : {"per-place.txt", "per-place.csv", "interval.txt", "interval.csv",
                                 "input.txt", "form.txt"}) {
            const std::string desktopFile = Contents(desktop_.PathOf(name));
            QVERIFY2(desktopFile.size() > 1000, name);
            QVERIFY2(desktopFile == Contents(cli + name), name);
        }
    }

    // An analysis report offers its clean table and its workbook beside its own CSV; they are
    // what tavoric-cli writes for the same selection. Other reports do not offer them.
    void analysisReportsExportTheirCleanTableAndWorkbook() {
        const std::string config = desktop_.PathOf("config/");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config));
        UseDemo();
        PerPlaceReport();
        TExportForm* dialog = ExportDialog();
        QCOMPARE(In<QRadioButton>(dialog, "TabelRadioButton")->text(),
                 QStringLiteral("Tabel (CSV, UTF-8)"));
        QCOMPARE(In<QRadioButton>(dialog, "WerkmapRadioButton")->text(),
                 QStringLiteral("Excel-werkmap (*.xlsx)"));
        QVERIFY(In<QRadioButton>(dialog, "TabelRadioButton")->isEnabled());
        dialog->reject();
        Export("TabelRadioButton", desktop_.PathOf("per-place-tabel"));
        QCOMPARE(desktop_.prompter.fileRequests().back().presetName, std::string("Rapport 1.csv"));
        Export("WerkmapRadioButton", desktop_.PathOf("per-place"));
        QCOMPARE(desktop_.prompter.fileRequests().back().presetName, std::string("Rapport 1.xlsx"));
        QVERIFY(desktop_.prompter.fileRequests().back().filter.find("*.xlsx") != std::string::npos);

        In<QPushButton>(Shown<TParkeerduurmetingForm>("Parkeermotief1"), "Button1")->click();
        Export("TabelRadioButton", desktop_.PathOf("motive-tabel.csv"));
        Export("WerkmapRadioButton", desktop_.PathOf("motive.xlsx"));
        QVERIFY(desktop_.prompter.asked().empty());

        // The input data report has neither: the dialog falls back to text.
        In<QPushButton>(Shown<TInvoergegRapportForm>("Invoergegevens1"), "Button1")->click();
        dialog = ExportDialog();
        QVERIFY(!In<QRadioButton>(dialog, "TabelRadioButton")->isEnabled());
        QVERIFY(!In<QRadioButton>(dialog, "WerkmapRadioButton")->isEnabled());
        QVERIFY(In<QRadioButton>(dialog, "RadioButton1")->isChecked());
        dialog->reject();

        const std::string cli = desktop_.PathOf("cli-");
        QCOMPARE(RunCli({"per-place", kDemo, "--txt", cli + "r.txt", "--table-csv",
                         cli + "per-place-tabel.csv", "--xlsx", cli + "per-place.xlsx"}),
                 0);
        QCOMPARE(RunCli({"motive", kDemo, "--txt", cli + "m.txt", "--csv", cli + "motive-tabel.csv",
                         "--xlsx", cli + "motive.xlsx"}),
                 0);
        qunsetenv("XDG_CONFIG_HOME");
        for (const char* name : {"per-place-tabel.csv", "motive-tabel.csv"}) {
            QVERIFY2(Contents(desktop_.PathOf(name)).size() > 500, name);
            QVERIFY2(Contents(desktop_.PathOf(name)) == Contents(cli + name), name);
        }
        for (const char* name : {"per-place.xlsx", "motive.xlsx"}) {
            const std::string workbook = Contents(desktop_.PathOf(name));
            QVERIFY2(workbook.starts_with("PK"), name);
            if (OpenpyxlAvailable()) {
                const auto described = DescribeWorkbook(workbook);
                QVERIFY2(described && described == DescribeWorkbook(Contents(cli + name)), name);
            }
        }
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::ReportDialogsTest)
#include "report_dialogs_test.moc"
