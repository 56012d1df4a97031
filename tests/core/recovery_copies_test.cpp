// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recovery_copies.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
    EXPECT_TRUE(recovery_.Find(copy.name)->damaged);  // same size: the checksum tells
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

TEST_F(RecoveryFolderTest, ProjectFileWrittenAfterItsCopyIsTold) {
    const std::string project = PathOf("a.par");
    EXPECT_FALSE(ProjectWrittenAfter(CopyOf("", 1)));       // never saved
    EXPECT_FALSE(ProjectWrittenAfter(CopyOf(project, 1)));  // file gone
    std::ofstream(project) << "saved";
    SetModifiedMs(project, 1'700'000'000'500);
    EXPECT_EQ(ProjectWrittenAfter(CopyOf(project, 1'700'000'000'000)), 1'700'000'000'500);
    EXPECT_FALSE(ProjectWrittenAfter(CopyOf(project, 1'700'000'000'500)));
    EXPECT_FALSE(ProjectWrittenAfter(CopyOf(project, 1'700'000'000'501)));
}

// Two programs with one project open each keep their own copy; neither replaces the other's.
TEST_F(RecoveryFolderTest, EveryRunKeepsItsOwnCopyOfAProject) {
    const std::string project = PathOf("a.par");
    const std::string first = RecoveryCopyName(project, "run 1");
    const std::string second = RecoveryCopyName(project, "run 2");
    ASSERT_NE(first, second);
    EXPECT_TRUE(IsCopyNameOf(first, project));
    EXPECT_TRUE(IsCopyNameOf(RecoveryCopyName(project), project));  // older programs' name
    EXPECT_FALSE(IsCopyNameOf(first, PathOf("b.par")));
    EXPECT_TRUE(IsCopyNameOf(UnsavedRecoveryCopyName("run 1"), ""));

    Write({first, project, 1000, "3.1", false, "Centrum"}, "typed in run 1");
    for (int copy = 0; copy < 3; ++copy) {
        Write({second, project, 2000 + copy, "3.1", false, "Centrum"}, "typed in run 2");
    }
    const std::vector<RecoveryCopy> copies = recovery_.CopiesOf(project);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(Read(copies[0]), "typed in run 2");
    EXPECT_EQ(Read(copies[1]), "typed in run 1");
    EXPECT_EQ(copies[1].surveyArea, "Centrum");
    EXPECT_TRUE(recovery_.CopiesOf(PathOf("b.par")).empty());
}

TEST_F(RecoveryFolderTest, DamagedNewestContentOffersThePreviousWholeOne) {
    const RecoveryCopy copy = CopyOf(PathOf("a.par"), 1000);
    Write(copy, "first typing");
    RecoveryCopy newer = copy;
    newer.time = 2000;
    Write(newer, "second typing");
    fs::resize_file(RecoveryPath() + copy.name + ".2.par", 3);  // the newest, cut off

    const std::optional<RecoveryCopy> found = recovery_.Find(copy.name);
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->damaged);
    EXPECT_TRUE(found->previousContent);
    EXPECT_EQ(found->time, 1000);
    EXPECT_EQ(Read(*found), "first typing");
}

// The recovery folder is not trusted: links planted there are replaced or ignored, never
// followed, and a side file naming another file than its copy's name is never restored.
TEST_F(RecoveryFolderTest, PlantedLinksAndForgedSideFilesReachNothingOutside) {
    const std::string victim = PathOf("victim.txt");
    std::ofstream(victim) << "unrelated";
    fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
    const RecoveryCopy copy = CopyOf(PathOf("a.par"));
    std::string error;
    ASSERT_TRUE(MakePrivateFolder(RecoveryPath(), error));
    for (const std::string ending : {".1.par", ".2.par", ".info", ".lock"}) {
        fs::create_symlink(victim, RecoveryPath() + copy.name + ending);
    }
    EXPECT_FALSE(recovery_.Find(copy.name) && !recovery_.Find(copy.name)->damaged);
    { RecoveryClaim claim(recovery_, copy.name); }
    Write(copy, "project content");
    Write(copy, "project content again");
    std::string kept;
    ASSERT_TRUE(ReadWholeFile(victim, kept));
    EXPECT_EQ(kept, "unrelated");
    EXPECT_EQ(ModeOf(victim), 0644u);
    EXPECT_EQ(Read(*recovery_.Find(copy.name)), "project content again");

    // This copy's side file, changed to name the text file as the project.
    const RecoveryCopy forged = CopyOf(victim);
    Write(forged, "over the text file");
    std::string side;
    ASSERT_TRUE(ReadWholeFile(RecoveryPath() + forged.name + ".info", side));
    for (std::size_t at = side.find(forged.name); at != std::string::npos;
         at = side.find(forged.name)) {
        side.replace(at, forged.name.size(), copy.name);
    }
    recovery_.Delete(forged.name);
    std::ofstream(RecoveryPath() + copy.name + ".info", std::ios::trunc) << side;
    EXPECT_TRUE(recovery_.Find(copy.name)->damaged);
    std::string content;
    EXPECT_FALSE(recovery_.Read(*recovery_.Find(copy.name), content));
    EXPECT_TRUE(recovery_.CopiesOf(victim).empty());
}

TEST_F(RecoveryFolderTest, CopyFromTheFutureIsDamaged) {
    const RecoveryCopy copy = CopyOf(PathOf("a.par"), CurrentTimeMs() + 24 * 3600 * 1000);
    Write(copy, "typed");
    EXPECT_TRUE(recovery_.Find(copy.name)->damaged);
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

TEST_F(PrivateStateFolderTest, ARuntimeFolderOfItsOwnWhereNoneIsSetAndOnlyThen) {
    const char* before = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = before ? before : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(ProvideRuntimeFolder(PathOf("tmp")));
    const std::string provided = std::getenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(provided, PathOf("tmp") + "/runtime-" + std::to_string(::getuid()));
    EXPECT_EQ(fs::status(provided).permissions() & fs::perms::all, fs::perms::owner_all);

    ::setenv("XDG_RUNTIME_DIR", "/run/user/elsewhere", 1);  // a set one is the user's
    EXPECT_TRUE(ProvideRuntimeFolder(PathOf("tmp")));
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/elsewhere");

    // A link where the folder should be is refused; Qt then makes its own.
    ::unsetenv("XDG_RUNTIME_DIR");
    fs::create_directory(PathOf("trap"));
    fs::create_directory_symlink(PathOf("tmp"),
                                 PathOf("trap") + "/runtime-" + std::to_string(::getuid()));
    EXPECT_FALSE(ProvideRuntimeFolder(PathOf("trap")));
    EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), nullptr);
    if (!saved.empty()) {
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    }
}

}  // namespace
}  // namespace tavoric
