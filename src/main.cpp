// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopsetup.h"
#include "platform/endrequests.h"
#include "screens/launch.h"
#include "screens/main/form1.h"
#include "screens/navigator.h"

#include <QApplication>
#include <QEvent>

namespace {

// Test-only: the benchmark's start-up measurement sets TOLMISHIKI_EXIT_AFTER_FIRST_PAINT, and the
// program then leaves its event loop once the main screen has been painted for the first time.
// QCoreApplication::exit() closes no window, so the exit save does not run and the data files
// stay untouched. Without the variable nothing of this exists.
class ExitAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    prepareQtEnvironment();
    if (!desktopDisplayReachable())
        return 1;
    QApplication application(argc, argv);
    prepareQtApplication();
    onEndRequest(endOnRequest);
    startProgram();
    if (qEnvironmentVariableIsSet("TOLMISHIKI_EXIT_AFTER_FIRST_PAINT") && form1Loaded())
        form1().installEventFilter(new ExitAfterFirstPaint(&form1()));
    return application.exec();
}
