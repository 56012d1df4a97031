// SPDX-License-Identifier: GPL-3.0-or-later
// The parking pressure map drawn with Qt: a scene of the streets for the map window, and the
// whole map with title and legend for image files, PDF and the printer.
#pragma once

#include <QRectF>
#include <QString>

#include "charts/difference_map.h"
#include "charts/street_map.h"

class QGraphicsItem;
class QGraphicsScene;
class QPainter;
class QTransform;

namespace tavoric {

// One item per feature, coloured by its class of the measure, labelled for the pointer; north is
// up. Replaces what the scene held.
void FillMapScene(QGraphicsScene& scene, const StreetMap& map, MapMeasure measure, int threshold);

// The index into the map's features of what a scene item of FillMapScene draws.
std::size_t FeatureIndexOf(const QGraphicsItem& item);

// The three pressure classes and grey, one below the other, from the top left of area.
void DrawMapLegend(QPainter& painter, const QRectF& area, int threshold);

// The labels that fit along their line as toDevice places the map's scene on the painter,
// upright and none over another.
void DrawStreetLabels(QPainter& painter, const std::vector<StreetLabel>& labels,
                      const QTransform& toDevice);

// A scale bar of a round length no wider than widest, with its text, its left end at bottomLeft.
void DrawScaleBar(QPainter& painter, const QPointF& bottomLeft, double pixelsPerMetre,
                  double widest);

// Title, subtitle, the streets as large as target allows with their labels unless left out, a
// scale bar, and the legend.
void DrawStreetMap(const StreetMap& map, const ChartData& data, MapMeasure measure, bool labels,
                   QPainter& painter, const QRectF& target);
// The same for the difference map of two surveys: the streets in the classes of their change,
// the legend with the class bounds.
void DrawDifferenceMap(const DifferenceMap& map, bool labels, QPainter& painter,
                       const QRectF& target);

}  // namespace tavoric
