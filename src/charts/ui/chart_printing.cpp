// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/chart_printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/codec.h"
#include "core/message_texts.h"

namespace tavoric {

void PrintChart(const std::string& title, QSizeF size, const ChartPainting& paint,
                Prompter& prompter, QWidget* parent) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        ErrorNotice(prompter, MessageText("AA00482"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(Cp1252ToUtf8(title)));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        ErrorNotice(prompter, MessageText("AA00473"));
        return;
    }
    // The painter starts at the corner of the printable area.
    const QSizeF printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    paint(size, painter, QRectF(QPointF(0, 0), printable));
}

}  // namespace tavoric
