// The desktop program: settings and message texts first, then the main window, which opens the
// project named on the command line at its first activation.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "app/project_lifecycle.h"
#include "app/settings.h"
#include "app/ui/main_form.h"
#include "app/ui/qt_text.h"
#include "app/ui/tool_icons.h"
#include "core/message_texts.h"
#include "core/text.h"

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
    if (!DisplayAvailable()) {
        std::fputs(
            "Tavoric vindt geen beeldscherm (DISPLAY is leeg); start het onder een virtueel "
            "scherm met: xvfb-run -a tavoric\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavoric"));
    QApplication::setWindowIcon(tavoric::ToolIcon("Parkeerplaats1"));

    const std::string programFolder = tavoric::WithTrailingDelimiter(
        tavoric::PathFromQString(QApplication::applicationDirPath()));
    const std::string temporaryFolder =
        tavoric::WithTrailingDelimiter(tavoric::PathFromQString(QDir::tempPath()));
    const std::string settingsPath =
        tavoric::SettingsFilePath(tavoric::ApplicationDataFolder(programFolder));
    tavoric::ProgramSettings settings = tavoric::ReadSettings(settingsPath, temporaryFolder);
    tavoric::SetFixedTexts(settings.language);
    tavoric::SetDefaultMessageTexts();
    // The configured language and help file are selected here once language files are read.

    tavoric::THoofdForm mainForm(std::move(settings), settingsPath);
    mainForm.SetCommandLineProject(CommandLineProject(QApplication::arguments()));
    mainForm.StartUp();
    return QApplication::exec();
}
