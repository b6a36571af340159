// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up baseline: the least a Qt Widgets program does to show a window of the main screen's
// size. It leaves its event loop after the first paint, as the program does under the benchmark.
// With --japanese-text the window shows a line of Japanese in the program's window font, so that
// on a real X server the baseline pays for the font loading the program cannot avoid either.

#include "platform/fonts.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <cstring>

namespace {

class Window : public QWidget
{
public:
    bool japaneseText = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (japaneseText) {
            QPainter painter(this);
            painter.setFont(gothicFont());
            painter.drawText(rect(), Qt::AlignCenter, QStringLiteral(u"トルミ式 体重グラフ"));
        }
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Window window;
    window.japaneseText = argc == 2 && std::strcmp(argv[1], "--japanese-text") == 0;
    window.resize(373, 220); // 5595 x 3300 twips, as the main screen
    window.show();
    return application.exec();
}
