#include "core/backups.h"

#include <filesystem>

#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace fs = std::filesystem;

std::string BackupFileName(int generation) {
    return std::string(kProductName) + "BackUp" + std::to_string(generation) + ".par";
}

std::string BackupFolder(const BackupSettings& settings) {
    if (!settings.backupFolder.empty()) {
        return WithTrailingDelimiter(settings.backupFolder);
    }
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    return WithTrailingDelimiter(error ? "/tmp" : temporary.string());
}

void RotateBackups(const std::string& path, const BackupSettings& settings) {
    if (!settings.makeBackups) {
        return;
    }
    const std::string folder = BackupFolder(settings);
    auto backup = [&folder](int generation) {
        return fs::path(folder + BackupFileName(generation));
    };
    std::error_code ignored;
    fs::remove(backup(kBackupGenerations), ignored);
    for (int generation = kBackupGenerations - 1; generation >= 1; --generation) {
        if (fs::exists(backup(generation), ignored)) {
            fs::rename(backup(generation), backup(generation + 1), ignored);
            fs::remove(backup(generation), ignored);
        }
    }

    // Copied straight to generation 1, not through a copy under the project's own name: that
    // would replace an unrelated file of that name in the backup folder, or move the project
    // itself away when it lives there.
    if (fs::is_regular_file(path, ignored) &&
        !fs::copy_file(path, backup(1), fs::copy_options::overwrite_existing, ignored)) {
        fs::remove(backup(1), ignored);
    }
}

}  // namespace tavoric
