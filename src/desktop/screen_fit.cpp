// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/screen_fit.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

#include "core/screen_rect.h"

namespace tavoric {

namespace {

constexpr const char* kScrolledProperty = "ntContentScrolls";

ScreenRect ToScreenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

bool HoldsButtons(QLayoutItem* item) {
    if (QWidget* widget = item->widget()) {
        return qobject_cast<QDialogButtonBox*>(widget) || qobject_cast<QAbstractButton*>(widget);
    }
    QLayout* layout = item->layout();
    if (!layout) {
        return false;
    }
    for (int i = 0; i < layout->count(); ++i) {
        if (HoldsButtons(layout->itemAt(i))) {
            return true;
        }
    }
    return false;
}

// The last row of a window's layout when it holds the window's buttons (OK, Cancel, Close).
QLayoutItem* TakeButtonRow(QLayout* layout) {
    auto* box = qobject_cast<QBoxLayout*>(layout);
    if (!box || box->direction() != QBoxLayout::TopToBottom || box->count() < 2) {
        return nullptr;
    }
    QLayoutItem* last = box->itemAt(box->count() - 1);
    return HoldsButtons(last) ? box->takeAt(box->count() - 1) : nullptr;
}

// The window's controls move into a scroll area that fills the window; its button row stays
// below it, outside the scrolled part. Where the controls' width fits the room, only the height
// scrolls.
void PutControlsInScrollArea(QWidget* window, const QSize& room) {
    // The window is showing: its controls are shown already, and must be again in their new
    // place (a widget that changes parent is hidden).
    QList<QWidget*> shown;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->isHidden()) {
            shown << child;
        }
    }
    QLayout* layout = window->layout();
    const QMargins margins = layout->contentsMargins();
    QLayoutItem* buttons = TakeButtonRow(layout);
    layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    auto* controls = new QWidget;
    controls->setLayout(layout);  // takes the layout and its controls from the window
    auto* scroll = new QScrollArea(window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(controls);
    const int fullWidth = controls->minimumSizeHint().width() +
                          scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (fullWidth <= room.width()) {
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setMinimumWidth(fullWidth);
    }
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll, 1);
    if (buttons) {
        auto* row = new QVBoxLayout;
        row->setContentsMargins(margins.left(), 0, margins.right(), margins.bottom());
        row->addItem(buttons);
        outer->addLayout(row);
    }
    scroll->show();
    for (QWidget* control : shown) {
        if (control->parentWidget() == controls) {
            control->show();
        }
    }
    window->setProperty(kScrolledProperty, true);
}

}  // namespace

QRect AvailableArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect();
}

void FitToScreen(QWidget* window) {
    const QRect available = AvailableArea(window);
    if (available.isEmpty() ||
        (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        return;
    }
    const QRect frame = window->frameGeometry();
    const QSize frameExtra = frame.size() - window->size();
    const QSize room = available.size() - frameExtra;
    // A main window's layout holds its bars and central area; those shrink themselves.
    if (QLayout* layout = window->inherits("QMainWindow") ? nullptr : window->layout()) {
        layout->activate();
        const QSize needed = window->minimumSize();
        if ((needed.width() > room.width() || needed.height() > room.height()) &&
            !window->property(kScrolledProperty).toBool()) {
            PutControlsInScrollArea(window, room);
        }
    }
    window->resize(window->size().boundedTo(room));
    if (window->testAttribute(Qt::WA_Moved)) {
        const ScreenRect fitted =
            FitWithin(ToScreenRect(QRect(frame.topLeft(), window->size() + frameExtra)),
                      ToScreenRect(available));
        if (QPoint(fitted.left, fitted.top) != frame.topLeft()) {
            window->move(fitted.left, fitted.top);
        }
    }
}

}  // namespace tavoric
