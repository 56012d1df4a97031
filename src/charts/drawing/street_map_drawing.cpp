// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/drawing/street_map_drawing.h"

#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "charts/chart_texts.h"
#include "charts/drawing/chart_builder.h"
#include "core/codec.h"
#include "core/message_texts.h"

namespace tavoric {

namespace {

// Streets are drawn this fraction of the map's larger side wide, so that they read at any zoom
// and on any output alike.
constexpr double kStreetWidthShare = 1.0 / 150;
const QColor kNoFiguresColour(0xb0, 0xb0, 0xb0);

QString Text(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QColor ClassColour(std::optional<PressureClass> pressureClass) {
    return pressureClass ? PressureColour(*pressureClass) : kNoFiguresColour;
}

// North up: the scene's y runs down.
QPointF ScenePoint(const MapPoint& point) {
    return {point.x, -point.y};
}

QPainterPath LinesPath(const std::vector<MapPath>& lines) {
    QPainterPath path;
    for (const MapPath& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            i == 0 ? path.moveTo(ScenePoint(line[i])) : path.lineTo(ScenePoint(line[i]));
        }
    }
    return path;
}

QPainterPath PolygonsPath(const std::vector<std::vector<MapPath>>& polygons) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const std::vector<MapPath>& polygon : polygons) {
        for (const MapPath& ring : polygon) {
            QPolygonF points;
            for (const MapPoint& point : ring) {
                points << ScenePoint(point);
            }
            path.addPolygon(points);
            path.closeSubpath();
        }
    }
    return path;
}

QRectF Extent(const StreetMap& map) {
    QRectF extent;
    for (const StreetFeature& feature : map.geometry.features) {
        extent |= LinesPath(feature.lines).boundingRect();
        extent |= PolygonsPath(feature.polygons).boundingRect();
    }
    return extent;
}

struct LegendEntry {
    QColor colour;
    QString label;
};

std::vector<LegendEntry> LegendEntries(int threshold) {
    std::vector<LegendEntry> entries;
    for (PressureClass pressureClass :
         {PressureClass::High, PressureClass::Moderate, PressureClass::Low}) {
        if (pressureClass != PressureClass::Moderate || threshold >= kModeratePressureFrom) {
            entries.push_back({PressureColour(pressureClass),
                               Text(PressureClassLabel(pressureClass, threshold))});
        }
    }
    entries.push_back({kNoFiguresColour, Text(MessageText("AA00713"))});
    return entries;
}

double LegendWidth(const QFontMetricsF& metrics, int threshold) {
    double widest = 0;
    for (const LegendEntry& entry : LegendEntries(threshold)) {
        widest = std::max(widest, metrics.horizontalAdvance(entry.label));
    }
    return widest + metrics.height() * 3;
}

}  // namespace

void FillMapScene(QGraphicsScene& scene, const StreetMap& map, MapMeasure measure, int threshold) {
    scene.clear();
    const QRectF extent = Extent(map);
    const double side = std::max(extent.width(), extent.height());
    const double streetWidth = side > 0 ? side * kStreetWidthShare : 1;
    for (std::size_t i = 0; i < map.figures.size(); ++i) {
        const StreetFeature& feature = map.geometry.features[i];
        const QColor colour = ClassColour(FeatureClass(map.figures[i], measure, threshold));
        const QString label = Text(FeatureLabel(map.figures[i]));
        QPen streetPen(colour, streetWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (!feature.polygons.empty()) {
            QGraphicsPathItem* area =
                scene.addPath(PolygonsPath(feature.polygons),
                              QPen(colour.darker(140), streetWidth / 4), QBrush(colour));
            area->setToolTip(label);
        }
        if (!feature.lines.empty()) {
            QGraphicsPathItem* street = scene.addPath(LinesPath(feature.lines), streetPen);
            street->setToolTip(label);
        }
    }
    scene.setSceneRect(extent.adjusted(-streetWidth, -streetWidth, streetWidth, streetWidth));
}

void DrawMapLegend(QPainter& painter, const QRectF& area, int threshold) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height() * 1.4;
    QPointF at = area.topLeft();
    painter.save();
    for (const LegendEntry& entry : LegendEntries(threshold)) {
        const QRectF swatch(at.x(), at.y() + line * 0.15, metrics.height() * 1.2, line * 0.7);
        painter.fillRect(swatch, entry.colour);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(swatch.right() + metrics.height() * 0.5, at.y(),
                                area.right() - swatch.right(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.label);
        at.ry() += line;
    }
    painter.restore();
}

void DrawStreetMap(const StreetMap& map, const ChartData& data, MapMeasure measure,
                   QPainter& painter, const QRectF& target) {
    painter.save();
    QFont titleFont = painter.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double margin = metrics.height();
    QRectF text(target.left() + margin, target.top() + margin, target.width() - 2 * margin,
                titleMetrics.height());
    painter.setFont(titleFont);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, Text(MapTitle(measure)));
    painter.restore();
    text.translate(0, text.height());
    text.setHeight(metrics.height() * 1.4);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, Text(ChartSubtitle(data)));

    const double legendWidth = LegendWidth(metrics, data.threshold);
    const QRectF streets(target.left() + margin, text.bottom() + margin,
                         target.width() - 3 * margin - legendWidth,
                         target.bottom() - text.bottom() - 2 * margin);
    QGraphicsScene scene;
    FillMapScene(scene, map, measure, data.threshold);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF fitted(QPointF(), scene.sceneRect().size().scaled(streets.size(), Qt::KeepAspectRatio));
    fitted.moveCenter(streets.center());
    scene.render(&painter, fitted, scene.sceneRect());
    DrawMapLegend(painter,
                  QRectF(streets.right() + margin, streets.top(), legendWidth, streets.height()),
                  data.threshold);
}

}  // namespace tavoric
