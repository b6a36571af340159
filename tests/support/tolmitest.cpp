// SPDX-License-Identifier: GPL-3.0-or-later
#include "tolmitest.h"

#include "screens/navigator.h"
#include "state/state.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

void TolmiTest::SetUp()
{
    ASSERT_TRUE(directory.isValid());
    previousDirectory = QDir::currentPath();
    QDir::setCurrent(directory.path());
    resetState();
    dataRoot = directory.path();
    QDir(dataRoot).mkdir(QStringLiteral("tolmidata"));
    platform() = fake.services();
}

void TolmiTest::TearDown()
{
    unloadAllScreens();
    // Guarded: deleting a window deletes the windows it owns too, such as a tooltip of its boxes.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QPointer<QWidget> &window : QList<QPointer<QWidget>>(windows.begin(), windows.end()))
        delete window.data();
    platform() = realPlatformServices();
    QDir::setCurrent(previousDirectory);
    // A case that ended the program asked the application to quit. Outside a running loop that
    // makes every later event loop return at once, so that a menu of a later case would close
    // before it opens; the application's own loop, quit at its first turn, clears the request.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    EXPECT_TRUE(fake.messages.isEmpty()) << "unexpected message: " << utf8(fake.messages.join('|'));
}

QString TolmiTest::dataPath(const QString &name) const
{
    return directory.path() + QStringLiteral("/tolmidata/") + name;
}

QByteArray TolmiTest::readData(const QString &name) const
{
    QFile file(dataPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TolmiTest::writeData(const QString &name, const QByteArray &bytes) const
{
    QFile file(dataPath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void pressKey(QWidget *window, int key)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget *focused = window->focusWidget();
    QTest::keyClick(focused ? focused : window, static_cast<Qt::Key>(key));
}

QString accessibleName(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

bool discarded(QObject *screen)
{
    const QPointer<QObject> watched(screen);
    return QTest::qWaitFor([&] { return watched.isNull(); }, 1000);
}
