// SPDX-License-Identifier: GPL-3.0-or-later
// The language files ("Lng/<name>.lng") and help files ("Hlp/<name>.html") beside the program,
// the user's choice of both, and the template that translators start from.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/ini_file.h"

namespace tavoric {

// Component names that begin with this (in any letter case) keep the texts the program gives
// them at run time: no language file translates them and the template leaves them out.
inline constexpr std::string_view kReservedNamePrefix = "nt";
bool HasReservedPrefix(std::string_view componentName);

inline constexpr std::string_view kDefaultHelpName = "Tavoric_Nederlands";
inline constexpr std::string_view kTemplateName = "All";

// The language and help state of the running program: which file the texts come from and
// which help file opens. The settings' language and languagehelp values are kept here while the
// program runs and copied back into the settings.
class LanguageFiles {
public:
    explicit LanguageFiles(std::string programFolder = "");

    const std::string& LanguageFolder() const { return languageFolder_; }
    const std::string& HelpFolder() const { return helpFolder_; }
    std::string LanguageFilePath(std::string_view name) const;
    std::string HelpFilePath(std::string_view name) const;

    const std::string& Language() const { return language_; }
    void SetLanguage(std::string language) { language_ = std::move(language); }
    const std::string& HelpName() const { return helpName_; }
    const std::string& HelpFile() const { return helpFile_; }

    // Back to Dutch when asked for; otherwise, when the file exists, it becomes the language
    // and its message texts are loaded. A missing file changes nothing.
    void SelectLanguage(const std::string& name);
    void SelectHelp(const std::string& name);

    // The file of a language, read anew; nothing when it does not exist.
    std::optional<IniFile> ReadLanguageFile(std::string_view name) const;

private:
    std::string languageFolder_;
    std::string helpFolder_;
    std::string language_;
    std::string helpName_;
    std::string helpFile_;
};

// The language of a first start: Dutch for a Dutch locale ("nl", "nl_BE", ...), otherwise English
// when its file is among the available ones, otherwise Dutch.
std::string FirstStartLanguage(std::string_view localeName,
                               const std::vector<std::string>& availableLanguages);

// The help of a first start: the help in that language ("Tavoric_English") when its file is among
// the available ones, otherwise the Dutch help.
std::string FirstStartHelp(std::string_view language,
                           const std::vector<std::string>& availableHelp);

// The one instance the desktop program and the command-line tool use.
LanguageFiles& ProgramLanguageFiles();

// The names of a folder's files with the given lower-case extension (".lng"), without it,
// sorted without regard to case; nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> NamesWithExtension(const std::string& folder,
                                                           std::string_view extension);

// An INI file that is changed key by key: a key of the same name is replaced in place, a new
// key goes at the end of its section, a new section at the end, other lines stay as they were.
class IniWriter {
public:
    explicit IniWriter(std::string_view existingContent = {});
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // The whole file, lines ending in CR LF.
    std::string Text() const;

private:
    struct Line {
        std::string text;
        std::string section;  // lower-case section the line belongs to
        std::string key;      // lower-case key of a key line, empty otherwise
    };
    std::vector<Line> lines_;
};

// A text as one line of a language file: each line break (CR LF, CR or LF) becomes "\n", which
// the readers turn back into a line break.
std::string EscapeLineBreaks(std::string_view text);

// One translatable text of a window, as the template writes it: key and plain value.
struct TemplateEntry {
    std::string key;
    std::string value;
};
struct TemplateSection {
    std::string window;
    std::vector<TemplateEntry> entries;
};
// Writes the sections into the template file, each value between double quotes, keeping what
// else the file holds. False, with the reason, when the file cannot be written.
bool WriteTemplateFile(const std::string& path, const std::vector<TemplateSection>& sections,
                       std::string& errorText);

}  // namespace tavoric
