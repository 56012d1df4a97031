// SPDX-License-Identifier: GPL-3.0-or-later
// The council report as an OpenDocument text, written by Qt's ODF writer: headings, paragraphs,
// real tables and the figures as PNG pictures at 300 dpi, so that a word processor can edit it.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>
#include <QUrl>

#include "core/codec.h"
#include "document/drawing/council_writers.h"
#include "document/drawing/document_figures.h"

namespace tavoric {

namespace {

constexpr double kPictureDpi = 300;
constexpr double kScreenDpi = 96;     // the ODF writer gives sizes in pixels at this density
constexpr double kBodyWidthMm = 170;  // the width of the text on an A4 page
constexpr double kMaxPictureHeightMm = 230;

QString Text(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QTextCharFormat CharFormat(double points, bool bold = false) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

class OdtBuilder {
public:
    OdtBuilder(QTextDocument& document, const CouncilFigures& figures, const StreetMap* map)
        : document_(document), cursor_(&document), figures_(figures), map_(map) {}

    void Add(const DocumentBlock& block) {
        switch (block.kind) {
            case BlockKind::Title:
                Paragraph(block.text, CharFormat(28, true), Qt::AlignHCenter);
                break;
            case BlockKind::Subtitle:
                Paragraph(block.text, CharFormat(18), Qt::AlignHCenter);
                break;
            case BlockKind::CoverLine:
                Paragraph(block.text, CharFormat(12), Qt::AlignHCenter);
                break;
            case BlockKind::PageBreak:
                breakBefore_ = true;
                break;
            case BlockKind::Heading:
                Paragraph(block.text, CharFormat(14, true), Qt::AlignLeft, 1);
                break;
            case BlockKind::Paragraph:
                Paragraph(block.text, CharFormat(10), Qt::AlignLeft);
                break;
            case BlockKind::Table:
                Table(block.table);
                break;
            case BlockKind::Chart:
            case BlockKind::ComparisonChart:
            case BlockKind::Map:
                Figure(block);
                break;
        }
    }

private:
    // Starts a new block (the document's first block is already there).
    void NewBlock(Qt::Alignment alignment, int headingLevel = 0) {
        QTextBlockFormat format;
        format.setAlignment(alignment);
        format.setHeadingLevel(headingLevel);
        format.setBottomMargin(4);
        if (breakBefore_) {
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            breakBefore_ = false;
        }
        if (first_) {
            cursor_.setBlockFormat(format);
            first_ = false;
        } else {
            cursor_.insertBlock(format);
        }
    }

    void Paragraph(const std::string& text, const QTextCharFormat& format, Qt::Alignment alignment,
                   int headingLevel = 0) {
        NewBlock(alignment, headingLevel);
        cursor_.insertText(Text(text), format);
    }

    void Table(const DocumentTable& table) {
        NewBlock(Qt::AlignLeft);
        QTextTableFormat format;
        format.setHeaderRowCount(1);
        format.setCellPadding(2);
        format.setCellSpacing(0);
        format.setBorder(0.5);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        const int columns = static_cast<int>(table.header.size());
        const int rows = static_cast<int>(table.rows.size()) + 1;
        QTextTable* cells = cursor_.insertTable(rows, columns, format);
        const QTextCharFormat head = CharFormat(table.wide ? 6.5 : 8.5, true);
        const QTextCharFormat body = CharFormat(table.wide ? 6.5 : 8.5);
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        for (int c = 0; c < columns; ++c) {
            const auto column = static_cast<std::size_t>(c);
            cells->cellAt(0, c).firstCursorPosition().insertText(Text(table.header[column]), head);
            for (int r = 1; r < rows; ++r) {
                const auto& row = table.rows[static_cast<std::size_t>(r - 1)];
                QTextCursor cell = cells->cellAt(r, c).firstCursorPosition();
                if (table.numeric[column]) {
                    cell.setBlockFormat(right);
                }
                cell.insertText(column < row.size() ? Text(row[column]) : QString(), body);
            }
        }
        cursor_.movePosition(QTextCursor::End);
    }

    void Figure(const DocumentBlock& block) {
        const QSizeF layout = FigureLayoutSize(block, figures_);
        const QSizeF millimetres =
            layout.scaled(QSizeF(kBodyWidthMm, kMaxPictureHeightMm), Qt::KeepAspectRatio);
        const QSize pixels = (millimetres / 25.4 * kPictureDpi).toSize();
        QImage image(pixels, QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(kPictureDpi / 0.0254));
        image.setDotsPerMeterY(static_cast<int>(kPictureDpi / 0.0254));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DrawFigure(block, figures_, map_, painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        }
        // Kept as the PNG file's bytes: a few hundred kilobytes instead of the pixels' megabytes.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const QString name = QStringLiteral("figuur%1.png").arg(++pictures_);
        document_.addResource(QTextDocument::ImageResource, QUrl(name), png);
        QTextImageFormat format;
        format.setName(name);
        format.setWidth(millimetres.width() / 25.4 * kScreenDpi);
        format.setHeight(millimetres.height() / 25.4 * kScreenDpi);
        NewBlock(Qt::AlignHCenter);
        cursor_.insertImage(format);
    }

    QTextDocument& document_;
    QTextCursor cursor_;
    const CouncilFigures& figures_;
    const StreetMap* map_;
    bool first_ = true;
    bool breakBefore_ = false;
    int pictures_ = 0;
};

}  // namespace

std::optional<std::string> CouncilReportOdt(const CouncilDocument& document,
                                            const CouncilFigures& figures, const StreetMap* map) {
    QTextDocument text;
    text.setUndoRedoEnabled(false);  // a table of many thousand cells would keep every step
    text.setMetaInformation(QTextDocument::DocumentTitle, Text(document.title));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(10);
    text.setDefaultFont(font);
    // One edit block: cursors then lay out no text, which a table of many thousand cells would
    // otherwise do for every cell.
    QTextCursor edit(&text);
    edit.beginEditBlock();
    OdtBuilder builder(text, figures, map);
    for (const DocumentBlock& block : document.blocks) {
        builder.Add(block);
    }
    edit.endEditBlock();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(&text)) {
        return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tavoric
