// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/backups.h"

#include <sys/stat.h>

#include <filesystem>

#include "core/atomic_file.h"
#include "core/message_texts.h"
#include "core/private_state_folder.h"
#include "core/text.h"

namespace tavoric {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kPrivateFileMode = 0600;

// Copies the file at from to to, which only the user may read, through a temporary file that
// is flushed to disk and then renamed: a killed program never leaves half a backup.
bool CopyPrivately(const std::string& from, const std::string& to) {
    struct stat source {};
    std::string content;
    if (::stat(from.c_str(), &source) != 0 || !S_ISREG(source.st_mode) ||
        !ReadWholeFile(from, content)) {
        return false;
    }
    FileError ignored;
    return ReplaceFileAtomically(to, content, source.st_mode & kPrivateFileMode, ignored);
}

}  // namespace

std::string BackupFileName(int generation) {
    return std::string(kProductName) + "BackUp" + std::to_string(generation) + ".par";
}

std::string DefaultBackupFolder() {
    return PrivateStateFolder("backups");
}

std::string BackupFolder(const BackupSettings& settings) {
    return settings.backupFolder.empty() ? DefaultBackupFolder()
                                         : WithTrailingDelimiter(settings.backupFolder);
}

void RotateBackups(const std::string& path, const BackupSettings& settings) {
    if (!settings.makeBackups) {
        return;
    }
    const std::string folder = BackupFolder(settings);
    if (folder == DefaultBackupFolder()) {
        std::string ignored;
        MakePrivateFolder(folder, ignored);
    }
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
    if (fs::is_regular_file(path, ignored) && !CopyPrivately(path, backup(1).string())) {
        fs::remove(backup(1), ignored);
    }
}

}  // namespace tavoric
