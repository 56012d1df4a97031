// SPDX-License-Identifier: GPL-3.0-or-later
// A window's command that runs out of memory: a notice, and the program goes on.
#include <QEvent>
#include <QtTest>
#include <new>

#include "desktop/desktop_application.h"

namespace tavoric {

namespace {

// An object whose every event needs more memory than there is.
class Greedy : public QObject {
public:
    bool event(QEvent*) override { throw std::bad_alloc(); }
};

}  // namespace

class DesktopApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void runningOutOfMemoryGivesANoticeAndTheProgramGoesOn() {
        auto* application = static_cast<DesktopApplication*>(QCoreApplication::instance());
        int notices = 0;
        application->SetOutOfMemoryNotice([&notices] { ++notices; });
        Greedy greedy;
        QEvent event(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&greedy, &event));
        QCOMPARE(notices, 1);

        QObject ordinary;
        QEvent again(QEvent::User);
        QCoreApplication::sendEvent(&ordinary, &again);
        QCOMPARE(notices, 1);
        application->SetOutOfMemoryNotice({});
    }
};

}  // namespace tavoric

int main(int argc, char** argv) {
    tavoric::DesktopApplication application(argc, argv);
    tavoric::DesktopApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_application_test.moc"
