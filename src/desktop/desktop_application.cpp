// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_application.h"

#include <new>

namespace tavoric {

bool DesktopApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        // The command's big allocation failed and its memory is free again: the notice fits.
        if (outOfMemoryNotice_) {
            outOfMemoryNotice_();
        }
        return false;
    }
}

}  // namespace tavoric
