// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/print_preview_form.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/icons.h"
#include "desktop/qt_text.h"
#include "reports/ui/print_job.h"

namespace tavoric {

namespace {

constexpr int kPageMargin = 12;  // grey around the page, in screen pixels
constexpr int kShadow = 3;

}  // namespace

// The shown page: white paper with a shadow, drawn at the preview's scale.
class PreviewPage : public QWidget {
public:
    PreviewPage(std::function<void(Qt::MouseButton)> clicked, QWidget* parent)
        : QWidget(parent), clicked_(std::move(clicked)) {
        setObjectName(QStringLiteral("PrintPreview1"));
        setCursor(Qt::PointingHandCursor);
    }

    void Show(const PrintJobPages* pages, int pageIndex, double pixelsPerUnit) {
        pages_ = pages;
        pageIndex_ = pageIndex;
        pixelsPerUnit_ = pixelsPerUnit;
        const QSizeF paper = pages ? pages->PaperSize() * pixelsPerUnit : QSizeF();
        resize(static_cast<int>(paper.width()) + 2 * kPageMargin,
               static_cast<int>(paper.height()) + 2 * kPageMargin);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (!pages_) {
            return;
        }
        const QSizeF paper = pages_->PaperSize() * pixelsPerUnit_;
        const QRectF sheet(kPageMargin, kPageMargin, paper.width(), paper.height());
        painter.fillRect(sheet.translated(kShadow, kShadow), QColor(60, 60, 60));
        painter.fillRect(sheet, Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setClipRect(sheet);
        painter.translate(sheet.topLeft());
        painter.scale(pixelsPerUnit_, pixelsPerUnit_);
        pages_->DrawPage(painter, pageIndex_);
    }

    void mousePressEvent(QMouseEvent* event) override { clicked_(event->button()); }

private:
    std::function<void(Qt::MouseButton)> clicked_;
    const PrintJobPages* pages_ = nullptr;
    int pageIndex_ = 0;
    double pixelsPerUnit_ = 1;
};

TPrintPreviewForm::TPrintPreviewForm(QWidget* parent)
    : QDialog(parent),
      scrollArea_(new QScrollArea(this)),
      page_(new PreviewPage([this](Qt::MouseButton button) { PageClicked(button); }, this)),
      zoomPanel_(new QLabel(this)),
      pagePanel_(new QLabel(this)) {
    setObjectName(QStringLiteral("PrintPreviewForm"));
    setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));
    setModal(true);
    setSizeGripEnabled(true);
    resize(760, 860);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    CreateToolBar(toolBar);

