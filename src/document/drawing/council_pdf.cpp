// SPDX-License-Identifier: GPL-3.0-or-later
// The council report as PDF: the blocks laid out on A4 pages first, so that every footer can
// name the number of pages, then painted page by page.
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <functional>
#include <memory>

#include "core/codec.h"
#include "core/message_texts.h"
#include "document/drawing/council_writers.h"
#include "document/drawing/document_figures.h"

namespace tavoric {

namespace {

constexpr int kResolution = 600;  // dots per inch of the PDF's coordinates
constexpr double kMarginMm = 18;
constexpr double kHeaderGapMm = 8;  // between the header line and the body, and body and footer
constexpr double kTextPoints = 10;
constexpr double kTablePoints = 8.5;
constexpr double kWideTablePoints = 6.5;  // the per-place table: 22 columns on a portrait page
constexpr double kSmallestTablePoints = 6;

double Mm(double millimetres) {
    return millimetres / 25.4 * kResolution;
}

QString Text(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QFont Font(double points, bool bold = false) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

using PagePainting = std::function<void(QPainter&)>;

// The blocks placed on pages; painting happens once every page is known.
class PageFlow {
public:
    PageFlow(QPainter& painter, const QRectF& body) : painter_(painter), body_(body) { NewPage(); }

    void NewPage() {
        pages_.emplace_back();
        y_ = body_.top();
    }
    bool AtPageTop() const { return y_ == body_.top(); }
    double Left() const { return body_.left(); }
    double Width() const { return body_.width(); }
    double Room() const { return body_.bottom() - y_; }
    double Height() const { return body_.height(); }
    // Starts a new page unless height fits in what is left of this one.
    void Need(double height) {
        if (height > Room() && !AtPageTop()) {
            NewPage();
        }
    }
    // Places a painting of the given height at the current position and moves below it.
    void Place(double height, std::function<void(QPainter&, double y)> paint) {
        const double y = y_;
        pages_.back().push_back([paint = std::move(paint), y](QPainter& p) { paint(p, y); });
        y_ += height;
    }
    void Skip(double height) { y_ = std::min(y_ + height, body_.bottom()); }

    QPainter& Painter() { return painter_; }
    const std::vector<std::vector<PagePainting>>& Pages() const { return pages_; }

private:
    QPainter& painter_;
    QRectF body_;
    double y_ = 0;
    std::vector<std::vector<PagePainting>> pages_;
};

double WrappedHeight(QPainter& painter, const QFont& font, double width, const QString& text) {
    painter.setFont(font);
    return painter.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

void PlaceText(PageFlow& flow, const QString& text, const QFont& font, double spaceAfter,
               Qt::Alignment alignment = Qt::AlignLeft, double keepWith = 0) {
    const double height = WrappedHeight(flow.Painter(), font, flow.Width(), text);
    flow.Need(height + keepWith);
    const double left = flow.Left();
    const double width = flow.Width();
    flow.Place(height, [=](QPainter& p, double y) {
        p.setFont(font);
        p.drawText(QRectF(left, y, width, height), alignment | Qt::TextWordWrap, text);
    });
    flow.Skip(spaceAfter);
}

// Column widths that fit the body: each as wide as its longest cell (measured on the longest
// texts) and its longest heading word. When they do not fit, the type is made smaller down to
// 6 pt, then headings are broken inside words, then text columns are narrowed (their cells cut
// short).
struct TableLayout {
    QFont font;
    QFont headFont;
    std::vector<double> widths;
    std::vector<bool> headBroken;  // the heading breaks anywhere, not only between words
    double padding = 0;
    double rowHeight = 0;
    double headHeight = 0;
};

struct ColumnWidths {
    std::vector<double> cells;  // with padding
    std::vector<double> heads;  // the longest heading word, with padding

    double Column(std::size_t c) const { return std::max(cells[c], heads[c]); }
    double Sum() const {
        double sum = 0;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            sum += Column(c);
        }
        return sum;
    }
};

ColumnWidths NaturalWidths(const DocumentTable& table, const QFontMetricsF& cells,
                           const QFontMetricsF& heads, double padding) {
    ColumnWidths widths{std::vector<double>(table.header.size(), 0),
                        std::vector<double>(table.header.size(), 0)};
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        // Figures have digits of one width; texts of nearly the longest length are measured.
        std::size_t longest = 0;
        for (const auto& row : table.rows) {
            longest = std::max(longest, c < row.size() ? row[c].size() : 0);
        }
        const std::size_t measured = table.numeric[c] ? longest : longest * 3 / 4;
        double width = 0;
        for (const auto& row : table.rows) {
            if (c < row.size() && row[c].size() >= measured) {
                width = std::max(width, cells.horizontalAdvance(Text(row[c])));
            }
        }
        double head = 0;
        for (const QString& word : Text(table.header[c]).split(QLatin1Char(' '))) {
            head = std::max(head, heads.horizontalAdvance(word));
        }
        // A little more than the text, so that rounding cuts nothing.
        widths.cells[c] = width + 2.5 * padding;
        widths.heads[c] = head + 2.5 * padding;
    }
    return widths;
}

double Sum(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values) {
        sum += value;
    }
    return sum;
}

// Narrows the columns whose heading is wider than their cells, and then the text columns, by
// excess at most.
void Narrow(TableLayout& layout, const ColumnWidths& natural, const DocumentTable& table,
            double excess) {
    double headRoom = 0;
    for (std::size_t c = 0; c < layout.widths.size(); ++c) {
        headRoom += std::max(0.0, natural.heads[c] - natural.cells[c]);
    }
    const double fromHeads = std::min(excess, headRoom);
    for (std::size_t c = 0; c < layout.widths.size() && fromHeads > 0; ++c) {
        const double room = std::max(0.0, natural.heads[c] - natural.cells[c]);
        layout.widths[c] -= room * fromHeads / headRoom;
        layout.headBroken[c] = room > 0;
    }
    excess -= fromHeads;
    for (std::size_t c = 0; c < layout.widths.size() && excess > 0; ++c) {
        if (!table.numeric[c]) {
            const double cut = std::min(excess, layout.widths[c] * 0.5);
            layout.widths[c] -= cut;
            excess -= cut;
        }
    }
}

int HeadFlags(const TableLayout& layout, std::size_t column) {
    return layout.headBroken[column] ? Qt::TextWrapAnywhere : Qt::TextWordWrap;
}

TableLayout LayOutTable(const DocumentTable& table, QPainter& painter, double bodyWidth) {
    TableLayout layout;
    ColumnWidths natural;
    for (double points = table.wide ? kWideTablePoints : kTablePoints;; points -= 0.5) {
        layout.font = Font(points);
        layout.headFont = Font(points, true);
        const QFontMetricsF cells(layout.font, painter.device());
        layout.padding = cells.averageCharWidth() * 0.6;
        natural = NaturalWidths(table, cells, QFontMetricsF(layout.headFont, painter.device()),
                                layout.padding);
        layout.rowHeight = cells.height() * 1.35;
        if (natural.Sum() <= bodyWidth || points <= kSmallestTablePoints) {
            break;
        }
    }
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        layout.widths.push_back(natural.Column(c));
    }
    layout.headBroken.assign(layout.widths.size(), false);
    const double excess = natural.Sum() - bodyWidth;
    if (excess > 0) {
        Narrow(layout, natural, table, excess);
    } else if (table.wide) {
        for (double& width : layout.widths) {
            width -= excess / static_cast<double>(layout.widths.size());
        }
    }
    double head = 0;
    painter.setFont(layout.headFont);
    for (std::size_t c = 0; c < layout.widths.size(); ++c) {
        const QRectF room(0, 0, layout.widths[c] - 2 * layout.padding, 1e9);
        head = std::max(
            head, painter.boundingRect(room, HeadFlags(layout, c), Text(table.header[c])).height());
    }
    const double lineHeight = QFontMetricsF(layout.font, painter.device()).height();
    layout.headHeight = head + layout.rowHeight - lineHeight;
    return layout;
}

