// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopsetup.h"
#include "platform/endrequests.h"
#include "screens/launch.h"
#include "screens/navigator.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    prepareQtEnvironment();
    if (!desktopDisplayReachable())
        return 1;
    QApplication application(argc, argv);
    prepareQtApplication();
    onEndRequest(endOnRequest);
    startProgram();
    return application.exec();
}
