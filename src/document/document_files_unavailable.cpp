// SPDX-License-Identifier: GPL-3.0-or-later
// The documents of a build without Qt: there are none.
#include "document/document_files.h"

namespace tavoric {

bool DocumentDrawing::Available() {
    return false;
}

std::optional<std::string> DocumentDrawing::Pdf(const CouncilDocument&, const CouncilFigures&,
                                                const StreetMap*) const {
    return std::nullopt;
}

std::optional<std::string> DocumentDrawing::Odt(const CouncilDocument&, const CouncilFigures&,
                                                const StreetMap*) const {
    return std::nullopt;
}

}  // namespace tavoric
