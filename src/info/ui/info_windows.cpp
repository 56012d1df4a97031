// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/ui/info_windows.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/program_folders.h"
#include "core/text.h"
#include "desktop/desktop_shell.h"
#include "desktop/qt_text.h"
#include "info/ui/config_gegevens_form.h"
#include "info/ui/help_form.h"
#include "info/ui/op_internet_form.h"
#include "info/ui/opstart_info_form.h"

namespace tavoric {

namespace {

std::string ProgramFolder() {
    return WithTrailingDelimiter(PathFromQString(QApplication::applicationDirPath()));
}

}  // namespace

TextFileForm::TextFileForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ntTextFileForm"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("ntTextMemo"));
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    resize(720, 560);
}

bool TextFileForm::ShowFile(const std::string& path) {
    QFile file(PathToQString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    text_->setPlainText(ToQString(file.readAll().toStdString()));
    setWindowTitle(QFileInfo(file).fileName());
    show();
    raise();
    return true;
}

void OpenReadMe(const std::string& folder, TextFileForm& fallback, Prompter& prompter) {
    const std::string path = folder + FixedTexts().readMeFileName;
    const QString file = PathToQString(path);
    if (!QFileInfo(file).isFile()) {
        ErrorNotice(prompter, FormatText(MessageText("AA00270"), {Utf8ForMessage(path)}));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)) && !fallback.ShowFile(path)) {
        ErrorNotice(prompter, FormatText(MessageText("AA00270"), {Utf8ForMessage(path)}));
    }
}

TOpstartInfoForm* StartUpWindow(DesktopShell& shell) {
    return shell.MainWindow()->findChild<TOpstartInfoForm*>(QStringLiteral("OpstartInfoForm"));
}

void AddInfoWindows(DesktopShell& shell) {
    QWidget* form = shell.MainWindow();
    auto* startUp = new TOpstartInfoForm(
        shell, [&shell] { return shell.Settings().report.ownerName; }, form);
    auto* internet = new TOpInternetForm(shell, form);
    auto* configuration = new TConfigGegevensForm(form);
    auto* help = new THelpForm(shell, form);
    auto* readMe = new TextFileForm(form);
    SetProgramHelpForm(help);

    shell.SetCommandHandler("Info1", [startUp] { startUp->ShowInfo(); });
    shell.SetCommandHandler("ntOpInternet1", [internet] { internet->Execute(); });
    shell.SetCommandHandler("Configuratiegegevens1",
                            [configuration] { configuration->ShowConfiguration(); });
    shell.SetCommandHandler("Inhoud1", [] { ShowHelpTopic(kHelpContents); });
    shell.SetCommandHandler("Veelgesteldevragen1", [] { ShowHelpTopic(kHelpQuestions); });
    shell.SetCommandHandler("ntLeesMijtxt1", [readMe, &shell] {
        OpenReadMe(ReadMeFolder(ProgramFolder(), FixedTexts().readMeFileName), *readMe,
                   shell.CurrentPrompter());
    });
    ConnectHelpButtons(form);
}

}  // namespace tavoric
