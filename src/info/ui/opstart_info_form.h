// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up window: product, version and the organisation the program is set up for. It
// shows by itself for a moment while the program starts, and modally again as "&Info".
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "desktop/desktop_shell.h"

class QLabel;
class QPushButton;
class QTimer;

namespace tavoric {

class TOpstartInfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStartUpDisplayMs = 1800;

    // ownerName gives the organisation's name at every showing.
    TOpstartInfoForm(DesktopShell& shell, std::function<std::string()> ownerName,
                     QWidget* parent = nullptr);

    // Shows without blocking; hides itself after the display time.
    void ShowAtStartUp(int displayMs = kStartUpDisplayMs);
    // "&Info": modal, closed by any key or "&Sluiten".
    void ShowInfo();
    // The build notice of a double click on the product name.
    void ShowBuild();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillLabels();
    void Timer1Timer();

    DesktopShell& shell_;
    std::function<std::string()> ownerName_;
    QLabel* productLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* secondProductLabel_ = nullptr;
    QLabel* ownerLabel_ = nullptr;
    QPushButton* button1_ = nullptr;
    QTimer* timer1_ = nullptr;
};

// A label that shows a web address as a link and opens it with the desktop's browser; without a
// browser a notice names the address, so the user can type it elsewhere.
QLabel* WebAddressLabel(const char* name, DesktopShell& shell, QWidget* parent);

}  // namespace tavoric
