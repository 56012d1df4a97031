// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <functional>

#include "charts/chart_images.h"
#include "charts/drawing/chart_builder.h"
#include "charts/drawing/page_pdf.h"
#include "charts/drawing/street_map_drawing.h"
#include "core/codec.h"
#include "core/private_state_folder.h"

namespace tavoric {

namespace {

constexpr double kPdfMarginMm = 12;

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<std::string> Png(const PictureDrawing& draw, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw(painter, QRectF(QPointF(0, 0), size));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return std::nullopt;
    }
    return Bytes(bytes);
}

std::optional<std::string> Svg(const PictureDrawing& draw, const std::string& title, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromStdString(Cp1252ToUtf8(title)));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return std::nullopt;
    }
    draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return Bytes(bytes);
}

}  // namespace

std::optional<std::string> OnePagePdf(const PictureDrawing& draw, const std::string& title,
                                      QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QString::fromStdString(Cp1252ToUtf8(title)));
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    size.width() >= size.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                    QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return std::nullopt;
    }
    draw(painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
    painter.end();
    return Bytes(bytes);
}

namespace {

std::optional<std::string> Picture(const PictureDrawing& draw, const std::string& title,
                                   ChartImageFormat format, ChartImageSize size) {
    const QSize pixels(size.width, size.height);
    switch (format) {
        case ChartImageFormat::Png:
            return Png(draw, pixels);
        case ChartImageFormat::Svg:
            return Svg(draw, title, pixels);
        case ChartImageFormat::Pdf:
            return OnePagePdf(draw, title, pixels);
    }
    return std::nullopt;
}

}  // namespace

// An offscreen application for a program that has none, so that charts can be drawn without a
// display.
struct ChartDrawing::Application {
    Application() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        ProvideRuntimeFolder();
        application = std::make_unique<QApplication>(argc, argv);
    }
    int argc = 1;
    char name[12] = "tavoric-cli";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

ChartDrawing::ChartDrawing() {
    if (QCoreApplication::instance() == nullptr) {
        application_ = std::make_unique<Application>();
    }
}

ChartDrawing::~ChartDrawing() = default;

bool ChartDrawing::Available() {
    return true;
}

std::optional<std::string> ChartDrawing::Image(ChartKind kind, const ChartData& data,
                                               ChartImageFormat format, ChartImageSize size) const {
    const QSizeF layout(size.width, size.height);
    return Picture([&](QPainter& painter,
                       const QRectF& target) { DrawChart(kind, data, layout, painter, target); },
                   ChartTitle(kind), format, size);
}

std::optional<std::string> ChartDrawing::ComparisonImage(ComparisonKind kind,
                                                         const SurveyComparison& comparison,
                                                         ChartImageFormat format,
                                                         ChartImageSize size) const {
    const QSizeF layout(size.width, size.height);
    return Picture(
        [&](QPainter& painter, const QRectF& target) {
            DrawComparisonChart(kind, comparison, layout, painter, target);
        },
        ComparisonTitle(kind), format, size);
}

std::optional<std::string> ChartDrawing::MapImage(const StreetMap& map, const ChartData& data,
                                                  MapMeasure measure, bool labels,
                                                  ChartImageFormat format,
                                                  ChartImageSize size) const {
    return Picture(
        [&](QPainter& painter, const QRectF& target) {
            DrawStreetMap(map, data, measure, labels, painter, target);
        },
        MapTitle(measure), format, size);
}

std::optional<std::string> ChartDrawing::DifferenceMapImage(const DifferenceMap& map, bool labels,
                                                            ChartImageFormat format,
                                                            ChartImageSize size) const {
    return Picture([&](QPainter& painter,
                       const QRectF& target) { DrawDifferenceMap(map, labels, painter, target); },
                   DifferenceMapTitle(), format, size);
}

}  // namespace tavoric
