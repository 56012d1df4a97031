// SPDX-License-Identifier: GPL-3.0-or-later
// A second, real program for the tests: a child process whose lock stands beside a project, as
// a desktop program with the project open leaves it, until the child is killed with SIGKILL.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "core/project_lock.h"

namespace tavoric {

class LockHoldingProcess {
public:
    explicit LockHoldingProcess(const std::string& projectPath) {
        pid_ = ::fork();
        if (pid_ == 0) {
            ::execl("/bin/sleep", "sleep", "600", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        owner_ = CurrentLockOwner();
        owner_.pid = pid_;
        owner_.processStart = 0;  // unknown: the process number alone tells
        std::ofstream(ProjectLockPath(projectPath)) << LockFileText(owner_);
    }
    ~LockHoldingProcess() { Kill(); }
    LockHoldingProcess(const LockHoldingProcess&) = delete;
    LockHoldingProcess& operator=(const LockHoldingProcess&) = delete;

    const LockOwner& Owner() const { return owner_; }
    // kill -9: the lock stays on disk, stale.
    void Kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    LockOwner owner_;
};

}  // namespace tavoric
