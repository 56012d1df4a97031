// SPDX-License-Identifier: GPL-3.0-or-later
// The lock file the desktop program keeps beside an open project (".NAME.par.lock"), so that a
// second program, or tavoric-cli writing in place, learns who has the project open. A lock
// whose process no longer runs on this host is stale and removed without a question.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavoric {

struct LockOwner {
    std::string user;
    std::string host;
    long pid = 0;
    std::int64_t since = 0;          // when the project was opened, ms since 1970 UTC
    std::uint64_t processStart = 0;  // the process's start in clock ticks after boot; 0 unknown

    bool operator==(const LockOwner&) const = default;
};

// "folder/.NAME.par.lock" for "folder/NAME.par".
std::string ProjectLockPath(const std::string& projectPath);

// This program, as a lock names it, with since set to now.
LockOwner CurrentLockOwner();
std::string LockFileText(const LockOwner& owner);
// Nothing when the text is not a whole lock file.
std::optional<LockOwner> ParseLockFile(std::string_view text);

// True unless the owner is a process of this host that has ended (or a new process that took
// its number). A lock of another host may belong to a live program: it counts as running.
bool IsRunning(const LockOwner& owner);

// The live program other than this one that holds the project's lock. A stale or unreadable
// lock is removed.
std::optional<LockOwner> OtherLiveLockOwner(const std::string& projectPath);

// "Project "%s" is geopend door ..." naming who, where and since when (code page 1252).
std::string LockedProjectText(const std::string& projectPath, const LockOwner& owner);

// This program's lock on one project; removed when let go, unless another program has taken
// the project over since.
class ProjectLock {
public:
    ProjectLock() = default;
    // Writes this program's lock beside the project, replacing one that is there. An empty lock
    // where the folder is not writable.
    explicit ProjectLock(const std::string& projectPath);
    ~ProjectLock() { Release(); }
    ProjectLock(ProjectLock&& other) noexcept;
    ProjectLock& operator=(ProjectLock&& other) noexcept;
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    bool Held() const { return !lockPath_.empty(); }
    void Release();

private:
    std::string lockPath_;
    LockOwner owner_;
};

}  // namespace tavoric
