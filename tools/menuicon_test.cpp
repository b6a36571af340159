// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuicon.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

// A 30 × 29 picture like the chick: every pixel a different opaque colour, except a transparent
// pixel in the top-left corner, so that any misplaced or repeated pixel shows.
QImage testPicture()
{
    QImage picture(30, 29, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 8, y * 8, 255 - x - y, 255));
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return picture;
}

struct Enlargement
{
    int size;
    int factor;
    int left;
    int top;
};

void PrintTo(const Enlargement &enlargement, std::ostream *out)
{
    *out << enlargement.size << " px, factor " << enlargement.factor;
}

class MenuIconEnlarged : public testing::TestWithParam<Enlargement>
{
};

// Every icon pixel inside the picture's place is the picture pixel it came from, every other one
// is transparent: no blur, no cut edge, centred with the odd pixel right and below.
TEST_P(MenuIconEnlarged, CopiesEachPixelIntoAWholeBlockCentred)
{
    const auto [size, factor, left, top] = GetParam();
    const QImage picture = testPicture();
    const QImage icon = menuIcon(picture, size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    ASSERT_EQ(icon.format(), QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int px = x - left, py = y - top;
            const bool inside = px >= 0 && py >= 0 && px < 30 * factor && py < 29 * factor;
            const QRgb expected = inside ? picture.pixel(px / factor, py / factor) : 0u;
            ASSERT_EQ(icon.pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MenuSizes, MenuIconEnlarged,
                         testing::Values(Enlargement{30, 1, 0, 0}, Enlargement{32, 1, 1, 1},
                                         Enlargement{48, 1, 9, 9}, Enlargement{64, 2, 2, 3},
                                         Enlargement{128, 4, 4, 6}, Enlargement{256, 8, 8, 12}),
                         [](const testing::TestParamInfo<Enlargement> &info) {
                             return "Size" + std::to_string(info.param.size);
                         });

// Below the picture's size each icon pixel is the mean of a 2 × 2 block: the 15 × 15 result sits
// centred, its last row made of the picture's last row and the transparent beyond.
TEST(MenuIconReduced, AveragesTwoByTwoBlocksForTheSmallSizes)
{
    const QImage picture = testPicture();
    for (const int size : {16, 22, 24}) {
        SCOPED_TRACE(size);
        const QImage icon = menuIcon(picture, size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        const int offset = (size - 15) / 2;

        // An opaque block: the plain mean of its four colours.
        const QRgb inner = icon.pixel(offset + 3, offset + 5);
        EXPECT_EQ(qAlpha(inner), 255);
        EXPECT_EQ(qRed(inner), (6 + 7) * 8 / 2);
        EXPECT_EQ(qGreen(inner), (10 + 11) * 8 / 2);
        EXPECT_EQ(qBlue(inner), 255 - 6 - 10 - 1); // mean of 239, 238, 238, 237

        // The corner block holds one transparent pixel: three quarters opaque, and its colour
        // is the mean of the three opaque pixels only.
        const QRgb corner = icon.pixel(offset, offset);
        EXPECT_NEAR(qAlpha(corner), 191, 1);
        EXPECT_NEAR(qRed(corner), (8 + 0 + 8) / 3, 1);

        // The last row is half the picture's bottom row, half transparent.
        EXPECT_NEAR(qAlpha(icon.pixel(offset + 7, offset + 14)), 128, 1);

        // Around the picture's place the icon is transparent.
        for (int i = 0; i < size; ++i) {
            EXPECT_EQ(qAlpha(icon.pixel(i, size - 1)), 0);
            EXPECT_EQ(qAlpha(icon.pixel(size - 1, i)), 0);
            if (offset > 0) {
                EXPECT_EQ(qAlpha(icon.pixel(i, offset - 1)), 0);
                EXPECT_EQ(qAlpha(icon.pixel(offset - 1, i)), 0);
            }
        }
    }
}

} // namespace
