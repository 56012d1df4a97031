// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_files.h"
#include "document/drawing/council_writers.h"

namespace tavoric {

bool DocumentDrawing::Available() {
    return true;
}

std::optional<std::string> DocumentDrawing::Pdf(const CouncilDocument& document,
                                                const ChartData& charts,
                                                const StreetMap* map) const {
    return CouncilReportPdf(document, charts, map);
}

std::optional<std::string> DocumentDrawing::Odt(const CouncilDocument& document,
                                                const ChartData& charts,
                                                const StreetMap* map) const {
    return CouncilReportOdt(document, charts, map);
}

}  // namespace tavoric
