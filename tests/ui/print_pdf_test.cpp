// SPDX-License-Identifier: GPL-3.0-or-later
// Reports written as PDF and read back with pdftotext: header, footer, page numbers, lines
// that continue on the next printed line, and the analyses of the demo survey fitted to the
// page with every table row on one line.
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "analysis/analysis_selection.h"
#include "analysis/parking_duration_analysis.h"
#include "core/demo_survey.h"
#include "core/message_texts.h"
#include "core/scripted_prompter.h"
#include "desktop/qt_text.h"
#include "pdf_text.h"
#include "reports/ui/print_job.h"
#include "reports/ui/report_window.h"

namespace tavoric {

class PrintPdfTest : public QObject {
    Q_OBJECT

private:
    static ReportSettings OwnerSettings() {
        ReportSettings settings;
        settings.ownerName = "Gemeente Oosterhout";
        return settings;
    }

    // A report window of lineCount numbered body lines under the standard header.
    static std::unique_ptr<TKindForm> Report(int lineCount) {
        auto report = std::make_unique<TKindForm>(3, OwnerSettings(), ReportMenuActions{},
                                                  std::function<void()>{});
        report->Document().WriteReportHeader(GeneralValues{});
        for (int i = 1; i <= lineCount; ++i) {
            report->Document().AddReportLine("0001 0002 regel " + std::to_string(i));
        }
        report->EndWriting();
        return report;
    }

    QString WritePdf(const PrintJob& job, const QString& name) {
        const QString fileName = folder_.filePath(name);
        Progress progress;
        ScriptedPrompter prompter;
        if (!ExportPdf(job, fileName.toStdString(), prompter, progress)) {
            return {};
        }
        return fileName;
    }

    static QStringList NonEmptyLines(const QString& page) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty()) {
                lines << line;
            }
        }
        return lines;
    }

    // The analysis of the demo survey in a report window; the interval report over route 0001
    // alone, since the routes have different intervals.
    static std::unique_ptr<TKindForm> DemoAnalysis(ReportKind kind, ReportSettings settings) {
        static const Survey survey = MakeDemoSurvey({});
        AnalysisSelection selection;
        selection.Open(survey);
        if (kind == ReportKind::PerInterval) {
            for (std::size_t route = 1; route < selection.List(NarrowingLevel::Routes).Count();
                 ++route) {
                selection.SetSelected(NarrowingLevel::Routes, route, false);
            }
            selection.Rebuild(survey, NarrowingLevel::Routes);
        }
        auto report = std::make_unique<TKindForm>(4, std::move(settings), ReportMenuActions{},
                                                  std::function<void()>{});
        Progress progress;
        RunParkingDurationAnalysis(survey, selection.Parameters(survey, kind), report->Document(),
                                   progress);
        report->EndWriting();
        return report;
    }

    // The table rows of a report as pdftotext gives them back: runs of blanks as one, the
    // rules' em dashes as U+2014. The closing width is the part of each line's end repeated
    // after the strip.
    static QStringList TableRows(const ReportDocument& report, std::size_t labelWidth,
                                 std::size_t firstColumn, std::size_t width,
                                 std::size_t closingWidth = 0) {
        QStringList rows;
        for (const TableLines& table : report.Tables()) {
            for (std::size_t i = table.firstLine; i < table.firstLine + table.lineCount; ++i) {
                const std::string& line = report.Lines()[i];
                const std::string printed = line.substr(0, std::min(labelWidth, line.size())) +
                                            line.substr(std::min(firstColumn, line.size()), width) +
                                            line.substr(line.size() - closingWidth);
                rows << ToQString(printed).simplified();
            }
        }
        return rows;
    }

    // Every row stands whole on one line of the pages' text, in order.
    static void VerifyRowsOnOneLine(const QStringList& rows, const QStringList& pages) {
        QStringList lines;
        for (const QString& page : pages) {
            for (const QString& line : NonEmptyLines(page)) {
                lines << line.simplified();
            }
        }
        qsizetype at = 0;
        for (const QString& row : rows) {
            if (row.isEmpty()) {
                continue;
            }
            const qsizetype found = lines.indexOf(row, at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("not on one line: ") + row));
            at = found + 1;
        }
    }

    static void VerifyHeaderAndFooterOnEveryPage(const QStringList& pages) {
        for (int page = 0; page < pages.size(); ++page) {
            const QStringList lines = NonEmptyLines(pages[page]);
            QVERIFY(lines.first().trimmed().startsWith(QStringLiteral("Tavoric 3.1")));
            QCOMPARE(lines.last().trimmed(),
                     QStringLiteral("Pagina %1 van %2").arg(page + 1).arg(pages.size()));
        }
    }

    QTemporaryDir folder_;

