// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/file_fingerprint.h"
#include "core/message_texts.h"
#include "lock_holder.h"
#include "temp_folder.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

using ProjectLockTest = TempFolderTest;

TEST(ProjectLockFileTest, NamesWhoWhereAndSince) {
    EXPECT_EQ(ProjectLockPath("/data/Centrum Demodorp.par"), "/data/.Centrum Demodorp.par.lock");
    EXPECT_EQ(ProjectLockPath("a.par"), ".a.par.lock");
    const LockOwner owner{"anna", "werkplek-3", 4242, 1'700'000'000'000, 987654};
    EXPECT_EQ(ParseLockFile(LockFileText(owner)), owner);
    EXPECT_FALSE(ParseLockFile("user=anna\nhost=werkplek-3\npid=42"));  // cut off
    EXPECT_FALSE(ParseLockFile("not a lock\n"));

    SetDefaultMessageTexts();
    const std::string text = LockedProjectText("/data/a.par", owner);
    for (const char* part : {"/data/a.par", "anna", "werkplek-3", "4242"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

// A second program holds the project; once it is killed with -9 its lock is stale and goes
// without a question.
TEST_F(ProjectLockTest, LockOfALiveProgramCountsUntilItIsKilled) {
    const std::string project = PathOf("a.par");
    LockHoldingProcess other(project);
    const std::optional<LockOwner> owner = OtherLiveLockOwner(project);
    ASSERT_TRUE(owner);
    EXPECT_EQ(*owner, other.Owner());

    other.Kill();
    EXPECT_FALSE(OtherLiveLockOwner(project));
    EXPECT_FALSE(fs::exists(ProjectLockPath(project)));
}

TEST_F(ProjectLockTest, OwnLockIsTakenAndLetGoButNeverAnotherProgramsLock) {
    const std::string project = PathOf("a.par");
    {
        ProjectLock lock(project);
        ASSERT_TRUE(lock.Held());
        EXPECT_TRUE(fs::exists(ProjectLockPath(project)));
        EXPECT_FALSE(OtherLiveLockOwner(project));  // this program's own
    }
    EXPECT_FALSE(fs::exists(ProjectLockPath(project)));

    ProjectLock lock(project);
    LockHoldingProcess other(project);  // "Toch openen" in another program took it over
    lock.Release();
    EXPECT_TRUE(OtherLiveLockOwner(project));
}

TEST_F(ProjectLockTest, ForeignHostCountsAsLiveAndGarbleAsStale) {
    const std::string project = PathOf("a.par");
    LockOwner elsewhere = CurrentLockOwner();
    elsewhere.host += "-elders";
    std::ofstream(ProjectLockPath(project)) << LockFileText(elsewhere);
    EXPECT_EQ(OtherLiveLockOwner(project), elsewhere);

    std::ofstream(ProjectLockPath(project)) << "user=anna\npid=";
    EXPECT_FALSE(OtherLiveLockOwner(project));
    EXPECT_FALSE(fs::exists(ProjectLockPath(project)));
}

TEST_F(ProjectLockTest, NoLockWhereTheFolderIsNotWritable) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes any folder";
    }
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(ProjectLock(PathOf("a.par")).Held());
}

// A symbolic link where the lock goes is replaced, never written through.
TEST_F(ProjectLockTest, LinkInPlaceOfTheLockIsNotFollowed) {
    const std::string project = PathOf("a.par");
    std::ofstream(PathOf("other.txt")) << "keep";
    fs::create_symlink(PathOf("other.txt"), ProjectLockPath(project));
    EXPECT_FALSE(OtherLiveLockOwner(project));
    ProjectLock lock(project);
    std::ifstream other(PathOf("other.txt"));
    std::string kept;
    other >> kept;
    EXPECT_EQ(kept, "keep");
}

using FileFingerprintTest = TempFolderTest;

TEST_F(FileFingerprintTest, ChangedContentCountsAndATouchDoesNot) {
    const std::string path = PathOf("a.par");
    std::ofstream(path) << "one";
    const std::optional<FileFingerprint> known = TakeFingerprint(path);
    ASSERT_TRUE(known);
    EXPECT_FALSE(ChangedOnDisk(*known, path));

    const struct timespec later[2] = {{2'000'000'000, 0}, {2'000'000'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), later, 0), 0);
    EXPECT_FALSE(ChangedOnDisk(*known, path));  // touched, same bytes

    std::ofstream(path) << "two";  // same size, other bytes
    EXPECT_TRUE(ChangedOnDisk(*known, path));
    fs::remove(path);
    EXPECT_TRUE(ChangedOnDisk(*known, path));
}

}  // namespace
}  // namespace tavoric
