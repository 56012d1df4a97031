#include "lang/ui/language_windows.h"

#include <QAction>
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
            sections.push_back(WindowTemplate(window));
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
