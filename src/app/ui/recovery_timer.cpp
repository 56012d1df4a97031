// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/recovery_timer.h"

#include <QLabel>
#include <QStatusBar>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/qt_text.h"

namespace tavoric {

RecoveryTimer::RecoveryTimer(const Survey& survey, RecoveryKeeper& keeper, QStatusBar* statusBar,
                             std::function<void(const std::string&)> warn, QObject* parent)
    : QObject(parent),
      survey_(survey),
      keeper_(keeper),
      failureMark_(new QLabel(statusBar)),
      warn_(std::move(warn)) {
    failureMark_->setObjectName(QStringLiteral("RecoveryFailureMark"));
    failureMark_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    statusBar->addPermanentWidget(failureMark_);
    failureMark_->hide();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryTimer::WriteIfDue);
    SetInterval(keeper_.Interval());
    // The keeper's thread reports; the status bar is shown from this thread.
    keeper_.SetStatusHandler([this](const RecoveryKeeper::Status& status) {
        QMetaObject::invokeMethod(
            this, [this, status] { ShowStatus(status); }, Qt::QueuedConnection);
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

// After a failure the copy is due again: the next interval tries once more.
void RecoveryTimer::ShowStatus(const RecoveryKeeper::Status& status) {
    if (status.failuresInRow == 0) {
        failureMark_->hide();
        failureMark_->clear();
        return;
    }
    const std::string folder = Utf8ToCp1252(keeper_.Folder().Path());
    const std::string reason = Utf8ToCp1252(status.reason);
    failureMark_->setText(ToQString(FormatText(MessageText("AA00623"), {reason})));
    failureMark_->setToolTip(ToQString(FormatText(MessageText("AA00607"), {folder, reason})));
    failureMark_->show();
    if (keeper_.CopyDue() && !timer_.isActive()) {
        timer_.start();
    }
    if (status.failuresInRow == RecoveryKeeper::kFailuresBeforeNotice) {
        warn_(FormatText(MessageText("AA00624"), {folder, reason}));
    }
}

}  // namespace tavoric
