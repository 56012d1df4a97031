// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/backups.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>

#include "core/atomic_file.h"
#include "core/text.h"
#include "temp_folder.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

class BackupsTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        fs::create_directories(folder_ / "project");
        fs::create_directories(folder_ / "backups");
        settings_.backupFolder = (folder_ / "backups").string();
    }

    std::string Project() const { return (folder_ / "project" / "Wijk.par").string(); }
    void Save(const std::string& path, const std::string& content) {
        FileError error;
        ASSERT_TRUE(WriteFileAtomically(path, content, error));
    }
    std::string Backup(int generation) const {
        std::string content;
        const bool read =
            ReadWholeFile(settings_.backupFolder + "/" + BackupFileName(generation), content);
        return read ? content : "<none>";
    }

    BackupSettings settings_;
};

TEST_F(BackupsTest, SixSavesKeepTheFivePreviousVersionsNewestFirst) {
    RotateBackups(Project(), settings_);  // first save: nothing on disk yet
    Save(Project(), "v1");
    for (int version = 2; version <= 7; ++version) {
        RotateBackups(Project(), settings_);
        Save(Project(), "v" + std::to_string(version));
    }
    EXPECT_EQ(Backup(1), "v6");
    EXPECT_EQ(Backup(2), "v5");
    EXPECT_EQ(Backup(3), "v4");
    EXPECT_EQ(Backup(4), "v3");
    EXPECT_EQ(Backup(5), "v2");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(settings_.backupFolder), fs::directory_iterator()), 5);
}

// The copy goes in blocks: a project of several blocks and a part comes back byte for byte.
TEST_F(BackupsTest, ALargeProjectIsCopiedByteForByte) {
    std::string content((3 << 20) + 7, '\0');
    std::mt19937 random(5);
    for (char& byte : content) {
        byte = static_cast<char>(random());
    }
    Save(Project(), content);
    RotateBackups(Project(), settings_);
    EXPECT_TRUE(Backup(1) == content);
}

// The program killed with -9 at any moment of a backup copy: every backup that exists is whole.
TEST_F(BackupsTest, KillDuringTheCopyNeverLeavesHalfABackup) {
    const std::string content(8 << 20, 'k');
    Save(Project(), content);
    std::mt19937 random(27);
    for (int attempt = 0; attempt < 13; ++attempt) {
        const pid_t saver = ::fork();
        if (saver == 0) {
            for (;;) {
                RotateBackups(Project(), settings_);
            }
        }
        ::usleep(20'000 + random() % 60'000);
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        for (int generation = 1; generation <= kBackupGenerations; ++generation) {
            const std::string backup = Backup(generation);
            EXPECT_TRUE(backup == "<none>" || backup == content)
                << "generation " << generation << " holds " << backup.size() << " bytes";
        }
    }
}

TEST_F(BackupsTest, AMissingProjectStillShiftsTheGenerations) {
    Save(settings_.backupFolder + "/" + BackupFileName(1), "oud");
    RotateBackups((folder_ / "project" / "Nieuw.par").string(), settings_);
    EXPECT_EQ(Backup(1), "<none>");
    EXPECT_EQ(Backup(2), "oud");
}

TEST_F(BackupsTest, LeavesFilesOfTheSameNameInTheBackupFolderAlone) {
    Save(settings_.backupFolder + "/Wijk.par", "ander project");
    Save(Project(), "v1");
    RotateBackups(Project(), settings_);
    EXPECT_EQ(Backup(1), "v1");
    std::string other;
    ASSERT_TRUE(ReadWholeFile(settings_.backupFolder + "/Wijk.par", other));
    EXPECT_EQ(other, "ander project");

    // A project that lives in the backup folder itself stays where it is.
    const std::string inBackupFolder = settings_.backupFolder + "/Wijk.par";
    RotateBackups(inBackupFolder, settings_);
    EXPECT_TRUE(fs::exists(inBackupFolder));
    EXPECT_EQ(Backup(1), "ander project");
}

TEST_F(BackupsTest, DoesNothingWhenSwitchedOff) {
    Save(Project(), "v1");
    settings_.makeBackups = false;
    RotateBackups(Project(), settings_);
    EXPECT_TRUE(fs::is_empty(settings_.backupFolder));
}

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Backups hold licence plates: by default they go to a folder of the user's own, never to the
// shared temporary folder, and each copy is readable by the user alone.
TEST_F(BackupsTest, TheDefaultFolderIsPrivate) {
    const std::string state = (folder_ / "state").string();
    std::optional<ScopedVariable> stateHome(std::in_place, "XDG_STATE_HOME", state.c_str());
    EXPECT_EQ(BackupFolder({}), state + "/Tavoric/backups/");
    EXPECT_EQ(BackupFolder({true, "/srv/kopie"}), "/srv/kopie/");

    Save(Project(), "v1");
    ASSERT_EQ(::chmod(Project().c_str(), 0644), 0);
    RotateBackups(Project(), {});
    struct stat info {};
    ASSERT_EQ(::stat((state + "/Tavoric/backups").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat((state + "/Tavoric").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat((state + "/Tavoric/backups/" + BackupFileName(1)).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    stateHome.emplace("XDG_STATE_HOME", nullptr);
    const ScopedVariable home("HOME", "/home/waarnemer");
    EXPECT_EQ(BackupFolder({}), "/home/waarnemer/.local/state/Tavoric/backups/");
}

TEST_F(BackupsTest, CopiesArePrivateUnlessTheProjectIsStricter) {
    Save(Project(), "v1");
    ASSERT_EQ(::chmod(Project().c_str(), 0664), 0);
    RotateBackups(Project(), settings_);
    struct stat info {};
    ASSERT_EQ(::stat((settings_.backupFolder + "/" + BackupFileName(1)).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    ASSERT_EQ(::chmod(Project().c_str(), 0400), 0);
    RotateBackups(Project(), settings_);
    ASSERT_EQ(::stat((settings_.backupFolder + "/" + BackupFileName(1)).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0400u);
    EXPECT_EQ(Backup(1), "v1");
    EXPECT_EQ(Backup(2), "v1");
}

}  // namespace
}  // namespace tavoric
