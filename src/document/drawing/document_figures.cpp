// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/drawing/document_figures.h"

#include <QPainter>

#include "charts/chart_images.h"
#include "charts/drawing/chart_builder.h"
#include "charts/drawing/street_map_drawing.h"

namespace tavoric {

namespace {

// The map is drawn a little taller than wide, the shape of most survey areas on a page.
constexpr QSizeF kMapLayoutSize(1000, 1100);
// Charts are laid out a little smaller than their image files, so that their texts stay
// readable on a page width.
constexpr double kChartLayoutScale = 0.8;

}  // namespace

QSizeF FigureLayoutSize(const DocumentBlock& block, const CouncilFigures& figures) {
    if (block.kind == BlockKind::Map) {
        return kMapLayoutSize;
    }
    const ChartImageSize size =
        block.kind == BlockKind::ComparisonChart && figures.comparison
            ? DefaultComparisonSize(block.comparison, figures.comparison->figures)
            : DefaultChartSize(block.chart, figures.charts);
    return QSizeF(size.width, size.height) * kChartLayoutScale;
}

void DrawFigure(const DocumentBlock& block, const CouncilFigures& figures, const StreetMap* map,
                QPainter& painter, const QRectF& target) {
    painter.save();
    const QSizeF layout = FigureLayoutSize(block, figures);
    if (block.kind == BlockKind::Map) {
        if (map != nullptr) {
            DrawStreetMap(*map, figures.charts, MapMeasure::Peak, true, painter, target);
        }
    } else if (block.kind == BlockKind::ComparisonChart) {
        if (figures.comparison) {
            DrawComparisonChart(block.comparison, figures.comparison->figures, layout, painter,
                                target);
        }
    } else {
        DrawChart(block.chart, figures.charts, layout, painter, target);
    }
    painter.restore();
}

}  // namespace tavoric
