// SPDX-License-Identifier: GPL-3.0-or-later
// When the main window's project gets its recovery copy: at most every interval seconds after a
// change, and at once when a window that changed the survey is confirmed or closed. A write that
// fails is tried again at the next interval; while writes fail, a lasting mark in the status bar
// names the reason, and after two failures in a row a notice says that typing is not being
// kept. Both go at the next write that works.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "app/recovery_keeper.h"

class QLabel;
class QStatusBar;

namespace tavoric {

class RecoveryTimer : public QObject {
    Q_OBJECT
public:
    // warn shows a warning notice through the main window's prompter.
    RecoveryTimer(const Survey& survey, RecoveryKeeper& keeper, QStatusBar* statusBar,
                  std::function<void(const std::string&)> warn, QObject* parent);

    // The survey changed; the copy follows within the interval.
    void SurveyChanged();
    // The copy is written now, when the survey changed since the last one.
    void WriteNow();
    void SetInterval(int seconds);
    bool Pending() const { return timer_.isActive(); }

private:
    void WriteIfDue();
    void ShowStatus(const RecoveryKeeper::Status& status);

    const Survey& survey_;
    RecoveryKeeper& keeper_;
    QLabel* failureMark_;
    std::function<void(const std::string&)> warn_;
    QTimer timer_;
};

}  // namespace tavoric
