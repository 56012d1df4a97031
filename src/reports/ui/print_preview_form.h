// SPDX-License-Identifier: GPL-3.0-or-later
// "Afdrukvoorbeeld": the pages of the print job as the printer will give them, page by page, at
// the whole page, the page width or a percentage of the real size.
#pragma once

#include <QDialog>
#include <QSizeF>
#include <memory>

#include "reports/preview_zoom.h"

class QLabel;
class QScrollArea;
class QToolBar;

namespace tavoric {

struct PrintJob;
class PrintJobPages;
class PreviewPage;

class TPrintPreviewForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintPreviewForm(QWidget* parent);
    ~TPrintPreviewForm() override;

    // Lays the job out for the paper and resolution of the printer and shows it modally, page 1
    // as a whole page. The job must outlive the call.
    void ShowJob(const PrintJob& job, QSizeF paperMm, int resolution);
    // The same without waiting, for a caller that shows the window itself.
    void SetJob(const PrintJob& job, QSizeF paperMm, int resolution);

    int PageIndex() const { return pageIndex_; }
    int PageCount() const;
    const PreviewZoom& Zoom() const { return zoom_; }

    void ShowPage(int pageIndex);
    // A mouse click on the page with this button.
    void PageClicked(Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateToolBar(QToolBar* toolBar);
    void ZoomChanged();
    double PixelsPerUnit() const;

    PreviewZoom zoom_;
    std::unique_ptr<PrintJobPages> pages_;
    int pageIndex_ = 0;
    QScrollArea* scrollArea_;
    PreviewPage* page_;
    QLabel* zoomPanel_;
    QLabel* pagePanel_;
};

}  // namespace tavoric
