// SPDX-License-Identifier: GPL-3.0-or-later
#include "privacy/pseudonym_key.h"

#include <fcntl.h>
#include <openssl/crypto.h>
#include <openssl/rand.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

std::string ShownPath(const std::string& path) {
    return Utf8ToCp1252(path);
}

KeyFileResult Failure(std::string_view key, const std::string& path, std::string_view detail = {}) {
    KeyFileResult result;
    result.message = FormatText(MessageText(key), {ShownPath(path), detail});
    return result;
}

std::string SystemError(int error) {
    return Utf8ToCp1252(std::strerror(error));
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads up to size bytes; fewer only at the end of the file. -1 on a read error.
ssize_t ReadUpTo(int fd, unsigned char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, buffer + done, size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

bool WriteAll(int fd, const unsigned char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Makes every missing folder of the path with mode 0700. 0 or the error number.
int CreateOwnerFolders(const std::filesystem::path& folder) {
    std::filesystem::path partial;
    for (const auto& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            return errno;
        }
    }
    return 0;
}

// Stores new random bytes under path without ever replacing a file there: a private temporary
// file in the same folder is filled, flushed and then linked to the name. 0, EEXIST when another
// file got there first, or the error number.
int StoreNewKey(const std::string& path, const PseudonymKey::Bytes& bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());  // mode 0600
    if (fd < 0) {
        return errno;
    }
    FileDescriptor file(fd);
    int error = 0;
    if (::fchmod(fd, 0600) != 0 || !WriteAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0 ||
        ::link(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    ::unlink(temporary.c_str());
    return error;
}

}  // namespace

PseudonymKey::~PseudonymKey() {
    OPENSSL_cleanse(bytes_.data(), bytes_.size());
}

KeyFileResult ReadKeyFile(const std::string& path) {
    // Non-blocking, so that a pipe given by mistake is refused instead of waited for.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        return Failure("AA00560", path, SystemError(errno));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return Failure("AA00560", path, SystemError(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return Failure("AA00561", path);
    }
    if (status.st_size != static_cast<off_t>(kPseudonymKeySize)) {
        return Failure("AA00562", path, std::to_string(status.st_size));
    }
    if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return Failure("AA00570", path, ShownPath(path));
    }
    PseudonymKey::Bytes bytes{};
    const ssize_t got = ReadUpTo(file.get(), bytes.data(), bytes.size());
    KeyFileResult result;
    if (got < 0) {
        result = Failure("AA00560", path, SystemError(errno));
    } else if (static_cast<std::size_t>(got) != bytes.size()) {
        result = Failure("AA00562", path, std::to_string(got));  // shrunk while being read
    } else {
        result.key.emplace(bytes);
    }
    OPENSSL_cleanse(bytes.data(), bytes.size());
    return result;
}

KeyFileResult ReadOrCreateKeyFile(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 || errno != ENOENT) {
        return ReadKeyFile(path);
    }
    if (const int error = CreateOwnerFolders(std::filesystem::path(path).parent_path())) {
        return Failure("AA00563", path, SystemError(error));
    }
    PseudonymKey::Bytes bytes{};
    if (RAND_bytes(bytes.data(), static_cast<int>(bytes.size())) != 1) {
        return Failure("AA00564", path);
    }
    const int error = StoreNewKey(path, bytes);
    OPENSSL_cleanse(bytes.data(), bytes.size());
    if (error == EEXIST) {
        return ReadKeyFile(path);  // made at the same moment by another run
    }
    if (error != 0) {
        return Failure("AA00563", path, SystemError(error));
    }
    KeyFileResult result = ReadKeyFile(path);
    result.created = result.key.has_value();
    return result;
}

}  // namespace tavoric
