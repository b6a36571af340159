// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a rectangle of the X display as a PNG picture (used by scripts/screenshots):
//
//     tolmi_grab_screen LEFT TOP WIDTH HEIGHT OUTPUT.png
//
// The rectangle is in pixels of the screen named by DISPLAY; what shows there (a window with its
// frame) is what the picture holds.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStringList>
#include <array>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 6) {
        std::fprintf(stderr, "usage: %s LEFT TOP WIDTH HEIGHT OUTPUT.png\n", argv[0]);
        return 2;
    }
    std::array<int, 4> rectangle{};
    for (int i = 0; i < 4; ++i) {
        bool isNumber = false;
        rectangle[i] = arguments[i + 1].toInt(&isNumber);
        if (!isNumber || (i >= 2 && rectangle[i] < 1)) {
            std::fprintf(stderr, "%s: not a position or size: %s\n", argv[0],
                         qPrintable(arguments[i + 1]));
            return 2;
        }
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPixmap picture =
        screen ? screen->grabWindow(0, rectangle[0], rectangle[1], rectangle[2], rectangle[3])
               : QPixmap();
    if (picture.isNull() || !picture.save(arguments[5], "PNG")) {
        std::fprintf(stderr, "%s: cannot grab the screen into %s\n", argv[0],
                     qPrintable(arguments[5]));
        return 1;
    }
    return 0;
}
