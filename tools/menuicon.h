// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's menu icon, drawn from its chick picture for one square icon size.

#include <QImage>

// The chick picture on a transparent square canvas of `size` × `size` pixels, centred (an odd
// margin leaves the extra pixel on the right and at the bottom).
//
// A picture that fits is enlarged by the largest whole factor that fits, each picture pixel
// becoming a block of factor × factor identical pixels, so the pixel drawing stays sharp.
// A picture larger than the canvas is reduced by the smallest whole divisor that makes it fit;
// each icon pixel is then the average of one divisor × divisor block of picture pixels (pixels
// beyond the picture's edge count as transparent), so no line of the drawing disappears.
QImage menuIcon(const QImage &picture, int size);
