// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/icons.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

// The built-in drawings live in a static library; this makes sure they are linked in.
static void LoadIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace tavoric {

namespace {

QColor TextColour(QIcon::Mode mode) {
    const QPalette palette = QGuiApplication::palette();
    switch (mode) {
        case QIcon::Disabled:
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        case QIcon::Selected:
            return palette.color(QPalette::Active, QPalette::HighlightedText);
        default:
            return palette.color(QPalette::Active, QPalette::WindowText);
    }
}

// Draws an SVG whose strokes and fills say "currentColor" in the palette's text colour of the
// moment, so the icon follows a change of palette.
class SymbolicIconEngine : public QIconEngine {
public:
    explicit SymbolicIconEngine(QByteArray svg) : svg_(std::move(svg)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        QByteArray coloured = svg_;
        coloured.replace("currentColor", TextColour(mode).name().toLatin1());
        QSvgRenderer(coloured).render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SymbolicIconEngine(svg_); }

private:
    QByteArray svg_;
};

QIcon BuiltInIcon(const QString& name) {
    LoadIconResources();
    QFile file(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QIcon(new SymbolicIconEngine(file.readAll()));
}

}  // namespace

QIcon NamedIcon(const QString& name) {
    if (name.isEmpty()) {
        return {};
    }
    return QIcon::fromTheme(name, BuiltInIcon(name));
}

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

}  // namespace tavoric
