// SPDX-License-Identifier: GPL-3.0-or-later
// Puts every window back where the user left it. One filter on the application watches all
// windows: a window's saved place is applied when it is first shown in a run, before it
// appears, and the places of all windows shown are recorded at exit. No window needs code of
// its own for this. Every window is also kept within the screen as it appears (screen_fit.h).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "core/window_positions.h"

class QWidget;

namespace tavoric {

class WindowPositionKeeper : public QObject {
    Q_OBJECT
public:
    // Watches the application's windows from now on; the entries read from the settings file
    // are taken from positions as windows appear and recorded back into it.
    explicit WindowPositionKeeper(FormPositions& positions, QObject* parent = nullptr);
    ~WindowPositionKeeper() override;

    // Records every window shown in this run, in the order they first appeared.
    void RecordWindowPositions();

    // Top-level windows take part when they carry an object name. Transient windows such as the
    // message dialog are exempted with this.
    static void Exempt(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct KeptWindow {
        QString name;
        QPointer<QWidget> window;
        WindowPlacement last;
    };

    KeptWindow* FindByName(const QString& name);
    void WindowShown(QWidget* window);
    void WindowHidden(QWidget* window);

    FormPositions& positions_;
    std::vector<KeptWindow> kept_;
};

}  // namespace tavoric
