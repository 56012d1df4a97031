// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/atomic_file.h"
#include "core/clock.h"
#include "core/codec.h"
#include "core/file_messages.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

bool IsSharedTemporaryFolder(std::string_view folder) {
    std::error_code error;
    const std::string temporary = std::filesystem::temp_directory_path(error).string();
    return !error && !folder.empty() &&
           WithTrailingDelimiter(folder) == WithTrailingDelimiter(temporary);
}

constexpr std::string_view kGeneralHeader = "[**General variables**]";
constexpr std::string_view kPositionsHeader = "[**Form positions**]";
constexpr std::string_view kSectionStart = "[**";
constexpr std::string_view kLineEnd = "\r\n";

// The lines of a file; LF and CR LF ends both read.
std::vector<std::string_view> SplitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find('\n', pos);
        if (end == std::string_view::npos) {
            end = content.size();
        }
        std::string_view line = content.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

void ReadWholeNumber(std::string_view value, int& setting) {
    if (const std::optional<int> number = ToInteger(TrimBlanks(value))) {
        setting = *number;
    }
}

// A number outside lowest..highest keeps the setting too.
void ReadWholeNumber(std::string_view value, int& setting, int lowest, int highest) {
    int number = setting;
    ReadWholeNumber(value, number);
    if (number >= lowest && number <= highest) {
        setting = number;
    }
}

// 0 automatic, 1 portrait, 2 landscape; anything else keeps the setting.
void ReadOrientation(std::string_view value, PrintOrientation& orientation) {
    int number = static_cast<int>(orientation);
    ReadWholeNumber(value, number, 0, 2);
    orientation = static_cast<PrintOrientation>(number);
}

// A clock time as a time field takes it; text that is not a whole number keeps the value.
void ReadClockTime(std::string_view value, std::string& setting) {
    const std::string_view trimmed = TrimBlanks(value);
    if (IsInteger(trimmed)) {
        setting = TimeFieldAfterFocusLoss(TimeFieldAfterChange(trimmed));
    }
}

void ReadCommuterMinutes(std::string_view value, int& setting) {
    const std::optional<int> minutes = ToInteger(TrimBlanks(value));
    if (minutes && *minutes >= 0 && *minutes <= kMaxCommuterMinutes) {
        setting = *minutes;
    }
}

void ApplyGeneralLine(std::string_view line, ProgramSettings& settings) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string key = LowerAscii(line.substr(0, equals + 1));
    const std::string_view value = line.substr(equals + 1);
    ReportSettings& report = settings.report;
    if (key == "reportmaximize=") {
        report.maximize = value == "1";
    } else if (key == "reporttablefontsize=") {
        ReadWholeNumber(value, report.tableFontSize);
    } else if (key == "reportlinecharacter=") {
        report.lineCharacter = value;
    } else if (key == "reportbarcharacter=") {
        report.barCharacter = value;
    } else if (key == "backupfolder=" && !IsSharedTemporaryFolder(value)) {
        settings.backupFolder = value;
    } else if (key == "makebackups=") {
        settings.makeBackups = value == "1";
    } else if (key == "language=") {
        settings.language = value;
    } else if (key == "languageset=") {
        ReadWholeNumber(value, settings.languageSet);
    } else if (key == "languagehelp=") {
        settings.languageHelp = value;
    } else if (key == "printernoticeshown=") {
        settings.printerNoticeShown = value == "1";
    } else if (key == "toolbarlabels=") {
        settings.toolBarLabels = value == "1";
    } else if (key.starts_with("recentproject") && !value.empty() &&
               settings.recentProjects.size() < kRecentProjectCount) {
        settings.recentProjects.emplace_back(value);
    } else if (key == "recoveryinterval=") {
        ReadWholeNumber(value, settings.recoveryInterval);
    } else if (key == "ownername=") {
        report.ownerName = value;
    } else if (key == "printorientation=") {
        ReadOrientation(value, settings.print.orientation);
    } else if (key == "printfittopagewidth=") {
        settings.print.fitToPageWidth = value == "1";
    } else if (key == "motivemorning=") {
        ReadClockTime(value, settings.motiveBounds.morning);
    } else if (key == "motiveevening=") {
        ReadClockTime(value, settings.motiveBounds.evening);
    } else if (key == "motivecommuterminutes=") {
        ReadCommuterMinutes(value, settings.motiveBounds.commuterMinutes);
    } else if (key == "parkeerdruknorm=") {
        ReadWholeNumber(value, settings.pressureThreshold, kMinPressureThreshold,
                        kMaxPressureThreshold);
    }
}

using Lines = std::vector<std::string_view>;

// The line after the one equal to header; the end when there is none.
Lines::const_iterator AfterHeader(const Lines& lines, std::string_view header) {
    const auto found = std::find(lines.begin(), lines.end(), header);
    return found == lines.end() ? found : found + 1;
}

// Every line after the general header, to the end of the file: the pass does not stop at the
// next section.
void ReadGeneralVariables(const Lines& lines, ProgramSettings& settings) {
    for (auto line = AfterHeader(lines, kGeneralHeader); line != lines.end(); ++line) {
        ApplyGeneralLine(*line, settings);
    }
}

// The lines after the positions header, up to and including the next "[**" line.
void ReadFormPositions(const Lines& lines, ProgramSettings& settings) {
    for (auto line = AfterHeader(lines, kPositionsHeader); line != lines.end(); ++line) {
        settings.formPositions.Append(std::string(*line));
        if (line->starts_with(kSectionStart)) {
            break;
        }
    }
}

