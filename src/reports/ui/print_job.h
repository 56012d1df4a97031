// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of a print job drawn with Qt: on the printer, into a PDF file and in the preview.
// All three use the same layout, so the preview and the PDF show the pages the printer gives.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/progress.h"
#include "core/prompter.h"
#include "reports/print_layout.h"

class QByteArray;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace tavoric {

class TKindForm;

// The print job of a report window: its lines and title at the window's text size, laid out
// with the user's page choices.
PrintJob PrintJobOf(const TKindForm& report, const PrintOptions& options);

// A page that follows the report's text, such as a chart: draws into the body of a page that
// carries the job's header and footer (device units, origin at the paper's corner).
using PageDrawer = std::function<void(QPainter& painter, const QRectF& body)>;

// The pages of a job: the report text, each page with the header, the footer and the lines the
// pagination gives it, then the pages that follow it.
class PrintJobPages {
public:
    // paperMm: the paper's size, turned either way; the job's options choose the orientation
    // and the body size. resolution: device units per inch of the painter that draws. The job
    // must outlive the pages.
    PrintJobPages(const PrintJob& job, QSizeF paperMm, int resolution,
                  std::vector<PageDrawer> followingPages = {});

    int PageCount() const {
        return pagination_.PageCount() + static_cast<int>(followingPages_.size());
    }
    const PrintPagination& Pagination() const { return pagination_; }
    const PageSetup& Setup() const { return setup_; }
    QPageLayout::Orientation Orientation() const;
    // The paper, turned as the setup says, in device units.
    QSizeF PaperSize() const { return paperMm_ * unitsPerMm_; }
    int Resolution() const { return resolution_; }

    // Draws a page (index from 0) on a painter whose origin is the paper's top left corner and
    // whose units are device units.
    void DrawPage(QPainter& painter, int pageIndex) const;

private:
    double Units(double mm) const { return mm * unitsPerMm_; }
    QFont FontOfPoints(const std::string& family, double points, QFont::StyleHint kind) const;
    int CharactersPerLineAt(double points, double bodyWidthMm) const;
    PageSetup ChooseSetup(QSizeF paperMm) const;
    PrintPagination Paginate() const;
    void DrawHeaderAndFooter(QPainter& painter, int pageIndex) const;
    void DrawText(QPainter& painter, int pageIndex) const;
    QRectF Body() const;

    const PrintJob& job_;
    int resolution_;
    double unitsPerMm_;
    PageSetup setup_;
    QSizeF paperMm_;
    QFont bodyFont_;
    QFont headerFont_;
    double lineHeight_ = 1;
    PrintPagination pagination_;
    std::vector<PageDrawer> followingPages_;
};

// Turns the device's paper as the job's setup says and draws every page, first to last, on a
// printer or PDF writer; its painter must start at the paper's corner (a printer in full-page
// mode, a PDF writer without margins). False when the device cannot be painted on.
bool DrawAllPages(const PrintJob& job, QPagedPaintDevice& device, Progress& progress,
                  const std::vector<PageDrawer>& followingPages = {});

// Prints the job on the printer under the job's title, one copy.
bool PrintJobOnPrinter(const PrintJob& job, QPrinter& printer, Progress& progress);

// The job's pages on A4, turned as its setup says, as the bytes of a PDF file; nothing when
// they cannot be drawn.
std::optional<QByteArray> PdfOfJob(const PrintJob& job, Progress& progress,
                                   const std::vector<PageDrawer>& followingPages = {});

// Writes the job's PDF to fileName in one step, as the other exports are written; failures are
// shown as error notices. Returns whether the file was written.
bool ExportPdf(const PrintJob& job, const std::string& fileName, Prompter& prompter,
               Progress& progress, const std::vector<PageDrawer>& followingPages = {});

// The export dialog's PDF choice and the print command without a printer: asks for the name
// ("Rapport N.pdf" proposed, ".pdf" added, overwrite question) and writes the file.
bool ExportPdfWithSaveDialog(const PrintJob& job, Prompter& prompter, Progress& progress);

}  // namespace tavoric
