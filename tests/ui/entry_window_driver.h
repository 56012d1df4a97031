// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the entry windows of a real main window as a user at the keyboard does: the commands
// open the windows, keys go to whatever has the focus, and a scripted prompter answers.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "app/ui/main_form.h"
#include "core/scripted_prompter.h"
#include "desktop/qt_text.h"

namespace tavoric {

// A scripted prompter that lets a test look at the windows as each message appears.
class WatchedPrompter : public ScriptedPrompter {
public:
    std::function<void()> onMessage;

    int MessageDialog(const std::string& caption, const std::string& heading,
                      const std::string& text, DialogKind kind, const ButtonCaptions& captions,
                      int defaultButton) override {
        if (onMessage) {
            onMessage();
        }
        return ScriptedPrompter::MessageDialog(caption, heading, text, kind, captions,
                                               defaultButton);
    }
};

class EntryWindowDriver {
public:
    explicit EntryWindowDriver(ProgramSettings settings = DefaultSettings(""))
        : form_(std::move(settings), "") {
        form_.SetPrompter(&prompter_);
    }

    THoofdForm& Form() { return form_; }
    Survey& CurrentSurvey() { return form_.CurrentSurvey(); }
    WatchedPrompter& Prompter() { return prompter_; }

    void SetSurvey(Survey survey) {
        CurrentSurvey() = std::move(survey);
        form_.UpdateCommandStates(false);
    }

    // Runs a main window command and waits for its window to take the focus.
    template <typename Window>
    Window* Open(const char* command) {
        form_.Command(command)->trigger();
        auto* window = form_.findChild<Window*>();
        if (window) {
            window->activateWindow();
            QApplication::setActiveWindow(window);
        }
        return window;
    }

    // A window just shown takes the keyboard, as the window system would give it.
    static void Activate(QWidget* window) {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // The named widget of this window, not of a dialog the window owns.
    template <typename Object>
    static Object* Child(QWidget* window, const char* name) {
        for (Object* child : window->findChildren<Object*>(QString::fromLatin1(name))) {
            if constexpr (std::is_base_of_v<QWidget, Object>) {
                if (child->window() != window) {
                    continue;
                }
            }
            return child;
        }
        return nullptr;
    }

    // A key to the widget with the focus, so that short-cuts and open editors get it as they
    // would from the keyboard.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key, modifiers);
    }
    static void Type(const QString& text) {
        for (const QChar character : text) {
            QWidget* target = QApplication::focusWidget();
            QVERIFY(target);
            if (character.unicode() < 0x80) {
                QTest::keyClicks(target, QString(character));
            } else {  // a key of a foreign keyboard: no key code, only its text
                QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(character),
                                    Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(character),
                                    Qt::NoModifier);
            }
        }
    }
    static void Click(QWidget* window, const char* buttonName) {
        auto* button = Child<QAbstractButton>(window, buttonName);
        QVERIFY(button);
        QVERIFY(button->isEnabled());
        button->click();
    }
    // Chooses the entry of a selector that starts with the text, as a user does.
    static void Choose(QWidget* window, const char* selectorName, const QString& start) {
        auto* box = Child<QComboBox>(window, selectorName);
        QVERIFY(box);
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemText(i).startsWith(start)) {
                box->setCurrentIndex(i);
                emit box->activated(i);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no choice ") + start));
    }
    static void SelectRow(QWidget* window, const char* listName, const QString& start) {
        auto* list = Child<QListWidget>(window, listName);
        QVERIFY(list);
        const QList<QListWidgetItem*> found = list->findItems(start, Qt::MatchStartsWith);
        QVERIFY(!found.isEmpty());
        list->setCurrentItem(found.first());
    }
    static void SetEdit(QWidget* window, const char* name, const QString& text) {
        auto* edit = Child<QLineEdit>(window, name);
        QVERIFY(edit);
        QApplication::setActiveWindow(window);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private:
    WatchedPrompter prompter_;
    THoofdForm form_;
};

}  // namespace tavoric
