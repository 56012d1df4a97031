// SPDX-License-Identifier: GPL-3.0-or-later
// Printing one chart on a landscape page, for the chart windows.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <functional>
#include <string>

#include "core/prompter.h"

class QPainter;
class QWidget;

namespace tavoric {

// Draws a chart laid out at size (pixels) into the given target of a painter.
using ChartPainting = std::function<void(QSizeF size, QPainter& painter, const QRectF& target)>;

// Asks for the printer and prints the chart scaled to the printable area; without a printer, or
// when the printer cannot be started, the user is told.
void PrintChart(const std::string& title, QSizeF size, const ChartPainting& paint,
                Prompter& prompter, QWidget* parent);

}  // namespace tavoric
