// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recovery_copies.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>

#include "core/atomic_file.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/private_state_folder.h"
#include "core/text.h"

namespace tavoric {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSideExtension = ".info";
constexpr std::string_view kLockExtension = ".lock";
constexpr std::string_view kContentSlots[] = {".1.par", ".2.par"};
constexpr std::size_t kStemLength = 40;
constexpr std::size_t kHashDigits = 32;

std::string Sha256Hex(std::string_view data) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(data.data(), data.size(), digest, &length, EVP_sha256(), nullptr);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0f];
    }
    return hex;
}

// Letters, digits, "-" and "_" stay; anything else, which a file name may hold, becomes "_".
std::string SafeStem(std::string_view stem) {
    std::string safe;
    for (const char c : stem.substr(0, kStemLength)) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        safe += plain ? c : '_';
    }
    return safe;
}

// Side file values stay on one line whatever bytes a path holds.
std::string EscapeValue(std::string_view value) {
    std::string escaped;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '%') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::string> UnescapeValue(std::string_view value) {
    std::string plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            plain += value[i];
            continue;
        }
        if (i + 2 >= value.size() || HexValue(value[i + 1]) < 0 || HexValue(value[i + 2]) < 0) {
            return std::nullopt;
        }
        plain += static_cast<char>(HexValue(value[i + 1]) * 16 + HexValue(value[i + 2]));
        i += 2;
    }
    return plain;
}

// What a side file records.
struct SideFile {
    RecoveryCopy copy;
    std::string contentFile;  // name in the folder
    std::uint64_t size = 0;
    std::string sha256;
};

std::string SideHeader() {
    return "[" + std::string(kProductName) + " herstelbestand]";
}

std::string SideText(const SideFile& side) {
    std::string text = SideHeader() + "\n";
    text += "Path=" + EscapeValue(side.copy.originalPath) + "\n";
    text += "Time=" + std::to_string(side.copy.time) + "\n";
    text += "Version=" + EscapeValue(side.copy.version) + "\n";
    text += "Content=" + EscapeValue(side.contentFile) + "\n";
    text += "Size=" + std::to_string(side.size) + "\n";
    text += "SHA256=" + side.sha256 + "\n";
    return text;
}

std::optional<std::int64_t> ToInt64(std::string_view text) {
    if (text.empty() || text.size() > 18 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoll(std::string(text));
}

// Every key must be present and well formed, and the content must be one of the copy's slots.
std::optional<SideFile> ParseSide(std::string_view text, const std::string& name) {
    std::map<std::string, std::string, std::less<>> values;
    std::size_t pos = 0;
    bool first = true;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            return std::nullopt;  // cut off
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (first) {
            if (line != SideHeader()) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        values[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
    }
    SideFile side;
    const auto path = UnescapeValue(values["Path"]);
    const auto version = UnescapeValue(values["Version"]);
    const auto content = UnescapeValue(values["Content"]);
    const auto time = ToInt64(values["Time"]);
    const auto size = ToInt64(values["Size"]);
    const bool ownSlot = content && (*content == name + std::string(kContentSlots[0]) ||
                                     *content == name + std::string(kContentSlots[1]));
    if (!path || !version || !ownSlot || !time || !size || values["SHA256"].size() != 64) {
        return std::nullopt;
    }
    side.copy = {name, *path, *time, *version, false};
    side.contentFile = *content;
    side.size = static_cast<std::uint64_t>(*size);
    side.sha256 = values["SHA256"];
    return side;
}

std::optional<SideFile> ReadSide(const std::string& folder, const std::string& name) {
    std::string text;
    if (!ReadWholeFile(folder + name + std::string(kSideExtension), text)) {
        return std::nullopt;
    }
    return ParseSide(text, name);
}

// A file only this user may read: made 0600 before the atomic write, which keeps the mode.
bool WritePrivateFile(const std::string& path, std::string_view content, std::string& errorText) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
    }
    FileError error;
    if (WriteFileAtomically(path, content, error)) {
        return true;
    }
    errorText = FileErrorReason(error);
    return false;
}

bool IsHeld(const std::string& folder, const std::string& name) {
    const std::string lock = folder + name + std::string(kLockExtension);
    const int fd = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);  // also lets go of a lock just taken
    return held;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

// The copy a file of the folder belongs to: the name before a side, lock or content ending.
std::optional<std::string> CopyNameOf(std::string_view file) {
    for (const std::string_view ending :
         {kSideExtension, kLockExtension, kContentSlots[0], kContentSlots[1]}) {
        if (EndsWith(file, ending)) {
            return std::string(file.substr(0, file.size() - ending.size()));
        }
    }
    return std::nullopt;
}

// A temporary file of a write that was cut off: "." + content or side file + ".XXXXXX".
std::optional<std::string> LeftoverCopyName(std::string_view file) {
    const std::size_t suffix = file.find_last_of('.');
    if (!file.starts_with('.') || suffix == 0) {
        return std::nullopt;
    }
    return CopyNameOf(file.substr(1, suffix - 1));
}

RecoveryCopy DamagedCopy(const std::string& name) {
    RecoveryCopy copy;
    copy.name = name;
    copy.damaged = true;
    return copy;
}

