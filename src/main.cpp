#include "screens/launch.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program places its own windows, which Wayland compositors do not allow: use XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    startProgram();
    return application.exec();
}
