// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenchange.h"

#include "twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

// Drops the mouse clicks that reach the newest replacement screen within the double-click
// interval of its showing. One filter on the application sees the clicks of every control.
class StrayClickGuard : public QObject
{
public:
    void guard(QWidget *window)
    {
        guarded = window;
        shown.start();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            break;
        default:
            return false;
        }
        if (!guarded || shown.elapsed() >= QApplication::doubleClickInterval())
            return false;
        const auto *widget = qobject_cast<QWidget *>(watched);
        return widget && widget->window() == guarded;
    }

private:
    QPointer<QWidget> guarded;
    QElapsedTimer shown;
};

StrayClickGuard &strayClickGuard()
{
    static auto *guard = [] {
        auto *created = new StrayClickGuard;
        created->setParent(qApp);
        qApp->installEventFilter(created);
        return created;
    }();
    return *guard;
}

} // namespace

void showInPlaceOf(QWidget *next, const QWidget *current)
{
    moveWindowToTwips(next, windowTopInTwips(current), windowLeftInTwips(current));
    showAsReplacement(next);
}

void showAsReplacement(QWidget *next)
{
    strayClickGuard().guard(next);
    next->show();
}
