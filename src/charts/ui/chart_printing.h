// SPDX-License-Identifier: GPL-3.0-or-later
// Printing one chart or map on a landscape page, for the chart and map windows.
#pragma once

#include <QSize>
#include <string>

#include "charts/drawing/page_pdf.h"
#include "core/prompter.h"

class QWidget;

namespace tavoric {

// Asks for the printer and prints the picture (drawn at size, in pixels) scaled to the printable
// area. Without a printer the page goes to a PDF file, as the reports do: the file name is asked
// (the title with ".pdf" proposed) and the page written as the picture's one-page PDF. failure:
// the message when the picture cannot be drawn.
void PrintPicture(const std::string& title, QSize size, const PictureDrawing& draw,
                  const std::string& failure, Prompter& prompter, QWidget* parent);

}  // namespace tavoric
