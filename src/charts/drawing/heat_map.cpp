// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/drawing/heat_map.h"

#include <QChart>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QPainter>
#include <QScatterSeries>
#include <algorithm>

#include "charts/chart_texts.h"
#include "charts/drawing/chart_builder.h"
#include "core/codec.h"

namespace tavoric {

namespace {

constexpr double kMostRowHeight = 28;
constexpr double kGap = 6;

QString ToQString(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

struct Cell {
    std::int64_t occupancy = 0;
    bool covered = false;
};

class HeatMapItem : public QGraphicsItem {
public:
    HeatMapItem(QChart& chart, const ChartData& data)
        : QGraphicsItem(&chart), chart_(chart), threshold_(data.threshold) {
        for (const ClockOccupancy& time : data.occupancy) {
            columns_ << ToQString(time.time);
            minutes_.push_back(time.minutes);
        }
        for (const SectionPressure& section : data.sections) {
            rows_ << ToQString(section.route + "-" + section.section + "  " + section.description);
            std::vector<Cell> cells(minutes_.size());
            for (const ClockOccupancy& cell : section.byClockTime) {
                const auto column =
                    std::lower_bound(minutes_.begin(), minutes_.end(), cell.minutes);
                if (column != minutes_.end() && *column == cell.minutes) {
                    cells[static_cast<std::size_t>(column - minutes_.begin())] = {cell.occupancy,
                                                                                  true};
                }
            }
            cells_.push_back(std::move(cells));
        }
    }

    QRectF boundingRect() const override { return chart_.boundingRect(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        if (rows_.isEmpty() || columns_.isEmpty()) {
            return;
        }
        const QRectF area = chart_.plotArea();
        // Sized in the chart's own pixels, as its other texts are, so that a printer or PDF
        // writer of high resolution does not enlarge it.
        QFont font = chart_.font();
        font.setPixelSize(QFontInfo(font).pixelSize());
        painter->setFont(font);
        const QFontMetricsF metrics(font);
        double labelWidth = 0;
        for (const QString& row : rows_) {
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(row));
        }
        labelWidth = std::min(labelWidth + kGap, area.width() / 3);
        const double headerHeight = metrics.height() + kGap;
        const double cellWidth = (area.width() - labelWidth) / static_cast<double>(columns_.size());
        const double rowHeight =
            std::min(kMostRowHeight, (area.height() - headerHeight) / rows_.size());
        const QPointF origin(area.left() + labelWidth, area.top() + headerHeight);
        PaintHeader(*painter, metrics, origin, cellWidth);
        for (qsizetype r = 0; r < rows_.size(); ++r) {
            const double top = origin.y() + static_cast<double>(r) * rowHeight;
            painter->setPen(Qt::black);
            painter->drawText(QRectF(area.left(), top, labelWidth - kGap, rowHeight),
                              Qt::AlignRight | Qt::AlignVCenter,
                              metrics.elidedText(rows_[r], Qt::ElideRight, labelWidth - kGap));
            for (std::size_t c = 0; c < minutes_.size(); ++c) {
                const QRectF box(origin.x() + static_cast<double>(c) * cellWidth, top, cellWidth,
                                 rowHeight);
                PaintCell(*painter, metrics, box, cells_[static_cast<std::size_t>(r)][c]);
            }
        }
    }

private:
    // Every so many clock times, so that the labels do not overlap.
    void PaintHeader(QPainter& painter, const QFontMetricsF& metrics, QPointF origin,
                     double cellWidth) const {
        const double labelWidth = metrics.horizontalAdvance(QStringLiteral("0000")) + kGap;
        const auto step = static_cast<qsizetype>(std::max(1.0, std::ceil(labelWidth / cellWidth)));
        painter.setPen(Qt::black);
        for (qsizetype c = 0; c < columns_.size(); c += step) {
            painter.drawText(
                QRectF(origin.x() + static_cast<double>(c) * cellWidth,
                       origin.y() - metrics.height() - kGap / 2, labelWidth, metrics.height()),
                Qt::AlignLeft | Qt::AlignBottom, columns_[c]);
        }
    }

    void PaintCell(QPainter& painter, const QFontMetricsF& metrics, const QRectF& box,
                   const Cell& cell) const {
        painter.setPen(QPen(Qt::white, 1));
        if (!cell.covered) {
            painter.setBrush(QColor(0xf2, 0xf2, 0xf2));
            painter.drawRect(box);
            return;
        }
        const QColor colour = PressureColour(ClassifyPressure(cell.occupancy, threshold_));
        painter.setBrush(colour);
        painter.drawRect(box);
        const QString text = QString::number(cell.occupancy);
        if (metrics.horizontalAdvance(text) + 2 <= box.width() &&
            metrics.height() <= box.height()) {
            painter.setPen(colour.lightness() < 128 ? Qt::white : Qt::black);
            painter.drawText(box, Qt::AlignCenter, text);
        }
    }

    QChart& chart_;
    int threshold_;
    QStringList columns_;
    std::vector<int> minutes_;
    QStringList rows_;
    std::vector<std::vector<Cell>> cells_;
};

}  // namespace

void AddHeatMap(QChart& chart, const ChartData& data) {
    for (PressureClass pressureClass :
         {PressureClass::Low, PressureClass::Moderate, PressureClass::High}) {
        auto* legendOnly = new QScatterSeries;
        legendOnly->setName(ToQString(PressureClassLabel(pressureClass, data.threshold)));
        legendOnly->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        legendOnly->setColor(PressureColour(pressureClass));
        chart.addSeries(legendOnly);
    }
    new HeatMapItem(chart, data);
}

}  // namespace tavoric
