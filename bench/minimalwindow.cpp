// The start-up baseline: the least a Qt Widgets program does to show a window of the main screen's
// size. It leaves its event loop after the first paint, as the program does under the benchmark.

#include <QApplication>
#include <QWidget>

namespace {

class Window : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Window window;
    window.resize(373, 220); // 5595 x 3300 twips, as the main screen
    window.show();
    return application.exec();
}
