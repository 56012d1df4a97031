// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/window_position_keeper.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include "desktop/screen_fit.h"

namespace tavoric {

namespace {

constexpr const char* kExemptProperty = "keepsNoSavedPosition";
constexpr Qt::WindowStates kNotNormal =
    Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;

bool IsWindowOrDialog(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

bool TakesPart(const QWidget* widget) {
    return IsWindowOrDialog(widget) && !widget->objectName().isEmpty() &&
           !widget->property(kExemptProperty).toBool();
}

bool UserCanResize(const QWidget* window) {
    const QLayout* layout = window->layout();
    return window->minimumSize() != window->maximumSize() &&
           !window->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint) &&
           !(layout != nullptr && layout->sizeConstraint() == QLayout::SetFixedSize);
}

ScreenLayout CurrentScreenLayout() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QSize desktop = primary != nullptr ? primary->virtualSize() : QSize();
    return {static_cast<int>(QGuiApplication::screens().size()), desktop.width(), desktop.height()};
}

// Where the window stands; for a maximised window, where it returns to.
WindowPlacement PlacementOf(const QWidget* window) {
    QRect rect(window->pos(), window->size());
    if ((window->windowState() & kNotNormal) && window->normalGeometry().isValid()) {
        rect = window->normalGeometry();
    }
    return {window->isMaximized(), rect.x(), rect.y(), rect.width(), rect.height()};
}

void Apply(QWidget* window, const PlacementToApply& action) {
    if (action.maximize) {
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
        return;
    }
    if (action.normalize) {
        window->setWindowState(window->windowState() & ~kNotNormal);
    }
    if (action.width && action.height) {
        window->resize(*action.width, *action.height);
    }
    if (action.left && action.top) {
        window->move(*action.left, *action.top);
    }
}

}  // namespace

WindowPositionKeeper::WindowPositionKeeper(FormPositions& positions, QObject* parent)
    : QObject(parent), positions_(positions) {
    qApp->installEventFilter(this);
}

WindowPositionKeeper::~WindowPositionKeeper() {
    qApp->removeEventFilter(this);
}

void WindowPositionKeeper::Exempt(QWidget* window) {
    window->setProperty(kExemptProperty, true);
}

bool WindowPositionKeeper::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (TakesPart(widget)) {
            type == QEvent::Show ? WindowShown(widget) : WindowHidden(widget);
        }
        if (type == QEvent::Show && IsWindowOrDialog(widget)) {
            FitToScreen(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

WindowPositionKeeper::KeptWindow* WindowPositionKeeper::FindByName(const QString& name) {
    for (KeptWindow& kept : kept_) {
        if (kept.name == name) {
            return &kept;
        }
    }
    return nullptr;
}

// The show event comes before the window appears, so a saved place causes no jump. A window
// made anew under a name already shown in this run returns to where its predecessor was left.
void WindowPositionKeeper::WindowShown(QWidget* window) {
    const QString name = window->objectName();
    KeptWindow* kept = FindByName(name);
    if (kept != nullptr && kept->window == window) {
        return;
    }
    std::optional<WindowPlacement> saved = positions_.Take(name.toStdString());
    if (!saved && kept != nullptr) {
        saved = kept->last;
    }
    if (saved) {
        Apply(window, DecideRestore(*saved, CurrentScreenLayout(), UserCanResize(window)));
    }
    if (kept == nullptr) {
        kept_.push_back({name, window, PlacementOf(window)});
    } else {
        kept->window = window;
        kept->last = PlacementOf(window);
    }
}

void WindowPositionKeeper::WindowHidden(QWidget* window) {
    KeptWindow* kept = FindByName(window->objectName());
    if (kept != nullptr && kept->window == window) {
        kept->last = PlacementOf(window);
    }
}

void WindowPositionKeeper::RecordWindowPositions() {
    for (KeptWindow& kept : kept_) {
        if (kept.window) {
            kept.last = PlacementOf(kept.window);
        }
        positions_.Record(kept.name.toStdString(), kept.last);
    }
}

}  // namespace tavoric
