// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/drawing/street_map_drawing.h"

#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "charts/chart_texts.h"
#include "charts/drawing/chart_builder.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

// Streets are drawn this fraction of the map's larger side wide, so that they read at any zoom
// and on any output alike.
constexpr double kStreetWidthShare = 1.0 / 150;
constexpr int kFeatureIndexKey = 0;  // QGraphicsItem data key
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

template <typename Visit>
void ForEachPath(const StreetFeature& feature, Visit visit) {
    for (const MapPath& line : feature.lines) {
        visit(line);
    }
    for (const std::vector<MapPath>& polygon : feature.polygons) {
        for (const MapPath& ring : polygon) {
            visit(ring);
        }
    }
}

// The scene rectangle holding every street.
QRectF Extent(const StreetMap& map) {
    double left = std::numeric_limits<double>::infinity();
    double right = -left;
    double top = left;
    double bottom = -left;
    for (const StreetFeature& feature : map.geometry.features) {
        ForEachPath(feature, [&](const MapPath& path) {
            for (const MapPoint& point : path) {
                const QPointF at = ScenePoint(point);
                left = std::min(left, at.x());
                right = std::max(right, at.x());
                top = std::min(top, at.y());
                bottom = std::max(bottom, at.y());
            }
        });
    }
    return left <= right ? QRectF(QPointF(left, top), QPointF(right, bottom)) : QRectF();
}

// The path as drawn through toDevice, leaving out points less than a device pixel from the last
// one kept: a town's million short streets draw in the time and memory of what can be seen.
QPolygonF DevicePolygon(const MapPath& path, const QTransform& toDevice) {
    QPolygonF points;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const QPointF at = toDevice.map(ScenePoint(path[i]));
        const bool last = i + 1 == path.size();
        if (points.isEmpty() || (at - points.back()).manhattanLength() >= 1 || last) {
            points << at;
        }
    }
    return points;
}

// The colour of each feature by its index.
using FeatureColour = std::function<QColor(std::size_t feature)>;

// The streets of the map into target, scaled to fit it, without a scene: one path at a time.
// Returns where the scene was drawn.
QTransform PaintStreets(const StreetMap& map, const FeatureColour& colourOf, QPainter& painter,
                        const QRectF& target) {
    const QRectF extent = Extent(map);
    const double side = std::max(extent.width(), extent.height());
    const double streetWidth = side > 0 ? side * kStreetWidthShare : 1;
    const QRectF drawn = extent.adjusted(-streetWidth, -streetWidth, streetWidth, streetWidth);
    QRectF fitted(QPointF(), drawn.size().scaled(target.size(), Qt::KeepAspectRatio));
    fitted.moveCenter(target.center());
    const double scale = fitted.width() / drawn.width();
    const QTransform toDevice = QTransform::fromTranslate(-drawn.left(), -drawn.top()) *
                                QTransform::fromScale(scale, scale) *
                                QTransform::fromTranslate(fitted.left(), fitted.top());
    const double width = streetWidth * scale;
    painter.save();
    painter.setClipRect(target);
    for (std::size_t i = 0; i < map.figures.size(); ++i) {
        const StreetFeature& feature = map.geometry.features[i];
        const QColor colour = colourOf(i);
        painter.setPen(QPen(colour.darker(140), width / 4));
        painter.setBrush(colour);
        for (const std::vector<MapPath>& polygon : feature.polygons) {
            QPainterPath area;
            area.setFillRule(Qt::OddEvenFill);
            for (const MapPath& ring : polygon) {
                area.addPolygon(DevicePolygon(ring, toDevice));
                area.closeSubpath();
            }
            painter.drawPath(area);
        }
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const MapPath& line : feature.lines) {
            const QPolygonF points = DevicePolygon(line, toDevice);
            points.size() == 1 ? painter.drawPoint(points[0]) : painter.drawPolyline(points);
        }
    }
    painter.restore();
    return toDevice;
}

struct LabelPlace {
    QPointF at;
    double angle = 0;  // degrees, kept between -90 and 90 so that the text reads upright
};

