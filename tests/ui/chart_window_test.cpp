// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window on the demo survey as a user drives it: every tab drawn, each chart saved as
// PNG, SVG and PDF through the export button, the save dialog cancelled, an existing file kept
// when the user says no, printing to a PDF file without a printer, and the chart copied as a
// picture.
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "../core/workbook_reader.h"
#include "analysis/analysis_selection.h"
#include "analysis/ui/parkeerduurmeting_form.h"
#include "charts/analysis_workbook.h"
#include "charts/chart_data.h"
#include "charts/ui/grafieken_form.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "desktop_test_support.h"
#include "pdf_text.h"

namespace tavoric {

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Survey DemoSurvey() {
    Survey survey;
    ScriptedPrompter prompter;
    ReadProjectFile(survey, std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par", prompter);
    return survey;
}

// The figures of the demo survey with everything selected.
ChartData DemoCharts() {
    const Survey survey = DemoSurvey();
    AnalysisSelection selection;
    selection.Open(survey);
    Progress progress;
    return *ComputeChartData(survey, selection.Parameters(survey, ReportKind::PerPlace),
                             kDefaultPressureThreshold, progress);
}

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

// The texts of an SVG file; empty when it does not parse.
QStringList SvgTexts(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    QStringList texts;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name() == QLatin1String("text")) {
            texts << reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    return reader.hasError() ? QStringList() : texts;
}

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

private:
    QPushButton* Button(const char* name) {
        return form_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QTabWidget* Tabs() { return form_->findChild<QTabWidget*>("GrafiekenPageControl"); }

    // Presses "Exporteren..." on the tab of kind and answers the save dialog with name.
    std::string Export(int tab, const QString& name) {
        Tabs()->setCurrentIndex(tab);
        const std::string path = dir_.filePath(name).toStdString();
        prompter_.QueueFileName(path);
        QTest::mouseClick(Button("ExporterenButton"), Qt::LeftButton);
        return path;
    }

    ScriptedPrompter prompter_;
    TGrafiekenForm* form_ = nullptr;
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        form_ = new TGrafiekenForm(prompter_, nullptr);
        form_->ShowCharts(DemoCharts());
        QVERIFY(form_->isVisible());
        QVERIFY(!form_->Data().occupancy.empty());
    }
    void cleanupTestCase() { delete form_; }

    void EveryTabHoldsItsChart() {
        QCOMPARE(Tabs()->count(), static_cast<int>(AllChartKinds().size()));
        QCOMPARE(Tabs()->tabText(1), QStringLiteral("Parkeerdruk per sectie"));
        for (ChartKind kind : AllChartKinds()) {
            QChartView* view = form_->ViewOf(kind);
            QVERIFY(view->chart() != nullptr);
            QVERIFY(!view->chart()->series().isEmpty());
        }
        // Showing again keeps the tab in front and draws fresh charts.
        Tabs()->setCurrentIndex(2);
        QChart* old = form_->ViewOf(ChartKind::Durations)->chart();
        form_->ShowCharts(form_->Data());
        QCOMPARE(Tabs()->currentIndex(), 2);
        QVERIFY(form_->ViewOf(ChartKind::Durations)->chart() != old);
    }

    void ExportsPngSvgAndPdf() {
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            const std::string png = Export(tab, QStringLiteral("chart%1").arg(tab));
            QImage image;
            QVERIFY(image.load(QString::fromStdString(png + ".png"), "PNG"));
            QCOMPARE(image.size(), QSize(1200, 800));
            QVERIFY2(DistinctColours(image) > 8, png.c_str());

            const std::string svg = Export(tab, QStringLiteral("chart%1.SVG").arg(tab));
            const QStringList texts = SvgTexts(QByteArray::fromStdString(Contents(svg)));
            QVERIFY2(!texts.isEmpty(), svg.c_str());
            const QString axisTitles[] = {
                QStringLiteral("Bezetting (%)"),          QStringLiteral("Bezetting (%)"),
                QStringLiteral("Aandeel voertuigen (%)"), QStringLiteral("Voertuigen"),
                QStringLiteral("Bezetting onder 70 %"),   QStringLiteral("Voertuigen")};
            QCOMPARE(std::size(axisTitles), AllChartKinds().size());
            QVERIFY(texts.join(' ').contains(axisTitles[tab]));

            const std::string pdf = Export(tab, QStringLiteral("chart%1.pdf").arg(tab));
            QVERIFY(Contents(pdf).starts_with("%PDF-"));
        }
        QVERIFY(prompter_.asked().empty());
        // The save dialog proposes the chart's title and offers the three formats.
        QCOMPARE(QString::fromStdString(prompter_.fileRequests().back().presetName),
                 QStringLiteral("Parkeermotief per sectie.png"));
        QVERIFY(prompter_.fileRequests().back().filter.find("*.svg") != std::string::npos);
    }

