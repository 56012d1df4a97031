// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/ui/language_windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>

#include "core/message_texts.h"
#include "desktop/qt_text.h"
#include "info/maker.h"
#include "lang/ui/translate_window.h"

namespace tavoric {

namespace {

constexpr const char* kTranslatedWindows[] = {
    "HoofdForm",
    "OpstartInfoForm",
    "AantekeningenForm",
    "AfdrukkenForm1",
    "ExportForm",
    "OpInternetForm",
    "PrintPreviewForm",
    "RapportOpmaakForm",
    "WaarnemingsformulierForm",
    "RouteForm",
    "SectieForm",
    "ParkplaatsForm",
    "KentekensForm",
    "PeriodeForm",
    "NieuweRouteForm",
    "NieuweSectieForm",
    "NieuweParkeerplaatsForm",
    "PPEgenererenForm",
    "InstellingenForm",
    "ParkeerduurmetingForm",
    "InvoergegRapportForm",
    "WaarnemingenImportForm",
    "GrafiekenForm",
    "VergelijkingForm",
    "ParkeerdrukkaartForm",
    "OnderzoeksrapportForm",
    "PseudonimiseerForm",
    "LanguageForm",
    "ConfigGegevensForm",
};

QWidget* FindWindow(QWidget* mainWindow, const char* name) {
    if (mainWindow->objectName() == QLatin1String(name)) {
        return mainWindow;
    }
    for (QWidget* child : mainWindow->findChildren<QWidget*>(QString::fromLatin1(name))) {
        if (child->isWindow()) {
            return child;
        }
    }
    return nullptr;
}

void SetRunTimeTexts(QWidget* mainWindow) {
    const QString internet = ToQString(InternetCaption());
    if (auto* item = mainWindow->findChild<QAction*>(QStringLiteral("ntOpInternet1"))) {
        item->setText(internet);
        item->setToolTip(internet);
    }
    if (QWidget* window = FindWindow(mainWindow, "OpInternetForm")) {
        window->setWindowTitle(internet);
    }
    if (auto* item = mainWindow->findChild<QAction*>(QStringLiteral("ntLeesMijtxt1"))) {
        item->setText(ToQString(FixedTexts().readMeFileName));
    }
}

// Windows of the same name (the pop-up menus of several windows) share one section; a key that
// is there already keeps its first value.
void AddOnce(std::vector<TemplateSection>& sections, TemplateSection section) {
    const auto same = std::find_if(sections.begin(), sections.end(), [&](const TemplateSection& s) {
        return s.window == section.window;
    });
    if (same == sections.end()) {
        sections.push_back(std::move(section));
        return;
    }
    for (TemplateEntry& entry : section.entries) {
        const auto key = [&](const TemplateEntry& e) { return e.key == entry.key; };
        if (std::none_of(same->entries.begin(), same->entries.end(), key)) {
            same->entries.push_back(std::move(entry));
        }
    }
}

// Qt's own dialogs (files, folders, printing) speak the interface language: Dutch for
// "Nederlands", Qt's English for any other language file.
void UseQtTranslations(const std::string& language) {
    static auto* const dutch = new QTranslator(QCoreApplication::instance());
    QCoreApplication::removeTranslator(dutch);
    if (language == kDutch &&
        (!dutch->isEmpty() || dutch->load(QStringLiteral("qtbase_nl"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))) {
        QCoreApplication::installTranslator(dutch);
    }
}

}  // namespace

std::span<const char* const> TranslatedWindowNames() {
    return kTranslatedWindows;
}

std::vector<QWidget*> ProgramWindows(QWidget* mainWindow) {
    std::vector<QWidget*> windows;
    for (const char* name : kTranslatedWindows) {
        if (QWidget* window = FindWindow(mainWindow, name)) {
            windows.push_back(window);
        }
    }
    for (QWidget* child : mainWindow->findChildren<QWidget*>()) {
        if (child->isWindow() && !child->objectName().isEmpty() &&
            std::find(windows.begin(), windows.end(), child) == windows.end()) {
            windows.push_back(child);
        }
    }
    return windows;
}

void ApplyLanguage(QWidget* mainWindow, const LanguageFiles& files, const std::string& name) {
    UseQtTranslations(name);
    SetRunTimeTexts(mainWindow);
    if (name == kDutch) {
        return;
    }
    const std::optional<IniFile> file = files.ReadLanguageFile(name);
    if (!file) {
        return;
    }
    for (const char* window : kTranslatedWindows) {
        if (QWidget* found = FindWindow(mainWindow, window)) {
            TranslateWindow(found, *file);
        }
    }
}

std::vector<TemplateSection> LanguageTemplate(QWidget* mainWindow) {
    std::vector<TemplateSection> sections;
    for (QWidget* window : ProgramWindows(mainWindow)) {
        if (!HasReservedPrefix(FromQString(window->objectName()))) {
            AddOnce(sections, WindowTemplate(window));
        }
    }
    TemplateSection messages{"Dynamic", {}};
    for (const std::string& key : MessageKeys()) {
        messages.entries.push_back({key, EscapeLineBreaks(MessageText(key))});
    }
    sections.push_back(std::move(messages));
    return sections;
}

bool WriteLanguageTemplate(QWidget* mainWindow, const LanguageFiles& files,
                           std::string& errorText) {
    return WriteTemplateFile(files.LanguageFilePath(kTemplateName), LanguageTemplate(mainWindow),
                             errorText);
}

}  // namespace tavoric
