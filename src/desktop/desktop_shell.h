// SPDX-License-Identifier: GPL-3.0-or-later
// What a window reaches of the main window, which owns the survey, the questions, the progress
// bar, the settings and the report windows. Windows of different features meet only here, so
// that no window includes the main window or another feature's windows.
#pragma once

#include <functional>
#include <string>

#include "core/prompter.h"
#include "core/settings.h"
#include "core/survey.h"
#include "desktop/desktop_progress.h"

class QWidget;

namespace tavoric {

class ReportDocument;

class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // The parent of the windows made once, and the root that the language files translate.
    virtual QWidget* MainWindow() = 0;
    virtual Survey& CurrentSurvey() = 0;
    virtual Prompter& CurrentPrompter() = 0;
    // Long work reports here; a cancel button calls RequestCancel on it.
    virtual DesktopProgress& MainProgress() = 0;
    virtual ProgramSettings& Settings() = 0;
    // A choice in Settings() that must outlive a crash was made: the settings are written now.
    virtual void SettingsChosen() = 0;

    // Where a window plugs in: the command with this menu item name runs the handler.
    virtual void SetCommandHandler(const std::string& name, std::function<void()> handler) = 0;
    // The commands follow the data; closingWindow: a report window is closing. Windows call it
    // after they changed the survey, which is also the moment for a recovery copy.
    virtual void UpdateCommandStates(bool closingWindow) = 0;
    // A window stored changes in the survey while it stays open (plate entry does, per Enter);
    // the project is marked changed only when it closes, but a recovery copy is due.
    virtual void SurveyEdited() = 0;
    // The analysis dialog refills its selections from the data.
    virtual void ResetAnalysisSelection() = 0;
    // The handler runs whenever a new, empty project replaces the survey (also before another
    // project is read), so that a window forgets the values it proposed for the old one.
    virtual void WhenNewProjectStarts(std::function<void()> handler) = 0;
    // A new report window that the producer writes, with the busy cursor and the progress bar.
    virtual void OpenReport(const std::function<void(ReportDocument&, Progress&)>& producer) = 0;
};

// What the windows made once hold of the program: the one survey, the main window's services and
// its progress bar.
struct EntryContext {
    Survey& survey;
    DesktopShell& shell;
    DesktopProgress& progress;
};

}  // namespace tavoric
