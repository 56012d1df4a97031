// SPDX-License-Identifier: GPL-3.0-or-later
// The links window: where the newest version of the program is announced.
#pragma once

#include <QDialog>

class QLabel;

namespace tavoric {

class DesktopShell;

class TOpInternetForm : public QDialog {
    Q_OBJECT
public:
    TOpInternetForm(DesktopShell& shell, QWidget* parent);

    // Sets the heading and caption and shows the window modally.
    void Execute();

private:
    QLabel* label1_ = nullptr;
};

}  // namespace tavoric