// A value on one line: CR and LF become blanks.
std::string OneLine(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

void AddLine(std::string& text, std::string_view line) {
    text += line;
    text += kLineEnd;
}

void AddValue(std::string& text, std::string_view key, std::string_view value) {
    text += key;
    text += OneLine(value);
    text += kLineEnd;
}

std::string Flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

void RememberRecentProject(std::vector<std::string>& recent, const std::string& path) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentProjectCount) {
        recent.resize(kRecentProjectCount);
    }
}

ProgramSettings DefaultSettings(std::string_view defaultBackupFolder) {
    ProgramSettings settings;
    settings.backupFolder = defaultBackupFolder;
    return settings;
}

std::string ApplicationDataFolder(std::string_view fallbackFolder) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') {
        return WithTrailingDelimiter(configHome);
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return WithTrailingDelimiter(home) + ".config/";
    }
    return std::string(fallbackFolder);
}

std::string SettingsFilePath(std::string_view applicationDataFolder) {
    return std::string(applicationDataFolder) + std::string(kProductName) + "/" +
           std::string(kProductName) + ".ini";
}

std::string PseudonymKeyPath(std::string_view settingsFilePath) {
    const std::size_t slash = settingsFilePath.find_last_of('/');
    const std::string_view folder = slash == std::string_view::npos
                                        ? std::string_view()
                                        : settingsFilePath.substr(0, slash + 1);
    return std::string(folder) + "pseudoniem.key";
}

ProgramSettings ParseSettings(std::string_view content, std::string_view defaultBackupFolder) {
    ProgramSettings settings = DefaultSettings(defaultBackupFolder);
    const std::vector<std::string_view> lines = SplitLines(content);
    ReadGeneralVariables(lines, settings);
    ReadFormPositions(lines, settings);
    return settings;
}

ProgramSettings ReadSettings(const std::string& path, std::string_view defaultBackupFolder) {
    std::string content;
    if (!ReadWholeFile(path, content)) {
        return DefaultSettings(defaultBackupFolder);
    }
    return ParseSettings(content, defaultBackupFolder);
}

std::string SettingsFileText(const ProgramSettings& settings) {
    const ReportSettings& report = settings.report;
    std::string text;
    AddLine(text, "[" + std::string(kProductName) + " settings]");
    AddLine(text, "");
    AddLine(text, kGeneralHeader);
    AddValue(text, "ReportMaximize=", Flag(report.maximize));
    AddValue(text, "ReportTableFontSize=", std::to_string(report.tableFontSize));
    AddValue(text, "ReportLineCharacter=", report.lineCharacter);
    AddValue(text, "ReportBarCharacter=", report.barCharacter);
    AddValue(text, "BackUpFolder=", settings.backupFolder);
    AddValue(text, "MakeBackUps=", Flag(settings.makeBackups));
    AddValue(text, "Language=", settings.language);
    AddValue(text, "LanguageSet=", std::to_string(settings.languageSet));
    AddValue(text, "LanguageHelp=", settings.languageHelp);
    AddValue(text, "PrinterNoticeShown=", Flag(settings.printerNoticeShown));
    AddValue(text, "ToolBarLabels=", Flag(settings.toolBarLabels));
    for (std::size_t i = 0; i < settings.recentProjects.size(); ++i) {
        AddValue(text, "RecentProject" + std::to_string(i + 1) + "=", settings.recentProjects[i]);
    }
    AddValue(text, "OwnerName=", report.ownerName);
    AddValue(text, "RecoveryInterval=", std::to_string(settings.recoveryInterval));
    AddValue(text,
             "PrintOrientation=", std::to_string(static_cast<int>(settings.print.orientation)));
    AddValue(text, "PrintFitToPageWidth=", Flag(settings.print.fitToPageWidth));
    AddValue(text, "MotiveMorning=", settings.motiveBounds.morning);
    AddValue(text, "MotiveEvening=", settings.motiveBounds.evening);
    AddValue(text, "MotiveCommuterMinutes=", std::to_string(settings.motiveBounds.commuterMinutes));
    AddValue(text, "Parkeerdruknorm=", std::to_string(settings.pressureThreshold));
    AddLine(text, "");
    AddLine(text, kPositionsHeader);
    for (const std::string& entry : settings.formPositions.Entries()) {
        if (!entry.empty()) {
            AddValue(text, "", entry);
        }
    }
    AddLine(text, "");
    return text;
}

bool WriteSettings(const ProgramSettings& settings, const std::string& path, Prompter& prompter) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    FileError error;
    if (WriteFileAtomically(path, SettingsFileText(settings), error)) {
        return true;
    }
    ErrorNotice(prompter, SaveFailureText("AA00167", path, error));
    return false;
}

ProgramSettings LoadUserSettings() {
    const std::string folder = ApplicationDataFolder("");
    if (folder.empty()) {
        return DefaultSettings("");
    }
    return ReadSettings(SettingsFilePath(folder), "");
}

ReportSettings LoadReportSettings() {
    return LoadUserSettings().report;
}

BackupSettings LoadBackupSettings() {
    const ProgramSettings settings = LoadUserSettings();
    return {settings.makeBackups, settings.backupFolder};
}

}  // namespace tavoric
