// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/time_field.h"

#include <QHBoxLayout>

#include "core/clock.h"
#include "core/text.h"
#include "desktop/qt_text.h"

namespace tavoric {

namespace {
constexpr int kTimeLength = 4;
}

TimeField::TimeField(const char* editName, const char* spinName, QWidget* parent)
    : QWidget(parent) {
    edit_ = new FieldEdit(editName, kTimeLength, true);
    edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    spin_ = new SpinButton(spinName);
    spin_->AttachTo(edit_);
    setFocusProxy(edit_);

    connect(edit_, &QLineEdit::textEdited, this, [this] {
        Show(TimeFieldAfterChange(Text()));
        emit Changed();
    });
    connect(edit_, &FieldEdit::Left, this, [this] {
        if (refusesInvalidText_ && !IsInteger(Text())) {
            emit Refused();
            return;
        }
        Finish();
        emit Changed();
    });
    connect(spin_, &SpinButton::Stepped, this, [this](StepDirection direction) {
        Show(TimeFieldAfterStep(Text(), direction));
        emit Changed();
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit_);
    layout->addWidget(spin_);
}

std::string TimeField::Text() const {
    return FromQString(edit_->text());
}

void TimeField::SetText(const std::string& text) {
    Show(text);
}

void TimeField::Finish() {
    Show(TimeFieldAfterFocusLoss(Text()));
}

void TimeField::Show(const std::string& text) {
    ShowText(edit_, text);
}

}  // namespace tavoric
