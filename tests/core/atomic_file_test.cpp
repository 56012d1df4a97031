#include "core/atomic_file.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>

#include "temp_folder.h"

namespace tavoric {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public TempFolderTest {
protected:
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }
};

TEST_F(AtomicFileTest, WritesAndReplacesWholeContentIncludingNulBytes) {
    const std::string path = PathOf("a.par");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "first version, longer than the second\r\n", error));
    const std::string second("x\0y\r\n", 5);
    ASSERT_TRUE(WriteFileAtomically(path, second, error));

    std::string content;
    ASSERT_TRUE(ReadWholeFile(path, content));
    EXPECT_EQ(content, second);
    EXPECT_EQ(EntriesInFolder(), 1u) << "no temporary file may remain";
}

TEST_F(AtomicFileTest, KeepsTheReplacedFilesPermissionsAndOwner) {
    const std::string path = PathOf("shared.par");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "old", error));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    // Only root can hand a file to another user; for anyone else the owner is already right.
    const uid_t owner = ::geteuid() == 0 ? 4321 : ::geteuid();
    ASSERT_EQ(::chown(path.c_str(), owner, static_cast<gid_t>(-1)), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new", error));

    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(info.st_uid, owner);
}

TEST_F(AtomicFileTest, SavesThroughASymbolicLink) {
    const std::string target = PathOf("real.par");
    const std::string link = PathOf("link.par");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(target, "old", error));
    fs::create_symlink(target, link);
    ASSERT_TRUE(WriteFileAtomically(link, "new", error));

    EXPECT_TRUE(fs::is_symlink(link));
    std::string content;
    ASSERT_TRUE(ReadWholeFile(target, content));
    EXPECT_EQ(content, "new");
}

TEST_F(AtomicFileTest, FailureLeavesNoTraceAndGivesTheSystemError) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(PathOf("missing/a.par"), "x", error));
    EXPECT_EQ(error, "No such file or directory");

    // A folder in the way of the target: the rename fails after the temporary file was written.
    fs::create_directory(PathOf("taken"));
    error.clear();
    EXPECT_FALSE(WriteFileAtomically(PathOf("taken"), "x", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// A file size limit makes the write fail halfway, as a full disk would.
TEST_F(AtomicFileTest, FailingHalfwayKeepsTheOldFile) {
    const std::string path = PathOf("a.par");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "old", error));

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(path, std::string(1 << 20, 'x'), error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(error, "File too large");
    std::string content;
    ASSERT_TRUE(ReadWholeFile(path, content));
    EXPECT_EQ(content, "old");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicFileTest, ReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    const std::string path = PathOf("a.par");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "old", error));
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(path, "new", error));
    EXPECT_EQ(error, "Permission denied");
    fs::permissions(folder_, fs::perms::owner_all);

    std::string content;
    ASSERT_TRUE(ReadWholeFile(path, content));
    EXPECT_EQ(content, "old");
}

TEST_F(AtomicFileTest, ReadingFailsForMissingFilesAndFolders) {
    std::string content = "unchanged";
    EXPECT_FALSE(ReadWholeFile(PathOf("none.par"), content));
    EXPECT_FALSE(ReadWholeFile(folder_.string(), content));
    EXPECT_EQ(content, "unchanged");
}

}  // namespace
}  // namespace tavoric
