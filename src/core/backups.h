// SPDX-License-Identifier: GPL-3.0-or-later
// The rolling backup copies made before a project is saved: up to five generations in one folder,
// TavoricBackUp1.par (the newest) to TavoricBackUp5.par, shared by every project of the user.
#pragma once

#include <string>

namespace tavoric {

struct BackupSettings {
    bool makeBackups = true;
    std::string backupFolder;  // empty: the user's own DefaultBackupFolder()
};

constexpr int kBackupGenerations = 5;

// The file name of backup generation 1 to 5, "TavoricBackUp1.par" and so on.
std::string BackupFileName(int generation);
// The user's private backup folder, ending in "/": $XDG_STATE_HOME/Tavoric/backups/ when that is
// an absolute path, else ~/.local/state/Tavoric/backups/. Backups hold licence plates, so they
// never go to a folder that other users can read.
std::string DefaultBackupFolder();
// The folder the backups go to, ending in "/".
std::string BackupFolder(const BackupSettings& settings);

// Shifts generations 1-4 to 2-5 (dropping the oldest) and copies the file at path, as it is on
// disk, into generation 1, readable by the user alone (mode 0600, or the project's own mode when
// that is stricter), through a temporary file that is flushed and renamed, so that a killed
// program never leaves half a backup. Does nothing when backups are off. The default folder is
// created with mode 0700 when missing; a folder chosen in the settings is used as it is. When
// the file does not exist or cannot be copied, the older generations are still shifted and
// generation 1 is not made. Failures are silent: a backup never stops a save.
void RotateBackups(const std::string& path, const BackupSettings& settings);

}  // namespace tavoric
