// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog and the preview: the job they show, the page choices, paging with keys, the
// zoom by menu and by mouse clicks, and the print command without a printer.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "app/ui/main_form.h"
#include "core/message_texts.h"
#include "core/scripted_prompter.h"
#include "reports/ui/print_form.h"
#include "reports/ui/print_job.h"
#include "reports/ui/print_preview_form.h"
#include "reports/ui/report_window.h"

namespace tavoric {

class PrintPreviewTest : public QObject {
    Q_OBJECT

private:
    static PrintJob JobOfLines(int count) {
        PrintJob job;
        for (int i = 1; i <= count; ++i) {
            job.lines.push_back("regel " + std::to_string(i));
        }
        job.footer = {{"Pagina $PAGENUM$ van $PAGECOUNT$", PrintAlignment::Right}};
        return job;
    }

    static QString PagePanel(const TPrintPreviewForm& preview) {
        return preview.findChild<QLabel*>(QStringLiteral("StatusPanel2"))->text();
    }

    static QWidget* Page(const TPrintPreviewForm& preview) {
        return preview.findChild<QWidget*>(QStringLiteral("PrintPreview1"));
    }

    static void Trigger(const TPrintPreviewForm& preview, const char* name) {
        preview.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }

    const QSizeF a4_{210, 297};

private slots:
    void initTestCase() { SetDefaultMessageTexts(); }

