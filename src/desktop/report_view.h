// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only text of a report window: fixed pitch, never wrapped, and fast for a million
// lines because it paints only the lines in view, straight from the report's own lines.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <string>
#include <vector>

namespace tavoric {

// A place in the text: line and column, both from 0.
struct TextPosition {
    int line = 0;
    int column = 0;
    auto operator<=>(const TextPosition&) const = default;
};

class ReportView : public QAbstractScrollArea {
    Q_OBJECT
public:
    ReportView(const std::vector<std::string>& lines, QWidget* parent);

    // Takes up lines added or removed since the last call.
    void LinesChanged();
    // Clamped to kMinimumReportTextSize .. kMaximumReportTextSize.
    void SetPointSize(int points);
    int PointSize() const { return font().pointSize(); }

    void SelectAll();
    bool HasSelection() const { return anchor_ != cursor_; }
    // The selected text with "\n" between lines.
    QString SelectedText() const;
    void CopySelection() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateScrollRanges();
    TextPosition PositionAt(QPoint viewportPoint) const;
    int LineCount() const { return static_cast<int>(lines_.size()); }
    int LineLength(int line) const;
    void MeasureAdvance();
    int LineHeight() const;

    const std::vector<std::string>& lines_;
    std::size_t measuredLines_ = 0;
    int longestLine_ = 0;
    // The width of one character as the text is drawn, fractions included: drawing, scrolling,
    // selection and the mouse all count columns with it.
    double advance_ = 1;
    TextPosition anchor_;
    TextPosition cursor_;
};

}  // namespace tavoric
