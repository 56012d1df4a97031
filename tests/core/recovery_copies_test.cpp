// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recovery_copies.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/atomic_file.h"
#include "core/private_state_folder.h"
#include "temp_folder.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

class RecoveryFolderTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        recovery_ = RecoveryFolder(RecoveryPath());
    }

    std::string RecoveryPath() const { return PathOf("state/Tavoric/recovery") + "/"; }

    RecoveryCopy CopyOf(const std::string& projectPath, std::int64_t time = 1000) const {
        return {RecoveryCopyName(projectPath), projectPath, time, "3.1", false};
    }

    void Write(const RecoveryCopy& copy, const std::string& content) {
        std::string error;
        ASSERT_TRUE(recovery_.Write(copy, content, error)) << error;
    }

    std::string Read(const RecoveryCopy& copy) const {
        std::string content;
        EXPECT_TRUE(recovery_.Read(copy, content));
        return content;
    }

    static unsigned ModeOf(const std::string& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 0777;
    }

    static void SetModifiedMs(const std::string& path, std::int64_t timeMs) {
        const struct timespec times[2] = {{timeMs / 1000, (timeMs % 1000) * 1000000},
                                          {timeMs / 1000, (timeMs % 1000) * 1000000}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    RecoveryFolder recovery_{""};
};

TEST(RecoveryCopyNameTest, EveryPathHasItsOwnReadableName) {
    const std::string name = RecoveryCopyName("/home/anna/Centrum Demodorp.par");
    EXPECT_EQ(name, RecoveryCopyName("/home/anna/Centrum Demodorp.par"));
    EXPECT_TRUE(name.starts_with("Centrum_Demodorp-")) << name;
    EXPECT_NE(name, RecoveryCopyName("/home/bert/Centrum Demodorp.par"));
    EXPECT_NE(name, RecoveryCopyName("/home/anna/Centrum Demodorp.PAR"));
    // Odd bytes and very long names give a short name of safe characters.
    const std::string odd = RecoveryCopyName("/tmp/" + std::string(300, '\xe9') + "\n.par");
    EXPECT_LT(odd.size(), 80u);
    EXPECT_EQ(
        odd.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-"),
        std::string::npos);
    EXPECT_NE(UnsavedRecoveryCopyName("run 1"), UnsavedRecoveryCopyName("run 2"));
}

TEST_F(RecoveryFolderTest, WrittenCopyIsFoundAndReadBackInAPrivateFolder) {
    const std::string project = PathOf("Demodorp.par");
    Write(CopyOf(project, 1234), "[Databestand voor Tavoric]\r\nfirst\r\n");
    Write(CopyOf(project, 5678), "[Databestand voor Tavoric]\r\nsecond\r\n");

    const std::optional<RecoveryCopy> found = recovery_.Find(RecoveryCopyName(project));
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->damaged);
    EXPECT_EQ(found->originalPath, project);
    EXPECT_EQ(found->time, 5678);
    EXPECT_EQ(found->version, "3.1");
    EXPECT_EQ(Read(*found), "[Databestand voor Tavoric]\r\nsecond\r\n");

    EXPECT_EQ(ModeOf(RecoveryPath()), 0700u);
    for (const auto& entry : fs::directory_iterator(RecoveryPath())) {
        EXPECT_EQ(ModeOf(entry.path().string()), 0600u) << entry.path();
    }
}

TEST_F(RecoveryFolderTest, PathsWithLineBreaksAndPercentSignsSurviveTheSideFile) {
    const std::string project = PathOf("100%\nklaar\r.par");
    Write(CopyOf(project), "x");
    const std::optional<RecoveryCopy> found = recovery_.Find(RecoveryCopyName(project));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->originalPath, project);
    EXPECT_FALSE(found->damaged);
}

TEST_F(RecoveryFolderTest, CopyCutOffOrChangedIsDamagedAndNeverRead) {
    const std::string project = PathOf("a.par");
    const RecoveryCopy copy = CopyOf(project);
    Write(copy, "0123456789");
    const std::string content = RecoveryPath() + copy.name + ".1.par";

    fs::resize_file(content, 4);
    EXPECT_TRUE(recovery_.Find(copy.name)->damaged);

    std::ofstream(content, std::ios::binary | std::ios::trunc) << "0123456780";
    EXPECT_FALSE(recovery_.Find(copy.name)->damaged);  // same size: only reading can tell
    std::string read;
    EXPECT_FALSE(recovery_.Read(copy, read));
}

// A write cut off before its side file is replaced leaves the previous copy whole.
TEST_F(RecoveryFolderTest, WriteCutOffBeforeTheSideFileKeepsThePreviousCopy) {
    const RecoveryCopy copy = CopyOf(PathOf("a.par"));
    Write(copy, "first");
    std::string side;
    ASSERT_TRUE(ReadWholeFile(RecoveryPath() + copy.name + ".info", side));
    Write(copy, "second, longer");
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(RecoveryPath() + copy.name + ".info", side, error));

    const std::optional<RecoveryCopy> found = recovery_.Find(copy.name);
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->damaged);
    EXPECT_EQ(Read(*found), "first");
}

