// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/recovery_timer.h"

#include <QStatusBar>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/qt_text.h"

namespace tavoric {

namespace {
constexpr int kFailureShownMs = 30000;
}

RecoveryTimer::RecoveryTimer(const Survey& survey, RecoveryKeeper& keeper, QStatusBar* statusBar,
                             QObject* parent)
    : QObject(parent), survey_(survey), keeper_(keeper), statusBar_(statusBar) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryTimer::WriteIfDue);
    SetInterval(keeper_.Interval());
    // The keeper's thread reports; the status bar is shown from this thread.
    keeper_.SetFailureHandler([this](const std::string& reason) {
        QMetaObject::invokeMethod(
            this, [this, reason] { ShowFailure(reason); }, Qt::QueuedConnection);
    });
}

void RecoveryTimer::SurveyChanged() {
    keeper_.SurveyChanged();
    if (keeper_.CopyDue() && !timer_.isActive()) {
        keeper_.PrepareFor(survey_);
        timer_.start();
    }
}

void RecoveryTimer::WriteNow() {
    keeper_.SurveyChanged();
    timer_.stop();
    WriteIfDue();
}

void RecoveryTimer::SetInterval(int seconds) {
    keeper_.SetInterval(seconds);
    timer_.setInterval(std::max(seconds, 0) * 1000);
    if (!keeper_.Enabled()) {
        timer_.stop();
    }
}

void RecoveryTimer::WriteIfDue() {
    if (keeper_.CopyDue()) {
        keeper_.WriteCopy(survey_);
    }
}

// The copy is due again: the next interval tries once more.
void RecoveryTimer::ShowFailure(const std::string& reason) {
    statusBar_->showMessage(
        ToQString(FormatText(MessageText("AA00607"),
                             {Utf8ToCp1252(keeper_.Folder().Path()), Utf8ToCp1252(reason)})),
        kFailureShownMs);
    if (keeper_.CopyDue() && !timer_.isActive()) {
        timer_.start();
    }
}

}  // namespace tavoric
