// Report windows: the text view that paints only what is in view, its selection and copy, the
// text size dialog and the window settings.
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMenu>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "app/ui/main_form.h"
#include "core/scripted_prompter.h"
#include "desktop/report_view.h"
#include "reports/ui/report_format_form.h"
#include "reports/ui/report_window.h"

namespace tavoric {

class ReportWindowTest : public QObject {
    Q_OBJECT

private:
    static ReportMenuActions NoActions() { return {}; }

private slots:
    void selectAllCopiesEveryLineAsUnicode() {
        TKindForm report(1, ReportSettings{}, NoActions(), {});
        report.Document().AddReportLine(
            "Stra\xdf"
            "e  \x97\x97");
        report.Document().AddReportLine();
        report.Document().AddReportLine("laatste");
        report.EndWriting();
        QVERIFY(!report.View().HasSelection());
        report.SelectAll();
        QCOMPARE(report.View().SelectedText(), QStringLiteral("Straße  ——\n\nlaatste"));
        report.CopySelection();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Straße  ——\n\nlaatste"));
    }

    void draggingSelectsFromColumnToColumn() {
        TKindForm report(1, ReportSettings{}, NoActions(), {});
        for (const char* line : {"0001 Markt", "0002 Station", "0003 Haven"}) {
            report.Document().AddReportLine(line);
        }
        report.EndWriting();
        report.resize(400, 300);
        report.show();
        ReportView& view = report.View();
        const int charWidth = view.fontMetrics().horizontalAdvance(QLatin1Char('M'));
        const int lineHeight = view.fontMetrics().lineSpacing();
        const QPoint from(4 + 5 * charWidth + 1, lineHeight / 2);
        const QPoint to(4 + 4 * charWidth + 1, lineHeight + lineHeight / 2);
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view.viewport(), to);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(view.SelectedText(), QStringLiteral("Markt\n0002"));
    }

    void aMillionLinesScrollToTheEnd() {
        TKindForm report(1, ReportSettings{}, NoActions(), {});
        report.BeginWriting();
        report.Document().ReserveLines(1'000'000);
        for (int i = 0; i < 1'000'000; ++i) {
            report.Document().AddReportLine("0001 0001 0001 0600-0615 12AB34");
        }
        report.Document().AddReportLine(std::string(300, 'x'));
        report.EndWriting();
        report.resize(500, 400);
        report.show();
        QScrollBar* vertical = report.View().verticalScrollBar();
        QVERIFY(vertical->maximum() > 999'900);
        QVERIFY(report.View().horizontalScrollBar()->maximum() > 0);
        vertical->setValue(vertical->maximum());
        QTest::qWait(1);
    }

    void textSizeDialogChangesOnlyTheCurrentWindow() {
        ProgramSettings settings = DefaultSettings("/tmp/");
        settings.report.maximize = false;
        settings.report.tableFontSize = 11;
        THoofdForm form(settings, "");
        ScriptedPrompter prompter;
        form.SetPrompter(&prompter);
        TKindForm* first = form.NewReportWindow();
        TKindForm* second = form.NewReportWindow();
        QVERIFY(!second->isMaximized());
        QCOMPARE(second->FontSize(), 11);
        QTimer::singleShot(0, [&] {
            auto* dialog = form.findChild<TRapportOpmaakForm*>();
            QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("Edit1"))->value(), 11);
            dialog->findChild<QSpinBox*>(QStringLiteral("Edit1"))->setValue(14);
            dialog->accept();
        });
        form.Command("Opmaak1")->trigger();
        QCOMPARE(second->FontSize(), 14);
        QCOMPARE(first->FontSize(), 11);
        QCOMPARE(form.Settings().report.tableFontSize, 11);
    }

    void contextMenuRepeatsTheMainMenuCaptions() {
        THoofdForm form(DefaultSettings("/tmp/"), "");
        TKindForm* report = form.NewReportWindow();
        auto* popup = report->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        QStringList captions;
        for (QAction* item : popup->actions()) {
            captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        QCOMPARE(captions,
                 QStringList({QStringLiteral("&Alles selecteren"), QStringLiteral("&Kopiëren"),
                              QStringLiteral("-"), QStringLiteral("&Exporteren..."),
                              QStringLiteral("Af&drukken...")}));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::ReportWindowTest)
#include "report_window_test.moc"
