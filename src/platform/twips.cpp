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

int windowTopInTwips(const QWidget *window)
{
    return window->pos().y() * TwipsPerPixel;
}

int windowLeftInTwips(const QWidget *window)
{
    return window->pos().x() * TwipsPerPixel;
}

// A window that is hidden after having been shown keeps its native window, whose frame Qt no
// longer knows once the window manager has let go of it: QWidget::move would then place the
// client area at the position and the frame around it, off by the frame. Such a window is placed
// by its frame through QWindow, and the widget takes the place its window now has, so that
// showing it does not move it back.
void moveWindowToTwips(QWidget *window, int top, int left)
{
    const QPoint framePosition(left / TwipsPerPixel, top / TwipsPerPixel);
    QWindow *native = window->windowHandle();
    if (window->isVisible() || !window->testAttribute(Qt::WA_WState_Created) || !native) {
        window->move(framePosition); // a new window is placed by its frame already
        return;
    }
    native->setFramePosition(framePosition);
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
