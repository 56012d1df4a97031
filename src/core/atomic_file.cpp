// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <vector>

namespace tavoric {

namespace {

// Leftovers of a save that crashed before this process started are removed at the next save.
const std::time_t kProcessStart = std::time(nullptr);

// The temporary file of the write in progress, for the signal handler.
char pendingTemporary[PATH_MAX + 1];
volatile std::sig_atomic_t hasPendingTemporary = 0;

extern "C" void RemovePendingTemporaryFile(int signalNumber) {
    if (hasPendingTemporary) {
        ::unlink(pendingTemporary);
    }
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

// Marks the temporary file of the write in progress (nullptr: none).
void SetPendingTemporary(const char* name) {
    hasPendingTemporary = 0;
    if (name != nullptr && std::strlen(name) < sizeof pendingTemporary) {
        std::strcpy(pendingTemporary, name);
        hasPendingTemporary = 1;
    }
}

FileError SystemError(int number) {
    return {FileError::Kind::System, number};
}

// The folder a path's file lives in, "." for a bare file name.
std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a path finally names: symbolic links are followed one by one, so that a dangling link
// gives the name it points to (which the save then creates). A loop of links is an error.
std::optional<std::string> FinalTarget(const std::string& path, FileError& error) {
    constexpr int kMaxLinks = 40;
    std::string current = path;
    for (int link = 0; link < kMaxLinks; ++link) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::error_code readError;
        const std::filesystem::path target = std::filesystem::read_symlink(current, readError);
        if (readError) {
            error = SystemError(readError.value());
            return std::nullopt;
        }
        current =
            target.is_absolute() ? target.string() : FolderOf(current) + "/" + target.string();
    }
    error = SystemError(ELOOP);
    return std::nullopt;
}

// Refuses a target that exists but may not be replaced: a folder, a special file, or a file the
// user may not write (renaming over it would otherwise succeed).
bool MayReplace(const std::string& path, FileError& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return true;
        }
        error = SystemError(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        error = SystemError(EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        error = {FileError::Kind::NotRegularFile, 0};
    } else if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        error = errno == EACCES || errno == EPERM ? FileError{FileError::Kind::ReadOnlyFile, 0}
                                                  : SystemError(errno);
    } else {
        return true;
    }
    return false;
}

// "folder/.name.XXXXXX"; when that would be longer than the folder allows a name to be, the
// short "folder/.tavoric.XXXXXX".
std::string TemporaryPattern(const std::string& folder, const std::string& name) {
    const long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t limit = nameMax > 0 ? static_cast<std::size_t>(nameMax) : NAME_MAX;
    const std::string own = "." + name + ".XXXXXX";
    return folder + "/" + (own.size() <= limit ? own : std::string(".tavoric.XXXXXX"));
}

// A name mkstemp made from the pattern ".name.XXXXXX".
bool IsTemporaryNameOf(std::string_view candidate, const std::string& name) {
    constexpr std::size_t kRandomPart = 6;
    if (candidate.size() != name.size() + 2 + kRandomPart || !candidate.starts_with('.') ||
        candidate.substr(1, name.size()) != name || candidate[name.size() + 1] != '.') {
        return false;
    }
    const std::string_view random = candidate.substr(name.size() + 2);
    return std::all_of(random.begin(), random.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes this user's temporary files of earlier saves of the same file that a crash or kill
// left behind; files younger than this process may belong to a save still running elsewhere.
void RemoveLeftoverTemporaries(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryNameOf(entry->d_name, name)) {
            continue;
        }
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_mtime < kProcessStart) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// Gives the new file the permissions of the file it replaces (else the usual 0666 less the
// umask) and, where the system allows it, the same owner and group.
bool TakeOverAttributes(int fd, const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(fd, 0666 & ~mask) == 0;
    }
    const bool ownerKept = ::fchown(fd, existing.st_uid, existing.st_gid) == 0;
    // A file that now belongs to the saving user does not inherit set-id bits.
    return ::fchmod(fd, existing.st_mode & (ownerKept ? 07777 : 0777)) == 0;
}

// Makes the rename itself durable; a failure here no longer endangers the data.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void DiscardTemporary(const char* name) {
    ::unlink(name);
    SetPendingTemporary(nullptr);
}

// Writes what produce makes to a temporary file beside path, gives it its attributes, flushes it
// to disk and renames it over path (replacing what path names itself, a symbolic link too).
template <typename SetAttributes>
bool WriteViaTemporary(const std::string& path, const ContentProducer& produce,
                       SetAttributes setAttributes, FileError& error) {
    const std::string folder = FolderOf(path);
    const std::string pattern = TemporaryPattern(folder, FileNameOf(path));
    std::vector<char> temporaryName(pattern.begin(), pattern.end());
    temporaryName.push_back('\0');

    const int fd = ::mkstemp(temporaryName.data());
    if (fd < 0) {
        error =
            errno == EACCES ? FileError{FileError::Kind::ReadOnlyFolder, 0} : SystemError(errno);
        return false;
    }
    SetPendingTemporary(temporaryName.data());
    // The first failed write's reason; the producer may call other functions before it returns.
    int writeErrno = 0;
    const ByteWriter write = [fd, &writeErrno](std::string_view bytes) {
        if (writeErrno == 0 && !WriteAll(fd, bytes)) {
            writeErrno = errno;
        }
        return writeErrno == 0;
    };
    bool written = false;
    try {
        written = setAttributes(fd) && produce(write) && ::fsync(fd) == 0;
    } catch (...) {
        ::close(fd);
        DiscardTemporary(temporaryName.data());
        throw;
    }
    if (writeErrno == 0) {
        writeErrno = errno;
    }
    const bool closed = ::close(fd) == 0;
    const int closeErrno = errno;
    if (!written || !closed || ::rename(temporaryName.data(), path.c_str()) != 0) {
        error = SystemError(!written ? writeErrno : !closed ? closeErrno : errno);
        DiscardTemporary(temporaryName.data());
        return false;
    }
    SetPendingTemporary(nullptr);
    SyncFolder(folder);
    RemoveLeftoverTemporaries(folder, FileNameOf(path));
    return true;
}

}  // namespace

