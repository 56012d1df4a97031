// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a check as an ordinary user: permissions do not bind root, so when the tests run as root
// the check runs in a child process that has given up root for "nobody".
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace tavoric {

// The uid the check runs under when the tests run as root.
constexpr uid_t kNobody = 65534;

// Runs check and returns its result; as root in a child process running as kNobody.
inline bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

}  // namespace tavoric
