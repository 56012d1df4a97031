// SPDX-License-Identifier: GPL-3.0-or-later
// The two writers of the council report; DocumentDrawing (document/document_files.h) calls them
// while an application for the drawing exists.
#pragma once

#include <optional>
#include <string>

#include "document/council_document.h"

namespace tavoric {

struct StreetMap;

std::optional<std::string> CouncilReportPdf(const CouncilDocument& document,
                                            const CouncilFigures& figures, const StreetMap* map);
std::optional<std::string> CouncilReportOdt(const CouncilDocument& document,
                                            const CouncilFigures& figures, const StreetMap* map);

}  // namespace tavoric
