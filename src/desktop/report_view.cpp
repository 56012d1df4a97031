// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/report_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "core/report_settings.h"
#include "desktop/qt_text.h"

namespace tavoric {

namespace {

constexpr int kMargin = 4;
constexpr int kAdvanceSample = 256;  // characters measured at once, so no rounding adds up

}  // namespace

ReportView::ReportView(const std::vector<std::string>& lines, QWidget* parent)
    : QAbstractScrollArea(parent), lines_(lines) {
    setObjectName(QStringLiteral("SynEdit1"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    setFont(fixed);
    MeasureAdvance();
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    LinesChanged();
}

void ReportView::LinesChanged() {
    if (lines_.size() < measuredLines_) {
        measuredLines_ = 0;
        longestLine_ = 0;
    }
    for (std::size_t i = measuredLines_; i < lines_.size(); ++i) {
        longestLine_ = std::max(longestLine_, static_cast<int>(lines_[i].size()));
    }
    measuredLines_ = lines_.size();
    const TextPosition end{std::max(0, LineCount() - 1), 0};
    anchor_ = std::min(anchor_, end);
    cursor_ = std::min(cursor_, end);
    UpdateScrollRanges();
    viewport()->update();
}

void ReportView::SetPointSize(int points) {
    QFont sized = font();
    sized.setPointSize(std::clamp(points, kMinimumReportTextSize, kMaximumReportTextSize));
    setFont(sized);
}

void ReportView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        MeasureAdvance();
        UpdateScrollRanges();
        viewport()->update();
    }
    QAbstractScrollArea::changeEvent(event);
}

void ReportView::MeasureAdvance() {
    const QFontMetricsF metrics(font());
    advance_ = std::max(
        0.5, metrics.horizontalAdvance(QString(kAdvanceSample, QLatin1Char('M'))) / kAdvanceSample);
}

int ReportView::LineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

int ReportView::LineLength(int line) const {
    return line >= 0 && line < LineCount()
               ? static_cast<int>(lines_[static_cast<std::size_t>(line)].size())
               : 0;
}

void ReportView::UpdateScrollRanges() {
    const int visibleLines = std::max(1, viewport()->height() / LineHeight());
    verticalScrollBar()->setRange(0, std::max(0, LineCount() - visibleLines));
    verticalScrollBar()->setPageStep(visibleLines);
    verticalScrollBar()->setSingleStep(1);
    const int textWidth = static_cast<int>(std::ceil(longestLine_ * advance_)) + 2 * kMargin;
    horizontalScrollBar()->setRange(0, std::max(0, textWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(static_cast<int>(std::ceil(advance_)));
}

void ReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void ReportView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    const int lineHeight = LineHeight();
    const int ascent = fontMetrics().ascent();
    const int left = kMargin - horizontalScrollBar()->value();
    const int first = verticalScrollBar()->value();
    const int last = std::min(LineCount(), first + viewport()->height() / lineHeight + 2);
    const TextPosition from = std::min(anchor_, cursor_);
    const TextPosition to = std::max(anchor_, cursor_);
    const QPalette& colours = palette();

    for (int line = first; line < last; ++line) {
        const int y = (line - first) * lineHeight;
        const QString text = ToQString(lines_[static_cast<std::size_t>(line)]);
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(left, y + ascent, text);
        if (line < from.line || line > to.line || from == to) {
            continue;
        }
        const int startColumn = line == from.line ? from.column : 0;
        // A selection that runs on past a line's end takes one extra cell to show it.
        const int endColumn = line == to.line ? to.column : LineLength(line) + 1;
        if (endColumn <= startColumn) {
            continue;
        }
        const QRectF cells(left + startColumn * advance_, y, (endColumn - startColumn) * advance_,
                           lineHeight);
        painter.fillRect(cells, colours.brush(QPalette::Highlight));
        // The same glyphs at the same places, in the highlight's colour within its cells.
        painter.save();
        painter.setClipRect(cells);
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(left, y + ascent, text);
        painter.restore();
    }
}

TextPosition ReportView::PositionAt(QPoint point) const {
    const int line = std::clamp(verticalScrollBar()->value() + point.y() / LineHeight(), 0,
                                std::max(0, LineCount() - 1));
    const int x = point.x() - kMargin + horizontalScrollBar()->value();
    const int column =
        std::clamp(static_cast<int>(std::floor(x / advance_ + 0.5)), 0, LineLength(line));
    return {line, column};
}

void ReportView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    cursor_ = PositionAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier)) {
        anchor_ = cursor_;
    }
    viewport()->update();
}

void ReportView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (point.y() < 0) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    } else if (point.y() > viewport()->height()) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    cursor_ = PositionAt(point);
    viewport()->update();
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::MoveToStartOfDocument)) {
        verticalScrollBar()->setValue(0);
    } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    } else if (event->key() == Qt::Key_Home) {
        horizontalScrollBar()->setValue(0);
    } else if (event->key() == Qt::Key_End) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void ReportView::SelectAll() {
    anchor_ = {0, 0};
    cursor_ = {std::max(0, LineCount() - 1), LineLength(LineCount() - 1)};
    viewport()->update();
}

QString ReportView::SelectedText() const {
    const TextPosition from = std::min(anchor_, cursor_);
    const TextPosition to = std::max(anchor_, cursor_);
    if (from == to) {
        return {};
    }
    std::string selected;
    for (int line = from.line; line <= to.line; ++line) {
        const std::string& text = lines_[static_cast<std::size_t>(line)];
        const std::size_t start = line == from.line ? static_cast<std::size_t>(from.column) : 0;
        const std::size_t end = line == to.line ? static_cast<std::size_t>(to.column) : text.size();
        if (start < text.size()) {
            selected.append(text, start, std::min(end, text.size()) - start);
        }
        if (line < to.line) {
            selected += '\n';
        }
    }
    return ToQString(selected);
}

void ReportView::CopySelection() const {
    if (HasSelection()) {
        QApplication::clipboard()->setText(SelectedText());
    }
}

}  // namespace tavoric
