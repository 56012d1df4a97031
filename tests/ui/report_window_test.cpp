// SPDX-License-Identifier: GPL-3.0-or-later
// Report windows: the text view that paints only what is in view, its selection and copy, the
// text size dialog and the window settings.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
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

    // At every size End brings the last character of the widest line into view, and select-all
    // colours every character: the view counts columns with the advance the text is drawn with.
    void endReachesAndSelectAllCoversTheLastColumnAtEverySize() {
        TKindForm report(1, ReportSettings{}, NoActions(), {});
        std::string line;
        for (int i = 0; i < 24; ++i) {
            line += "Gemid " + std::string(1, static_cast<char>('A' + i));
        }
        report.Document().AddReportLine(line);
        report.EndWriting();
        report.resize(300, 120);
        report.show();
        ReportView& view = report.View();
        const QColor base = view.palette().color(QPalette::Base);
        for (int size = 4; size <= 30; ++size) {
            report.SetFontSize(size);
            QTest::keyClick(&view, Qt::Key_End);
            const QFontMetricsF metrics(view.font());
            const double drawnRight = 4 - view.horizontalScrollBar()->value() +
                                      metrics.horizontalAdvance(QString::fromLatin1(line));
            QVERIFY2(drawnRight <= view.viewport()->width(), qPrintable(QString::number(size)));
            QVERIFY2(drawnRight > view.viewport()->width() - metrics.horizontalAdvance('M') - 4,
                     qPrintable(QString::number(size)));

            report.SelectAll();
            const QImage shown = view.viewport()->grab().toImage();
            const int top = 0;  // above the letters: only the highlight colours it
            for (int x =
                     std::max(0, static_cast<int>(drawnRight - 3 * metrics.horizontalAdvance('M')));
                 x < static_cast<int>(drawnRight) - 1; ++x) {
                QVERIFY2(shown.pixelColor(x, top) != base,
                         qPrintable(QStringLiteral("size %1, x %2").arg(size).arg(x)));
            }
        }
    }

    void textSizesOutsideFourToSeventyTwoAreRefused() {
        TRapportOpmaakForm dialog(nullptr);
        QTimer::singleShot(0, [&] {
            auto* edit = dialog.findChild<QSpinBox*>(QStringLiteral("Edit1"));
            edit->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(edit, QStringLiteral("9999"));
            QCOMPARE(edit->value(), 9);  // the second 9 is refused
            edit->setValue(2);
            QCOMPARE(edit->value(), kMinimumReportTextSize);
            dialog.accept();
        });
        QCOMPARE(dialog.AskFontSize(8), std::optional<int>(kMinimumReportTextSize));
        ReportSettings tiny;
        tiny.tableFontSize = 0;  // as an edited settings file may hold
        TKindForm report(1, tiny, NoActions(), {});
        QCOMPARE(report.FontSize(), kMinimumReportTextSize);
        report.SetFontSize(9999);
        QCOMPARE(report.FontSize(), kMaximumReportTextSize);
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
