// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/backups.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>

#include "core/atomic_file.h"
#include "core/message_texts.h"
#include "core/private_state_folder.h"
#include "core/text.h"

namespace tavoric {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kPrivateFileMode = 0600;
constexpr std::size_t kCopyBlockSize = 1 << 20;

// Hands the rest of the open file fd to write in blocks; false when reading or writing fails.
bool CopyRest(int fd, const ByteWriter& write) {
    std::string block(kCopyBlockSize, '\0');
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        if (!write(std::string_view(block.data(), static_cast<std::size_t>(got)))) {
            return false;
        }
    }
}

// Copies the file at from to to, which only the user may read, through a temporary file that
// is flushed to disk and then renamed: a killed program never leaves half a backup. The copy goes
// in blocks, so that a large project is not held in memory beside the survey.
bool CopyPrivately(const std::string& from, const std::string& to) {
    const int fd = ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat source {};
    FileError ignored;
    const bool copied = ::fstat(fd, &source) == 0 && S_ISREG(source.st_mode) &&
                        ReplaceFileAtomically(
                            to, [fd](const ByteWriter& write) { return CopyRest(fd, write); },
                            source.st_mode & kPrivateFileMode, ignored);
    ::close(fd);
    return copied;
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
