// SPDX-License-Identifier: GPL-3.0-or-later
// The look of reports, kept in the program settings and given to every report document.
#pragma once

#include <string>

namespace tavoric {

// Text sizes of a report window in points: smaller cannot be read, larger leaves no report.
inline constexpr int kMinimumReportTextSize = 4;
inline constexpr int kMaximumReportTextSize = 72;

// "Staand", "Liggend" or "Automatisch": landscape when the widest line does not fit portrait.
enum class PrintOrientation { Automatic, Portrait, Landscape };

// The user's page choices for printing and PDF.
struct PrintOptions {
    PrintOrientation orientation = PrintOrientation::Automatic;
    bool fitToPageWidth = true;  // "Passend maken op paginabreedte"
};

struct ReportSettings {
    bool maximize = true;                // reportmaximize
    int tableFontSize = 8;               // reporttablefontsize
    std::string lineCharacter = "\x97";  // reportlinecharacter, an em dash
    std::string barCharacter = "\x95";   // reportbarcharacter, a bullet
    std::string ownerName;               // OwnerName, shown in every report header
};

}  // namespace tavoric
