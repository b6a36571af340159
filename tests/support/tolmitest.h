// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixture of every test: a fresh temporary working directory that is also dataRoot, a fresh
// state, recording platform services, and no screen left over from an earlier test.

#include "fakeplatform.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
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

// Text as UTF-8 for readable failure messages.
inline std::string utf8(const QString &text)
{
    return text.toStdString();
}
