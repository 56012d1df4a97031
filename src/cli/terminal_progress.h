// SPDX-License-Identifier: GPL-3.0-or-later
// Progress of a long command as a bar on standard error, drawn only when standard error is a
// terminal, so that redirected output and scripts stay clean.
#pragma once

#include "core/progress.h"

namespace tavoric {

class TerminalProgress : public Progress {
public:
    TerminalProgress();
    void Show() override;
    void Set(std::size_t done, std::size_t total) override;
    void Hide() override;

private:
    bool onTerminal_;
    bool shown_ = false;
    int drawnPercent_ = -1;
};

}  // namespace tavoric
