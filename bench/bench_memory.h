// SPDX-License-Identifier: GPL-3.0-or-later
// The resident memory of a benchmark program, for the peaks its benchmarks report.
#pragma once

#include <malloc.h>

#include <fstream>
#include <string>

namespace tavoric {

// "VmHWM" or "VmRSS" of this process in megabytes.
inline double StatusMegabytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    double kilobytes = 0;
    while (status >> name) {
        if (name == field + ":") {
            status >> kilobytes;
            return kilobytes / 1024;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

// Starts a new peak at what the process holds now, after giving freed memory back to the system
// so that the run before does not hide what this one needs; returns that.
inline double ResetPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusMegabytes("VmRSS");
}

}  // namespace tavoric
