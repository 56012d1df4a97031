// SPDX-License-Identifier: GPL-3.0-or-later
// The council report as files: a PDF and an editable OpenDocument text. The drawing needs Qt; a
// build without the desktop libraries makes neither.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "charts/chart_images.h"
#include "charts/street_map.h"
#include "core/prompter.h"
#include "document/council_document.h"
#include "document/council_report_files.h"

namespace tavoric {

class DocumentDrawing {
public:
    // Whether this build makes the documents at all.
    static bool Available();

    // A4 portrait: the survey area at the top and "page N of M" at the foot of every page,
    // charts and map as vectors, long tables continued with their heads on the next page.
    std::optional<std::string> Pdf(const CouncilDocument& document, const CouncilFigures& figures,
                                   const StreetMap* map) const;
    // The same text with real tables, charts and map as PNG pictures at 300 dpi in the package.
    std::optional<std::string> Odt(const CouncilDocument& document, const CouncilFigures& figures,
                                   const StreetMap* map) const;

    // Writes a file's bytes whole where path says; false when it could not (the reason told).
    using FileWriter = std::function<bool(const std::string& path, std::string_view bytes)>;

    // Writes each named file through writeFile (the key figures, then the PDF, then the ODT); a
    // file that cannot be made is shown through the prompter, and a file that cannot be made or
    // written ends the writing. Returns whether every file was written.
    bool Write(const CouncilReportFiles& files, const CouncilFigures& figures,
               const CouncilReportContext& context, const StreetMap* map, Prompter& prompter,
               const FileWriter& writeFile) const;

private:
    ChartDrawing drawing_;  // keeps an application for the drawing while it lives
};

}  // namespace tavoric
