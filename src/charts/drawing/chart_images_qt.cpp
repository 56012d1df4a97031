// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "charts/chart_images.h"
#include "charts/drawing/chart_builder.h"
#include "core/codec.h"

namespace tavoric {

namespace {

constexpr double kPdfMarginMm = 12;

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<std::string> Png(ChartKind kind, const ChartData& data, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawChart(kind, data, size, painter, QRectF(QPointF(0, 0), size));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return std::nullopt;
    }
    return Bytes(bytes);
}

std::optional<std::string> Svg(ChartKind kind, const ChartData& data, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromStdString(Cp1252ToUtf8(ChartTitle(kind))));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return std::nullopt;
    }
    DrawChart(kind, data, size, painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return Bytes(bytes);
}

// One A4 page, turned to the chart's shape, the chart as large as the margins allow.
std::optional<std::string> Pdf(ChartKind kind, const ChartData& data, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QString::fromStdString(Cp1252ToUtf8(ChartTitle(kind))));
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    size.width() >= size.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                    QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return std::nullopt;
    }
    DrawChart(kind, data, size, painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
    painter.end();
    return Bytes(bytes);
}

}  // namespace

// An offscreen application for a program that has none, so that charts can be drawn without a
// display.
struct ChartDrawing::Application {
    Application() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    const QSize pixels(size.width, size.height);
    switch (format) {
        case ChartImageFormat::Png:
            return Png(kind, data, pixels);
        case ChartImageFormat::Svg:
            return Svg(kind, data, pixels);
        case ChartImageFormat::Pdf:
            return Pdf(kind, data, pixels);
    }
    return std::nullopt;
}

}  // namespace tavoric
