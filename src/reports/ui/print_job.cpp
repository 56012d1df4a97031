// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/print_job.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/qt_text.h"
#include "reports/export.h"
#include "reports/ui/report_window.h"

namespace tavoric {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;
constexpr int kPdfResolution = 1200;

// Tabs become blanks up to the next tab stop, counted from the start of the printed piece.
QString ExpandTabs(std::string_view piece, int tabWidth) {
    if (piece.find('\t') == std::string_view::npos) {
        return ToQString(piece);
    }
    const auto width = static_cast<std::size_t>(std::max(1, tabWidth));
    std::string expanded;
    for (char c : piece) {
        if (c == '\t') {
            expanded.append(width - expanded.size() % width, ' ');
        } else {
            expanded += c;
        }
    }
    return ToQString(expanded);
}

}  // namespace

PrintJob PrintJobOf(const TKindForm& report, const PrintOptions& options) {
    PrintJob job = MakePrintJob(report.Document(), report.FontSize());
    job.options = options;
    return job;
}

PrintJobPages::PrintJobPages(const PrintJob& job, QSizeF paperMm, int resolution,
                             std::vector<PageDrawer> followingPages)
    : job_(job),
      resolution_(std::max(1, resolution)),
      unitsPerMm_(resolution_ / kMmPerInch),
      setup_(ChooseSetup(paperMm)),
      paperMm_(setup_.landscape == (paperMm.width() > paperMm.height()) ? paperMm
                                                                        : paperMm.transposed()),
      bodyFont_(FontOfPoints(job.bodyFont, setup_.pointSize, QFont::TypeWriter)),
      headerFont_(FontOfPoints(job.headerFont, job.headerPointSize, QFont::SansSerif)),
      lineHeight_(std::max(1.0, QFontMetricsF(bodyFont_).lineSpacing())),
      pagination_(Paginate()),
      followingPages_(std::move(followingPages)) {}

QPageLayout::Orientation PrintJobPages::Orientation() const {
    return setup_.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Sized in device units, so that the same font serves every painter, scaled or not.
QFont PrintJobPages::FontOfPoints(const std::string& family, double points,
                                  QFont::StyleHint kind) const {
    QFont font(ToQString(family));
    font.setStyleHint(kind);
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * resolution_ / kPointsPerInch))));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int PrintJobPages::CharactersPerLineAt(double points, double bodyWidthMm) const {
    const QFontMetricsF metrics(FontOfPoints(job_.bodyFont, points, QFont::TypeWriter));
    return CharactersPerLine(Units(bodyWidthMm), [&metrics](int count) {
        return metrics.horizontalAdvance(QString(count, QLatin1Char('W')));
    });
}

PageSetup PrintJobPages::ChooseSetup(QSizeF paperMm) const {
    return ChoosePageSetup(job_, job_.options, paperMm.width(), paperMm.height(),
                           [this](double points, double bodyWidthMm) {
                               return CharactersPerLineAt(points, bodyWidthMm);
                           });
}

PrintPagination PrintJobPages::Paginate() const {
    const int m = CharactersPerLineAt(setup_.pointSize, paperMm_.width() - 2 * kPrintMarginMm);
    const double bodyHeight = Units(paperMm_.height() - 2 * kPrintMarginMm);
    return PrintPagination(job_.lines, m, static_cast<int>(std::floor(bodyHeight / lineHeight_)),
                           job_.tables, job_.lineCharacter);
}

void PrintJobPages::DrawPage(QPainter& painter, int pageIndex) const {
    painter.save();
    painter.setPen(Qt::black);
    DrawHeaderAndFooter(painter, pageIndex);
    const int textPages = pagination_.PageCount();
    if (pageIndex < textPages) {
        DrawText(painter, pageIndex);
    } else {
        followingPages_[static_cast<std::size_t>(pageIndex - textPages)](painter, Body());
    }
    painter.restore();
}

QRectF PrintJobPages::Body() const {
    return QRectF(Units(kPrintMarginMm), Units(kPrintMarginMm),
                  Units(paperMm_.width() - 2 * kPrintMarginMm),
                  Units(paperMm_.height() - 2 * kPrintMarginMm));
}

