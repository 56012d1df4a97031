// SPDX-License-Identifier: GPL-3.0-or-later
// The pressure map window on the demo survey: the streets chosen once and remembered by the
// project, every street drawn with its section under the pointer, the measure switched, zoom by
// the wheel and the keys, Tab through the sections with their figures in the panel, and the map
// saved as PNG and SVG through the export button and as GeoJSON.
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <sstream>

#include "analysis/analysis_selection.h"
#include "charts/ui/parkeerdrukkaart_form.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "desktop_test_support.h"
#include "pdf_text.h"

namespace tavoric {

namespace {

const std::string kDemoFolder = TAVORIC_DEMO_DATA;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

class MapWindowTest : public QObject {
    Q_OBJECT

private:
    QPushButton* Button(const char* name) {
        return form_->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    std::vector<QColor> StreetColours() {
        std::vector<QColor> colours;
        for (QGraphicsItem* item : form_->Scene()->items(Qt::AscendingOrder)) {
            colours.push_back(static_cast<QGraphicsPathItem*>(item)->pen().color());
        }
        return colours;
    }

    QString Panel() { return form_->findChild<QLabel*>("StraatPaneel")->text(); }

    void PointAt(const QString& street) {
        QGraphicsView* view = form_->View();
        QPoint at(-1, -1);
        for (QGraphicsItem* item : form_->Scene()->items()) {
            if (item->toolTip().contains(street)) {
                const QPainterPath& path = static_cast<QGraphicsPathItem*>(item)->path();
                at = view->mapFromScene(path.pointAtPercent(0.5));
            }
        }
        QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
    }

    ScriptedPrompter prompter_;
    Survey survey_;
    TParkeerdrukkaartForm* form_ = nullptr;
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY(ReadProjectFile(survey_, kDemoFolder + "/Demodorp.par", prompter_));
        // The project remembers no streets yet: the user picks them, and the project keeps
        // them beside itself.
        prompter_.QueueFileName(kDemoFolder + "/Demodorp.geojson");
        std::optional<StreetGeometry> streets = OpenStreetGeometry(survey_, prompter_, false);
        QVERIFY(streets);
        QCOMPARE(survey_.AlgemeneGegevens.streetGeometry, std::string("Demodorp.geojson"));
        QVERIFY(survey_.ProjectChanged);
        // Next time they open without a question.
        QVERIFY(OpenStreetGeometry(survey_, prompter_, false));

        AnalysisSelection selection;
        selection.Open(survey_);
        Progress progress;
        std::optional<ChartData> figures = ComputeChartData(
            survey_, selection.Parameters(survey_, ReportKind::PerPlace), 85, progress);
        QVERIFY(figures);
        form_ = new TParkeerdrukkaartForm(
            prompter_, [] { return std::nullopt; }, nullptr);
        form_->ShowMap(std::move(*streets), std::move(*figures), survey_.SectiesList);
        QVERIFY(form_->isVisible());
    }
    void cleanupTestCase() { delete form_; }

    void EveryStreetIsDrawnWithItsSection() {
        const std::size_t features = form_->Map().figures.size();
        QCOMPARE(static_cast<std::size_t>(form_->Scene()->items().size()), features);
        QCOMPARE(form_->Map().withoutSection + form_->Map().unknownSection, 0);
        QStringList tips;
        for (QGraphicsItem* item : form_->Scene()->items()) {
            tips << item->toolTip();
        }
        QVERIFY(tips.join('|').contains(QStringLiteral("Route 0001 sectie 0001 Kerkstraat")));
        QVERIFY(tips.join('|').contains(QStringLiteral("Route 0003 sectie 0002 Beukenlaan")));
    }

