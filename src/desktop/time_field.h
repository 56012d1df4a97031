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

signals:
    // The user changed the text (typing, spinning or leaving the field).
    void Changed();

private:
    void Show(const std::string& text);

    FieldEdit* edit_;
    SpinButton* spin_;
};

}  // namespace tavoric