// A side file that reads well but whose content file is missing or of another size is damaged.
RecoveryCopy CopyFromSide(const std::string& folder, const std::string& name) {
    const std::optional<SideFile> side = ReadSide(folder, name);
    if (!side) {
        return DamagedCopy(name);
    }
    RecoveryCopy copy = side->copy;
    std::error_code error;
    const auto size = fs::file_size(folder + side->contentFile, error);
    copy.damaged = error || size != side->size;
    return copy;
}

}  // namespace

std::string RecoveryCopyName(const std::string& projectPath) {
    std::string stem = SafeStem(fs::path(projectPath).stem().string());
    if (stem.empty()) {
        stem = "project";
    }
    return stem + "-" + Sha256Hex(projectPath).substr(0, kHashDigits);
}

std::string UnsavedRecoveryCopyName(std::string_view runId) {
    return "nieuw-" + Sha256Hex(runId).substr(0, kHashDigits);
}

std::int64_t CurrentTimeMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string FormatCopyTime(std::int64_t timeMs) {
    const std::time_t seconds = static_cast<std::time_t>(timeMs / 1000);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d-%m-%Y %H:%M:%S", &local);
    return text;
}

bool IsNewerThanProject(const RecoveryCopy& copy) {
    struct stat info {};
    if (copy.originalPath.empty() || ::stat(copy.originalPath.c_str(), &info) != 0) {
        return true;
    }
    const std::int64_t written =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    return copy.time > written;
}

bool RecoveryFolder::Write(const RecoveryCopy& copy, std::string_view content,
                           std::string& errorText) const {
    if (!MakePrivateFolder(folder_, errorText)) {
        return false;
    }
    const std::optional<SideFile> previous = ReadSide(folder_, copy.name);
    const bool firstSlotInUse =
        previous && previous->contentFile == copy.name + std::string(kContentSlots[0]);
    SideFile side;
    side.copy = copy;
    side.contentFile = copy.name + std::string(kContentSlots[firstSlotInUse ? 1 : 0]);
    side.size = content.size();
    side.sha256 = Sha256Hex(content);
    return WritePrivateFile(folder_ + side.contentFile, content, errorText) &&
           WritePrivateFile(folder_ + copy.name + std::string(kSideExtension), SideText(side),
                            errorText);
}

std::vector<RecoveryCopy> RecoveryFolder::List() const {
    std::set<std::string> names;
    std::set<std::string> foreign;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
        const std::string file = entry.path().filename().string();
        if (entry.is_directory(error)) {
            continue;
        }
        if (const std::optional<std::string> name = LeftoverCopyName(file)) {
            if (!IsHeld(folder_, *name)) {
                fs::remove(entry.path(), error);
            }
        } else if (const std::optional<std::string> owner = CopyNameOf(file)) {
            names.insert(*owner);
        } else {
            foreign.insert(file);
        }
    }
    std::vector<RecoveryCopy> copies;
    for (const std::string& name : names) {
        if (const std::optional<RecoveryCopy> copy = Find(name)) {
            copies.push_back(*copy);
        } else if (!IsHeld(folder_, name)) {
            Delete(name);  // a lone lock file of a program that has ended
        }
    }
    for (const std::string& file : foreign) {
        copies.push_back(DamagedCopy(file));
    }
    std::stable_sort(copies.begin(), copies.end(), [](const auto& a, const auto& b) {
        return a.damaged != b.damaged ? !a.damaged : a.time > b.time;
    });
    return copies;
}

std::optional<RecoveryCopy> RecoveryFolder::Find(const std::string& name) const {
    if (IsHeld(folder_, name)) {
        return std::nullopt;
    }
    std::error_code error;
    const std::string base = folder_ + name;
    if (fs::exists(base + std::string(kSideExtension), error)) {
        return CopyFromSide(folder_, name);
    }
    // Content without its side file: a first write cut off between the two files.
    for (const std::string_view slot : kContentSlots) {
        if (fs::exists(base + std::string(slot), error)) {
            return DamagedCopy(name);
        }
    }
    return std::nullopt;
}

bool RecoveryFolder::Read(const RecoveryCopy& copy, std::string& content) const {
    const std::optional<SideFile> side = ReadSide(folder_, copy.name);
    return side && ReadWholeFile(folder_ + side->contentFile, content) &&
           content.size() == side->size && Sha256Hex(content) == side->sha256;
}

void RecoveryFolder::Delete(const std::string& name) const {
    std::error_code ignored;
    const std::string base = folder_ + name;
    fs::remove(base + std::string(kSideExtension), ignored);
    for (const std::string_view slot : kContentSlots) {
        fs::remove(base + std::string(slot), ignored);
    }
    fs::remove(base + std::string(kLockExtension), ignored);
    if (!fs::is_directory(base, ignored)) {
        fs::remove(base, ignored);
    }
}

RecoveryClaim::RecoveryClaim(const RecoveryFolder& folder, const std::string& name) {
    std::string ignored;
    if (!MakePrivateFolder(folder.Path(), ignored)) {
        return;
    }
    const std::string lock = folder.Path() + name + std::string(kLockExtension);
    fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

RecoveryClaim::~RecoveryClaim() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

RecoveryClaim::RecoveryClaim(RecoveryClaim&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

RecoveryClaim& RecoveryClaim::operator=(RecoveryClaim&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

}  // namespace tavoric