// The middle of the line by length and its direction there; nothing when the line is shorter
// than width.
std::optional<LabelPlace> PlaceAlong(const QPolygonF& line, double width) {
    double length = 0;
    for (qsizetype i = 1; i < line.size(); ++i) {
        length += QLineF(line[i - 1], line[i]).length();
    }
    if (length < width) {
        return std::nullopt;
    }
    double rest = length / 2;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QLineF segment(line[i - 1], line[i]);
        if (rest <= segment.length() && segment.length() > 0) {
            double angle = -segment.angle();  // QLineF counts counter-clockwise
            angle += angle < -270 ? 360 : 0;
            angle += angle < -90 ? 180 : angle > 90 ? -180 : 0;
            return LabelPlace{segment.pointAt(rest / segment.length()), angle};
        }
        rest -= segment.length();
    }
    return std::nullopt;
}

struct LegendEntry {
    QColor colour;  // invalid: a line of text without a swatch
    QString label;
};

// A whole map: title and subtitle above the streets, the legend beside them.
struct MapPage {
    const StreetMap& map;
    std::string title;  // code page 1252, as the subtitle
    std::string subtitle;
    FeatureColour colourOf;
    std::vector<LegendEntry> legend;
    std::vector<StreetLabel> labels;  // none when left out
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
    entries.push_back(
        {QColor(), Text(FormatText(MessageText("AA00456"), {std::to_string(threshold)}))});
    return entries;
}

std::vector<LegendEntry> DifferenceLegendEntries() {
    std::vector<LegendEntry> entries;
    const std::vector<DifferenceClass>& classes = DifferenceClasses();
    for (std::size_t i = classes.size(); i-- > 0;) {
        entries.push_back({QColor::fromRgb(classes[i].rgb), Text(DifferenceClassLabel(i))});
    }
    entries.push_back({kNoFiguresColour, Text(MessageText("AA00713"))});
    entries.push_back({QColor(), Text(MessageText("AA00943"))});
    return entries;
}

double LegendWidth(const QFontMetricsF& metrics, const std::vector<LegendEntry>& entries) {
    double widest = 0;
    for (const LegendEntry& entry : entries) {
        widest = std::max(widest, metrics.horizontalAdvance(entry.label));
    }
    return widest + metrics.height() * 3;
}

void DrawLegend(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height() * 1.4;
    QPointF at = area.topLeft();
    painter.save();
    for (const LegendEntry& entry : entries) {
        const QRectF swatch(at.x(), at.y() + line * 0.15, metrics.height() * 1.2, line * 0.7);
        painter.setPen(Qt::black);
        if (entry.colour.isValid()) {
            painter.fillRect(swatch, entry.colour);
            painter.drawText(QRectF(swatch.right() + metrics.height() * 0.5, at.y(),
                                    area.right() - swatch.right(), line),
                             Qt::AlignLeft | Qt::AlignVCenter, entry.label);
        } else {
            at.ry() += line * 0.3;  // set apart from the classes
            painter.drawText(QRectF(at.x(), at.y(), area.right() - at.x(), line),
                             Qt::AlignLeft | Qt::AlignVCenter, entry.label);
        }
        at.ry() += line;
    }
    painter.restore();
}

void DrawMapPage(const MapPage& page, QPainter& painter, const QRectF& target) {
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
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, Text(page.title));
    painter.restore();
    text.translate(0, text.height());
    text.setHeight(metrics.height() * 1.4);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, Text(page.subtitle));

    const double legendWidth = LegendWidth(metrics, page.legend);
    const QRectF streets(target.left() + margin, text.bottom() + margin,
                         target.width() - 3 * margin - legendWidth,
                         target.bottom() - text.bottom() - 2 * margin);
    painter.setRenderHint(QPainter::Antialiasing);
    const QTransform toDevice = PaintStreets(page.map, page.colourOf, painter, streets);
    DrawStreetLabels(painter, page.labels, toDevice);
    constexpr double kScaleBarShare = 0.25;  // of the streets' width at most
    DrawScaleBar(painter, streets.bottomLeft() - QPointF(0, margin * 0.5),
                 toDevice.m11() / MetresPerMapUnit(page.map.geometry),
                 streets.width() * kScaleBarShare);
    DrawLegend(painter,
               QRectF(streets.right() + margin, streets.top(), legendWidth, streets.height()),
               page.legend);
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
            area->setData(kFeatureIndexKey, QVariant::fromValue(i));
        }
        if (!feature.lines.empty()) {
            QGraphicsPathItem* street = scene.addPath(LinesPath(feature.lines), streetPen);
            street->setToolTip(label);
            street->setData(kFeatureIndexKey, QVariant::fromValue(i));
        }
    }
    scene.setSceneRect(extent.adjusted(-streetWidth, -streetWidth, streetWidth, streetWidth));
}

