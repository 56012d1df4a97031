// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_files.h"
#include "document/drawing/council_writers.h"

namespace tavoric {

bool DocumentDrawing::Available() {
    return true;
}

std::optional<std::string> DocumentDrawing::Pdf(const CouncilDocument& document,
                                                const CouncilFigures& figures,
                                                const StreetMap* map) const {
    return CouncilReportPdf(document, figures, map);
}

std::optional<std::string> DocumentDrawing::Odt(const CouncilDocument& document,
                                                const CouncilFigures& figures,
                                                const StreetMap* map) const {
    return CouncilReportOdt(document, figures, map);
}

}  // namespace tavoric
