// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <thread>

#include "file_size_limit.h"
#include "ordinary_user.h"
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
    std::string Content(const std::string& path) const {
        std::string content;
        return ReadWholeFile(path, content) ? content : "<unreadable>";
    }
    void Write(const std::string& path, std::string_view content) {
        FileError error;
        ASSERT_TRUE(WriteFileAtomically(path, content, error)) << path;
    }
};

bool IsSystemError(const FileError& error, int number) {
    return error.kind == FileError::Kind::System && error.systemError == number;
}

TEST_F(AtomicFileTest, WritesAndReplacesWholeContentIncludingNulBytes) {
    const std::string path = PathOf("a.par");
    Write(path, "first version, longer than the second\r\n");
    const std::string second("x\0y\r\n", 5);
    Write(path, second);

    EXPECT_EQ(Content(path), second);
    EXPECT_EQ(EntriesInFolder(), 1u) << "no temporary file may remain";
}

TEST_F(AtomicFileTest, KeepsTheReplacedFilesPermissionsAndOwner) {
    const std::string path = PathOf("shared.par");
    Write(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    // Only root can hand a file to another user; for anyone else the owner is already right.
    const uid_t owner = ::geteuid() == 0 ? 4321 : ::geteuid();
    ASSERT_EQ(::chown(path.c_str(), owner, static_cast<gid_t>(-1)), 0);
    Write(path, "new");

    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(info.st_uid, owner);
}

TEST_F(AtomicFileTest, SymbolicLinksAreWrittenThroughAndKept) {
    const std::string target = PathOf("real.par");
    const std::string link = PathOf("link.par");
    Write(target, "old");
    fs::create_symlink(target, link);
    Write(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Content(target), "new");

    // A dangling link, relative to its own folder: the file it names is created.
    fs::create_directory(PathOf("sub"));
    fs::create_symlink("../made.par", PathOf("sub/dangling.par"));
    Write(PathOf("sub/dangling.par"), "made");
    EXPECT_TRUE(fs::is_symlink(PathOf("sub/dangling.par")));
    EXPECT_EQ(Content(PathOf("made.par")), "made");

    fs::create_symlink(PathOf("loop2.par"), PathOf("loop1.par"));
    fs::create_symlink(PathOf("loop1.par"), PathOf("loop2.par"));
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(PathOf("loop1.par"), "x", error));
    EXPECT_TRUE(IsSystemError(error, ELOOP));
    EXPECT_TRUE(fs::is_symlink(PathOf("loop1.par")));
}

TEST_F(AtomicFileTest, FailureLeavesNoTraceAndSaysWhy) {
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(PathOf("missing/a.par"), "x", error));
    EXPECT_TRUE(IsSystemError(error, ENOENT));

    fs::create_directory(PathOf("taken"));
    EXPECT_FALSE(WriteFileAtomically(PathOf("taken"), "x", error));
    EXPECT_TRUE(IsSystemError(error, EISDIR));
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// A file size limit makes the write fail halfway, as a full disk would.
TEST_F(AtomicFileTest, FailingHalfwayKeepsTheOldFile) {
    const std::string path = PathOf("a.par");
    Write(path, "old");

    FileError error;
    const bool written = [&] {
        const FileSizeLimit limit(4096);
        return WriteFileAtomically(path, std::string(1 << 20, 'x'), error);
    }();

    EXPECT_FALSE(written);
    EXPECT_TRUE(IsSystemError(error, EFBIG));
    EXPECT_EQ(Content(path), "old");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// A produced file is written piece by piece; a piece that fails (here past a file size limit, as
// on a full disk) stops the writer, and a producer that throws leaves no trace either.
TEST_F(AtomicFileTest, AProducedFileIsWrittenWholeOrNotAtAll) {
    const std::string path = PathOf("form.txt");
    const std::string piece(3000, 'x');
    std::vector<bool> accepted;
    const ContentProducer threePieces = [&](const ByteWriter& write) {
        accepted.clear();
        for (int i = 0; i < 3; ++i) {
            accepted.push_back(write(piece));
        }
        return accepted.back();
    };
    Write(path, "old");
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(path, threePieces, error));
    EXPECT_EQ(Content(path), piece + piece + piece);

    Write(path, "old");
    const bool written = [&] {
        const FileSizeLimit limit(4096);
        return WriteFileAtomically(path, threePieces, error);
    }();
    EXPECT_FALSE(written);
    EXPECT_EQ(accepted, (std::vector<bool>{true, false, false}));
    EXPECT_TRUE(IsSystemError(error, EFBIG));
    EXPECT_EQ(Content(path), "old");
    EXPECT_EQ(EntriesInFolder(), 1u);

    const ContentProducer throwing = [](const ByteWriter& write) -> bool {
        write("half");
        throw std::bad_alloc();
    };
    EXPECT_THROW(WriteFileAtomically(path, throwing, error), std::bad_alloc);
    EXPECT_EQ(Content(path), "old");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// Renaming over a write-protected file would succeed; the save is refused instead.
TEST_F(AtomicFileTest, WriteProtectedFilesAndFoldersAreRefused) {
    const std::string path = PathOf("a.par");
    Write(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), 0777), 0);
    EXPECT_TRUE(AsOrdinaryUser([&path] {
        FileError error;
        return !WriteFileAtomically(path, "new", error) &&
               error.kind == FileError::Kind::ReadOnlyFile;
    }));
    EXPECT_EQ(Content(path), "old");
    EXPECT_EQ(EntriesInFolder(), 1u);

    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    EXPECT_TRUE(AsOrdinaryUser([this] {
        FileError error;
        return !WriteFileAtomically(PathOf("b.par"), "new", error) &&
               error.kind == FileError::Kind::ReadOnlyFolder;
    }));
}

