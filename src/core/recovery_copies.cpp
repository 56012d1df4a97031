// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recovery_copies.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "core/atomic_file.h"
#include "core/file_fingerprint.h"
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
constexpr std::size_t kRunDigits = 8;
constexpr std::string_view kUnsavedPrefix = "nieuw-";
// A copy's time may lie this far ahead of the clock (a clock set back a little); further ahead
// it was not written by this program.
constexpr std::int64_t kClockSlackMs = 60 * 1000;

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

// One content file as a side file records it.
struct ContentRecord {
    std::string file;  // name in the folder
    std::uint64_t size = 0;
    std::string sha256;
    std::int64_t time = 0;
};

// What a side file records: the newest content, and the one before it while that is whole.
struct SideFile {
    RecoveryCopy copy;
    ContentRecord content;
    std::optional<ContentRecord> previous;
};

std::string SideHeader() {
    return "[" + std::string(kProductName) + " herstelbestand]";
}

std::string RecordText(std::string_view prefix, const ContentRecord& record) {
    const std::string key(prefix);
    return key + "Content=" + EscapeValue(record.file) + "\n" + key +
           "Size=" + std::to_string(record.size) + "\n" + key + "SHA256=" + record.sha256 + "\n";
}

std::string SideText(const SideFile& side) {
    std::string text = SideHeader() + "\n";
    text += "Path=" + EscapeValue(side.copy.originalPath) + "\n";
    text += "Time=" + std::to_string(side.copy.time) + "\n";
    text += "Version=" + EscapeValue(side.copy.version) + "\n";
    text += "Area=" + EscapeValue(side.copy.surveyArea) + "\n";
    text += RecordText("", side.content);
    if (side.previous) {
        text += "PreviousTime=" + std::to_string(side.previous->time) + "\n";
        text += RecordText("Previous", *side.previous);
    }
    return text;
}

