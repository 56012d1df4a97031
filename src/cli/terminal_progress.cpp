// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace tavoric {

namespace {
constexpr int kBarWidth = 40;
}

TerminalProgress::TerminalProgress() : onTerminal_(::isatty(STDERR_FILENO) == 1) {}

void TerminalProgress::Show() {
    shown_ = onTerminal_;
    drawnPercent_ = -1;
}

// Redrawn only when the percentage changes: a million steps cost a hundred writes.
void TerminalProgress::Set(std::size_t done, std::size_t total) {
    if (!shown_ || total == 0) {
        return;
    }
    const int percent = static_cast<int>(std::min(done, total) * 100 / total);
    if (percent == drawnPercent_) {
        return;
    }
    drawnPercent_ = percent;
    const int filled = percent * kBarWidth / 100;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kBarWidth - filled), '.');
    std::fprintf(stderr, "\r[%s] %3d%%", bar.c_str(), percent);
    std::fflush(stderr);
}

void TerminalProgress::Hide() {
    if (shown_ && drawnPercent_ >= 0) {
        std::fprintf(stderr, "\r%*s\r", kBarWidth + 8, "");
        std::fflush(stderr);
    }
    shown_ = false;
}

}  // namespace tavoric
