// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/aantekeningen_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/qt_text.h"
#include "desktop/widgets.h"

namespace tavoric {

namespace {

QString NotesText(const LineList& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts.append(ToQString(line));
    }
    return texts.join(QLatin1Char('\n'));
}

// One notes line per text line; an empty text is no notes at all.
LineList NotesLines(const QString& text) {
    LineList lines;
    if (text.isEmpty()) {
        return lines;
    }
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        lines.push_back(FromQString(line));
    }
    return lines;
}

}  // namespace

TAantekeningenForm::TAantekeningenForm(Survey& survey, DesktopShell& shell, QWidget* parent)
    : QDialog(parent), survey_(survey), shell_(shell) {
    setObjectName(QStringLiteral("AantekeningenForm"));
    setWindowTitle(QStringLiteral("Aantekeningen"));
    text_ = Named<QPlainTextEdit>("ntAantekeningenRichEdit");
    text_->setFont(FixedPitchFont());
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(text_, &QPlainTextEdit::textChanged, this,
            [this] { changed_ = changed_ || !filling_; });

    checkBox1_ =
        Named<QCheckBox>("CheckBox1", QStringLiteral("Dit venster &tonen bij openen project"));
    connect(checkBox1_, &QCheckBox::clicked, this, [this] { changed_ = true; });

    auto* report = Named<QPushButton>("Button1", QStringLiteral("&Rapport"));
    report->setAutoDefault(false);
    connect(report, &QPushButton::clicked, this, [this] { done(kReportResult); });
    auto* close = Named<QPushButton>("Button2", QStringLiteral("&Sluiten"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkBox1_);
    buttons->addStretch();
    buttons->addWidget(report);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(640, 440);
}

void TAantekeningenForm::Execute() {
    filling_ = true;
    text_->setPlainText(NotesText(survey_.AantekeningenList));
    filling_ = false;
    checkBox1_->setChecked(survey_.AlgemeneGegevens.showNotesOnOpen);
    ShowModal(this);
    text_->setFocus();
}

// Every way of closing, Escape and the close box included, comes here.
void TAantekeningenForm::done(int result) {
    survey_.AlgemeneGegevens.showNotesOnOpen = checkBox1_->isChecked();
    if (changed_) {
        survey_.AantekeningenList = NotesLines(text_->toPlainText());
        survey_.ProjectChanged = true;
        shell_.UpdateCommandStates(false);
        changed_ = false;
    }
    QDialog::done(result);
}

}  // namespace tavoric