void PrintJobPages::DrawText(QPainter& painter, int pageIndex) const {
    painter.setFont(bodyFont_);
    const double ascent = QFontMetricsF(bodyFont_).ascent();
    const double left = Units(kPrintMarginMm);
    double top = Units(kPrintMarginMm);
    for (const std::string& line : pagination_.PageLines(pageIndex)) {
        if (!line.empty()) {
            painter.drawText(QPointF(left, top + ascent), ExpandTabs(line, job_.tabWidth));
        }
        top += lineHeight_;
    }
}

void PrintJobPages::DrawHeaderAndFooter(QPainter& painter, int pageIndex) const {
    const double left = Units(kPrintMarginMm);
    const double right = Units(paperMm_.width() - kPrintMarginMm);
    const double headerLine = Units(kPrintHeaderMm);
    const double footerLine = Units(paperMm_.height() - kPrintFooterMm);
    painter.setPen(QPen(Qt::black, Units(kPrintRuleWidthMm)));
    painter.drawLine(QPointF(left, headerLine), QPointF(right, headerLine));
    painter.drawLine(QPointF(left, footerLine), QPointF(right, footerLine));

    painter.setFont(headerFont_);
    const QFontMetricsF metrics(headerFont_);
    const double headerBaseline = headerLine - Units(kPrintTextGapMm) - metrics.descent();
    const double footerBaseline = footerLine + Units(kPrintTextGapMm) + metrics.ascent();
    const auto draw = [&](const PrintHeaderItem& item, double baseline) {
        const QString text = ToQString(FillPageFields(item.text, pageIndex + 1, PageCount()));
        const double x = item.alignment == PrintAlignment::Left
                             ? left + Units(kPrintTextIndentMm)
                             : right - Units(kPrintTextIndentMm) - metrics.horizontalAdvance(text);
        painter.drawText(QPointF(x, baseline), text);
    };
    for (const PrintHeaderItem& item : job_.header) {
        draw(item, headerBaseline);
    }
    for (const PrintHeaderItem& item : job_.footer) {
        draw(item, footerBaseline);
    }
}

bool DrawAllPages(const PrintJob& job, QPagedPaintDevice& device, Progress& progress,
                  const std::vector<PageDrawer>& followingPages) {
    const QSizeF paperMm = device.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const PrintJobPages pages(job, paperMm, device.logicalDpiY(), followingPages);
    device.setPageOrientation(pages.Orientation());
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const auto count = static_cast<std::size_t>(pages.PageCount());
    ProgressScope shown(progress);
    for (int page = 0; page < pages.PageCount(); ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        pages.DrawPage(painter, page);
        progress.Set(static_cast<std::size_t>(page) + 1, count);
    }
    return painter.end();
}

bool PrintJobOnPrinter(const PrintJob& job, QPrinter& printer, Progress& progress) {
    printer.setDocName(ToQString(job.title));
    printer.setCopyCount(1);
    printer.setFullPage(true);
    return DrawAllPages(job, printer, progress);
}

std::optional<QByteArray> PdfOfJob(const PrintJob& job, Progress& progress,
                                   const std::vector<PageDrawer>& followingPages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(ToQString(job.title));
        writer.setCreator(ToQString(PrintVersionText()));
        if (!DrawAllPages(job, writer, progress, followingPages)) {
            return std::nullopt;
        }
    }
    return buffer.data();
}

bool ExportPdf(const PrintJob& job, const std::string& fileName, Prompter& prompter,
               Progress& progress, const std::vector<PageDrawer>& followingPages) {
    const std::optional<QByteArray> pdf = PdfOfJob(job, progress, followingPages);
    if (!pdf) {
        ErrorNotice(prompter, FormatText(MessageText("AA00252"), {Utf8ToCp1252(fileName)}));
        return false;
    }
    return WriteExportFile(fileName, std::string_view(pdf->constData(), pdf->size()), prompter);
}

bool ExportPdfWithSaveDialog(const PrintJob& job, Prompter& prompter, Progress& progress) {
    const std::optional<std::string> fileName =
        AskExportFileName(job.title, ExportFormat::Pdf, prompter);
    return fileName && ExportPdf(job, *fileName, prompter, progress);
}

}  // namespace tavoric