const QColor kShade(240, 240, 240);

void PaintHead(QPainter& p, const TableLayout& layout, const DocumentTable& table, double left,
               double y) {
    p.setFont(layout.headFont);
    double x = left;
    for (std::size_t c = 0; c < layout.widths.size(); ++c) {
        const QRectF cell(x + layout.padding, y, layout.widths[c] - 2 * layout.padding,
                          layout.headHeight);
        const Qt::Alignment horizontal = table.numeric[c] ? Qt::AlignRight : Qt::AlignLeft;
        p.drawText(cell, horizontal | Qt::AlignBottom | HeadFlags(layout, c),
                   Text(table.header[c]));
        x += layout.widths[c];
    }
    p.setPen(QPen(Qt::black, Mm(0.25)));
    const double bottom = y + layout.headHeight;
    p.drawLine(QPointF(left, bottom), QPointF(left + Sum(layout.widths), bottom));
}

// One column of the rows [first, last) as one text, a line per row: a long table is shaped
// column by column instead of cell by cell. Texts too wide for the column are cut short.
void PaintColumn(QPainter& p, const TableLayout& layout, const DocumentTable& table,
                 std::size_t column, std::size_t first, std::size_t last, double x, double top) {
    const double room = layout.widths[column] - 2 * layout.padding;
    const QFontMetricsF metrics(layout.font, p.device());
    QString lines;
    for (std::size_t r = first; r < last; ++r) {
        const std::vector<std::string>& row = table.rows[r];
        const QString cell = column < row.size() ? Text(row[column]) : QString();
        lines += r > first ? QString(QChar::LineSeparator) : QString();
        lines += table.numeric[column] ? cell : metrics.elidedText(cell, Qt::ElideRight, room);
    }
    QTextLayout text(lines, layout.font, p.device());
    text.beginLayout();
    for (std::size_t r = first; r < last; ++r) {
        QTextLine line = text.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(room * 4);
        const double along = table.numeric[column] ? room - line.naturalTextWidth() : 0;
        const double rowTop = top + static_cast<double>(r - first) * layout.rowHeight;
        line.setPosition(
            QPointF(x + layout.padding + along, rowTop + (layout.rowHeight - line.height()) / 2));
    }
    text.endLayout();
    text.draw(&p, QPointF(0, 0));
}

