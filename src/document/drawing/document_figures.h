// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the council report (charts and the map) at the size and shape they are laid out
// at, for the PDF and the ODT alike.
#pragma once

#include <QRectF>
#include <QSizeF>

#include "document/council_document.h"

class QPainter;

namespace tavoric {

struct StreetMap;

// The size (in the chart's pixels) the figure is laid out at; its shape is kept on the page.
QSizeF FigureLayoutSize(const DocumentBlock& block, const CouncilFigures& figures);

// Draws the chart, comparison chart or map of the block into target.
void DrawFigure(const DocumentBlock& block, const CouncilFigures& figures, const StreetMap* map,
                QPainter& painter, const QRectF& target);

}  // namespace tavoric
