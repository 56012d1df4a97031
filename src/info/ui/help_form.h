// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the current help file shown at a topic, with back, forward and print. Every
// help button and command opens it through ShowHelpTopic.
#pragma once

#include <QDialog>
#include <string>

#include "desktop/desktop_shell.h"

class QTextBrowser;
class QPushButton;

namespace tavoric {

inline constexpr int kHelpContents = 40;
inline constexpr int kHelpQuestions = 440;

class THelpForm : public QDialog {
    Q_OBJECT
public:
    THelpForm(DesktopShell& shell, QWidget* parent = nullptr);

    // Opens the help file at the topic's anchor; a missing file gets a notice.
    void ShowTopic(const std::string& helpFile, int topic);
    QTextBrowser* Browser() const { return browser_; }

private:
    void Print();
    void SetButtonTexts();

    DesktopShell& shell_;
    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* print_ = nullptr;
};

// The help window of the program, made by the main window; before it exists nothing opens.
void SetProgramHelpForm(THelpForm* form);
void ShowHelpTopic(int topic);

// Connects every button of the window that carries a "helpTopic" property to the help window.
void ConnectHelpButtons(QWidget* window);

}  // namespace tavoric
