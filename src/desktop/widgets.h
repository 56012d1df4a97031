// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces every window is built from: named widgets, the fixed-pitch font, edits that
// tell when they are left, spin buttons, lists with column headings, and the help and OK/cancel
// buttons.
#pragma once

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/survey.h"

class QComboBox;
class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace tavoric {

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// "Courier New" where it exists, a metric-compatible fixed-pitch face elsewhere.
QFont FixedPitchFont();

QLabel* LabelFor(const char* name, const QString& caption, QWidget* buddy);

// Shows the engine's text when it differs from what the edit holds, keeping the cursor.
void ShowText(QLineEdit* edit, std::string_view cp1252);

// An edit that tells when the focus leaves it, so that its field can take its final form.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    FieldEdit(const char* name, int maxLength, bool fixedPitch);

signals:
    void Left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// Two small arrow buttons, one above the other, for stepping the field beside them. The keys up
// and down in that field step as well.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(const char* name);
    // Arrow keys in the field step it.
    void AttachTo(QLineEdit* field);

signals:
    void Stepped(StepDirection direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A column heading: its lines ("\n" between them) in the window's font, starting over the
// character column of its field.
struct ColumnHeading {
    int column;
    const char* lines;
};

// The headings over a fixed-pitch text whose first character stands textIndent pixels from the
// left; each heading starts over its column, so that it stays there whatever its own font. The
// headings are named after the text ("RoutesListBoxHeading1", ...) for the language files, and
// take the size of their texts again whenever the bar is shown, so that a translation fits.
class ColumnHeadingBar : public QWidget {
    Q_OBJECT
public:
    ColumnHeadingBar(const std::vector<ColumnHeading>& headings, const QWidget* text,
                     int textIndent);
    // The label whose mnemonic leads to the text ("typ&e").
    void SetBuddy(QWidget* buddy);

protected:
    bool event(QEvent* event) override;

private:
    void FitHeadings();
};

// A list of fixed-column lines in the fixed-pitch font with its column headings above it, each
// heading over its field.
class FixedPitchList : public QWidget {
    Q_OBJECT
public:
    FixedPitchList(const char* name, const std::vector<ColumnHeading>& headings,
                   QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    void SetLines(const LineList& lines);
    // Index of the current item, or none.
    std::optional<std::size_t> CurrentIndex() const;

private:
    QListWidget* list_;
};

// A drop-down selector of fixed-column choices in the fixed-pitch font.
QComboBox* MakeSelectorBox(const char* name);
// New choices, none chosen.
void FillSelector(QComboBox* box, const LineList& choices);
// The choice a selector index stands for: none for -1.
std::optional<std::size_t> SelectorIndex(int index);
// The width a widget's font needs for this many characters, with room for the frame.
int SelectorWidth(const QWidget* widget, int characters);

// The help button of a window with its hint "Help"; it opens the window's help topic.
QPushButton* HelpButton(QWidget* window, int topic);

// A button added to a window's button box with its object name; Enter does not press it.
QPushButton* AddButton(QDialogButtonBox* box, const char* name, const QString& caption,
                       QDialogButtonBox::ButtonRole role);

// The "&OK" (default) and "&Annuleren" buttons at the right of a row, after the help button.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
    QHBoxLayout* row;
};
DialogButtons MakeDialogButtons(QDialog* dialog, int helpTopic, const QString& okCaption);

// Opens a dialog made once, modal and without a nested event loop.
void ShowModal(QDialog* dialog);

}  // namespace tavoric