private slots:
    void initTestCase() {
        SetDefaultMessageTexts();
        QVERIFY(folder_.isValid());
    }

    void aShortReportIsOnePageWithHeaderAndFooter() {
        const auto report = Report(5);
        const QString pdf = WritePdf(PrintJobOf(*report, {}), QStringLiteral("kort.pdf"));
        const QStringList pages = PdfPageTexts(pdf);
        QCOMPARE(pages.size(), 1);
        const QStringList lines = NonEmptyLines(pages[0]);
        QVERIFY(lines.size() >= 4);
        // Page header: version left, owner right, on one line.
        const QString header = lines.first().trimmed();
        QVERIFY2(header.startsWith(QStringLiteral("Tavoric 3.1 ")), qPrintable(header));
        QVERIFY2(header.endsWith(QStringLiteral(" Gemeente Oosterhout")), qPrintable(header));
        QVERIFY(!header.contains(QLatin1Char('-')));
        // The report's own header is still the first body text.
        QVERIFY(lines[2].contains(
            QRegularExpression(QStringLiteral("^Tavoric 3\\.1 +- +Gemeente Oosterhout$"))));
        QCOMPARE(lines.last().trimmed(), QStringLiteral("Pagina 1 van 1"));
        QVERIFY(lines.last().startsWith(QStringLiteral("     ")));  // right-aligned
    }

    void everyPageOfALongReportShowsItsNumberAndTheCount() {
        const auto report = Report(400);
        const PrintJob job = PrintJobOf(*report, {});
        const QStringList pages = PdfPageTexts(WritePdf(job, QStringLiteral("lang.pdf")));
        const PrintJobPages layout(job, QSizeF(210, 297), 1200);
        QVERIFY(layout.PageCount() > 3);
        QCOMPARE(pages.size(), layout.PageCount());
        for (int page = 0; page < pages.size(); ++page) {
            const QString footer = NonEmptyLines(pages[page]).last().trimmed();
            QCOMPARE(footer, QStringLiteral("Pagina %1 van %2").arg(page + 1).arg(pages.size()));
        }
        QVERIFY(pages.last().contains(QStringLiteral("regel 400")));
    }

    void aWideLineContinuesOnTheNextPrintedLine() {
        const auto report = Report(0);
        std::string wide;
        for (int i = 1; i <= 40; ++i) {
            wide += "woord" + std::to_string(100 + i) + " ";
        }
        report->Document().AddReportLine(wide + "einde");
        const PrintJob job = PrintJobOf(*report, {PrintOrientation::Portrait, false});
        const QStringList lines =
            NonEmptyLines(PdfPageTexts(WritePdf(job, QStringLiteral("breed.pdf"))).value(0));

        const PrintJobPages layout(job, QSizeF(210, 297), 1200);
        const std::vector<std::string_view> pieces =
            BreakLine(job.lines.back(), layout.Pagination().CharactersPerLine());
        QVERIFY(pieces.size() >= 3);
        const qsizetype first =
            lines.indexOf(QRegularExpression(QStringLiteral("^\\s*woord101 .*")));
        QVERIFY(first > 0);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            QCOMPARE(lines.value(first + static_cast<qsizetype>(i)).trimmed(),
                     QString::fromLatin1(pieces[i].data(), static_cast<qsizetype>(pieces[i].size()))
                         .trimmed());
        }
        QVERIFY(lines.value(first + static_cast<qsizetype>(pieces.size()) - 1).endsWith("einde"));
    }

    void aLargerTextSizeNeedsMorePages() {
        const auto report = Report(150);
        const PrintJob small = PrintJobOf(*report, {});
        report->SetFontSize(16);
        const PrintJob large = PrintJobOf(*report, {});
        QCOMPARE(large.bodyPointSize, 16);
        const int smallPages = PrintJobPages(small, QSizeF(210, 297), 600).PageCount();
        const int largePages = PrintJobPages(large, QSizeF(210, 297), 600).PageCount();
        QVERIFY(largePages > smallPages);
        QCOMPARE(PdfPageTexts(WritePdf(large, QStringLiteral("groot.pdf"))).size(), largePages);
    }

    void thePrinterGetsTheSamePagesUnderTheReportsTitle() {
        const auto report = Report(200);
        const PrintJob job = PrintJobOf(*report, {});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(folder_.filePath(QStringLiteral("printer.pdf")));
        Progress progress;
        QVERIFY(PrintJobOnPrinter(job, printer, progress));
        QCOMPARE(printer.docName(), QStringLiteral("Rapport 3"));
        const QStringList printed = PdfPageTexts(printer.outputFileName());
        const QStringList exported = PdfPageTexts(WritePdf(job, QStringLiteral("export.pdf")));
        QCOMPARE(printed.size(), exported.size());
        QCOMPARE(NonEmptyLines(printed.last()), NonEmptyLines(exported.last()));

        printer.setOutputFileName(folder_.filePath(QStringLiteral("geen map/printer.pdf")));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!PrintJobOnPrinter(job, printer, progress));
    }

    void theDemoPerPlaceReportTurnsToLandscapeWithEveryRowOnOneLine() {
        const auto report = DemoAnalysis(ReportKind::PerPlace, OwnerSettings());
        const PrintJob job = PrintJobOf(*report, {});
        const PrintJobPages layout(job, QSizeF(210, 297), 1200);
        QVERIFY(layout.Setup().landscape);
        QCOMPARE(layout.Setup().pointSize, 8.0);  // 144 characters fit landscape unchanged
        const QStringList pages = PdfPageTexts(WritePdf(job, QStringLiteral("per-plaats.pdf")));
        QCOMPARE(pages.size(), layout.PageCount());
        QCOMPARE(pages.size(), 5);
        VerifyHeaderAndFooterOnEveryPage(pages);
        VerifyRowsOnOneLine(TableRows(report->Document(), 0, 0, std::string::npos), pages);
    }

    void theDemoIntervalDiagramPrintsInStripsWithItsLabelsRepeated() {
        const auto report = DemoAnalysis(ReportKind::PerInterval, OwnerSettings());
        const PrintJob job = PrintJobOf(*report, {});
        const PrintJobPages layout(job, QSizeF(210, 297), 1200);
        QVERIFY(layout.Setup().landscape);
        QCOMPARE(layout.Setup().pointSize, kMinimumFitPointSize);
        const QStringList pages = PdfPageTexts(WritePdf(job, QStringLiteral("interval.pdf")));
        QCOMPARE(pages.size(), layout.PageCount());
        VerifyHeaderAndFooterOnEveryPage(pages);
        // Strips of whole six-character columns after the 18 label characters, each followed by
        // the six characters of the number of vehicles.
        const auto m = static_cast<std::size_t>(layout.Pagination().CharactersPerLine());
        const std::size_t width = (m - 18 - 6) / 6 * 6;
        const std::size_t widest =
            report->Document().Lines()[report->Document().Tables()[0].firstLine].size();
        QVERIFY(widest > m);
        for (std::size_t from = 18; from < widest - 6; from += width) {
            VerifyRowsOnOneLine(
                TableRows(report->Document(), 18, from, std::min(width, widest - 6 - from), 6),
                pages);
        }
    }

    // Every page of the diagram can be read on its own: the page header names the survey area
    // and the report, and a page with presence bars shows the headings, the times above the bars
    // and the number of vehicles after each bar.
    void everyPageOfTheIntervalDiagramCanBeReadOnItsOwn() {
        const auto report = DemoAnalysis(ReportKind::PerInterval, OwnerSettings());
        report->Document().SetCaption("Naar interval - route 0001");
        const QStringList pages =
            PdfPageTexts(WritePdf(PrintJobOf(*report, {}), QStringLiteral("los.pdf")));
        QVERIFY(pages.size() > 6);
        const QRegularExpression times(QStringLiteral("^ *\\d{4}(\u2014+\\d{4})+"));
        const QRegularExpression barAndCount(QStringLiteral("\u2022 +\\d+$"));
        int pagesWithBars = 0;
        for (const QString& page : pages) {
            const QStringList lines = NonEmptyLines(page);
            QVERIFY2(lines.first().simplified().contains(
                         QStringLiteral("Centrum Demodorp - Naar interval - route 0001")),
                     qPrintable(lines.first()));
            QStringList bars = lines.filter(QChar(0x2022));
            if (bars.isEmpty()) {
                continue;
            }
            ++pagesWithBars;
            QVERIFY2(!lines.filter(QStringLiteral("Interval")).isEmpty(), qPrintable(page));
            QVERIFY2(!lines.filter(QStringLiteral("Aantal")).isEmpty(), qPrintable(page));
            QVERIFY2(!lines.filter(times).isEmpty(), qPrintable(page));
            for (const QString& bar : bars) {
                QVERIFY2(bar.contains(barAndCount), qPrintable(bar));
            }
        }
        QVERIFY(pagesWithBars > 6);
    }

    void noTextRunsPastTheRightMargin() {
        const auto report = DemoAnalysis(ReportKind::PerInterval, ReportSettings{});
        const QString pdf = WritePdf(PrintJobOf(*report, {}), QStringLiteral("marge.pdf"));
        QProcess pdftoppm;
        const QString image = folder_.filePath(QStringLiteral("marge"));
        pdftoppm.start(QStringLiteral("pdftoppm"),
                       {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
                        QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                        QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, image});
        QVERIFY(pdftoppm.waitForFinished(30000) && pdftoppm.exitCode() == 0);
        const QImage page(image + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        QVERIFY(page.width() > page.height());  // landscape
        // The right margin, 15 mm less the header's 2 mm indent and a little, is white between
        // the header and the footer line.
        const double pixelsPerMm = page.width() / 297.0;
        const int left = static_cast<int>(page.width() - 14 * pixelsPerMm);
        for (int y = static_cast<int>(12 * pixelsPerMm); y < page.height() - 12 * pixelsPerMm;
             ++y) {
            for (int x = left; x < page.width(); ++x) {
                QVERIFY2(qGray(page.pixel(x, y)) > 200,
                         qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void withoutAnOwnerThePagesShowNoDanglingHyphen() {
        const auto report = DemoAnalysis(ReportKind::PerPlace, ReportSettings{});
        const QStringList pages =
            PdfPageTexts(WritePdf(PrintJobOf(*report, {}), QStringLiteral("geen-eigenaar.pdf")));
        const QStringList lines = NonEmptyLines(pages.value(0));
        QCOMPARE(lines.value(0).simplified(),
                 QStringLiteral("Tavoric 3.1 - Parkeeronderzoek Centrum Demodorp"));
        QCOMPARE(lines.value(2).trimmed(), QStringLiteral("Tavoric 3.1"));
    }

    void theSaveDialogProposesThePdfNameAndFailuresLeaveNoFile() {
        const auto report = Report(2);
        ScriptedPrompter prompter;
        Progress progress;
        prompter.QueueFileName(folder_.filePath(QStringLiteral("Verslag")).toStdString());
        QVERIFY(ExportPdfWithSaveDialog(PrintJobOf(*report, {}), prompter, progress));
        QCOMPARE(prompter.fileRequests().at(0).presetName, std::string("Rapport 3.pdf"));
        QCOMPARE(PdfPageTexts(folder_.filePath(QStringLiteral("Verslag.pdf"))).size(), 1);

        const QString missing = folder_.filePath(QStringLiteral("geen map/Verslag.pdf"));
        prompter.QueueFileName(missing.toStdString());
        QVERIFY(!ExportPdfWithSaveDialog(PrintJobOf(*report, {}), prompter, progress));
        QCOMPARE(prompter.asked().size(), std::size_t{1});
        QCOMPARE(prompter.asked()[0].kind, DialogKind::Error);
        QVERIFY(!QFile::exists(missing));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::PrintPdfTest)
#include "print_pdf_test.moc"
