// SPDX-License-Identifier: GPL-3.0-or-later
// The files of the survey report that the desktop's dialog offers: the PDF, the editable ODT and
// the key figures as CSV, each asked for in turn.
#pragma once

#include <optional>
#include <string>

#include "charts/street_map.h"
#include "core/prompter.h"

namespace tavoric {

struct CouncilReportChoices {
    bool pdf = true;
    bool odt = false;
    bool summaryCsv = false;
    bool compare = false;  // with a comparison chapter beside another survey

    bool Any() const { return pdf || odt || summaryCsv; }
};

struct CouncilReportFiles {
    std::optional<std::string> pdf;
    std::optional<std::string> odt;
    std::optional<std::string> summaryCsv;
};

// Asks for the file of each chosen output, the title proposed as its name: the extension is
// added unless the name ends in it, and an existing file is replaced only when the user agrees.
// Nothing when the user stops at any of them.
std::optional<CouncilReportFiles> AskCouncilReportFiles(const CouncilReportChoices& choices,
                                                        const std::string& title,
                                                        Prompter& prompter);

// The streets the project remembers, joined to the sections' figures, with a notice about streets
// that found no section; nothing when the project remembers none or, after a notice of why,
// when they cannot be read.
std::optional<StreetMap> RememberedStreetMap(const Survey& survey,
                                             const std::vector<SectionPressure>& sections,
                                             Prompter& prompter);

}  // namespace tavoric
