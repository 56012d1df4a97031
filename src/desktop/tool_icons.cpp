// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgRenderer>
#include <cmath>
#include <map>

namespace tavoric {

namespace {

const QColor kOutline(0x37, 0x47, 0x4f);
const QColor kPaper(0xfa, 0xfa, 0xfa);
const QColor kAccent(0x1e, 0x88, 0xe5);
const QColor kWarm(0xf9, 0xa8, 0x25);

using Drawing = void (*)(QPainter&);

void Outline(QPainter& p, const QColor& fill = kPaper) {
    p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

void Sheet(QPainter& p) {
    Outline(p);
    QPainterPath sheet;
    sheet.moveTo(5, 2.5);
    sheet.lineTo(14.5, 2.5);
    sheet.lineTo(19.5, 7.5);
    sheet.lineTo(19.5, 21.5);
    sheet.lineTo(5, 21.5);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({{14.5, 2.5}, {14.5, 7.5}, {19.5, 7.5}}));
}

void TextLines(QPainter& p, double top, int count) {
    p.setPen(QPen(kAccent, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        p.drawLine(QPointF(8, top + 3 * i), QPointF(16.5, top + 3 * i));
    }
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.drawPolyline(QPolygonF({to - 4 * d + 3.5 * n, to, to - 4 * d - 3.5 * n}));
}

void DrawNew(QPainter& p) {
    Sheet(p);
    p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.25, 10.5), QPointF(12.25, 17.5));
    p.drawLine(QPointF(8.75, 14), QPointF(15.75, 14));
}

void DrawOpen(QPainter& p) {
    Outline(p, kWarm.lighter(130));
    p.drawPolygon(QPolygonF({{2.5, 5}, {9, 5}, {11, 7.5}, {20.5, 7.5}, {20.5, 19.5}, {2.5, 19.5}}));
    Outline(p, kWarm);
    p.drawPolygon(QPolygonF({{5, 10.5}, {22.5, 10.5}, {20.5, 19.5}, {2.5, 19.5}}));
}

void DrawSave(QPainter& p) {
    Outline(p, kAccent);
    p.drawPolygon(QPolygonF({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}}));
    Outline(p);
    p.drawRect(QRectF(7, 3, 9, 6));
    p.drawRect(QRectF(6, 13, 12, 8));
}

void DrawExport(QPainter& p) {
    Sheet(p);
    TextLines(p, 11, 3);
    Arrow(p, {12, 17}, {22, 17}, kWarm.darker(120));
}

void DrawPrint(QPainter& p) {
    Outline(p);
    p.drawRect(QRectF(6.5, 2.5, 11, 6));
    Outline(p, kOutline.lighter(260));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    Outline(p);
    p.drawRect(QRectF(6.5, 14, 11, 7.5));
    TextLines(p, 17, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(18.5, 11.5), 1, 1);
}

void DrawGeneral(QPainter& p) {
    Outline(p, kAccent);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(QPen(kPaper, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 11), QPointF(12, 17));
    p.drawPoint(QPointF(12, 7.3));
}

