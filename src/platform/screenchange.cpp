// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenchange.h"

#include "twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QVariant>
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

// The property that keeps, on a replaced screen, the place in twips where its frame stood.
constexpr char placeWhenReplaced[] = "placeWhenReplaced";

} // namespace

void showInPlaceOf(QWidget *next, QWidget *current)
{
    const QPoint place(windowLeftInTwips(current), windowTopInTwips(current));
    current->setProperty(placeWhenReplaced, place);
    moveWindowToTwips(next, place.y(), place.x());
    showAsReplacement(next);
}

void showWhereItStood(QWidget *screen)
{
    const QVariant place = screen->property(placeWhenReplaced);
    if (place.isValid())
        moveWindowToTwips(screen, place.toPoint().y(), place.toPoint().x());
    showAsReplacement(screen);
}

void showAsReplacement(QWidget *next)
{
    strayClickGuard().guard(next);
    next->show();
}
