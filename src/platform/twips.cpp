// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QWidget>
#include <QWindow>

void placeInTwips(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(rectFromTwips(left, top, width, height));
}

void setClientSizeInTwips(QWidget *window, int width, int height)
{
    window->setFixedSize(pixelsFromTwips(width), pixelsFromTwips(height));
    // A window of fixed size offers no maximise button: it could do nothing. A window that chose
    // its buttons itself keeps them.
    Qt::WindowFlags flags = window->windowFlags();
    if (!flags.testFlag(Qt::CustomizeWindowHint))
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    window->setWindowFlags(flags & ~Qt::WindowMaximizeButtonHint);
}

namespace {

// The frame's top-left in pixels. A window that has a native window is asked through it: the
// native window follows every configure notification of the window manager and knows the frame's
// extents (_NET_FRAME_EXTENTS). The widget's own record passes over a notification that repeats the
// place the window reported when it was last shown, as when a screen comes back where it stood
// before, and then still holds the frame's place as the client area's.
QPoint framePosition(const QWidget *window)
{
    if (const QWindow *native = window->windowHandle())
        return native->framePosition();
    return window->pos();
}

} // namespace

int windowTopInTwips(const QWidget *window)
{
    return framePosition(window).y() * TwipsPerPixel;
}

int windowLeftInTwips(const QWidget *window)
{
    return framePosition(window).x() * TwipsPerPixel;
}

// A window that has not been shown yet is created at its frame position (north-west gravity). A
// window that is hidden after having been shown keeps its native window, and the window manager
// has let go of its frame: it too is placed by its frame, through the native window, so that the
// window manager puts the frame there when it maps the window again. The native window first gets
// the widget's own size back, in case the window manager resized it (some do on a move request,
// fixed size or not), and the widget then takes the geometry its native window now has: showing
// it must ask for nothing more, as a second request would give the client's place instead (static
// gravity) and put the frame off by its extents.
void moveWindowToTwips(QWidget *window, int top, int left)
{
    const QPoint position(left / TwipsPerPixel, top / TwipsPerPixel);
    QWindow *native = window->windowHandle();
    if (window->isVisible() || !window->testAttribute(Qt::WA_WState_Created) || !native) {
        window->move(position); // by its frame: at creation, or by the frame a shown one has
        return;
    }
    native->resize(
        window->size().expandedTo(window->minimumSize()).boundedTo(window->maximumSize()));
    native->setFramePosition(position);
    window->setGeometry(native->geometry());
}

QColor colourFromBgr(std::int32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::int32_t bgrFromColour(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}