ContentProducer WholeContent(std::string_view content) {
    return [content](const ByteWriter& write) { return write(content); };
}

// Large enough that writing costs few system calls, small beside any survey.
constexpr std::size_t kWriteBlockSize = 1 << 20;

BlockWriter::BlockWriter(ByteWriter write) : write_(std::move(write)) {
    block_.reserve(kWriteBlockSize);
}

BlockWriter& BlockWriter::operator+=(std::string_view bytes) {
    if (block_.size() + bytes.size() > kWriteBlockSize && !block_.empty()) {
        written_ = written_ && write_(block_);
        block_.clear();
    }
    block_ += bytes;
    return *this;
}

bool BlockWriter::Finish() {
    written_ = written_ && write_(block_);
    block_.clear();
    return written_;
}

bool WriteFileAtomically(const std::string& path, std::string_view content, FileError& error) {
    return WriteFileAtomically(path, WholeContent(content), error);
}

bool WriteFileAtomically(const std::string& requestedPath, const ContentProducer& produce,
                         FileError& error) {
    const std::optional<std::string> target = FinalTarget(requestedPath, error);
    if (!target || !MayReplace(*target, error)) {
        return false;
    }
    const std::string& path = *target;
    return WriteViaTemporary(
        path, produce, [&path](int fd) { return TakeOverAttributes(fd, path); }, error);
}

bool ReplaceFileAtomically(const std::string& path, std::string_view content, unsigned mode,
                           FileError& error) {
    return ReplaceFileAtomically(path, WholeContent(content), mode, error);
}

bool ReplaceFileAtomically(const std::string& path, const ContentProducer& produce, unsigned mode,
                           FileError& error) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        error = SystemError(EISDIR);
        return false;
    }
    return WriteViaTemporary(
        path, produce, [mode](int fd) { return ::fchmod(fd, static_cast<mode_t>(mode)) == 0; },
        error);
}

namespace {

// Reads fd to its end into content: straight into its memory as far as the size known at
// opening goes, then whatever a file that grew meanwhile (or a stream) holds more, up to maxBytes.
template <typename Bytes>
bool ReadToEnd(int fd, std::size_t expectedSize, Bytes& content, FileError& error,
               std::size_t maxBytes = static_cast<std::size_t>(-1)) {
    content.resize(expectedSize);
    std::size_t filled = 0;
    char more[1 << 16];
    for (;;) {
        const bool intoContent = filled < expectedSize;
        const ssize_t got = intoContent ? ::read(fd, content.data() + filled, expectedSize - filled)
                                        : ::read(fd, more, sizeof more);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = SystemError(errno);
            content.clear();
            return false;
        }
        if (intoContent) {
            filled += static_cast<std::size_t>(got);
        } else if (static_cast<std::size_t>(got) > maxBytes - filled) {
            error = SystemError(EFBIG);
            content.clear();
            return false;
        } else {
            content.resize(filled);
            content.append(more, static_cast<std::size_t>(got));
            filled = expectedSize = content.size();
        }
    }
    content.resize(filled);
    return true;
}

template <typename Bytes>
bool ReadWholeFileInto(const std::string& path, Bytes& content, FileError& error,
                       bool followLinks = true) {
    // Checked before opening: opening a FIFO would wait for a writer, a device may have effects.
    struct stat info {};
    if ((followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info)) != 0) {
        error = SystemError(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        error = SystemError(EISDIR);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = {FileError::Kind::NotRegularFile, 0};
        return false;
    }
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        error = errno == ELOOP ? FileError{FileError::Kind::NotRegularFile, 0} : SystemError(errno);
        return false;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = {FileError::Kind::NotRegularFile, 0};
        ::close(fd);
        return false;
    }
    const bool read = ReadToEnd(fd, static_cast<std::size_t>(info.st_size), content, error);
    ::close(fd);
    return read;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& content, FileError& error) {
    return ReadWholeFileInto(path, content, error);
}

bool ReadWholeFile(const std::string& path, ByteBlock& content, FileError& error) {
    return ReadWholeFileInto(path, content, error);
}

bool ReadWholeFileNoFollow(const std::string& path, std::string& content, FileError& error) {
    return ReadWholeFileInto(path, content, error, false);
}

bool ReadStreamToEnd(int fd, ByteBlock& content, std::size_t maxBytes, FileError& error) {
    return ReadToEnd(fd, 0, content, error, maxBytes);
}

bool ReadStreamToEnd(int fd, std::string& content, std::size_t maxBytes, FileError& error) {
    return ReadToEnd(fd, 0, content, error, maxBytes);
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    FileError ignored;
    return ReadWholeFile(path, content, ignored);
}

void RemoveTemporaryFileOnSignals() {
    struct sigaction action {};
    action.sa_handler = RemovePendingTemporaryFile;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signalNumber, &action, nullptr);
    }
}

}  // namespace tavoric
