// SPDX-License-Identifier: GPL-3.0-or-later
// "Vergelijken met..." as a user drives it: the menu command through the analysis dialog to the
// choice of survey B, a comparison of surveys without a common section refused, the four
// comparisons as tabs, the table in front saved as CSV and printed to a PDF file where no printer
// is installed, and all four as a workbook.
#include <QChartView>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "../core/workbook_reader.h"
#include "analysis/analysis_selection.h"
#include "analysis/ui/parkeerduurmeting_form.h"
#include "charts/ui/vergelijking_form.h"
#include "core/demo_survey.h"
#include "core/message_texts.h"
#include "core/project_file.h"
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

AnalysisParameters Everything(const Survey& survey) {
    AnalysisSelection selection;
    selection.Open(survey);
    return selection.Parameters(survey, ReportKind::PerPlace);
}

}  // namespace

class ComparisonWindowTest : public QObject {
    Q_OBJECT

private:
    // Saves survey B in the test's folder.
    std::string SaveSurvey(Survey survey, const std::string& name) {
        const std::string path = desktop_.PathOf(name);
        ScriptedPrompter prompter;
        [&] { QVERIFY(WriteProjectFile(survey, path, prompter)); }();
        return path;
    }

    TVergelijkingForm* Form() { return desktop_.Form().findChild<TVergelijkingForm*>(); }

    DesktopFixture desktop_;
    Survey a_ = MakeDemoSurvey({200, 3});
    Survey b_ = MakeDemoSurvey({150, 7});

private slots:
    void init() { desktop_.Start(); }
    void cleanup() { desktop_.Stop(); }

    void MenuShowsTheFourComparisonsAndSavesTheTableInFront() {
        QVERIFY(!desktop_.Form().Command("Vergelijken1")->isEnabled());
        desktop_.UseSurvey(a_);
        QAction* command = desktop_.Form().Command("Vergelijken1");
        QVERIFY(command->isEnabled());
        QCOMPARE(command->text(), QStringLiteral("&Vergelijken met..."));

        desktop_.prompter.QueueFileName(SaveSurvey(b_, "na.par"));
        desktop_.Trigger("Vergelijken1");
        auto* analysis = desktop_.Form().findChild<TParkeerduurmetingForm*>();
        QVERIFY(analysis->isVisible());
        QTest::mouseClick(analysis->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        TVergelijkingForm* form = Form();
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Vergelijking met na.par"));

        auto* tabs = form->findChild<QTabWidget*>("VergelijkingPageControl");
        QCOMPARE(tabs->count(), static_cast<int>(AllComparisonKinds().size()));
        for (ComparisonKind kind : AllComparisonKinds()) {
            QVERIFY(!form->ViewOf(kind)->chart()->series().isEmpty());
        }

        // The CSV of the tab in front is the engine's, both sides in A's selection.
        Progress progress;
        const AnalysisParameters selectionA = Everything(a_);
        const SurveyComparison expected =
            *CompareSurveys(a_, selectionA, b_, SelectionOnOtherSurvey(a_, selectionA, b_),
                            kDefaultPressureThreshold, progress);
        tabs->setCurrentIndex(1);
        QCOMPARE(form->CurrentKind(), ComparisonKind::Occupancy);
        const std::string csv = desktop_.PathOf("bezetting.csv");
        desktop_.prompter.QueueFileName(csv);
        QTest::mouseClick(form->findChild<QPushButton*>("ExporterenButton"), Qt::LeftButton);
        QCOMPARE(Contents(csv), ComparisonCsv(ComparisonKind::Occupancy, expected));

        // A picture by its name; the dialog offers CSV beside the pictures.
        tabs->setCurrentIndex(0);
        const std::string png = desktop_.PathOf("secties.png");
        desktop_.prompter.QueueFileName(png);
        QTest::mouseClick(form->findChild<QPushButton*>("ExporterenButton"), Qt::LeftButton);
        QVERIFY(Contents(png).starts_with("\x89PNG"));
        QVERIFY(desktop_.prompter.fileRequests().back().filter.find("*.csv") != std::string::npos);

        // Without a printer "Afdrukken..." writes the comparison in front as a PDF file.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            const std::string printed = desktop_.PathOf("afdruk.pdf");
            desktop_.prompter.QueueFileName(printed);
            QTest::mouseClick(form->findChild<QPushButton*>("AfdrukkenButton"), Qt::LeftButton);
            QCOMPARE(desktop_.prompter.fileRequests().back().presetName,
                     ComparisonTitle(ComparisonKind::Sections) + ".pdf");
            QCOMPARE(PdfPageTexts(QString::fromStdString(printed)).size(), 1);
        }

        // A workbook by its name: every comparison, whichever tab is in front, B named.
        const std::string workbook = desktop_.PathOf("vergelijking.xlsx");
        desktop_.prompter.QueueFileName(workbook);
        QTest::mouseClick(form->findChild<QPushButton*>("ExporterenButton"), Qt::LeftButton);
        QVERIFY(Contents(workbook).starts_with("PK"));
        if (OpenpyxlAvailable()) {
            const std::optional<nlohmann::json> described = DescribeWorkbook(Contents(workbook));
            QVERIFY(described);
            const nlohmann::json& sheets = (*described)["sheets"];
            QCOMPARE(sheets.size(), AllComparisonKinds().size() + 1);
            QVERIFY(sheets[0]["rows"][2][1]["v"].get<std::string>().starts_with("na.par, "));
            QCOMPARE(sheets[2]["rows"].size(), expected.occupancy.size() + 1);
        }

        // The analysis selection is now known: the next comparison asks only for B.
        form->close();
        desktop_.prompter.QueueCancelledFileDialog();
        desktop_.Trigger("Vergelijken1");
        QVERIFY(!analysis->isVisible());
        QVERIFY(!form->isVisible());
    }

    void SurveysWithoutCommonSectionAreRefused() {
        // Route 0005 of a large survey lies outside a survey of three routes.
        const Survey large = MakeDemoSurvey({1000, 3});
        desktop_.UseSurvey(large);
        AnalysisParameters lastRoute = Everything(large);
        std::erase_if(lastRoute.selectedPlaces,
                      [](const std::string& place) { return !place.starts_with("0005"); });
        QVERIFY(!lastRoute.selectedPlaces.empty());
        const std::string elsewhere = SaveSurvey(b_, "elders.par");
        desktop_.prompter.Clear();
        desktop_.prompter.QueueFileName(elsewhere);
        Form()->Execute(lastRoute);
        QVERIFY(!Form()->isVisible());
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{1});
        QCOMPARE(desktop_.prompter.asked().front().text, MessageText("AA00925"));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::ComparisonWindowTest)
#include "comparison_window_test.moc"
