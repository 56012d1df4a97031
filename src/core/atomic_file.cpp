#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace tavoric {

namespace {

// The folder a path's file lives in, "." for a bare file name.
std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
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

// A symbolic link is saved through: the file it points to is replaced, the link stays.
std::string LinkTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return path;
    }
    const auto target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
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

}  // namespace

bool WriteFileAtomically(const std::string& requestedPath, std::string_view content,
                         std::string& errorText) {
    const std::string path = LinkTarget(requestedPath);
    const std::string folder = FolderOf(path);
    std::string pattern =
        folder + "/." + std::filesystem::path(path).filename().string() + ".XXXXXX";
    std::vector<char> temporaryName(pattern.begin(), pattern.end());
    temporaryName.push_back('\0');

    const int fd = ::mkstemp(temporaryName.data());
    if (fd < 0) {
        errorText = std::strerror(errno);
        return false;
    }
    const bool written = TakeOverAttributes(fd, path) && WriteAll(fd, content) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    const int closeErrno = errno;
    if (!written || !closed || ::rename(temporaryName.data(), path.c_str()) != 0) {
        errorText = std::strerror(!written ? writeErrno : !closed ? closeErrno : errno);
        ::unlink(temporaryName.data());
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    content.clear();
    if (info.st_size > 0) {
        content.reserve(static_cast<std::size_t>(info.st_size));
    }
    char buffer[1 << 16];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return ok;
}

}  // namespace tavoric