void DrawRoutes(QPainter& p) {
    QPainterPath path;
    path.moveTo(4, 19);
    path.cubicTo(4, 11, 20, 15, 20, 5);
    p.setPen(QPen(kOutline, 1.6, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    Outline(p, kAccent);
    p.drawEllipse(QPointF(4, 19), 2.5, 2.5);
    Outline(p, kWarm);
    p.drawEllipse(QPointF(20, 5), 2.5, 2.5);
}

void DrawSections(QPainter& p) {
    Outline(p, kOutline.lighter(260));
    p.drawRect(QRectF(2.5, 7.5, 19, 9));
    p.setPen(QPen(kPaper, 1.6, Qt::DashLine));
    p.drawLine(QPointF(3.5, 12), QPointF(20.5, 12));
    p.setPen(QPen(kAccent, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 5), QPointF(9, 19));
    p.drawLine(QPointF(15, 5), QPointF(15, 19));
}

void DrawPlaces(QPainter& p) {
    Outline(p, kAccent);
    p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 3, 3);
    p.setPen(QPen(kPaper, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath letter;
    letter.moveTo(9.5, 17);
    letter.lineTo(9.5, 7);
    letter.lineTo(13, 7);
    letter.arcTo(QRectF(10, 7, 6, 6), 90, -180);
    letter.lineTo(9.5, 13);
    p.drawPath(letter);
}

void DrawGrid(QPainter& p) {
    Outline(p);
    p.drawRect(QRectF(2.5, 3.5, 19, 17));
    p.setPen(QPen(kOutline, 1.0));
    for (double x : {8.8, 15.2}) {
        p.drawLine(QPointF(x, 3.5), QPointF(x, 20.5));
    }
    for (double y : {9.2, 14.8}) {
        p.drawLine(QPointF(2.5, y), QPointF(21.5, y));
    }
}

void DrawGenerate(QPainter& p) {
    DrawGrid(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    for (QRectF cell :
         {QRectF(3.5, 4.5, 4.5, 4), QRectF(9.8, 10.2, 4.5, 4), QRectF(16.2, 15.8, 4.5, 4)}) {
        p.drawRect(cell);
    }
}

void DrawForm(QPainter& p) {
    Outline(p);
    p.drawRoundedRect(QRectF(4.5, 4, 15, 18), 1.5, 1.5);
    Outline(p, kWarm);
    p.drawRoundedRect(QRectF(8.5, 2, 7, 4), 1, 1);
    p.setPen(QPen(kAccent, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double y : {10.0, 14.0, 18.0}) {
        p.drawRect(QRectF(7.5, y - 1, 2, 2));
        p.drawLine(QPointF(11.5, y), QPointF(16.5, y));
    }
}

void DrawPlates(QPainter& p) {
    Outline(p, kWarm);
    p.drawRoundedRect(QRectF(1.5, 7, 21, 10), 2, 2);
    p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double x : {5.0, 7.5, 11.0, 13.5, 17.0, 19.5}) {
        p.drawLine(QPointF(x, 10), QPointF(x, 14));
    }
}

void DrawInputReport(QPainter& p) {
    Sheet(p);
    TextLines(p, 10, 4);
}

void DrawAnalysisPerPlace(QPainter& p) {
    Outline(p);
    p.drawRect(QRectF(2.5, 2.5, 19, 19));
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(kAccent);
    p.drawRect(QRectF(5.5, 12, 3.5, 7));
    p.setBrush(kWarm);
    p.drawRect(QRectF(10.25, 6, 3.5, 13));
    p.setBrush(kAccent);
    p.drawRect(QRectF(15, 9, 3.5, 10));
}

void DrawAnalysisPerInterval(QPainter& p) {
    Outline(p);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(12, 6));
    p.setPen(QPen(kWarm.darker(120), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(16.5, 14.5));
}

void DrawWindowAndArrow(QPainter& p, bool forward) {
    Outline(p);
    p.drawRect(QRectF(3.5, 4.5, 17, 15));
    p.setBrush(kOutline.lighter(260));
    p.drawRect(QRectF(3.5, 4.5, 17, 3.5));
    const QPointF left(7.5, 14), right(16.5, 14);
    Arrow(p, forward ? left : right, forward ? right : left, kAccent);
}

void DrawPrevious(QPainter& p) {
    DrawWindowAndArrow(p, false);
}
void DrawNext(QPainter& p) {
    DrawWindowAndArrow(p, true);
}

void DrawHelp(QPainter& p) {
    Outline(p, kAccent);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(QPen(kPaper, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath mark;
    mark.moveTo(9, 9.5);
    mark.arcTo(QRectF(9, 6, 6, 6), 180, -250);
    mark.lineTo(12, 14);
    p.drawPath(mark);
    p.drawPoint(QPointF(12, 17.5));
}

void DrawLinks(QPainter& p) {
    Outline(p, kAccent.lighter(150));
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 4, 9.5);
    p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
    p.drawLine(QPointF(4, 7), QPointF(20, 7));
    p.drawLine(QPointF(4, 17), QPointF(20, 17));
}

const std::map<std::string_view, Drawing>& Drawings() {
    static const std::map<std::string_view, Drawing> drawings = {
        {"Nieuw1", DrawNew},
        {"Openen1", DrawOpen},
        {"Opslaan1", DrawSave},
        {"Exporteren1", DrawExport},
        {"Afdrukken1", DrawPrint},
        {"Periode1", DrawGeneral},
        {"Route1", DrawRoutes},
        {"Sectie1", DrawSections},
        {"Parkeerplaats1", DrawPlaces},
        {"PPEgenereren1", DrawGenerate},
        {"Waarnemingsformuliergenereren1", DrawForm},
        {"Kentekens1", DrawPlates},
        {"Invoergegevens1", DrawInputReport},
        {"Parkeerduurmeting1", DrawAnalysisPerPlace},
        {"Parkeerduurmetingnaarinterval1", DrawAnalysisPerInterval},
        {"Vorige1", DrawPrevious},
        {"Volgende1", DrawNext},
        {"Inhoud1", DrawHelp},
        {"ntOpInternet1", DrawLinks},
    };
    return drawings;
}

QPixmap Render(Drawing drawing, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    drawing(painter);
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QSvgRenderer drawing(QStringLiteral(":/tavoric.svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ToolIcon(std::string_view commandName) {
    const auto it = Drawings().find(commandName);
    if (it == Drawings().end()) {
        return {};
    }
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(Render(it->second, size));
    }
    return icon;
}

}  // namespace tavoric