std::optional<std::int64_t> ToInt64(std::string_view text) {
    if (text.empty() || text.size() > 18 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoll(std::string(text));
}

using SideValues = std::map<std::string, std::string, std::less<>>;

// The content record under prefix; it must name one of the copy's own slots.
std::optional<ContentRecord> ParseRecord(SideValues& values, const std::string& prefix,
                                         const std::string& name) {
    const auto file = UnescapeValue(values[prefix + "Content"]);
    const auto size = ToInt64(values[prefix + "Size"]);
    const std::string& sha256 = values[prefix + "SHA256"];
    const bool ownSlot = file && (*file == name + std::string(kContentSlots[0]) ||
                                  *file == name + std::string(kContentSlots[1]));
    if (!ownSlot || !size || sha256.size() != 64) {
        return std::nullopt;
    }
    return ContentRecord{*file, static_cast<std::uint64_t>(*size), sha256, 0};
}

// Every key must be present and well formed; the previous content and the survey area may be
// missing (older side files have neither).
std::optional<SideFile> ParseSide(std::string_view text, const std::string& name) {
    SideValues values;
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
    const auto path = UnescapeValue(values["Path"]);
    const auto version = UnescapeValue(values["Version"]);
    const auto area = UnescapeValue(values["Area"]);
    const auto time = ToInt64(values["Time"]);
    const std::optional<ContentRecord> content = ParseRecord(values, "", name);
    if (!path || !version || !area || !time || !content) {
        return std::nullopt;
    }
    SideFile side;
    side.copy = {name, *path, *time, *version, false, *area};
    side.content = *content;
    side.content.time = *time;
    if (const auto previousTime = ToInt64(values["PreviousTime"])) {
        side.previous = ParseRecord(values, "Previous", name);
        if (side.previous) {
            side.previous->time = *previousTime;
        }
    }
    return side;
}

// A side file that reads well but names another project than the copy's name tells, or a time
// ahead of the clock, was not written by this program: it is never trusted.
std::optional<SideFile> ReadSide(const std::string& folder, const std::string& name) {
    std::string text;
    FileError ignored;
    if (!ReadWholeFileNoFollow(folder + name + std::string(kSideExtension), text, ignored)) {
        return std::nullopt;
    }
    std::optional<SideFile> side = ParseSide(text, name);
    if (!side || !IsCopyNameOf(name, side->copy.originalPath) ||
        side->copy.time > CurrentTimeMs() + kClockSlackMs) {
        return std::nullopt;
    }
    return side;
}

// A file only this user may read; a symbolic link of that name is replaced, never followed.
bool WritePrivateFile(const std::string& path, std::string_view content, std::string& errorText) {
    FileError error;
    if (ReplaceFileAtomically(path, content, 0600, error)) {
        return true;
    }
    errorText = FileErrorReason(error);
    return false;
}

// The size of a regular file in the folder, not following a symbolic link.
std::optional<std::uint64_t> OwnFileSize(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

// The content of a record when it is whole.
bool ReadRecord(const std::string& folder, const ContentRecord& record, std::string& content) {
    FileError ignored;
    return ReadWholeFileNoFollow(folder + record.file, content, ignored) &&
           content.size() == record.size && Sha256Hex(content) == record.sha256;
}

bool IsHeld(const std::string& folder, const std::string& name) {
    const std::string lock = folder + name + std::string(kLockExtension);
    const int fd = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
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

bool SizeMatches(const std::string& folder, const ContentRecord& record) {
    return OwnFileSize(folder + record.file) == record.size;
}

bool IsWhole(const std::string& folder, const ContentRecord& record) {
    std::string content;
    return ReadRecord(folder, record, content);
}

// A side file that reads well but whose newest content is missing, cut off or changed offers
// the previous content when that is whole, else it is damaged.
RecoveryCopy CopyFromSide(const std::string& folder, const std::string& name) {
    const std::optional<SideFile> side = ReadSide(folder, name);
    if (!side) {
        return DamagedCopy(name);
    }
    RecoveryCopy copy = side->copy;
    if (!IsWhole(folder, side->content)) {
        copy.previousContent = side->previous && IsWhole(folder, *side->previous);
        copy.damaged = !copy.previousContent;
        copy.time = copy.previousContent ? side->previous->time : copy.time;
    }
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

std::string RecoveryCopyName(const std::string& projectPath, std::string_view runId) {
    return RecoveryCopyName(projectPath) + "-" + Sha256Hex(runId).substr(0, kRunDigits);
}

std::string UnsavedRecoveryCopyName(std::string_view runId) {
    return std::string(kUnsavedPrefix) + Sha256Hex(runId).substr(0, kHashDigits);
}

bool IsCopyNameOf(std::string_view name, const std::string& projectPath) {
    if (projectPath.empty()) {
        return name.starts_with(kUnsavedPrefix);
    }
    const std::string base = RecoveryCopyName(projectPath);
    return name == base || (name.starts_with(base) && name[base.size()] == '-');
}

std::optional<std::int64_t> ProjectWrittenAfter(const RecoveryCopy& copy) {
    struct stat info {};
    if (copy.originalPath.empty() || ::stat(copy.originalPath.c_str(), &info) != 0) {
        return std::nullopt;
    }
    const std::int64_t written =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    return written > copy.time ? std::optional(written) : std::nullopt;
}

bool RecoveryFolder::Write(const RecoveryCopy& copy, std::string_view content,
                           std::string& errorText) const {
    if (!MakePrivateFolder(folder_, errorText)) {
        return false;
    }
    const std::optional<SideFile> previous = ReadSide(folder_, copy.name);
    const bool firstSlotInUse =
        previous && previous->content.file == copy.name + std::string(kContentSlots[0]);
    SideFile side;
    side.copy = copy;
    side.content = {copy.name + std::string(kContentSlots[firstSlotInUse ? 1 : 0]), content.size(),
                    Sha256Hex(content), copy.time};
    if (previous && SizeMatches(folder_, previous->content)) {
        side.previous = previous->content;
    }
    return WritePrivateFile(folder_ + side.content.file, content, errorText) &&
           WritePrivateFile(folder_ + copy.name + std::string(kSideExtension), SideText(side),
                            errorText);
}

std::vector<RecoveryCopy> RecoveryFolder::List() const {
    std::set<std::string> names;
    std::set<std::string> foreign;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
        const std::string file = entry.path().filename().string();
        if (entry.symlink_status(error).type() == fs::file_type::directory) {
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

std::vector<RecoveryCopy> RecoveryFolder::CopiesOf(const std::string& projectPath) const {
    std::vector<RecoveryCopy> copies = List();
    std::erase_if(copies, [&projectPath](const RecoveryCopy& copy) {
        return copy.damaged ? !IsCopyNameOf(copy.name, projectPath)
                            : copy.originalPath != projectPath;
    });
    return copies;
}

bool RecoveryFolder::Read(const RecoveryCopy& copy, std::string& content) const {
    const std::optional<SideFile> side = ReadSide(folder_, copy.name);
    if (!side) {
        return false;
    }
    if (!copy.previousContent) {
        return ReadRecord(folder_, side->content, content);
    }
    return side->previous && ReadRecord(folder_, *side->previous, content);
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
    fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0 && errno == ELOOP) {  // a link planted in place of the lock goes
        ::unlink(lock.c_str());
        fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    }
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
