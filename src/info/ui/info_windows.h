// SPDX-License-Identifier: GPL-3.0-or-later
// The information windows of the main window: the start-up and "&Info" window, the help window,
// the read-me file, the links window and the configuration info, with their commands.
#pragma once

#include <QDialog>
#include <string>

#include "core/prompter.h"

class QPlainTextEdit;

namespace tavoric {

class DesktopShell;
class TOpstartInfoForm;

// Makes the windows as children of the main window and plugs their commands in.
void AddInfoWindows(DesktopShell& shell);
TOpstartInfoForm* StartUpWindow(DesktopShell& shell);

// A plain text file shown read-only, where the desktop cannot open it.
class TextFileForm : public QDialog {
    Q_OBJECT
public:
    explicit TextFileForm(QWidget* parent = nullptr);
    // False when the file cannot be read.
    bool ShowFile(const std::string& path);
    QPlainTextEdit* Text() const { return text_; }

private:
    QPlainTextEdit* text_ = nullptr;
};

// The read-me file ("LeesMij.txt" or "ReadMe.txt") in folder, opened by the desktop or,
// when that fails, in a text window of the program.
void OpenReadMe(const std::string& folder, TextFileForm& fallback, Prompter& prompter);

}  // namespace tavoric
