// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_language.h"

#include <filesystem>

#include "core/message_texts.h"
#include "core/program_folders.h"
#include "core/settings.h"
#include "core/system_messages.h"
#include "core/text.h"
#include "lang/language_files.h"

namespace tavoric {

std::string RunningProgramFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? "./" : executable.parent_path().string() + "/";
}

void FollowLanguageSetting(const std::string& settingsPath, const std::string& programFolder) {
    const ProgramSettings settings = ReadSettings(settingsPath, "");
    SetFixedTexts(settings.language);
    FollowLanguageInSystemMessages(settings.language);
    LanguageFiles& files = ProgramLanguageFiles();
    files = LanguageFiles(programFolder);
    files.SetLanguage(settings.language);
    if (settings.language != kDutch) {
        files.SelectLanguage(settings.language);
    }
}

void FollowDesktopLanguage() {
    const std::string configFolder = ApplicationDataFolder("");
    if (configFolder.empty()) {
        FollowLanguageInSystemMessages(kDutch);
        return;
    }
    FollowLanguageSetting(SettingsFilePath(configFolder),
                          ProgramDataFolder(RunningProgramFolder()));
}

}  // namespace tavoric
