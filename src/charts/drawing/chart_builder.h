// SPDX-License-Identifier: GPL-3.0-or-later
// The charts drawn with Qt Charts, for the chart window, the PDF pages and the image files alike.
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>

#include "charts/chart_texts.h"

class QChart;
class QPainter;

namespace tavoric {

// The colour of a pressure class, in the charts and on the map alike.
QColor PressureColour(PressureClass pressureClass);

// A new chart of the figures, titled with the survey and time window, without animation. The
// caller owns it.
QChart* BuildChart(ChartKind kind, const ChartData& data);

// Draws a new chart of the figures, laid out at size (pixels), into target scaled to fit.
void DrawChart(ChartKind kind, const ChartData& data, QSizeF size, QPainter& painter,
               const QRectF& target);

// Draws the chart at its standard size on a printed page: as wide as the body allows, at the top.
void DrawChartOnPage(ChartKind kind, const ChartData& data, QPainter& painter, const QRectF& body);

}  // namespace tavoric
