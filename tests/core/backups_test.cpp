#include "core/backups.h"

#include <filesystem>

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
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path, content, error)) << error;
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

TEST(BackupFolder, DefaultsToTheTemporaryFolder) {
    EXPECT_EQ(BackupFolder({}), WithTrailingDelimiter(fs::temp_directory_path().string()));
    EXPECT_EQ(BackupFolder({true, "/srv/kopie"}), "/srv/kopie/");
}

}  // namespace
}  // namespace tavoric
