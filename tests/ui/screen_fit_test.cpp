// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on a small screen: ctest runs this on a screen of 800x500 pixels and on one of
// 1600x1000 at double scale (800x500 logical pixels either way). Each window must lie within the
// screen with its buttons in view; a remembered place off the screen is not taken.
#include <QAbstractScrollArea>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "core/project_file.h"
#include "desktop/qt_prompter.h"
#include "desktop/screen_fit.h"
#include "desktop_test_support.h"
#include "lang/ui/language_windows.h"

namespace tavoric {

namespace {

// Every window the program has: the translated ones and those whose texts the program sets
// while it runs. A new window is added to one of the two; the first test fails until it is.
QStringList WindowNames() {
    QStringList names;
    for (const char* name : TranslatedWindowNames()) {
        names << QString::fromLatin1(name);
    }
    return names << QStringLiteral("HelpForm") << QStringLiteral("ntTextFileForm");
}

Survey DemoSurvey() {
    Survey survey;
    ScriptedPrompter prompter;
    ReadProjectFile(survey, std::string(TAVORIC_DEMO_DATA) + "/Demodorp.par", prompter);
    return survey;
}

bool IsWindowOrDialog(const QWidget* widget) {
    return widget->isWindow() &&
           (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog);
}

bool InsideScrollArea(QWidget* widget, const QWidget* window) {
    for (QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget()) {
        if (qobject_cast<QAbstractScrollArea*>(w)) {
            return true;
        }
    }
    return false;
}

// The buttons a window shows outside scrolled parts that do not lie wholly in view.
QStringList ButtonsOutOfView(QWidget* window) {
    QStringList faults;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->window() != window || !button->isVisibleTo(window) ||
            InsideScrollArea(button, window)) {
            continue;
        }
        const QRect place(button->mapTo(window, QPoint(0, 0)), button->size());
        if (!window->rect().contains(place) || button->visibleRegion() != QRegion(button->rect())) {
            faults << button->objectName() + QLatin1Char(' ') + button->text();
        }
    }
    return faults;
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

    DesktopFixture desktop_;

    QWidget* Window(const QString& name) {
        if (name == desktop_.Form().objectName()) {
            return &desktop_.Form();
        }
        for (QWidget* child : desktop_.Form().findChildren<QWidget*>(name)) {
            if (IsWindowOrDialog(child)) {
                return child;
            }
        }
        return nullptr;
    }

private slots:
    void initTestCase() {
        desktop_.Start();
        desktop_.UseSurvey(DemoSurvey());
    }
    void cleanupTestCase() { desktop_.Stop(); }

    void theScreenIsSmall() { QCOMPARE(AvailableArea(&desktop_.Form()).size(), QSize(800, 500)); }

    void theListNamesEveryWindow() {
        const QStringList listed = WindowNames();
        QStringList missing;
        for (QWidget* child : desktop_.Form().findChildren<QWidget*>()) {
            if (IsWindowOrDialog(child) && !listed.contains(child->objectName())) {
                missing << child->objectName();
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
    }

    void everyWindowFitsWithItsButtonsInView_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : WindowNames()) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    void everyWindowFitsWithItsButtonsInView() {
        QFETCH(QString, name);
        QWidget* window = Window(name);
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect available = AvailableArea(window);
        QVERIFY2(available.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())));
        const QStringList outOfView = ButtonsOutOfView(window);
        QVERIFY2(outOfView.isEmpty(), qPrintable(outOfView.join(QStringLiteral(", "))));
        if (window != &desktop_.Form()) {
            window->hide();
        }
    }

    // A message as long as the list of every place that failed an import.
    void aLongMessageFitsWithItsButtonsInView() {
        QStringList lines;
        for (int line = 1; line <= 60; ++line) {
            lines << QStringLiteral("Regel %1: kenteken niet herkend.").arg(line);
        }
        TMessageForm message(&desktop_.Form(), QStringLiteral("Tavoric"), QString(),
                             lines.join(QLatin1Char('\n')), DialogKind::Question, {}, kDefaultYes);
        message.show();
        QVERIFY(QTest::qWaitForWindowExposed(&message));
        QVERIFY(AvailableArea(&message).contains(message.frameGeometry()));
        QCOMPARE(ButtonsOutOfView(&message), QStringList());
        const QList<QPushButton*> buttons = message.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 3);
        for (QPushButton* button : buttons) {
            QVERIFY(!InsideScrollArea(button, &message));  // the text scrolls, not its answers
        }
        message.reject();
    }

    // The start page of an empty program, in the main window.
    void theStartPageFitsWithItsButtonsInView() {
        THoofdForm& form = desktop_.Form();
        form.Lifecycle().ResetToNewProject();
        QVERIFY(form.findChild<QWidget*>(QStringLiteral("StartPagina"))->isVisible());
        const QStringList outOfView = ButtonsOutOfView(&form);
        desktop_.UseSurvey(DemoSurvey());
        QVERIFY2(outOfView.isEmpty(), qPrintable(outOfView.join(QStringLiteral(", "))));
        QVERIFY(!form.findChild<QWidget*>(QStringLiteral("StartPagina"))->isVisible());
    }

    // Remembered on a larger screen, or on a second monitor that is gone.
    void aRememberedPlaceOffTheScreenIsNotTaken() {
        THoofdForm& form = desktop_.Form();
        form.hide();
        form.setGeometry(-1500, 900, 2000, 1400);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(AvailableArea(&form).contains(form.frameGeometry()));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::ScreenFitTest)
#include "screen_fit_test.moc"
