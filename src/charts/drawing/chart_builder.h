// SPDX-License-Identifier: GPL-3.0-or-later
// The charts drawn with Qt Charts, for the chart window, the PDF pages and the image files alike.
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>

#include "charts/chart_texts.h"
#include "charts/survey_comparison.h"

class QChart;
class QPainter;

namespace tavoric {

// The colour of a pressure class, in the charts and on the map alike.
QColor PressureColour(PressureClass pressureClass);

// A new chart of the figures, titled with the survey and time window, without animation. The
// caller owns it.
QChart* BuildChart(ChartKind kind, const ChartData& data);

// A new chart of a comparison of two surveys: A and B side by side, the differences in the labels.
QChart* BuildComparisonChart(ComparisonKind kind, const SurveyComparison& comparison);

// Draws a new chart of the figures, laid out at size (pixels), into target scaled to fit.
void DrawChart(ChartKind kind, const ChartData& data, QSizeF size, QPainter& painter,
               const QRectF& target);

void DrawComparisonChart(ComparisonKind kind, const SurveyComparison& comparison, QSizeF size,
                         QPainter& painter, const QRectF& target);

// Draws the chart at its standard size on a printed page: as wide as the body allows, at the top.
void DrawChartOnPage(ChartKind kind, const ChartData& data, QPainter& painter, const QRectF& body);

}  // namespace tavoric
