// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixture of every test: a fresh temporary working directory that is also dataRoot, a fresh
// state, recording platform services, and no screen left over from an earlier test.

#include "fakeplatform.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

class TolmiTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Paths and bytes of the data files in this test's directory.
    QString dataPath(const QString &name) const;
    QByteArray readData(const QString &name) const;
    void writeData(const QString &name, const QByteArray &bytes) const;

    FakePlatform fake;
    QTemporaryDir directory;

private:
    QString previousDirectory;
};

// Presses `key` as the user would: on the focused control of `window`, made the active window.
void pressKey(QWidget *window, int key);

// The screen of type `Screen` that shows; null when none shows.
template <typename Screen> Screen *visibleScreen()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *screen = qobject_cast<Screen *>(window); screen && screen->isVisible())
            return screen;
    }
    return nullptr;
}

// Whether `screen`, closed for good, is deleted within a second. (Qt's QTRY_ macros report to
// QtTest alone, so a failure of theirs would pass unseen here.)
bool discarded(QObject *screen);

// The name a screen reader reads for `control`.
QString accessibleName(QWidget *control);

// Text as UTF-8 for readable failure messages.
inline std::string utf8(const QString &text)
{
    return text.toStdString();
}
