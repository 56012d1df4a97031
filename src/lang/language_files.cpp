// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/atomic_file.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "lang/load_message_texts.h"

namespace tavoric {

bool HasReservedPrefix(std::string_view componentName) {
    return LowerAscii(componentName.substr(0, 2)) == kReservedNamePrefix;
}

LanguageFiles::LanguageFiles(std::string programFolder)
    : languageFolder_(programFolder + "Lng/"),
      helpFolder_(programFolder + "Hlp/"),
      language_(kDutch),
      helpName_(kDefaultHelpName),
      helpFile_(programFolder + std::string(kProductName) + ".html") {}

namespace {

// The file the lists offer as name: its extension may be written in capitals ("Test.LNG").
std::string OfferedFile(const std::string& folder, std::string_view name,
                        std::string_view extension) {
    const std::string fileName = std::string(name) + std::string(extension);
    std::error_code error;
    if (std::filesystem::exists(folder + fileName, error)) {
        return folder + fileName;
    }
    const std::string lower = LowerAscii(fileName);
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string candidate = entry.path().filename().string();
        if (LowerAscii(candidate) == lower && candidate.starts_with(name)) {
            return folder + candidate;
        }
    }
    return folder + fileName;
}

}  // namespace

std::string LanguageFiles::LanguageFilePath(std::string_view name) const {
    return OfferedFile(languageFolder_, name, ".lng");
}

std::string LanguageFiles::HelpFilePath(std::string_view name) const {
    return OfferedFile(helpFolder_, name, ".html");
}

void LanguageFiles::SelectLanguage(const std::string& name) {
    if (language_ != kDutch && name == kDutch) {
        language_ = kDutch;
    }
    if (const std::optional<IniFile> file = ReadLanguageFile(name)) {
        language_ = name;
        LoadMessageTexts(*file);
    }
}

void LanguageFiles::SelectHelp(const std::string& name) {
    helpName_ = name;
    helpFile_ = HelpFilePath(name);
}

std::optional<IniFile> LanguageFiles::ReadLanguageFile(std::string_view name) const {
    return IniFile::Load(LanguageFilePath(name));
}

std::string FirstStartLanguage(std::string_view localeName,
                               const std::vector<std::string>& availableLanguages) {
    constexpr std::string_view kEnglish = "English";
    const std::string locale = LowerAscii(localeName);
    const bool dutchLocale =
        locale.starts_with("nl") &&
        (locale.size() == 2 || !std::isalpha(static_cast<unsigned char>(locale[2])));
    if (!dutchLocale &&
        std::ranges::find(availableLanguages, kEnglish) != availableLanguages.end()) {
        return std::string(kEnglish);
    }
    return std::string(kDutch);
}

std::string FirstStartHelp(std::string_view language,
                           const std::vector<std::string>& availableHelp) {
    const std::string help = std::string(kProductName) + "_" + std::string(language);
    if (std::ranges::find(availableHelp, help) != availableHelp.end()) {
        return help;
    }
    return std::string(kDefaultHelpName);
}

LanguageFiles& ProgramLanguageFiles() {
    static LanguageFiles files;
    return files;
}

std::optional<std::vector<std::string>> NamesWithExtension(const std::string& folder,
                                                           std::string_view extension) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        std::string fileName = entry.path().filename().string();
        const std::string lower = LowerAscii(fileName);
        if (!entry.is_directory(error) && lower.ends_with(extension)) {
            // The first occurrence, as the list has always shown "a.lng.lng" as "a.lng".
            names.push_back(fileName.erase(lower.find(extension), extension.size()));
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    return names;
}

IniWriter::IniWriter(std::string_view existingContent) {
    std::string section;
    std::size_t pos = 0;
    while (pos < existingContent.size()) {
        std::size_t end = existingContent.find('\n', pos);
        if (end == std::string_view::npos) {
            end = existingContent.size();
        }
        std::string_view text = existingContent.substr(pos, end - pos);
        pos = end + 1;
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        const std::string_view trimmed = TrimSpaceAndTab(text);
        std::string key;
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            section = LowerAscii(TrimSpaceAndTab(trimmed.substr(1, trimmed.size() - 2)));
        } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
            key = LowerAscii(TrimSpaceAndTab(text.substr(0, equals)));
        }
        lines_.push_back({std::string(text), section, key});
    }
}

void IniWriter::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string lowerSection = LowerAscii(section);
    const std::string lowerKey = LowerAscii(key);
    const std::string text = std::string(key) + "=" + std::string(value);
    std::size_t lastOfSection = lines_.size();
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].section != lowerSection) {
            continue;
        }
        if (lines_[i].key == lowerKey && !lowerKey.empty()) {
            lines_[i].text = text;
            return;
        }
        sectionFound = true;
        if (!TrimSpaceAndTab(lines_[i].text).empty()) {
            lastOfSection = i;
        }
    }
    if (!sectionFound) {
        if (!lines_.empty() && !TrimSpaceAndTab(lines_.back().text).empty()) {
            lines_.push_back({"", lines_.back().section, ""});
        }
        lines_.push_back({"[" + std::string(section) + "]", lowerSection, ""});
        lastOfSection = lines_.size() - 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastOfSection) + 1,
                  {text, lowerSection, lowerKey});
}

std::string IniWriter::Text() const {
    std::string text;
    for (const Line& line : lines_) {
        text += line.text + "\r\n";
    }
    return text;
}

std::string EscapeLineBreaks(std::string_view text) {
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            value += "\\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            value += text[i];
        }
    }
    return value;
}

bool WriteTemplateFile(const std::string& path, const std::vector<TemplateSection>& sections,
                       std::string& errorText) {
    std::string existing;
    ReadWholeFile(path, existing);
    IniWriter writer(existing);
    for (const TemplateSection& section : sections) {
        for (const TemplateEntry& entry : section.entries) {
            writer.Set(section.window, entry.key, "\"" + entry.value + "\"");
        }
    }
    FileError error;
    if (WriteFileAtomically(path, writer.Text(), error)) {
        return true;
    }
    errorText = FileErrorReason(error);
    return false;
}

}  // namespace tavoric
