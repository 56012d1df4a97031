// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/ui/op_internet_form.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message_texts.h"
#include "core/text.h"
#include "core/version.h"
#include "desktop/qt_text.h"
#include "info/maker.h"
#include "info/ui/opstart_info_form.h"

namespace tavoric {

namespace {

QLabel* Line(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

TOpInternetForm::TOpInternetForm(DesktopShell& shell, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OpInternetForm"));
    setModal(true);
    label1_ = Line("ntLabel1", QString(), this);
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);
    auto* close = new QPushButton(QStringLiteral("&Sluiten"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(label1_);
    layout->addSpacing(8);
    layout->addWidget(
        Line("Label2", QStringLiteral("Van dit programma verschijnen regelmatig nieuwe"), this));
    layout->addWidget(
        Line("Label3", QStringLiteral("versies. Informatie over de meest actuele versie"), this));
    layout->addWidget(Line("Label5", QStringLiteral("is opgenomen op:"), this));
    layout->addSpacing(8);
    layout->addWidget(WebAddressLabel("ntLabel4", shell, this));
    layout->addSpacing(12);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TOpInternetForm::Execute() {
    setWindowTitle(ToQString(InternetCaption()));
    label1_->setText(ToQString(kProductName) + QStringLiteral(" ") +
                     ToQString(FormatText(FixedTexts().versionLine, {kVersionMajorMinor})));
    exec();
}

}  // namespace tavoric
