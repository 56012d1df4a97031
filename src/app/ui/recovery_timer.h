// SPDX-License-Identifier: GPL-3.0-or-later
// When the main window's project gets its recovery copy: at most every interval seconds after a
// change, and at once when a window that changed the survey is confirmed or closed. A write that
// fails is tried again at the next interval and told once in the status bar, never in a dialog.
#pragma once

#include <QObject>
#include <QTimer>
#include <string>

#include "app/recovery_keeper.h"

class QStatusBar;

namespace tavoric {

class RecoveryTimer : public QObject {
    Q_OBJECT
public:
    RecoveryTimer(const Survey& survey, RecoveryKeeper& keeper, QStatusBar* statusBar,
                  QObject* parent);

    // The survey changed; the copy follows within the interval.
    void SurveyChanged();
    // The copy is written now, when the survey changed since the last one.
    void WriteNow();
    void SetInterval(int seconds);
    bool Pending() const { return timer_.isActive(); }

private:
    void WriteIfDue();
    void ShowFailure(const std::string& reason);

    const Survey& survey_;
    RecoveryKeeper& keeper_;
    QStatusBar* statusBar_;
    QTimer timer_;
};

}  // namespace tavoric
