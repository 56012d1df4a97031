// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project_lock.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "core/atomic_file.h"
#include "core/clock.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr unsigned kLockFileMode = 0644;

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    return ::gethostname(name, sizeof name - 1) == 0 ? std::string(name) : std::string();
}

std::string UserName() {
    if (const passwd* entry = ::getpwuid(::geteuid())) {
        return entry->pw_name;
    }
    const char* user = std::getenv("USER");
    return user != nullptr ? user : std::to_string(::geteuid());
}

// Field 22 of /proc/PID/stat: when the process started, in clock ticks after boot; 0 when the
// process does not exist or the system does not tell.
std::uint64_t ProcessStart(long pid) {
    std::string stat;
    if (!ReadWholeFile("/proc/" + std::to_string(pid) + "/stat", stat)) {
        return 0;
    }
    std::size_t at = stat.rfind(')');  // the command name may hold blanks and parentheses
    for (int field = 2; field < 22 && at != std::string::npos; ++field) {
        at = stat.find(' ', at + 1);
    }
    return at == std::string::npos ? 0 : std::strtoull(stat.c_str() + at + 1, nullptr, 10);
}

std::optional<long long> WholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != text.npos) {
        return std::nullopt;
    }
    return std::stoll(text);
}

void RemoveFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace

std::string ProjectLockPath(const std::string& projectPath) {
    const std::filesystem::path path(projectPath);
    const std::string name = "." + path.filename().string() + ".lock";
    return path.has_parent_path() ? (path.parent_path() / name).string() : name;
}

LockOwner CurrentLockOwner() {
    const long pid = ::getpid();
    return {UserName(), HostName(), pid, CurrentTimeMs(), ProcessStart(pid)};
}

std::string LockFileText(const LockOwner& owner) {
    return "user=" + owner.user + "\nhost=" + owner.host + "\npid=" + std::to_string(owner.pid) +
           "\nsince=" + std::to_string(owner.since) +
           "\nstart=" + std::to_string(owner.processStart) + "\n";
}

std::optional<LockOwner> ParseLockFile(std::string_view text) {
    std::map<std::string, std::string, std::less<>> values;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt;  // cut off
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            values[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
        }
    }
    const auto pid = WholeNumber(values["pid"]);
    const auto since = WholeNumber(values["since"]);
    const auto start = WholeNumber(values["start"]);
    if (!pid || *pid == 0 || !since || !start || values["host"].empty()) {
        return std::nullopt;
    }
    return LockOwner{values["user"], values["host"], static_cast<long>(*pid), *since,
                     static_cast<std::uint64_t>(*start)};
}

bool IsRunning(const LockOwner& owner) {
    if (owner.host != HostName()) {
        return true;
    }
    if (::kill(static_cast<pid_t>(owner.pid), 0) != 0 && errno == ESRCH) {
        return false;
    }
    const std::uint64_t start = ProcessStart(owner.pid);
    return owner.processStart == 0 || start == 0 || start == owner.processStart;
}

std::optional<LockOwner> OtherLiveLockOwner(const std::string& projectPath) {
    const std::string lockPath = ProjectLockPath(projectPath);
    std::string text;
    FileError error;
    if (!ReadWholeFileNoFollow(lockPath, text, error)) {
        if (error.kind != FileError::Kind::System || error.systemError != ENOENT) {
            RemoveFile(lockPath);  // a link or special file is no lock of ours
        }
        return std::nullopt;
    }
    const std::optional<LockOwner> owner = ParseLockFile(text);
    if (!owner || !IsRunning(*owner)) {
        RemoveFile(lockPath);
        return std::nullopt;
    }
    const LockOwner self = CurrentLockOwner();
    if (owner->host == self.host && owner->pid == self.pid) {
        return std::nullopt;
    }
    return owner;
}

std::string LockedProjectText(const std::string& projectPath, const LockOwner& owner) {
    return FormatText(
        MessageText("AA00611"),
        {Utf8ForMessage(projectPath), Utf8ToCp1252(owner.user), Utf8ToCp1252(owner.host),
         std::to_string(owner.pid), FormatCopyTime(owner.since)});
}

ProjectLock::ProjectLock(const std::string& projectPath) : owner_(CurrentLockOwner()) {
    const std::string lockPath = ProjectLockPath(projectPath);
    FileError ignored;
    if (ReplaceFileAtomically(lockPath, LockFileText(owner_), kLockFileMode, ignored)) {
        lockPath_ = lockPath;
    }
}

ProjectLock::ProjectLock(ProjectLock&& other) noexcept
    : lockPath_(std::move(other.lockPath_)), owner_(std::move(other.owner_)) {
    other.lockPath_.clear();
}

ProjectLock& ProjectLock::operator=(ProjectLock&& other) noexcept {
    if (this != &other) {
        Release();
        lockPath_ = std::move(other.lockPath_);
        owner_ = std::move(other.owner_);
        other.lockPath_.clear();
    }
    return *this;
}

void ProjectLock::Release() {
    if (lockPath_.empty()) {
        return;
    }
    std::string text;
    FileError ignored;
    if (ReadWholeFileNoFollow(lockPath_, text, ignored) && ParseLockFile(text) == owner_) {
        RemoveFile(lockPath_);
    }
    lockPath_.clear();
}

}  // namespace tavoric
