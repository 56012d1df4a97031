// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/chart_printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

#include "core/codec.h"
#include "reports/export.h"

namespace tavoric {

namespace {

void PrintToPdfFile(const std::string& title, QSize size, const PictureDrawing& draw,
                    const std::string& failure, Prompter& prompter) {
    const std::optional<std::string> fileName =
        AskExportFileName(title, ExportFormat::Pdf, prompter);
    if (!fileName) {
        return;
    }
    const std::optional<std::string> pdf = OnePagePdf(draw, title, size);
    if (!pdf) {
        ErrorNotice(prompter, failure);
        return;
    }
    WriteExportFile(*fileName, *pdf, prompter);
}

}  // namespace

void PrintPicture(const std::string& title, QSize size, const PictureDrawing& draw,
                  const std::string& failure, Prompter& prompter, QWidget* parent) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        PrintToPdfFile(title, size, draw, failure, prompter);
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
        ErrorNotice(prompter, failure);
        return;
    }
    // The painter starts at the corner of the printable area.
    draw(painter,
         QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
}

}  // namespace tavoric
