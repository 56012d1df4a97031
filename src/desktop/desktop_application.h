// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's application object: a command that runs out of memory ends with a
// notice instead of ending the program, so that the open project and unsaved typing survive.
#pragma once

#include <QApplication>
#include <functional>

namespace tavoric {

class DesktopApplication : public QApplication {
public:
    DesktopApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    // What to do after an event's handler ran out of memory: tell the user.
    void SetOutOfMemoryNotice(std::function<void()> notice) {
        outOfMemoryNotice_ = std::move(notice);
    }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<void()> outOfMemoryNotice_;
};

}  // namespace tavoric