void PaintRows(QPainter& p, const TableLayout& layout, const DocumentTable& table,
               std::size_t first, std::size_t last, double left, double top) {
    const double width = Sum(layout.widths);
    for (std::size_t r = first; r < last; ++r) {
        if (r % 2 == 1) {
            const double y = top + static_cast<double>(r - first) * layout.rowHeight;
            p.fillRect(QRectF(left, y, width, layout.rowHeight), kShade);
        }
    }
    p.setFont(layout.font);
    double x = left;
    for (std::size_t c = 0; c < layout.widths.size(); ++c) {
        PaintColumn(p, layout, table, c, first, last, x, top);
        x += layout.widths[c];
    }
}

void PlaceTable(PageFlow& flow, const DocumentTable& table) {
    const auto layout =
        std::make_shared<const TableLayout>(LayOutTable(table, flow.Painter(), flow.Width()));
    const double left = flow.Left();
    const double rowHeight = layout->rowHeight;
    const auto placeHead = [&] {
        flow.Place(layout->headHeight,
                   [=, &table](QPainter& p, double y) { PaintHead(p, *layout, table, left, y); });
    };
    flow.Need(layout->headHeight + rowHeight * std::min<double>(table.rows.size(), 3));
    placeHead();
    for (std::size_t first = 0; first < table.rows.size();) {
        if (rowHeight > flow.Room()) {
            flow.NewPage();
            placeHead();
        }
        const auto fit = static_cast<std::size_t>(std::max(1.0, flow.Room() / rowHeight));
        const std::size_t last = std::min(table.rows.size(), first + fit);
        flow.Place(static_cast<double>(last - first) * rowHeight,
                   [=, &table](QPainter& p, double y) {
                       PaintRows(p, *layout, table, first, last, left, y);
                   });
        first = last;
    }
    flow.Skip(rowHeight);
}

QSizeF FigureSize(const PageFlow& flow, const DocumentBlock& block, const CouncilFigures& figures) {
    return FigureLayoutSize(block, figures)
        .scaled(QSizeF(flow.Width(), flow.Height() * 0.8), Qt::KeepAspectRatio);
}

// What must follow a heading on its page: its explanation and the first figure or a few rows.
double KeepWithHeading(PageFlow& flow, const std::vector<DocumentBlock>& blocks, std::size_t at,
                       const CouncilFigures& figures) {
    constexpr double kFewRowsMm = 30;
    double height = 0;
    for (std::size_t i = at + 1; i < blocks.size() && i <= at + 2; ++i) {
        const DocumentBlock& next = blocks[i];
        if (next.kind == BlockKind::Paragraph) {
            height +=
                WrappedHeight(flow.Painter(), Font(kTextPoints), flow.Width(), Text(next.text)) +
                Mm(3);
        } else if (next.kind == BlockKind::Chart || next.kind == BlockKind::ComparisonChart ||
                   next.kind == BlockKind::Map) {
            return height + FigureSize(flow, next, figures).height();
        } else {
            return height + Mm(kFewRowsMm);
        }
    }
    return height;
}

