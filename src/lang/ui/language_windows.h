// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows in the chosen language: the order in which they are translated, the
// run-time texts every language gets, and the template writer for translators.
#pragma once

#include <QWidget>
#include <span>
#include <string>
#include <vector>

#include "lang/language_files.h"

namespace tavoric {

// The translated windows by object name, in the order in which they are translated.
std::span<const char* const> TranslatedWindowNames();

// The main window and every window it owns; the translated ones first, in their order.
std::vector<QWidget*> ProgramWindows(QWidget* mainWindow);

// Sets the run-time texts, then, for any language but Dutch whose file exists, translates the
// windows from it.
void ApplyLanguage(QWidget* mainWindow, const LanguageFiles& files, const std::string& name);

// Every window's texts and the current message texts, for the template file.
std::vector<TemplateSection> LanguageTemplate(QWidget* mainWindow);
// Writes "Lng/All.lng"; false with the reason when it cannot be written.
bool WriteLanguageTemplate(QWidget* mainWindow, const LanguageFiles& files, std::string& errorText);

}  // namespace tavoric
