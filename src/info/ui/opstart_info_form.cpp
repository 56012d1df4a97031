// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/ui/opstart_info_form.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/icons.h"
#include "desktop/qt_text.h"
#include "desktop/window_position_keeper.h"
#include "info/configuration_info.h"
#include "info/maker.h"

namespace tavoric {

namespace {

QLabel* NamedLabel(const char* name, QWidget* parent, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

QLabel* WebAddressLabel(const char* name, DesktopShell& shell, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    const QString address = ToQString(kMakerWebAddress);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%1</a>").arg(address));
    label->setTextFormat(Qt::RichText);
    QObject::connect(label, &QLabel::linkActivated, label, [&shell](const QString& link) {
        if (!QDesktopServices::openUrl(QUrl(link))) {
            WarningNotice(shell.CurrentPrompter(),
                          FormatText(MessageText("AA00400"), {FromQString(link)}));
        }
    });
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

TOpstartInfoForm::TOpstartInfoForm(DesktopShell& shell, std::function<std::string()> ownerName,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      shell_(shell),
      ownerName_(std::move(ownerName)) {
    setObjectName(QStringLiteral("OpstartInfoForm"));
    WindowPositionKeeper::Exempt(this);  // always in the middle of the screen
    setStyleSheet(
        QStringLiteral("#OpstartInfoForm { background: white; border: 2px solid "
                       "rgb(0, 0, 189); }"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ntProgramIcon"));
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    productLabel_ = NamedLabel("ntProductLabel", this, true);
    QFont large = productLabel_->font();
    large.setPointSize(large.pointSize() * 2);
    productLabel_->setFont(large);
    productLabel_->installEventFilter(this);
    versionLabel_ = NamedLabel("ntVersionLabel", this, false);
    secondProductLabel_ = NamedLabel("ntProductLabel2", this, false);
    ownerLabel_ = NamedLabel("ntOwnerLabel", this, true);

    button1_ = new QPushButton(QStringLiteral("&Sluiten"), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setVisible(false);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &TOpstartInfoForm::Timer1Timer);

    auto* texts = new QVBoxLayout;
    texts->addWidget(productLabel_);
    texts->addWidget(versionLabel_);
    texts->addWidget(secondProductLabel_);
    texts->addSpacing(12);
    texts->addWidget(WebAddressLabel("ntWebLabel", shell, this));
    texts->addSpacing(12);
    texts->addWidget(ownerLabel_);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addLayout(top);
    layout->addWidget(button1_, 0, Qt::AlignRight);
    setMinimumWidth(420);
}

void TOpstartInfoForm::FillLabels() {
    productLabel_->setText(ToQString(kProductName));
    versionLabel_->setText(ToQString(FormatText(FixedTexts().versionLine, {ProgramVersionText()})));
    secondProductLabel_->setText(QStringLiteral("Parkeerduurmeting"));
    ownerLabel_->setText(ToQString(ownerName_ ? ownerName_() : std::string()));
}

void TOpstartInfoForm::ShowAtStartUp(int displayMs) {
    FillLabels();
    setModal(false);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    timer1_->start(displayMs);
}

void TOpstartInfoForm::Timer1Timer() {
    hide();
    button1_->setVisible(true);
}

void TOpstartInfoForm::ShowInfo() {
    timer1_->stop();
    button1_->setVisible(true);
    FillLabels();
    exec();
}

void TOpstartInfoForm::ShowBuild() {
    InformationNotice(shell_.CurrentPrompter(), FormatText(kBuildText, {ProductVersionText()}));
}

void TOpstartInfoForm::keyPressEvent(QKeyEvent* event) {
    event->accept();
    accept();
}

bool TOpstartInfoForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == productLabel_ && event->type() == QEvent::MouseButtonDblClick) {
        ShowBuild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tavoric
