// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's progress bar as the Progress of long work. The bar moves and pending events
// are let through at most every kRepaintIntervalMs, so a loop over a million lines costs no
// system call per line. Clicks and keys wait until the work is done, so that nothing can close
// or change what the work writes into; work with a cancel button in its own modal dialog lets
// them through.
#pragma once

#include <QElapsedTimer>
#include <cstddef>

#include "core/progress.h"

class QProgressBar;
class QWidget;

namespace tavoric {

// done / total as a whole percentage, exact halves to the even neighbour; 0 when total is 0.
int ProgressPercent(std::size_t done, std::size_t total);

class DesktopProgress : public Progress {
public:
    static constexpr int kRepaintIntervalMs = 30;

    DesktopProgress(QWidget* panel, QProgressBar* bar) : panel_(panel), bar_(bar) {}

    void Show() override;
    void Set(std::size_t done, std::size_t total) override;
    void Hide() override;
    bool Cancelled() override { return cancelRequested_; }

    // For work whose modal dialog has a cancel button; until Hide.
    void LetUserInputThrough() { userInput_ = true; }
    // That cancel button calls this.
    void RequestCancel() { cancelRequested_ = true; }

private:
    void LetEventsThrough();

    QWidget* panel_;
    QProgressBar* bar_;
    QElapsedTimer sinceRepaint_;
    bool cancelRequested_ = false;
    bool userInput_ = false;
};

}  // namespace tavoric
