// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/widgets.h"

#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "desktop/icons.h"
#include "desktop/qt_text.h"

namespace tavoric {

QFont FixedPitchFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QLabel* LabelFor(const char* name, const QString& caption, QWidget* buddy) {
    QLabel* label = Named<QLabel>(name, caption);
    label->setBuddy(buddy);
    return label;
}

void ShowText(QLineEdit* edit, std::string_view cp1252) {
    const QString text = ToQString(cp1252);
    if (edit->text() != text) {
        const int cursor = edit->cursorPosition();
        edit->setText(text);
        edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
}

FieldEdit::FieldEdit(const char* name, int maxLength, bool fixedPitch) {
    setObjectName(QString::fromLatin1(name));
    setMaxLength(maxLength);
    if (fixedPitch) {
        setFont(FixedPitchFont());
    }
}

// Another window taking over (a notice, a menu) is no leaving: the field keeps its text until
// the user moves on within the window.
void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit Left();
    }
}

SpinButton::SpinButton(const char* name) {
    setObjectName(QString::fromLatin1(name));
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up, down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(18, 11);
    }
    connect(up, &QToolButton::clicked, this, [this] { emit Stepped(StepDirection::Up); });
    connect(down, &QToolButton::clicked, this, [this] { emit Stepped(StepDirection::Down); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
}

void SpinButton::AttachTo(QLineEdit* field) {
    field->installEventFilter(this);
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit Stepped(key == Qt::Key_Up ? StepDirection::Up : StepDirection::Down);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

constexpr const char* kColumnStartProperty = "columnStart";

}  // namespace

ColumnHeadingBar::ColumnHeadingBar(const std::vector<ColumnHeading>& headings, const QWidget* text,
                                   int textIndent) {
    const int charWidth = QFontMetrics(text->font()).horizontalAdvance(QLatin1Char('0'));
    // A little smaller than the window's text, so that "Route" and "Sectie" fit over their
    // five-character columns.
    QFont headingFont = font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 0.85);
    int number = 0;
    for (const ColumnHeading& heading : headings) {
        auto* label = new QLabel(QString::fromUtf8(heading.lines), this);
        label->setObjectName(text->objectName() + QStringLiteral("Heading") +
                             QString::number(++number));
        label->setFont(headingFont);
        label->setProperty(kColumnStartProperty, textIndent + heading.column * charWidth);
    }
    FitHeadings();
}

// Each heading starts over its column, or further right where a heading before it is longer
// than its column on the same text line ("Section" over five characters), so that no two
// headings run together.
void ColumnHeadingBar::FitHeadings() {
    const int gap = fontMetrics().horizontalAdvance(QLatin1Char(' '));
    std::vector<int> lineEnds;  // per text line: where the headings before end, 0 for none
    int height = 0;
    int width = 0;
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        label->adjustSize();
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        lineEnds.resize(std::max(lineEnds.size(), static_cast<std::size_t>(lines.size())), 0);
        int x = label->property(kColumnStartProperty).toInt();
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (!lines[line].isEmpty() && lineEnds[static_cast<std::size_t>(line)] > 0) {
                x = std::max(x, lineEnds[static_cast<std::size_t>(line)] + gap);
            }
        }
        label->move(x, 0);
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (!lines[line].isEmpty()) {
                lineEnds[static_cast<std::size_t>(line)] =
                    x + label->fontMetrics().horizontalAdvance(lines[line]);
            }
        }
        height = std::max(height, label->height());
        width = std::max(width, label->x() + label->width());
    }
    setFixedHeight(height);
    setMinimumWidth(width);
}

// A language file sets the texts while the window is hidden; a visible bar hears of a new text
// through the layout request the label sends.
bool ColumnHeadingBar::event(QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
        FitHeadings();
    }
    return QWidget::event(event);
}

void ColumnHeadingBar::SetBuddy(QWidget* buddy) {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1Char('&'))) {
            label->setBuddy(buddy);
        }
    }
}

FixedPitchList::FixedPitchList(const char* name, const std::vector<ColumnHeading>& headings,
                               QWidget* parent)
    : QWidget(parent) {
    list_ = Named<QListWidget>(name);
    list_->setFont(FixedPitchFont());
    list_->setUniformItemSizes(true);
    // The list draws its text inside its frame and the item margin.
    const int textMargin =
        list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
    auto* bar = new ColumnHeadingBar(headings, list_, list_->frameWidth() + textMargin);
    bar->SetBuddy(list_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(bar);
    layout->addWidget(list_, 1);
}

void FixedPitchList::SetLines(const LineList& lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        texts.append(ToQString(line));
    }
    list_->setUpdatesEnabled(false);
    list_->clear();
    list_->addItems(texts);
    list_->setUpdatesEnabled(true);
}

std::optional<std::size_t> FixedPitchList::CurrentIndex() const {
    const int row = list_->currentRow();
    if (row < 0 || !list_->currentItem()->isSelected()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(row);
}

QComboBox* MakeSelectorBox(const char* name) {
    QComboBox* box = Named<QComboBox>(name);
    box->setFont(FixedPitchFont());
    box->setEditable(false);
    box->setMaxVisibleItems(20);
    box->setMinimumWidth(SelectorWidth(box, 40));
    return box;
}

void FillSelector(QComboBox* box, const LineList& choices) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(choices.size()));
    for (const std::string& choice : choices) {
        texts.append(ToQString(choice));
    }
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(texts);
    box->setCurrentIndex(-1);
}

std::optional<std::size_t> SelectorIndex(int index) {
    return index < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(index));
}

int SelectorWidth(const QWidget* widget, int characters) {
    return widget->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) + 40;
}

// The help command's icon from the tool bar; F1 anywhere in the window presses the button.
QPushButton* HelpButton(QWidget* window, int topic) {
    QPushButton* help = Named<QPushButton>("HelpButton", QStringLiteral("&Help"), window);
    help->setToolTip(QStringLiteral("Help"));
    help->setIcon(NamedIcon(QStringLiteral("help-contents")));
    help->setAutoDefault(false);
    help->setProperty("helpTopic", topic);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(f1, &QShortcut::activated, help, &QPushButton::click);
    return help;
}

DialogButtons MakeDialogButtons(QDialog* dialog, int helpTopic, const QString& okCaption) {
    DialogButtons buttons{};
    buttons.help = HelpButton(dialog, helpTopic);
    buttons.ok = Named<QPushButton>("Button1", okCaption, dialog);
    buttons.ok->setDefault(true);
    buttons.cancel = Named<QPushButton>("Button2", QStringLiteral("&Annuleren"), dialog);
    buttons.cancel->setAutoDefault(false);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    buttons.row = new QHBoxLayout;
    buttons.row->addWidget(buttons.help);
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    return buttons;
}

void ShowModal(QDialog* dialog) {
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

QPushButton* AddButton(QDialogButtonBox* box, const char* name, const QString& caption,
                       QDialogButtonBox::ButtonRole role) {
    QPushButton* button = box->addButton(caption, role);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace tavoric
