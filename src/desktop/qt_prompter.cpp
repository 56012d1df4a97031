// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/qt_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QVBoxLayout>

#include "core/text.h"
#include "desktop/qt_text.h"
#include "desktop/window_position_keeper.h"

namespace tavoric {

namespace {

QStyle::StandardPixmap IconOf(DialogKind kind) {
    switch (kind) {
        case DialogKind::Warning:
            return QStyle::SP_MessageBoxWarning;
        case DialogKind::Error:
            return QStyle::SP_MessageBoxCritical;
        default:
            return QStyle::SP_MessageBoxInformation;
    }
}

// Message texts break lines with a carriage return.
QString DialogText(const std::string& text) {
    QString result = ToQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QLabel* TextLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(320);
    return label;
}

QString FilterPattern(const QString& pattern) {
    QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) {
        p = p.trimmed();
        if (p == QLatin1String("*.*")) {
            p = QStringLiteral("*");
        }
    }
    return patterns.join(QLatin1Char(' '));
}

QString StartFolder(const FileDialogRequest& request) {
    const QString folder = PathToQString(request.folder);
    if (request.presetName.empty()) {
        return folder;
    }
    const QString name = PathToQString(request.presetName);
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

// A dialog asked during busy work shows the normal cursor.
class NormalCursorWhileAsking {
public:
    NormalCursorWhileAsking() : busy_(QApplication::overrideCursor() != nullptr) {
        if (busy_) {
            QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
        }
    }
    ~NormalCursorWhileAsking() {
        if (busy_) {
            QApplication::restoreOverrideCursor();
        }
    }
    NormalCursorWhileAsking(const NormalCursorWhileAsking&) = delete;
    NormalCursorWhileAsking& operator=(const NormalCursorWhileAsking&) = delete;

private:
    bool busy_;
};

std::optional<std::string> ChosenPath(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(path);
}

}  // namespace

TMessageForm::TMessageForm(QWidget* parent, const QString& caption, const QString& heading,
                           const QString& text, DialogKind kind, const ButtonCaptions& captions,
                           int defaultButton)
    : QDialog(parent) {
    setObjectName(QStringLiteral("MessageForm"));
    WindowPositionKeeper::Exempt(this);
    setWindowTitle(caption);
    setModal(true);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(IconOf(kind), nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    if (!heading.isEmpty()) {
        QLabel* headingLabel = TextLabel(heading, this);
        QFont font = headingLabel->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.2);
        headingLabel->setFont(font);
        texts->addWidget(headingLabel);
    }
    texts->addWidget(TextLabel(text, this));
    texts->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(12);
    body->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    std::vector<QPushButton*> made;
    if (kind == DialogKind::Question) {
        made = {AddButton(captions.yes, "&Yes", kYes), AddButton(captions.no, "&No", kNo), nullptr,
                captions.withCancel ? AddButton(captions.cancel, "&Cancel", kCancel) : nullptr};
        closeResult_ = captions.withCancel ? kCancel : kNo;
    } else {
        made = {nullptr, nullptr, AddButton(captions.ok, "&OK", kOk), nullptr};
        closeResult_ = kOk;
    }
    for (QPushButton* button : made) {
        if (button) {
            buttons->addWidget(button);
        }
    }
    const std::size_t index = static_cast<std::size_t>(defaultButton);
    QPushButton* chosenDefault = index < made.size() ? made[index] : nullptr;
    if (chosenDefault) {
        chosenDefault->setDefault(true);
        chosenDefault->setFocus();
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* TMessageForm::AddButton(const std::string& caption, const char* fallback, int result) {
    auto* button =
        new QPushButton(caption.empty() ? QString::fromLatin1(fallback) : ToQString(caption), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, result] {
        result_ = result;
        done(QDialog::Accepted);
    });
    return button;
}

void TMessageForm::reject() {
    result_ = closeResult_;
    QDialog::reject();
}

QString QtFileFilter(const std::string& pipeFilter) {
    const QStringList parts = ToQString(pipeFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = FilterPattern(parts[i + 1]);
        // Qt reads the patterns from the last parentheses of each filter.
        QString shownDescription = description;
        const qsizetype open = shownDescription.lastIndexOf(QLatin1Char('('));
        if (open >= 0) {
            shownDescription = shownDescription.left(open).trimmed();
        }
        filters << shownDescription + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

int QtPrompter::MessageDialog(const std::string& caption, const std::string& heading,
                              const std::string& text, DialogKind kind,
                              const ButtonCaptions& captions, int defaultButton) {
    TMessageForm form(parent_, ToQString(caption), DialogText(heading), DialogText(text), kind,
                      captions, defaultButton);
    NormalCursorWhileAsking normalCursor;
    form.exec();
    return form.Result();
}

std::optional<std::string> QtPrompter::OpenFileName(const FileDialogRequest& request) {
    NormalCursorWhileAsking normalCursor;
    return ChosenPath(QFileDialog::getOpenFileName(
        parent_, ToQString(request.title), StartFolder(request), QtFileFilter(request.filter)));
}

std::optional<std::string> QtPrompter::SaveFileName(const FileDialogRequest& request) {
    NormalCursorWhileAsking normalCursor;
    // The caller adds the extension and asks before overwriting.
    return ChosenPath(QFileDialog::getSaveFileName(
        parent_, ToQString(request.title), StartFolder(request), QtFileFilter(request.filter),
        nullptr, QFileDialog::DontConfirmOverwrite));
}

std::optional<std::string> QtPrompter::BrowseFolder(const FileDialogRequest& request) {
    NormalCursorWhileAsking normalCursor;
    const QString folder = QFileDialog::getExistingDirectory(parent_, ToQString(request.title),
                                                             PathToQString(request.folder));
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return WithTrailingDelimiter(PathFromQString(folder));
}

}  // namespace tavoric
