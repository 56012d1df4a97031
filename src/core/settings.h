// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user program settings: report look, backups, language, motive bounds and window
// positions, kept in "Tavoric/Tavoric.ini" under the user's configuration folder. Read once at
// start-up (a missing or unreadable file gives the defaults), written once at exit.
//
// Values are code page 1252 text like all program text, except the backup folder and the recent
// projects, which hold the file system's own bytes so that every name survives unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/backups.h"
#include "core/motive_bounds.h"
#include "core/prompter.h"
#include "core/report_settings.h"
#include "core/window_positions.h"

namespace tavoric {

// "Parkeerdruknorm": the occupancy in percent above which a street is under parking pressure.
constexpr int kDefaultPressureThreshold = 85;
constexpr int kMinPressureThreshold = 1;
constexpr int kMaxPressureThreshold = 100;
// The projects offered on the start page and in the Bestand menu.
constexpr std::size_t kRecentProjectCount = 6;

struct ProgramSettings {
    ReportSettings report;                // reportmaximize .. reportbarcharacter, OwnerName
    PrintOptions print;                   // printorientation, printfittopagewidth
    std::string backupFolder;             // backupfolder; default: the private backup folder
    bool makeBackups = true;              // makebackups
    std::string language = "Nederlands";  // language
    int languageSet = 0;                  // languageset: 0 until the language dialog has been shown
    std::string languageHelp = "Tavoric_Nederlands";  // languagehelp
    bool printerNoticeShown = false;  // printernoticeshown: the missing printer was told once
    bool toolBarLabels = false;       // toolbarlabels: the tool bar shows text under its icons
    // recentproject1 ..: projects opened or saved, most recent first, at most kRecentProjectCount
    std::vector<std::string> recentProjects;
    int recoveryInterval = 60;  // recoveryinterval: seconds between recovery copies, 0 = none
    MotiveBounds motiveBounds;  // motivemorning, motiveevening, motivecommuterminutes
    int pressureThreshold = kDefaultPressureThreshold;  // parkeerdruknorm, 1 to 100 (%)
    FormPositions formPositions;
};

// Puts path first among the recent projects, once, and drops the oldest beyond
// kRecentProjectCount.
void RememberRecentProject(std::vector<std::string>& recent, const std::string& path);

// Every setting at its default; the backup folder is the given one (DefaultBackupFolder()).
ProgramSettings DefaultSettings(std::string_view defaultBackupFolder);

// The user's configuration folder with a trailing "/": $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config/; fallbackFolder when neither is known.
std::string ApplicationDataFolder(std::string_view fallbackFolder);
// applicationDataFolder + "Tavoric/Tavoric.ini"
std::string SettingsFilePath(std::string_view applicationDataFolder);
// The key for plate codes, "pseudoniem.key" beside the settings file.
std::string PseudonymKeyPath(std::string_view settingsFilePath);

// The settings a file's content holds, starting from the defaults. Keys are matched without
// regard to case, a value is everything after the first "=", unknown lines are ignored, and a
// number that is not a whole number (or, for the pressure norm, not from 1 to 100) keeps the value
// it had. A backup folder that is the shared temporary folder (the default of earlier versions,
// readable by every user) reads as the default.
ProgramSettings ParseSettings(std::string_view content, std::string_view defaultBackupFolder);
// The defaults when the file is missing or cannot be read.
ProgramSettings ReadSettings(const std::string& path, std::string_view defaultBackupFolder);

// The file as written: CR LF line ends; a line break inside a value becomes a blank so that it
// cannot break the file apart.
std::string SettingsFileText(const ProgramSettings& settings);
// Creates the folder when needed and replaces the file in one step. On failure the old file
// stays, notice AA00167 names the path, and the result is false.
bool WriteSettings(const ProgramSettings& settings, const std::string& path, Prompter& prompter);

// The user's settings file, for the command-line program; the defaults when there is none.
ProgramSettings LoadUserSettings();
// Its report look and backup settings.
ReportSettings LoadReportSettings();
BackupSettings LoadBackupSettings();

}  // namespace tavoric
