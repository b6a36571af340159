// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Positions and sizes of the screens are given in twips; 15 twips are one pixel.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <cstdint>

class QWidget;

inline constexpr int TwipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips)
{
    return twips / TwipsPerPixel;
}

inline QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                 pixelsFromTwips(height));
}

// Places a control at a position given in twips (left, top, width, height).
void placeInTwips(QWidget *control, int left, int top, int width, int height);

// A window's client area in twips, fixed so the window cannot be resized.
void setClientSizeInTwips(QWidget *window, int width, int height);

// A window's frame position (top-left) in twips, and back.
int windowTopInTwips(const QWidget *window);
int windowLeftInTwips(const QWidget *window);
void moveWindowToTwips(QWidget *window, int top, int left);

// Colours are stored as 0x00BBGGRR.
QColor colourFromBgr(std::int32_t bgr);
std::int32_t bgrFromColour(const QColor &colour);
