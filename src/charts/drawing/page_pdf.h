// SPDX-License-Identifier: GPL-3.0-or-later
// A picture (a chart, a map) as a one-page PDF file, for the image files and for printing
// where no printer is installed.
#pragma once

#include <QRectF>
#include <QSize>
#include <functional>
#include <optional>
#include <string>

class QPainter;

namespace tavoric {

// Draws a picture into the rectangle it is given.
using PictureDrawing = std::function<void(QPainter& painter, const QRectF& target)>;

// One A4 page, turned to the picture's shape (size in pixels), the picture as large as the
// margins allow; the title is in code page 1252. Nothing when the page cannot be drawn.
std::optional<std::string> OnePagePdf(const PictureDrawing& draw, const std::string& title,
                                      QSize size);

}  // namespace tavoric
