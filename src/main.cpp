// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: settings and message texts first, then the main window, which opens the
// project named on the command line at its first activation.
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/project_lifecycle.h"
#include "app/ui/main_form.h"
#include "core/message_texts.h"
#include "core/private_state_folder.h"
#include "core/program_folders.h"
#include "core/settings.h"
#include "core/system_messages.h"
#include "core/text.h"
#include "desktop/desktop_application.h"
#include "desktop/icons.h"
#include "desktop/qt_text.h"
#include "info/ui/info_windows.h"
#include "info/ui/opstart_info_form.h"
#include "lang/language_files.h"
#include "lang/ui/language_form.h"

namespace {

bool DisplayAvailable() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

std::string CommandLineProject(const QStringList& arguments) {
    std::vector<std::string> rest;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String(tavoric::kDiagnosticOption) ||
            arguments[i] == QLatin1String("--")) {
            continue;
        }
        rest.push_back(tavoric::PathFromQString(arguments[i]));
    }
    const std::string path = tavoric::ProjectPathFromArguments(rest);
    if (path.empty()) {
        return path;
    }
    return tavoric::PathFromQString(QFileInfo(tavoric::PathToQString(path)).absoluteFilePath());
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (tavoric::StartRequestFromArguments(arguments)) {
        case tavoric::StartRequest::kUnknownOption:
            std::fprintf(stderr, "tavoric: onbekende optie %s\n\n%s",
                         tavoric::UnknownDesktopOption(arguments).c_str(),
                         tavoric::DesktopUsageText().c_str());
            return 2;
        case tavoric::StartRequest::kPrintUsage:
            std::fputs(tavoric::DesktopUsageText().c_str(), stdout);
            return 0;
        case tavoric::StartRequest::kPrintVersion:
            std::fputs(tavoric::DesktopVersionText().c_str(), stdout);
            return 0;
        case tavoric::StartRequest::kOpenWindows:
            break;
    }
    if (!DisplayAvailable()) {
        std::fputs(
            "Tavoric vindt geen beeldscherm (DISPLAY is leeg); start het onder een virtueel "
            "scherm met: xvfb-run -a tavoric\n",
            stderr);
        return 1;
    }
    tavoric::ProvideRuntimeFolder();
    tavoric::DesktopApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavoric"));
    QApplication::setWindowIcon(tavoric::ProgramIcon());

    const std::string programFolder = tavoric::WithTrailingDelimiter(
        tavoric::PathFromQString(QApplication::applicationDirPath()));
    const std::string settingsPath =
        tavoric::SettingsFilePath(tavoric::ApplicationDataFolder(programFolder));
    tavoric::ProgramSettings settings =
        tavoric::ReadSettings(settingsPath, tavoric::DefaultBackupFolder());
    tavoric::SetFixedTexts(settings.language);
    tavoric::FollowLanguageInSystemMessages(settings.language);
    tavoric::SetDefaultMessageTexts();
    tavoric::LanguageFiles& languages = tavoric::ProgramLanguageFiles();
    languages = tavoric::LanguageFiles(tavoric::ProgramDataFolder(programFolder));
    languages.SetLanguage(settings.language);
    if (settings.language != tavoric::kDutch) {
        languages.SelectLanguage(settings.language);
    }
    languages.SelectHelp(settings.languageHelp);

    tavoric::THoofdForm mainForm(std::move(settings), settingsPath,
                                 tavoric::PrivateStateFolder("recovery"));
    application.SetOutOfMemoryNotice([&mainForm] {
        tavoric::ErrorNotice(mainForm.CurrentPrompter(), tavoric::MessageText("AA00313"));
    });
    mainForm.SetCommandLineProject(CommandLineProject(QApplication::arguments()));
    mainForm.SetDemoProject(tavoric::ProgramDataFolder(programFolder) + "demo/Demodorp.par");
    tavoric::StartUpWindow(mainForm)->ShowAtStartUp();
    tavoric::ApplyStartUpLanguage(mainForm);
    mainForm.StartUp();
    return QApplication::exec();
}
