// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/ui/language_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/system_messages.h"
#include "core/text.h"
#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "lang/ui/language_windows.h"

namespace tavoric {

namespace {

QComboBox* ListIn(QGroupBox* group, const char* name) {
    auto* list = new QComboBox(group);
    list->setObjectName(QString::fromLatin1(name));
    list->setMinimumWidth(220);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    return list;
}

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The language takes effect on the texts the program writes; its windows follow by ApplyLanguage.
void UseLanguage(LanguageFiles& files, ProgramSettings& settings, const std::string& name) {
    files.SelectLanguage(name);
    settings.language = files.Language();
    SetFixedTexts(settings.language);
    FollowLanguageInSystemMessages(settings.language);
}

}  // namespace

TLanguageForm::TLanguageForm(DesktopShell& shell, LanguageFiles& files, QWidget* mainWindow,
                             bool diagnostic, QWidget* parent)
    : QDialog(parent),
      shell_(shell),
      files_(files),
      mainWindow_(mainWindow),
      diagnostic_(diagnostic) {
    setObjectName(QStringLiteral("LanguageForm"));
    setWindowTitle(QStringLiteral("Taal"));
    setModal(true);

    auto* programGroup = new QGroupBox(QStringLiteral(" Programma: "), this);
    programGroup->setObjectName(QStringLiteral("GroupBox1"));
    programList_ = ListIn(programGroup, "ComboBox1");
    auto* helpGroup = new QGroupBox(QStringLiteral(" Help: "), this);
    helpGroup->setObjectName(QStringLiteral("GroupBox2"));
    helpList_ = ListIn(helpGroup, "ComboBox2");

    okButton_ = NamedButton("Button1", QStringLiteral("&OK"), this);
    okButton_->setDefault(true);
    auto* cancel = NamedButton("Button2", QStringLiteral("&Annuleren"), this);
    auto* templateButton = NamedButton("SpeedButton1", QString(), this);
    templateButton->setFlat(true);
    templateButton->setFixedSize(5, 5);
    templateButton->setFocusPolicy(Qt::NoFocus);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(templateButton, &QPushButton::clicked, this, &TLanguageForm::WriteTemplate);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(templateButton, 0, Qt::AlignBottom);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(programGroup);
    layout->addWidget(helpGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TLanguageForm::FillList(QComboBox* list, const std::string& folder, std::string_view extension,
                             bool withDutch, const std::string& current) {
    list->clear();
    const auto names = NamesWithExtension(folder, extension);
    if (!names) {
        ErrorNotice(shell_.CurrentPrompter(), FormatText(kFolderNotFoundText, {folder}));
    }
    QStringList items;
    if (withDutch) {
        items << ToQString(kDutch);
    }
    for (const std::string& name : names.value_or(std::vector<std::string>{})) {
        items << PathToQString(name);
    }
    items.sort(Qt::CaseInsensitive);
    items.removeDuplicates();
    list->addItems(items);
    list->setCurrentIndex(current.empty() ? -1 : list->findText(PathToQString(current)));
}

void TLanguageForm::Execute(ProgramSettings& settings) {
    {
        BusyCursor busy;
        settings.languageSet = 1;
        FillList(programList_, files_.LanguageFolder(), ".lng", true, files_.Language());
        FillList(helpList_, files_.HelpFolder(), ".html", false, files_.HelpName());
    }
    okButton_->setFocus();
    if (exec() == QDialog::Accepted) {
        Choose(settings);
    }
    // Written now: after a crash the first-start dialog must not come back.
    shell_.SettingsChosen();
}

void TLanguageForm::Choose(ProgramSettings& settings) {
    BusyCursor busy;
    if (programList_->currentIndex() >= 0) {
        const std::string choice = PathFromQString(programList_->currentText());
        const bool dutchBefore = files_.Language() == kDutch;
        UseLanguage(files_, settings, choice);
        ApplyLanguage(mainWindow_, files_, choice);
        // Dutch texts return only at a restart; a program still in Dutch needs none.
        if (choice == kDutch && !dutchBefore) {
            InformationNotice(shell_.CurrentPrompter(),
                              FormatText(kRestartForLanguageText, {kProductName, kProductName}));
        }
    }
    if (helpList_->currentIndex() >= 0) {
        files_.SelectHelp(PathFromQString(helpList_->currentText()));
        settings.languageHelp = files_.HelpName();
    }
}

// A tool for the program's makers: only in diagnostic mode.
void TLanguageForm::WriteTemplate() {
    if (!diagnostic_) {
        return;
    }
    std::string errorText;
    bool written = false;
    {
        BusyCursor busy;
        written = WriteLanguageTemplate(mainWindow_, files_, errorText);
    }
    if (!written) {
        ErrorNotice(
            shell_.CurrentPrompter(),
            FormatText(MessageText("AA00276"),
                       {Utf8ForMessage(files_.LanguageFilePath(kTemplateName)), errorText}));
    }
}

}  // namespace tavoric

namespace tavoric {

namespace {

TLanguageForm* LanguageWindow(DesktopShell& shell) {
    return shell.MainWindow()->findChild<TLanguageForm*>(QStringLiteral("LanguageForm"));
}

}  // namespace

void AddLanguageWindow(DesktopShell& shell) {
    const bool diagnostic =
        QCoreApplication::arguments().contains(QLatin1String(kDiagnosticOption));
    QWidget* form = shell.MainWindow();
    auto* window = new TLanguageForm(shell, ProgramLanguageFiles(), form, diagnostic, form);
    shell.SetCommandHandler("Language1", [window, &shell] { window->Execute(shell.Settings()); });
}

void ApplyStartUpLanguage(DesktopShell& shell) {
    ProgramSettings& settings = shell.Settings();
    if (settings.languageSet == 0) {
        LanguageFiles& files = ProgramLanguageFiles();
        const std::vector<std::string> available =
            NamesWithExtension(files.LanguageFolder(), ".lng").value_or(std::vector<std::string>{});
        UseLanguage(files, settings,
                    FirstStartLanguage(PathFromQString(QLocale().name()), available));
        files.SelectHelp(FirstStartHelp(
            settings.language,
            NamesWithExtension(files.HelpFolder(), ".html").value_or(std::vector<std::string>{})));
        settings.languageHelp = files.HelpName();
        // The dialog asks in the language of the locale.
        ApplyLanguage(shell.MainWindow(), files, settings.language);
        if (TLanguageForm* window = LanguageWindow(shell)) {
            window->Execute(settings);
        }
    }
    ApplyLanguage(shell.MainWindow(), ProgramLanguageFiles(), settings.language);
}

}  // namespace tavoric
