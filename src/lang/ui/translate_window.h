// SPDX-License-Identifier: GPL-3.0-or-later
// Window texts from a language file: every named object of a window is found by its object
// name, as in "HoofdForm.Bestand1.Caption". Captions, hints, the lines of multi-line texts and
// the items of lists are translated; the template writer reads the same texts back out.
#pragma once

#include <QString>
#include <vector>

#include "lang/ini_file.h"
#include "lang/language_files.h"

class QObject;
class QWidget;

namespace tavoric {

// A window whose caption the program sets while it runs (the main window's title names the
// project) bears this property: its caption is neither translated nor written to the template.
inline constexpr const char* kLiveCaptionProperty = "ntLiveCaption";

// The named objects of a window in tree order, down to (not into) the windows it owns; objects
// with the reserved prefix are left out (what they hold is not).
std::vector<QObject*> TranslatableObjects(QWidget* window);

// Applies the window's section: values lose their first and last character; an empty caption,
// hint or item leaves the text as it was; keys that name nothing are ignored.
void TranslateWindow(QWidget* window, const IniFile& file);

// The texts the template holds for one window, as they stand now.
TemplateSection WindowTemplate(QWidget* window);

}  // namespace tavoric
