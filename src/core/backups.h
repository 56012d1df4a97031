// The rolling backup copies made before a project is saved: up to five generations in one folder,
// TavoricBackUp1.par (the newest) to TavoricBackUp5.par, shared by every project.
#pragma once

#include <string>

namespace tavoric {

struct BackupSettings {
    bool makeBackups = true;
    std::string backupFolder;  // empty: the system's temporary folder
};

constexpr int kBackupGenerations = 5;

// The file name of backup generation 1 to 5, "TavoricBackUp1.par" and so on.
std::string BackupFileName(int generation);
// The folder the backups go to, ending in "/".
std::string BackupFolder(const BackupSettings& settings);

// Shifts generations 1-4 to 2-5 (dropping the oldest) and copies the file at path, as it is on
// disk, into generation 1. Does nothing when backups are off. When the file does not exist or
// cannot be copied, the older generations are still shifted and generation 1 is not made.
// Failures are silent: a backup never stops a save.
void RotateBackups(const std::string& path, const BackupSettings& settings);

}  // namespace tavoric