TEST_F(RecoveryFolderTest, ListingOffersNewestFirstAndForeignOrHalfFilesAsDamaged) {
    Write(CopyOf(PathOf("old.par"), 1000), "old");
    Write(CopyOf(PathOf("new.par"), 9000), "new");
    std::ofstream(RecoveryPath() + "notes.txt") << "not ours";
    std::ofstream(RecoveryPath() + "lonely.1.par") << "content without side file";
    std::ofstream(RecoveryPath() + "garbled.info") << "[Tavoric herstelbestand]\nPath=%G\n";
    std::ofstream(RecoveryPath() + ".new.1.par.Ab12Cd") << "left by a write that was cut off";

    const std::vector<RecoveryCopy> copies = recovery_.List();
    ASSERT_EQ(copies.size(), 5u);
    EXPECT_EQ(copies[0].originalPath, PathOf("new.par"));
    EXPECT_EQ(copies[1].originalPath, PathOf("old.par"));
    for (std::size_t i = 2; i < copies.size(); ++i) {
        EXPECT_TRUE(copies[i].damaged) << copies[i].name;
        recovery_.Delete(copies[i].name);
    }
    EXPECT_FALSE(fs::exists(RecoveryPath() + ".new.1.par.Ab12Cd"));
    EXPECT_EQ(recovery_.List().size(), 2u);
    EXPECT_FALSE(fs::exists(RecoveryPath() + "notes.txt"));
}

TEST_F(RecoveryFolderTest, CopyHeldByARunningProgramIsNotOfferedUntilLetGo) {
    const RecoveryCopy copy = CopyOf(PathOf("a.par"));
    {
        RecoveryClaim claim(recovery_, copy.name);
        ASSERT_TRUE(claim.Held());
        Write(copy, "typed");
        EXPECT_FALSE(RecoveryClaim(recovery_, copy.name).Held());
        EXPECT_TRUE(recovery_.List().empty());
        EXPECT_FALSE(recovery_.Find(copy.name));
    }
    EXPECT_EQ(recovery_.List().size(), 1u);
}

TEST_F(RecoveryFolderTest, DeleteRemovesEveryFileOfTheCopy) {
    const RecoveryCopy copy = CopyOf(PathOf("a.par"));
    Write(copy, "one");
    Write(copy, "two");
    { RecoveryClaim claim(recovery_, copy.name); }
    recovery_.Delete(copy.name);
    EXPECT_TRUE(fs::is_empty(RecoveryPath()));
}

TEST_F(RecoveryFolderTest, CopyIsOfferedOnlyWhenNewerThanItsProjectFile) {
    const std::string project = PathOf("a.par");
    EXPECT_TRUE(IsNewerThanProject(CopyOf("", 1)));       // never saved
    EXPECT_TRUE(IsNewerThanProject(CopyOf(project, 1)));  // file gone
    std::ofstream(project) << "saved";
    SetModifiedMs(project, 1'700'000'000'500);
    EXPECT_FALSE(IsNewerThanProject(CopyOf(project, 1'700'000'000'000)));
    EXPECT_FALSE(IsNewerThanProject(CopyOf(project, 1'700'000'000'500)));
    EXPECT_TRUE(IsNewerThanProject(CopyOf(project, 1'700'000'000'501)));
}

TEST_F(RecoveryFolderTest, WriteFailureLeavesAReason) {
    std::ofstream(PathOf("state")) << "a file where the folder should be";
    std::string error;
    EXPECT_FALSE(recovery_.Write(CopyOf(PathOf("a.par")), "x", error));
    EXPECT_FALSE(error.empty());
}

class PrivateStateFolderTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        Keep("XDG_STATE_HOME", savedState_);
        Keep("HOME", savedHome_);
    }
    void TearDown() override {
        Restore("XDG_STATE_HOME", savedState_);
        Restore("HOME", savedHome_);
        TempFolderTest::TearDown();
    }

private:
    static void Keep(const char* name, std::optional<std::string>& saved) {
        const char* value = std::getenv(name);
        saved = value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& saved) {
        saved ? ::setenv(name, saved->c_str(), 1) : ::unsetenv(name);
    }
    std::optional<std::string> savedState_;
    std::optional<std::string> savedHome_;
};

TEST_F(PrivateStateFolderTest, FollowsXdgStateHomeElseHome) {
    ::setenv("HOME", "/home/anna", 1);
    ::setenv("XDG_STATE_HOME", "/var/state", 1);
    EXPECT_EQ(PrivateStateFolder("recovery"), "/var/state/Tavoric/recovery/");
    ::setenv("XDG_STATE_HOME", "relative/state", 1);
    EXPECT_EQ(PrivateStateFolder("recovery"), "/home/anna/.local/state/Tavoric/recovery/");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(PrivateStateFolder("backups"), "/home/anna/.local/state/Tavoric/backups/");
    ::unsetenv("HOME");
    EXPECT_EQ(PrivateStateFolder("recovery"), "");
}

TEST_F(PrivateStateFolderTest, NarrowsAnOpenFolderAndRefusesALink) {
    const std::string open = PathOf("open");
    fs::create_directory(open);
    fs::permissions(open, fs::perms::all);
    std::string error;
    ASSERT_TRUE(MakePrivateFolder(open + "/", error)) << error;
    EXPECT_EQ(fs::status(open).permissions() & fs::perms::all, fs::perms::owner_all);

    fs::create_directory_symlink(open, PathOf("link"));
    EXPECT_FALSE(MakePrivateFolder(PathOf("link") + "/", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tavoric