    // A name ending in .xlsx saves the tables of every chart, whichever tab is in front.
    void ExportsTheWorkbookOfEveryChart() {
        prompter_.Clear();
        const std::string path = Export(1, QStringLiteral("grafieken.XLSX"));
        QVERIFY(prompter_.fileRequests().back().filter.find("*.xlsx") != std::string::npos);
        const std::string workbook = Contents(path);
        QVERIFY(workbook.starts_with("PK"));
        if (!OpenpyxlAvailable()) {
            QSKIP("python3-openpyxl is not installed");
        }
        const std::optional<nlohmann::json> described = DescribeWorkbook(workbook);
        QVERIFY(described);
        std::string error;
        QVERIFY(described == DescribeWorkbook(ChartWorkbook(form_->Data(), error).value()));
        QVERIFY((*described)["sheets"][3]["name"] == "Straat en tijd");
    }

    void CancelledOrRefusedExportWritesNothing() {
        prompter_.Clear();
        prompter_.QueueCancelledFileDialog();
        QTest::mouseClick(Button("ExporterenButton"), Qt::LeftButton);
        QVERIFY(prompter_.asked().empty());

        const std::string kept = dir_.filePath("bestaand.png").toStdString();
        std::ofstream(kept) << "oud";
        prompter_.QueueFileName(kept);
        prompter_.QueueAnswer(kNo);
        QTest::mouseClick(Button("ExporterenButton"), Qt::LeftButton);
        QCOMPARE(prompter_.asked().size(), std::size_t{1});
        QCOMPARE(Contents(kept), std::string("oud"));
    }

    // Without a printer "Afdrukken..." writes the chart in front as a one-page PDF file, the
    // chart's title proposed as its name; a cancelled save dialog writes nothing.
    void PrintingWithoutPrinterWritesAPdfFile() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is installed here");
        }
        prompter_.Clear();
        Tabs()->setCurrentIndex(1);
        const QString name = dir_.filePath(QStringLiteral("afdruk"));
        prompter_.QueueFileName(name.toStdString());
        QTest::mouseClick(Button("AfdrukkenButton"), Qt::LeftButton);
        QVERIFY(prompter_.asked().empty());
        QCOMPARE(prompter_.fileRequests().back().presetName,
                 ChartTitle(ChartKind::Sections) + ".pdf");
        const QStringList pages = PdfPageTexts(name + QStringLiteral(".pdf"));
        QCOMPARE(pages.size(), 1);
        QVERIFY2(pages[0].contains(QStringLiteral("Parkeerdruk per sectie")), qPrintable(pages[0]));

        const qsizetype files = QDir(dir_.path()).count();
        prompter_.QueueCancelledFileDialog();
        QTest::mouseClick(Button("AfdrukkenButton"), Qt::LeftButton);
        QCOMPARE(QDir(dir_.path()).count(), files);
        QVERIFY(prompter_.asked().empty());
    }

    void CopiesTheChartInFront() {
        Tabs()->setCurrentIndex(1);
        QTest::mouseClick(Button("KopierenButton"), Qt::LeftButton);
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(1200, 800));
        QVERIFY(DistinctColours(copied) > 8);
    }

    // The menu command opens the analysis dialog until a selection was made there, then shows
    // the charts straight away; the dialog's own commands still make reports.
    void MenuCommandOpensTheDialogOnceThenTheCharts() {
        DesktopFixture desktop;
        desktop.Start();
        QVERIFY(!desktop.Form().Command("Grafieken1")->isEnabled());
        desktop.UseSurvey(DemoSurvey());
        QVERIFY(desktop.Form().Command("Grafieken1")->isEnabled());
        auto* dialog = desktop.Form().findChild<TParkeerduurmetingForm*>();
        auto* charts = desktop.Form().findChild<TGrafiekenForm*>();
        auto* rapport = dialog->findChild<QPushButton*>("Button1");

        desktop.Trigger("Grafieken1");
        QVERIFY(dialog->isVisible());
        QVERIFY(!charts->isVisible());
        dialog->findChild<QPushButton*>("Button2")->click();  // "&Annuleren"
        QVERIFY(!charts->isVisible());

        // A change of the survey structure asks for the selection again.
        desktop.Form().ResetAnalysisSelection();
        desktop.Trigger("Grafieken1");
        QVERIFY(dialog->isVisible());
        QTest::mouseClick(rapport, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(charts->isVisible());
        QCOMPARE(charts->Data().sections.size(), DemoCharts().sections.size());
        QVERIFY(desktop.Form().findChildren<TKindForm*>().isEmpty());

        charts->close();
        desktop.Trigger("Grafieken1");
        QVERIFY(!dialog->isVisible());
        QVERIFY(charts->isVisible());

        desktop.Trigger("Parkeerduurmeting1");
        QTest::mouseClick(rapport, Qt::LeftButton);
        QCOMPARE(desktop.Form().findChildren<TKindForm*>().size(), 1);
        desktop.Stop();
    }

    void CloseHidesTheWindow() {
        QTest::mouseClick(Button("SluitenButton"), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::ChartWindowTest)
#include "chart_window_test.moc"
