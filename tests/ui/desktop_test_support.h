// SPDX-License-Identifier: GPL-3.0-or-later
// A started main window for GUI tests: the scripted prompter answers its questions, a temporary
// folder holds the files, and the windows it shows are found by object name.
#pragma once

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

#include "app/ui/main_form.h"
#include "core/scripted_prompter.h"
#include "desktop/qt_text.h"
#include "reports/ui/report_window.h"

namespace tavoric {

class DesktopFixture {
public:
    // settingsName: the settings file (and the key beside it) in the test's folder; by default
    // the settings are not written.
    void Start(const std::string& settingsName = "") {
        folder_ = std::make_unique<QTemporaryDir>();
        prompter.Clear();
        ProgramSettings settings = DefaultSettings(PathOf(""));
        settings.backupFolder = PathOf("backups/");
        settings.makeBackups = false;
        form_ = std::make_unique<THoofdForm>(std::move(settings),
                                             settingsName.empty() ? "" : PathOf(settingsName));
        form_->SetPrompter(&prompter);
        form_->SetStartUpDelay(0);
        form_->StartUp();
        QTRY_VERIFY(form_->StartedUp());
        prompter.Clear();  // the notice that no printer is installed
    }

    void Stop() {
        if (!form_) {
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != form_.get() && window->isVisible()) {
                window->close();
            }
        }
        form_->CurrentSurvey().ProjectChanged = false;
        form_->close();
        form_.reset();
    }

    THoofdForm& Form() { return *form_; }
    Survey& CurrentSurvey() { return form_->CurrentSurvey(); }

    // The survey takes the lines, as a project that was just opened.
    void UseSurvey(const Survey& survey) {
        Survey& current = form_->CurrentSurvey();
        current = survey;
        current.ProjectPath = PathOf("plan.par");
        current.ProjectChanged = false;
        form_->ResetAnalysisSelection();
        form_->UpdateCommandStates(false);
    }

    void Trigger(const char* command) { form_->Command(command)->trigger(); }

    template <typename Widget>
    Widget* Find(const char* name) const {
        auto* widget = form_->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) {
            qWarning("no widget %s", name);
        }
        return widget;
    }

    std::string PathOf(const std::string& name) const {
        return PathFromQString(folder_->filePath(QString::fromStdString(name)));
    }

    ScriptedPrompter prompter;

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<THoofdForm> form_;
};

}  // namespace tavoric
