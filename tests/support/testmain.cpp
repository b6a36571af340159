// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for every test, on the headless platform.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication application(argc, argv);
    // A screen that replaces another ignores clicks for the double-click interval; the tests click
    // at once, and the test of that guard sets an interval of its own.
    QApplication::setDoubleClickInterval(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