std::size_t FeatureIndexOf(const QGraphicsItem& item) {
    return item.data(kFeatureIndexKey).value<std::size_t>();
}

void DrawMapLegend(QPainter& painter, const QRectF& area, int threshold) {
    DrawLegend(painter, area, LegendEntries(threshold));
}

void DrawStreetLabels(QPainter& painter, const std::vector<StreetLabel>& labels,
                      const QTransform& toDevice) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QColor halo(255, 255, 255, 200);
    std::vector<QRectF> taken;
    for (const StreetLabel& label : labels) {
        QPolygonF line;
        for (const MapPoint& point : *label.line) {
            line << toDevice.map(ScenePoint(point));
        }
        const QString text = Text(label.text);
        const double width = metrics.horizontalAdvance(text) + metrics.height() * 0.5;
        const std::optional<LabelPlace> place = PlaceAlong(line, width);
        if (!place) {
            continue;
        }
        QTransform along;
        along.translate(place->at.x(), place->at.y());
        along.rotate(place->angle);
        const QRectF box(-width / 2, -metrics.height() / 2, width, metrics.height());
        const QRectF covered = along.mapRect(box);
        if (std::any_of(taken.begin(), taken.end(),
                        [&](const QRectF& other) { return other.intersects(covered); })) {
            continue;
        }
        taken.push_back(covered);
        painter.save();
        painter.setTransform(along, true);
        painter.fillRect(box, halo);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
        painter.restore();
    }
}

void DrawScaleBar(QPainter& painter, const QPointF& bottomLeft, double pixelsPerMetre,
                  double widest) {
    if (!(pixelsPerMetre > 0) || !std::isfinite(pixelsPerMetre)) {
        return;
    }
    const ScaleBar bar = RoundScaleBar(widest / pixelsPerMetre);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double length = bar.metres * pixelsPerMetre;
    const double tick = metrics.height() * 0.4;
    const QPointF right = bottomLeft + QPointF(length, 0);
    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, tick / 4), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(bottomLeft, right);
    painter.drawLine(bottomLeft, bottomLeft - QPointF(0, tick));
    painter.drawLine(right, right - QPointF(0, tick));
    painter.drawText(
        QRectF(bottomLeft.x(), bottomLeft.y() - tick - metrics.height(), length, metrics.height()),
        Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip, QString::fromStdString(bar.text));
    painter.restore();
}

void DrawStreetMap(const StreetMap& map, const ChartData& data, MapMeasure measure, bool labels,
                   QPainter& painter, const QRectF& target) {
    const MapPage page = {
        map,
        MapTitle(measure),
        ChartSubtitle(data),
        [&](std::size_t i) {
            return ClassColour(FeatureClass(map.figures[i], measure, data.threshold));
        },
        LegendEntries(data.threshold),
        labels ? StreetLabels(map, measure) : std::vector<StreetLabel>(),
    };
    DrawMapPage(page, painter, target);
}

void DrawDifferenceMap(const DifferenceMap& map, bool labels, QPainter& painter,
                       const QRectF& target) {
    const MapPage page = {
        map.streets,
        DifferenceMapTitle(),
        DifferenceMapSubtitle(*map.comparison),
        [&](std::size_t i) {
            const std::optional<std::int64_t> difference = FeatureDifference(map, i);
            return difference
                       ? QColor::fromRgb(DifferenceClasses()[DifferenceClassOf(*difference)].rgb)
                       : kNoFiguresColour;
        },
        DifferenceLegendEntries(),
        labels ? DifferenceLabels(map) : std::vector<StreetLabel>(),
    };
    DrawMapPage(page, painter, target);
}

}  // namespace tavoric
