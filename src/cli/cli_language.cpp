// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_language.h"

#include <filesystem>

#include "core/message_texts.h"
#include "core/settings.h"
#include "core/system_messages.h"
#include "core/text.h"
#include "lang/language_files.h"

namespace tavoric {

std::string LanguageProgramFolder(const std::string& executableFolder) {
    const std::filesystem::path folder(executableFolder);
    const std::filesystem::path parent = folder.lexically_normal().parent_path().parent_path();
    for (const std::filesystem::path& candidate : {folder, parent / "lib" / "tavoric", parent}) {
        std::error_code error;
        if (std::filesystem::is_directory(candidate / "Lng", error)) {
            return WithTrailingDelimiter(candidate.lexically_normal().string());
        }
    }
    return WithTrailingDelimiter(executableFolder);
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
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string folder = error ? "./" : executable.parent_path().string() + "/";
    FollowLanguageSetting(SettingsFilePath(configFolder), LanguageProgramFolder(folder));
}

}  // namespace tavoric
