// SPDX-License-Identifier: GPL-3.0-or-later
// A clock time field: four digits HHMM in an edit with its spin button. A value past 2399
// becomes 0000 at once, leaving the field gives it four digits ("630" becomes "0630"), and the
// spin button steps five minutes.
#pragma once

#include <QWidget>
#include <string>

#include "desktop/widgets.h"

namespace tavoric {

class TimeField : public QWidget {
    Q_OBJECT
public:
    // editName and spinName are the object names of the edit and of its spin button.
    TimeField(const char* editName, const char* spinName, QWidget* parent = nullptr);

    FieldEdit* Edit() const { return edit_; }
    // Code page 1252 text, as shown.
    std::string Text() const;
    // Filling the field is no edit: Changed is not emitted.
    void SetText(const std::string& text);
    // The field's final form, as leaving it gives.
    void Finish();
    // From now on, leaving the field with a text that is no whole number keeps the text as typed
    // and emits Refused instead of Changed, so the window can say so and put the focus back.
    void RefuseInvalidText() { refusesInvalidText_ = true; }

signals:
    // The user changed the text (typing, spinning or leaving the field).
    void Changed();
    // The field was left holding a text that is no whole number (see RefuseInvalidText).
    void Refused();

private:
    void Show(const std::string& text);

    FieldEdit* edit_;
    SpinButton* spin_;
    bool refusesInvalidText_ = false;
};

}  // namespace tavoric
