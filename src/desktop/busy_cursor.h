// SPDX-License-Identifier: GPL-3.0-or-later
// The hourglass while a command works on the lists; the normal cursor returns when the scope
// ends, however it ends.
#pragma once

#include <QApplication>
#include <QCursor>

namespace tavoric {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace tavoric