    void MeasureRecoloursAndWheelZooms() {
        const std::vector<QColor> byOccupancy = StreetColours();
        form_->findChild<QComboBox*>("MaatComboBox")->setCurrentIndex(1);
        QCOMPARE(form_->Measure(), MapMeasure::Peak);
        QVERIFY(StreetColours() != byOccupancy);

        const double before = form_->View()->transform().m11();
        QWheelEvent wheel(QPointF(100, 100), form_->View()->mapToGlobal(QPoint(100, 100)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form_->View()->viewport(), &wheel);
        QVERIFY(form_->View()->transform().m11() > before);
    }

    void LabelsCanBeSwitchedOffOnTheScreenAndInTheExport() {
        auto* labels = form_->findChild<QCheckBox*>("LabelsCheckBox");
        QVERIFY(labels && labels->isChecked());
        const QImage withLabels = form_->View()->viewport()->grab().toImage();
        labels->click();
        QVERIFY(!form_->Labels());
        QVERIFY(form_->View()->viewport()->grab().toImage() != withLabels);
        const std::string svg = dir_.filePath("zonder.svg").toStdString();
        prompter_.QueueFileName(svg);
        QTest::mouseClick(Button("ExporterenButton"), Qt::LeftButton);
        QVERIFY(Contents(svg).find("Kerkstraat") == std::string::npos);
        labels->click();
        QVERIFY(form_->View()->viewport()->grab().toImage() == withLabels);
    }

    void KeysZoomAndPan() {
        QGraphicsView* view = form_->View();
        view->fitInView(form_->Scene()->sceneRect(), Qt::KeepAspectRatio);
        const double fitted = view->transform().m11();
        for (int i = 0; i < 6; ++i) {  // the streets outgrow the window both ways
            QTest::keyClick(view, Qt::Key_Plus);
        }
        QVERIFY(qFuzzyCompare(view->transform().m11(), fitted * std::pow(1.25, 6)));
        for (const auto& [key, bar] : {std::pair(Qt::Key_Right, view->horizontalScrollBar()),
                                       std::pair(Qt::Key_Down, view->verticalScrollBar())}) {
            const int before = bar->value();
            QTest::keyClick(view, key);
            QVERIFY(bar->value() > before);
        }
        QTest::keyClick(view, Qt::Key_Minus);
        QVERIFY(qFuzzyCompare(view->transform().m11(), fitted * std::pow(1.25, 5)));
    }

    void TabWalksTheSectionsAndThePanelShowsTheirFigures() {
        QGraphicsView* view = form_->View();
        view->fitInView(form_->Scene()->sceneRect(), Qt::KeepAspectRatio);
        const QString hint = Panel();
        QVERIFY(hint.contains("Tab"));
        const QImage unfocused = view->viewport()->grab().toImage();
        QTest::keyClick(view, Qt::Key_Tab);
        QVERIFY2(Panel().startsWith("Route 0001 sectie 0001 Kerkstraat\nBezetting "),
                 qPrintable(Panel()));
        QVERIFY(view->viewport()->grab().toImage() != unfocused);  // the focused street's outline
        QTest::keyClick(view, Qt::Key_Tab);
        QVERIFY2(Panel().startsWith("Route 0001 sectie 0002 "), qPrintable(Panel()));
        QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(Panel().startsWith("Route 0001 sectie 0001 Kerkstraat"));

        // The pointer's street goes first; off the streets the focused section returns.
        PointAt("Beukenlaan");
        QCOMPARE(Panel(), QStringLiteral("Route 0003 sectie 0002 Beukenlaan\nGeen gegevens"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view->viewport(), &leave);
        QVERIFY(Panel().startsWith("Route 0001 sectie 0001 Kerkstraat"));

        // Shift+Tab before the first section leaves the map: the next control gets the keys.
        QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Panel(), hint);
        QVERIFY(view->viewport()->grab().toImage() == unfocused);
        // Every section once, then on out of the map.
        const int sections = static_cast<int>(MapSections(form_->Map()).size());
        QVERIFY(sections > 2);
        QStringList seen;
        for (int i = 0; i < sections; ++i) {
            QTest::keyClick(view, Qt::Key_Tab);
            seen << Panel().section('\n', 0, 0);
        }
        QCOMPARE(seen.removeDuplicates(), 0);
        QVERIFY(seen.last().startsWith("Route 0003"));
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(Panel(), hint);
    }

    void ExportsPngAndSvg() {
        const std::string png = dir_.filePath("kaart").toStdString();
        prompter_.QueueFileName(png);
        QTest::mouseClick(Button("ExporterenButton"), Qt::LeftButton);
        QImage image;
        QVERIFY(image.load(QString::fromStdString(png + ".png"), "PNG"));
        QCOMPARE(image.size(), QSize(1200, 800));

        const std::string svg = dir_.filePath("kaart.svg").toStdString();
        prompter_.QueueFileName(svg);
        QTest::mouseClick(Button("ExporterenButton"), Qt::LeftButton);
        const std::string drawing = Contents(svg);
        QVERIFY(drawing.find("<svg") != std::string::npos);
        QVERIFY(drawing.find("Parkeerdrukkaart: Piekbezetting") != std::string::npos);
        QVERIFY(drawing.find("Kerkstraat") != std::string::npos);  // the street labels
        QVERIFY(drawing.find("00 m<") != std::string::npos);       // the scale bar
    }

    // Without a printer "Afdrukken..." writes the map as a one-page PDF file, as the reports do.
    void PrintsToAPdfFileWithoutAPrinter() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is installed here");
        }
        const QString name = dir_.filePath(QStringLiteral("kaart-afdruk.pdf"));
        prompter_.QueueFileName(name.toStdString());
        QTest::mouseClick(Button("AfdrukkenButton"), Qt::LeftButton);
        QCOMPARE(prompter_.fileRequests().back().presetName, MapTitle(form_->Measure()) + ".pdf");
        const QStringList pages = PdfPageTexts(name);
        QCOMPARE(pages.size(), 1);
        QVERIFY2(pages[0].contains(QStringLiteral("Parkeerdrukkaart")), qPrintable(pages[0]));
    }

    void ExportsTheGeoJsonOfTheCommandLine() {
        // A name without extension gains ".geojson"; the file is what "map --geojson" writes.
        const std::string name = dir_.filePath("kaart").toStdString();
        prompter_.QueueFileName(name);
        QTest::mouseClick(Button("GeoJsonButton"), Qt::LeftButton);
        const std::string written = Contents(name + ".geojson");
        QCOMPARE(written, StreetMapGeoJson(form_->Map()));
        QVERIFY(written.find("\"bezetting\":") != std::string::npos);
        // The user stops: nothing more is written.
        const qsizetype files = QDir(dir_.path()).count();
        QTest::mouseClick(Button("GeoJsonButton"), Qt::LeftButton);
        QCOMPARE(QDir(dir_.path()).count(), files);
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::MapWindowTest)
#include "map_window_test.moc"