TEST_F(AtomicFileTest, SpecialFilesAreNeitherReplacedNorRead) {
    const std::string fifo = PathOf("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(fifo, "x", error));
    EXPECT_EQ(error.kind, FileError::Kind::NotRegularFile);
    struct stat info {};
    ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    // Opening a FIFO without a writer would wait for ever, a device would never end.
    std::string content = "unchanged";
    for (const std::string& special : {fifo, std::string("/dev/zero")}) {
        error = {};
        EXPECT_FALSE(ReadWholeFile(special, content, error)) << special;
        EXPECT_EQ(error.kind, FileError::Kind::NotRegularFile) << special;
    }
    EXPECT_FALSE(ReadWholeFile(PathOf("none.par"), content, error));
    EXPECT_TRUE(IsSystemError(error, ENOENT));
    EXPECT_FALSE(ReadWholeFile(folder_.string(), content, error));
    EXPECT_TRUE(IsSystemError(error, EISDIR));
    EXPECT_EQ(content, "unchanged");
}

TEST_F(AtomicFileTest, AStreamIsReadToItsEndUpToTheLimit) {
    // /dev/zero never ends: the limit stops it, and nothing half-read is kept.
    const int zero = ::open("/dev/zero", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(zero, 0);
    std::string content = "unchanged";
    FileError error;
    EXPECT_FALSE(ReadStreamToEnd(zero, content, 300000, error));
    ::close(zero);
    EXPECT_TRUE(IsSystemError(error, EFBIG));
    EXPECT_EQ(content, "");

    // A pipe bigger than its buffer, filled while it is read.
    const std::string sent(200000, 'x');
    for (const std::size_t limit : {sent.size(), sent.size() - 1}) {
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        std::thread writer([&sent, end = ends[1]] {
            EXPECT_EQ(::write(end, sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
            ::close(end);
        });
        ByteBlock block;
        error = {};
        const bool read = ReadStreamToEnd(ends[0], block, limit, error);
        ::close(ends[0]);
        writer.join();
        EXPECT_EQ(read, limit == sent.size()) << limit;
        EXPECT_EQ(block.size(), read ? sent.size() : 0u) << limit;
    }
}

TEST_F(AtomicFileTest, NamesUpToTheSystemsLimitSave) {
    const std::string longest = PathOf(std::string(NAME_MAX, 'n'));
    Write(longest, "long");
    Write(longest, "longer");
    EXPECT_EQ(Content(longest), "longer");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicFileTest, LeftoversOfACrashedSaveGoAtTheNextSave) {
    const std::string path = PathOf("a.par");
    const std::string stale = PathOf(".a.par.Ab12Cd");
    const std::string running = PathOf(".a.par.Xy34Zw");  // another save may still be writing
    const std::string other = PathOf(".b.par.Ab12Cd");
    for (const std::string& file : {stale, running, other}) {
        Write(file, "half");
    }
    const timeval longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimes(stale.c_str(), longAgo), 0);
    ASSERT_EQ(::utimes(other.c_str(), longAgo), 0);

    Write(path, "saved");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(other));
}

// SIGTERM while a big file is being written: the temporary file goes with the process.
TEST_F(AtomicFileTest, TheTemporaryFileIsRemovedWhenASignalEndsTheProcess) {
    const std::string path = PathOf("big.par");
    const pid_t child = ::fork();
    if (child == 0) {
        RemoveTemporaryFileOnSignals();
        const std::string content(64 << 20, 'x');
        // Waits for the first bytes: the file exists a moment before the write marks it.
        std::thread stopper([this] {
            for (;;) {
                std::error_code ignored;
                for (const auto& entry : fs::directory_iterator(folder_, ignored)) {
                    if (entry.path().filename().string().starts_with(".big.par.") &&
                        fs::file_size(entry.path(), ignored) > 0 && !ignored) {
                        ::kill(::getpid(), SIGTERM);
                        return;
                    }
                }
            }
        });
        stopper.detach();
        FileError error;
        WriteFileAtomically(path, content, error);
        ::_exit(3);  // the signal came too late to test anything
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status)) {
        GTEST_SKIP() << "the write ended before the signal arrived";
    }
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    for (const auto& entry : fs::directory_iterator(folder_)) {
        EXPECT_EQ(entry.path().filename(), "big.par") << "a temporary file remains";
    }
}

}  // namespace
}  // namespace tavoric
