#include "twips.h"

#include <QWidget>

void placeInTwips(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(rectFromTwips(left, top, width, height));
}

void setClientSizeInTwips(QWidget *window, int width, int height)
{
    window->setFixedSize(pixelsFromTwips(width), pixelsFromTwips(height));
}

int windowTopInTwips(const QWidget *window)
{
    return window->pos().y() * TwipsPerPixel;
}

int windowLeftInTwips(const QWidget *window)
{
    return window->pos().x() * TwipsPerPixel;
}

void moveWindowToTwips(QWidget *window, int top, int left)
{
    window->move(left / TwipsPerPixel, top / TwipsPerPixel);
}

QColor colourFromBgr(std::int32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::int32_t bgrFromColour(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}