    void keysPageThroughAndThePanelShowsThePosition() {
        const PrintJob job = JobOfLines(300);
        TPrintPreviewForm preview(nullptr);
        preview.SetJob(job, a4_, 600);
        preview.show();
        QApplication::setActiveWindow(&preview);
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        const int count = preview.PageCount();
        QVERIFY(count >= 4);
        QCOMPARE(PagePanel(preview), QStringLiteral(" Pagina 1 van %1").arg(count));
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.PageIndex(), 1);
        QCOMPARE(PagePanel(preview), QStringLiteral(" Pagina 2 van %1").arg(count));
        QTest::keyClick(&preview, Qt::Key_End);
        QCOMPARE(preview.PageIndex(), count - 1);
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.PageIndex(), count - 1);
        QTest::keyClick(&preview, Qt::Key_PageUp);
        QCOMPARE(preview.PageIndex(), count - 2);
        QTest::keyClick(&preview, Qt::Key_Home);
        QCOMPARE(preview.PageIndex(), 0);
        QTest::keyClick(&preview, Qt::Key_PageUp);
        QCOMPARE(preview.PageIndex(), 0);
    }

    void toolBarCommandsCarryTheirHints() {
        TPrintPreviewForm preview(nullptr);
        QStringList hints;
        for (const char* name : {"ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4",
                                 "ToolButton5", "ToolButton6"}) {
            hints << preview.findChild<QAction*>(QString::fromLatin1(name))->toolTip();
        }
        QCOMPARE(hints, QStringList({"Eerste pagina", "Vorige", "Volgende", "Laatste pagina",
                                     "Zoom", "Sluiten"}));
        QStringList entries;
        for (QAction* entry : preview.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions()) {
            entries << entry->text();
        }
        QCOMPARE(entries, QStringList({"Inzoomen", "Uitzoomen", "", "Volledige pagina",
                                       "Paginabreedte", "25%", "50%", "100%", "200%", "400%"}));
    }

    void clicksOnThePageZoomInAndOut() {
        const PrintJob job = JobOfLines(10);
        TPrintPreviewForm preview(nullptr);
        preview.SetJob(job, a4_, 600);
        preview.show();
        QWidget* page = Page(preview);
        QVERIFY(page->height() <= preview.height());  // the whole page is in view

        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(preview.Zoom().Mode(), ZoomMode::Percentage);
        QCOMPARE(preview.Zoom().Percentage(), 100);
        const int widthAt100 = page->width();
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(preview.Zoom().Percentage(), 200);
        QVERIFY(std::abs(page->width() - 2 * widthAt100) < 30);

        Trigger(preview, "N251");
        QTest::mouseClick(page, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(preview.Zoom().Percentage(), 25);

        Trigger(preview, "N501");
        Trigger(preview, "Paginabreedte1");
        QCOMPARE(preview.Zoom().Mode(), ZoomMode::PageWidth);
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(preview.Zoom().Percentage(), 100);

        Trigger(preview, "ToolButton5");  // the zoom button itself: the whole page
        QCOMPARE(preview.Zoom().Mode(), ZoomMode::WholePage);
    }

    // Ctrl++ (or Ctrl+=) zooms in as a left click does, Ctrl+- out as any other click, Ctrl+0
    // shows the real size; the zoom menu names the keys.
    void zoomKeysZoomInAndOutAndBackToTheRealSize() {
        const PrintJob job = JobOfLines(3);
        TPrintPreviewForm preview(nullptr);
        preview.SetJob(job, a4_, 600);
        preview.show();
        QApplication::setActiveWindow(&preview);
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        const auto zoomPanel = [&preview] {
            return preview.findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text();
        };
        QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(preview.Zoom().Mode(), ZoomMode::Percentage);
        QCOMPARE(preview.Zoom().Percentage(), 100);
        QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(preview.Zoom().Percentage(), 200);
        QTest::keyClick(&preview, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(zoomPanel(), QStringLiteral(" 400%"));
        QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(preview.Zoom().Percentage(), 200);
        QTest::keyClick(&preview, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(zoomPanel(), QStringLiteral(" 100%"));
        QVERIFY(!preview.findChild<QAction*>(QStringLiteral("Inzoomen1"))->shortcut().isEmpty());
    }

    void escapeClosesThePreview() {
        const PrintJob job = JobOfLines(3);
        TPrintPreviewForm preview(nullptr);
        QTimer::singleShot(0, &preview, [&preview] { QTest::keyClick(&preview, Qt::Key_Escape); });
        preview.ShowJob(job, a4_, 600);
        QVERIFY(!preview.isVisible());
    }

    void theDialogShowsTheReportAndThePrinter() {
        ReportSettings settings;
        settings.ownerName = "Gemeente X";
        TKindForm report(5, settings, ReportMenuActions{}, {});
        report.Document().AddReportLine("regel");
        report.SetFontSize(12);
        ScriptedPrompter prompter;
        Progress progress;
        PrintOptions options{PrintOrientation::Landscape, false};
        TAfdrukkenForm1 form([&report] { return &report; }, {}, options, prompter, progress,
                             nullptr);
        form.PrepareJob(report);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
                 QStringLiteral("Rapport 5"));
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("Label4"))->font().bold());
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("Label5"))
                    ->text()
                    .startsWith(QStringLiteral("Printer: ")));
        QVERIFY(form.findChild<QPushButton*>(QStringLiteral("Button1"))->isDefault());
        QCOMPARE(form.Job().title, std::string("Rapport 5"));
        QCOMPARE(form.Job().bodyPointSize, 12);
        QCOMPARE(form.Job().header.at(1).text, std::string("Gemeente X"));

        // The page choices show the settings and change them.
        QVERIFY(form.findChild<QRadioButton*>(QStringLiteral("LiggendRadioButton"))->isChecked());
        auto* fit = form.findChild<QCheckBox*>(QStringLiteral("PassendCheckBox"));
        QVERIFY(!fit->isChecked());
        QCOMPARE(form.Job().options.orientation, PrintOrientation::Landscape);
        QTest::mouseClick(fit, Qt::LeftButton, {}, QPoint(5, fit->height() / 2));
        form.findChild<QRadioButton*>(QStringLiteral("AutomatischRadioButton"))->click();
        QCOMPARE(options.orientation, PrintOrientation::Automatic);
        QVERIFY(options.fitToPageWidth);
        options = {PrintOrientation::Portrait, false};  // as the export dialog may have left them
        form.PrepareJob(report);
        QVERIFY(form.findChild<QRadioButton*>(QStringLiteral("StaandRadioButton"))->isChecked());
        QVERIFY(!fit->isChecked());
        QCOMPARE(options.orientation, PrintOrientation::Portrait);
    }

    // Qt's print dialog stores the printer set-up: its title and confirm button say so.
    void printerSetupConfirmsWithoutPrinting() {
        TKindForm report(1, {}, ReportMenuActions{}, {});
        ScriptedPrompter prompter;
        Progress progress;
        PrintOptions options;
        TAfdrukkenForm1 form([&report] { return &report; }, {}, options, prompter, progress,
                             nullptr);
        QString title;
        QString confirm;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->objectName(), QStringLiteral("PrinterSetupDialog"));
            title = dialog->windowTitle();
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            QVERIFY(buttons != nullptr);
            confirm = buttons->button(QDialogButtonBox::Ok)->text();
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Printerinstellingen"));
        QCOMPARE(confirm, QStringLiteral("&Instellen"));
        QCOMPARE(prompter.asked().size(), std::size_t(0));
    }

    void thePageCounterShowsWholeAndTheZoomTextsAreMessages() {
        const PrintJob job = JobOfLines(50'000);
        TPrintPreviewForm preview(nullptr);
        preview.SetJob(job, a4_, 600);
        preview.show();
        preview.ShowPage(preview.PageCount() - 1);
        QVERIFY(preview.PageCount() >= 483);
        auto* panel = preview.findChild<QLabel*>(QStringLiteral("StatusPanel2"));
        QCOMPARE(panel->text(), QStringLiteral(" Pagina %1 van %1").arg(preview.PageCount()));
        QApplication::processEvents();
        QVERIFY(panel->width() >= panel->sizeHint().width());

        SetMessageText("AA00351", "Whole page");
        SetMessageText("AA00352", "Page width");
        auto* zoom = preview.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
        Trigger(preview, "Paginabreedte1");
        QCOMPARE(zoom->text(), QStringLiteral(" Page width"));
        Trigger(preview, "Volledigepagina1");
        QCOMPARE(zoom->text(), QStringLiteral(" Whole page"));
        SetDefaultMessageTexts();
    }

    void thePreviewFitsTheScreenItOpensOn() {
        const PrintJob job = JobOfLines(3);
        TPrintPreviewForm preview(nullptr);
        const QRect screen = preview.screen()->availableGeometry();
        preview.SetJob(job, a4_, 600);
        preview.resize(screen.width() + 200, screen.height() + 300);
        preview.move(screen.topLeft() + QPoint(150, 150));
        preview.show();
        QVERIFY(screen.contains(preview.frameGeometry()));
        QVERIFY(preview.findChild<QWidget*>(QStringLiteral("StatusBar1"))->isVisible());
    }

    // Without a printer Ctrl+P still opens the dialog, with a PDF file as the destination; the
    // preview shows the pages and "Af&drukken" asks for the file and writes it.
    void withoutAPrinterThePrintCommandWritesAPdfFile() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("this machine has a printer");
        }
        ProgramSettings settings = DefaultSettings("/tmp/");
        ScriptedPrompter prompter;
        THoofdForm form(settings, "");
        form.SetPrompter(&prompter);
        TKindForm* report = form.NewReportWindow();
        report->Document().AddReportLine("regel");
        QTemporaryDir folder;
        prompter.QueueFileName(folder.filePath(QStringLiteral("afdruk")).toStdString());
        QAction* print = form.Command("Afdrukken1");
        QVERIFY(print->isEnabled());
        bool previewed = false;
        QTimer::singleShot(0, [&] {
            auto* printForm = form.findChild<TAfdrukkenForm1*>(QStringLiteral("AfdrukkenForm1"));
            QVERIFY(printForm && printForm->isVisible());
            QCOMPARE(printForm->findChild<QLabel*>(QStringLiteral("Label5"))->text(),
                     QStringLiteral("Printer: PDF-bestand"));
            QTimer::singleShot(0, [&] {
                previewed =
                    printForm->Preview().isVisible() && printForm->Preview().PageCount() == 1;
                printForm->Preview().reject();
            });
            printForm->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
            printForm->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        print->trigger();
        QVERIFY(previewed);
        QCOMPARE(prompter.fileRequests().at(0).presetName, std::string("Rapport 1.pdf"));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("afdruk.pdf"))));
        QVERIFY(prompter.asked().empty());
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::PrintPreviewTest)
#include "print_preview_test.moc"
