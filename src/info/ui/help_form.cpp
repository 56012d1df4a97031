// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/ui/help_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/qt_text.h"
#include "lang/language_files.h"

namespace tavoric {

namespace {

QPointer<THelpForm> programHelpForm;

QPushButton* Button(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

THelpForm::THelpForm(DesktopShell& shell, QWidget* parent) : QDialog(parent), shell_(shell) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("ntHelpBrowser"));
    browser_->setOpenExternalLinks(true);
    back_ = Button("ntBackButton", this);
    forward_ = Button("ntForwardButton", this);
    print_ = Button("ntPrintButton", this);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(print_, &QPushButton::clicked, this, &THelpForm::Print);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(print_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(760, 640);
}

// The texts follow the message texts, so the window speaks the chosen language.
void THelpForm::SetButtonTexts() {
    setWindowTitle(ToQString(MessageText("AA00275")));
    back_->setText(ToQString(MessageText("AA00272")));
    forward_->setText(ToQString(MessageText("AA00273")));
    print_->setText(ToQString(MessageText("AA00274")));
}

void THelpForm::ShowTopic(const std::string& helpFile, int topic) {
    const QString path = PathToQString(helpFile);
    if (!QFileInfo(path).isFile()) {
        ErrorNotice(shell_.CurrentPrompter(), FormatText(MessageText("AA00271"), {helpFile}));
        return;
    }
    SetButtonTexts();
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setFragment(QString::number(topic));
    browser_->setSource(url);
    // Over a dialog the help takes the input, as the dialog would otherwise block it.
    const bool overDialog =
        QApplication::activeModalWidget() && QApplication::activeModalWidget() != this;
    if (overDialog != (windowModality() == Qt::ApplicationModal)) {
        hide();
        setWindowModality(overDialog ? Qt::ApplicationModal : Qt::NonModal);
    }
    show();
    raise();
    activateWindow();
}

void THelpForm::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        browser_->document()->print(&printer);
    }
}

void SetProgramHelpForm(THelpForm* form) {
    programHelpForm = form;
}

void ShowHelpTopic(int topic) {
    if (programHelpForm) {
        programHelpForm->ShowTopic(ProgramLanguageFiles().HelpFile(), topic);
    }
}

void ConnectHelpButtons(QWidget* window) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QVariant topic = button->property("helpTopic");
        if (topic.isValid()) {
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [number = topic.toInt()] { ShowHelpTopic(number); });
        }
    }
}

}  // namespace tavoric