void PlaceFigure(PageFlow& flow, const DocumentBlock& block, const CouncilFigures& figures,
                 const StreetMap* map) {
    const QSizeF size = FigureSize(flow, block, figures);
    flow.Need(size.height());
    const double left = flow.Left() + (flow.Width() - size.width()) / 2;
    flow.Place(size.height(), [=, &block, &figures](QPainter& p, double y) {
        DrawFigure(block, figures, map, p, QRectF(QPointF(left, y), size));
    });
    flow.Skip(Mm(4));
}

// keepWith: the room a heading needs below it on its page.
void PlaceBlock(PageFlow& flow, const DocumentBlock& block, const CouncilFigures& figures,
                const StreetMap* map, double keepWith) {
    switch (block.kind) {
        case BlockKind::Title:
            flow.Skip(Mm(60));
            PlaceText(flow, Text(block.text), Font(28, true), Mm(6), Qt::AlignHCenter);
            break;
        case BlockKind::Subtitle:
            PlaceText(flow, Text(block.text), Font(18), Mm(20), Qt::AlignHCenter);
            break;
        case BlockKind::CoverLine:
            PlaceText(flow, Text(block.text), Font(12), Mm(3), Qt::AlignHCenter);
            break;
        case BlockKind::PageBreak:
            flow.NewPage();
            break;
        case BlockKind::Heading:
            flow.Skip(flow.AtPageTop() ? 0 : Mm(4));
            PlaceText(flow, Text(block.text), Font(14, true), Mm(3), Qt::AlignLeft, keepWith);
            break;
        case BlockKind::Paragraph:
            PlaceText(flow, Text(block.text), Font(kTextPoints), Mm(3));
            break;
        case BlockKind::Table:
            PlaceTable(flow, block.table);
            break;
        case BlockKind::Chart:
        case BlockKind::ComparisonChart:
        case BlockKind::Map:
            PlaceFigure(flow, block, figures, map);
            break;
    }
}

void PaintHeaderAndFooter(QPainter& painter, const QRectF& page, const QString& header, int number,
                          int pages) {
    const QFont font = Font(8);
    painter.setFont(font);
    const double line = QFontMetricsF(font, painter.device()).height();
    const QRectF top(page.left(), page.top(), page.width(), line);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, header);
    painter.setPen(QPen(Qt::darkGray, Mm(0.2)));
    painter.drawLine(top.bottomLeft() + QPointF(0, Mm(1)), top.bottomRight() + QPointF(0, Mm(1)));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(page.left(), page.bottom() - line, page.width(), line),
                     Qt::AlignHCenter | Qt::AlignVCenter, Text(PageFooter(number, pages)));
}

}  // namespace

std::optional<std::string> CouncilReportPdf(const CouncilDocument& document,
                                            const CouncilFigures& figures, const StreetMap* map) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kResolution);
    pdf.setTitle(Text(document.title));
    pdf.setCreator(QString::fromLatin1(kProductName.data(), kProductName.size()));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return std::nullopt;
    }
    const QRectF page(0, 0, pdf.width(), pdf.height());
    const double line = QFontMetricsF(Font(8), &pdf).height();
    const QRectF body = page.adjusted(0, line + Mm(kHeaderGapMm), 0, -line - Mm(kHeaderGapMm));
    PageFlow flow(painter, body);
    for (std::size_t i = 0; i < document.blocks.size(); ++i) {
        const DocumentBlock& block = document.blocks[i];
        const double keepWith = block.kind == BlockKind::Heading
                                    ? KeepWithHeading(flow, document.blocks, i, figures)
                                    : 0;
        PlaceBlock(flow, block, figures, map, keepWith);
    }
    const auto& pages = flow.Pages();
    const int count = static_cast<int>(pages.size());
    const QString header = Text(document.pageHeader);
    for (int n = 0; n < count; ++n) {
        if (n > 0 && !pdf.newPage()) {
            return std::nullopt;
        }
        PaintHeaderAndFooter(painter, page, header, n + 1, count);
        for (const PagePainting& paint : pages[static_cast<std::size_t>(n)]) {
            painter.setPen(Qt::black);
            paint(painter);
        }
    }
    if (!painter.end()) {
        return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tavoric