    scrollArea_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollArea_->setWidget(page_);
    scrollArea_->setAlignment(Qt::AlignCenter);
    scrollArea_->setBackgroundRole(QPalette::Dark);
    scrollArea_->viewport()->installEventFilter(this);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    zoomPanel_->setObjectName(QStringLiteral("StatusPanel1"));
    zoomPanel_->setFixedWidth(400);
    pagePanel_->setObjectName(QStringLiteral("StatusPanel2"));
    pagePanel_->setMinimumWidth(100);  // widens for "Pagina 483 van 483" in any language
    statusBar->addWidget(zoomPanel_);
    statusBar->addWidget(pagePanel_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(scrollArea_, 1);
    layout->addWidget(statusBar);
}

TPrintPreviewForm::~TPrintPreviewForm() = default;

void TPrintPreviewForm::CreateToolBar(QToolBar* toolBar) {
    const auto add = [this, toolBar](const char* name, const char* icon, const char* hint,
                                     QKeySequence key, auto handler) {
        auto* action =
            new QAction(NamedIcon(QString::fromLatin1(icon)), QString::fromUtf8(hint), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(QString::fromUtf8(hint));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        toolBar->addAction(action);
        addAction(action);
        return action;
    };
    add("ToolButton1", "go-first", "Eerste pagina", QKeySequence(Qt::Key_Home),
        [this] { ShowPage(0); });
    add("ToolButton2", "go-previous", "Vorige", QKeySequence(Qt::Key_PageUp),
        [this] { ShowPage(pageIndex_ - 1); });
    add("ToolButton3", "go-next", "Volgende", QKeySequence(Qt::Key_PageDown),
        [this] { ShowPage(pageIndex_ + 1); });
    add("ToolButton4", "go-last", "Laatste pagina", QKeySequence(Qt::Key_End),
        [this] { ShowPage(PageCount() - 1); });
    toolBar->addSeparator();
    QAction* zoom = add("ToolButton5", "zoom-fit-best", "Zoom", QKeySequence(), [this] {
        zoom_.ShowWholePage();
        ZoomChanged();
    });
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    // The zoom keys work with the menu closed: its items are the window's commands too.
    const auto entry = [this, menu](const char* name, const char* caption, auto handler,
                                    QList<QKeySequence> keys = {}) {
        QAction* item = menu->addAction(QString::fromUtf8(caption));
        item->setObjectName(QString::fromLatin1(name));
        item->setShortcuts(keys);
        addAction(item);
        connect(item, &QAction::triggered, this, [this, handler] {
            handler();
            ZoomChanged();
        });
    };
    // Zooming in and out by key goes as a left and a right click on the page do.
    entry("Inzoomen1", "Inzoomen", [this] { zoom_.LeftClick(); },
          {QKeySequence(QKeySequence::ZoomIn), QKeySequence(QStringLiteral("Ctrl+="))});
    entry("Uitzoomen1", "Uitzoomen", [this] { zoom_.OtherClick(); },
          {QKeySequence(QKeySequence::ZoomOut)});
    menu->addSeparator();
    entry("Volledigepagina1", "Volledige pagina", [this] { zoom_.ShowWholePage(); });
    entry("Paginabreedte1", "Paginabreedte", [this] { zoom_.ShowPageWidth(); });
    for (int percentage : {25, 50, 100, 200, 400}) {
        const std::string caption = std::to_string(percentage) + "%";
        const QList<QKeySequence> keys = {QKeySequence(QStringLiteral("Ctrl+0"))};
        entry(("N" + std::to_string(percentage) + "1").c_str(), caption.c_str(),
              [this, percentage] { zoom_.SetPercentage(percentage); },
              percentage == 100 ? keys : QList<QKeySequence>());
    }
    zoom->setMenu(menu);
    if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(zoom))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    toolBar->addSeparator();
    add("ToolButton6", "window-close", "Sluiten", QKeySequence(Qt::Key_Escape),
        [this] { reject(); });
}

void TPrintPreviewForm::SetJob(const PrintJob& job, QSizeF paperMm, int resolution) {
    pages_ = std::make_unique<PrintJobPages>(job, paperMm, resolution);
    zoom_.ShowWholePage();
    pageIndex_ = 0;
    ZoomChanged();
}

void TPrintPreviewForm::ShowJob(const PrintJob& job, QSizeF paperMm, int resolution) {
    SetJob(job, paperMm, resolution);
    exec();
    pages_.reset();
    page_->Show(nullptr, 0, 1);
}

int TPrintPreviewForm::PageCount() const {
    return pages_ ? pages_->PageCount() : 0;
}

void TPrintPreviewForm::ShowPage(int pageIndex) {
    pageIndex_ = std::clamp(pageIndex, 0, std::max(0, PageCount() - 1));
    page_->Show(pages_.get(), pageIndex_, PixelsPerUnit());
    pagePanel_->setText(QStringLiteral(" ") + ToQString(FormatText(MessageText("AA00004"),
                                                                   {std::to_string(pageIndex_ + 1),
                                                                    std::to_string(PageCount())})));
}

void TPrintPreviewForm::PageClicked(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        zoom_.LeftClick();
    } else {
        zoom_.OtherClick();
    }
    ZoomChanged();
}

void TPrintPreviewForm::ZoomChanged() {
    switch (zoom_.Mode()) {
        case ZoomMode::WholePage:
            zoomPanel_->setText(QLatin1Char(' ') + ToQString(MessageText("AA00351")));
            break;
        case ZoomMode::PageWidth:
            zoomPanel_->setText(QLatin1Char(' ') + ToQString(MessageText("AA00352")));
            break;
        case ZoomMode::Percentage:
            zoomPanel_->setText(QStringLiteral(" %1%").arg(zoom_.Percentage()));
            break;
    }
    // Fitted pages need no sideways scrolling; the page width keeps room for its scroll bar.
    const ZoomMode mode = zoom_.Mode();
    scrollArea_->setVerticalScrollBarPolicy(mode == ZoomMode::WholePage   ? Qt::ScrollBarAlwaysOff
                                            : mode == ZoomMode::PageWidth ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAsNeeded);
    scrollArea_->setHorizontalScrollBarPolicy(
        mode == ZoomMode::Percentage ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    ShowPage(pageIndex_);
}

// Opens within the screen it appears on, whatever size it had or was given.
void TPrintPreviewForm::showEvent(QShowEvent* event) {
    if (const QScreen* shown = screen()) {
        const QRect available = shown->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        resize(size().boundedTo(available.size() - frame));
        const QSize outer = size() + frame;
        const auto within = [](int at, int start, int room, int length) {
            return std::clamp(at, start, std::max(start, start + room - length));
        };
        move(within(x(), available.left(), available.width(), outer.width()),
             within(y(), available.top(), available.height(), outer.height()));
    }
    QDialog::showEvent(event);
}

// A fitted page follows the size of the view.
bool TPrintPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && zoom_.Mode() != ZoomMode::Percentage) {
        ShowPage(pageIndex_);
    }
    return QDialog::eventFilter(watched, event);
}

// Screen pixels per device unit of the laid-out pages.
double TPrintPreviewForm::PixelsPerUnit() const {
    if (!pages_) {
        return 1;
    }
    const double screenPerUnit = logicalDpiX() / static_cast<double>(pages_->Resolution());
    const QSizeF realSize = pages_->PaperSize() * screenPerUnit;
    const QSize view = scrollArea_->viewport()->size() - QSize(2 * kPageMargin, 2 * kPageMargin);
    return screenPerUnit *
           zoom_.Scale(realSize.width(), realSize.height(), view.width(), view.height());
}

}  // namespace tavoric
