// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuicon.h"

#include <algorithm>

namespace {

// The picture enlarged `factor` times, nearest neighbour.
QImage enlarged(const QImage &picture, int factor)
{
    QImage result(picture.width() * factor, picture.height() * factor, picture.format());
    for (int y = 0; y < result.height(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(picture.constScanLine(y / factor));
        auto *target = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            target[x] = source[x / factor];
    }
    return result;
}

// The picture reduced `divisor` times, each pixel the mean of a block. The picture is
// premultiplied, so averaging the four channels weighs each colour by its opacity.
QImage reduced(const QImage &picture, int divisor)
{
    const int width = (picture.width() + divisor - 1) / divisor;
    const int height = (picture.height() + divisor - 1) / divisor;
    QImage result(width, height, picture.format());
    const int blockArea = divisor * divisor;
    for (int y = 0; y < height; ++y) {
        auto *target = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int alpha = 0, red = 0, green = 0, blue = 0;
            for (int sy = y * divisor; sy < std::min((y + 1) * divisor, picture.height()); ++sy) {
                const auto *source = reinterpret_cast<const QRgb *>(picture.constScanLine(sy));
                for (int sx = x * divisor; sx < std::min((x + 1) * divisor, picture.width());
                     ++sx) {
                    alpha += qAlpha(source[sx]);
                    red += qRed(source[sx]);
                    green += qGreen(source[sx]);
                    blue += qBlue(source[sx]);
                }
            }
            // Rounded to the nearest value; a premultiplied channel never exceeds its alpha.
            const auto mean = [blockArea](int sum) { return (sum + blockArea / 2) / blockArea; };
            target[x] = qRgba(mean(red), mean(green), mean(blue), mean(alpha));
        }
    }
    return result;
}

} // namespace

QImage menuIcon(const QImage &picture, int size)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int longest = std::max(source.width(), source.height());
    QImage scaled;
    if (longest <= size)
        scaled = enlarged(source, size / longest);
    else
        scaled = reduced(source, (longest + size - 1) / size);

    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const int left = (size - scaled.width()) / 2;
    const int top = (size - scaled.height()) / 2;
    for (int y = 0; y < scaled.height(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(scaled.constScanLine(y));
        std::copy(source, source + scaled.width(),
                  reinterpret_cast<QRgb *>(icon.scanLine(top + y)) + left);
    }
    return icon.convertToFormat(QImage::Format_ARGB32);
}
