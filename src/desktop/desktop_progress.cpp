// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_progress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QWidget>

namespace tavoric {

int ProgressPercent(std::size_t done, std::size_t total) {
    if (total == 0) {
        return 0;
    }
    const unsigned long long scaled = static_cast<unsigned long long>(done) * 100;
    unsigned long long percent = scaled / total;
    const unsigned long long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 == 1)) {
        ++percent;
    }
    return static_cast<int>(percent);
}

void DesktopProgress::Show() {
    // A nested piece of work keeps a cancel asked for while the outer one was starting.
    if (!panel_->isVisible()) {
        cancelRequested_ = false;
    }
    bar_->setValue(0);
    panel_->show();
    LetEventsThrough();
}

void DesktopProgress::Set(std::size_t done, std::size_t total) {
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintIntervalMs) {
        return;
    }
    bar_->setValue(ProgressPercent(done, total));
    LetEventsThrough();
}

void DesktopProgress::Hide() {
    panel_->hide();
    userInput_ = false;
    sinceRepaint_.invalidate();
}

void DesktopProgress::LetEventsThrough() {
    QCoreApplication::processEvents(userInput_ ? QEventLoop::AllEvents
                                               : QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.start();
}

}  // namespace tavoric
