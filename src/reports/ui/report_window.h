// SPDX-License-Identifier: GPL-3.0-or-later
// A report window: a child window of the main window showing one report document. It never
// reads the survey; it shows what its producer wrote.
#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <optional>

#include "charts/analysis_workbook.h"
#include "reports/report_document.h"

class QAction;
class QMenu;

namespace tavoric {

class ReportView;

// The main window's items whose captions the context menu repeats and whose commands it runs.
struct ReportMenuActions {
    QAction* selectAll = nullptr;
    QAction* copy = nullptr;
    QAction* exportReport = nullptr;
    QAction* print = nullptr;
};

class TKindForm : public QMdiSubWindow {
    Q_OBJECT
public:
    TKindForm(int number, const ReportSettings& settings, const ReportMenuActions& actions,
              std::function<void()> closing);

    ReportDocument& Document() { return document_; }
    const ReportDocument& Document() const { return document_; }
    ReportView& View() { return *view_; }

    // A producer hides the text while it writes many lines and shows it again when done.
    void BeginWriting();
    void EndWriting();

    // What an analysis report was made of: its selection, so that its PDF can carry the charts
    // of the same selection, and its clean tables for the exports; nothing for other reports.
    void SetAnalysis(AnalysisExports analysis);
    const std::optional<AnalysisExports>& Analysis() const { return analysis_; }

    void SelectAll();
    void CopySelection();
    int FontSize() const;
    void SetFontSize(int points);

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QAction* ContextItem(const char* name, QAction* mainItem);

    ReportDocument document_;
    std::optional<AnalysisExports> analysis_;
    ReportView* view_;
    QMenu* popupMenu_;
    std::function<void()> closing_;
};

}  // namespace tavoric
