// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the program's own main.cpp for the start-up case: the program then leaves its event
// loop once the main screen has been painted for the first time. QCoreApplication::exit() closes
// no window, so the exit save does not run and the data files stay untouched.

#include <QCoreApplication>
#include <QEvent>

namespace {

class ExitAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1StringView("Form1"))
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

// Runs when the application object is made, before start-up opens the first window.
void exitAfterFirstPaint()
{
    qApp->installEventFilter(new ExitAfterFirstPaint(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(exitAfterFirstPaint)
