// SPDX-License-Identifier: GPL-3.0-or-later
// "Taal" ("Language"): the program's language and the help file, chosen from the files beside
// the program. Shown by "E&xtra" > "&Taal" and once at the first start.
#pragma once

#include <QDialog>

#include "core/settings.h"
#include "desktop/desktop_shell.h"
#include "lang/language_files.h"

class QComboBox;
class QPushButton;

namespace tavoric {

class TLanguageForm : public QDialog {
    Q_OBJECT
public:
    // mainWindow: the windows to translate. diagnostic: the template button works.
    TLanguageForm(DesktopShell& shell, LanguageFiles& files, QWidget* mainWindow, bool diagnostic,
                  QWidget* parent = nullptr);

    // Shows the lists; on "&OK" the chosen language and help file take effect and are kept in
    // the settings. languageset becomes 1 whatever the user answers.
    void Execute(ProgramSettings& settings);
    void WriteTemplate();

private:
    // current: the entry preselected, when the list has it.
    void FillList(QComboBox* list, const std::string& folder, std::string_view extension,
                  bool withDutch, const std::string& current);
    void Choose(ProgramSettings& settings);

    DesktopShell& shell_;
    LanguageFiles& files_;
    QWidget* mainWindow_;
    bool diagnostic_;
    QComboBox* programList_ = nullptr;
    QComboBox* helpList_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tavoric

namespace tavoric {

class DesktopShell;

// The command line switch that lets the language dialog write the template.
inline constexpr const char* kDiagnosticOption = "--diagnostic";

// Makes the language dialog as a child of the main window for "E&xtra" > "&Taal".
void AddLanguageWindow(DesktopShell& shell);
// After all windows exist: at the first start the language of the system's locale and the
// language dialog with it preselected, then the chosen language on every window.
void ApplyStartUpLanguage(DesktopShell& shell);

}  // namespace tavoric
