// SPDX-License-Identifier: GPL-3.0-or-later
// The header of yourdata.csv read from the start of the file: the same slots as reading the
// whole file, also when a field runs past the first bytes read.

#include "state/datafiles.h"
#include "state/state.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(HeaderRead, FieldsAcrossTheFirstBytesAreReadWhole)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("yourdata.csv"));
    const auto headerWithAddress = [](const QByteArray &address) {
        return "1,80\r\n1,60\r\n-7,170\r\n2,12.25\r\n1500,-3\r\n2400,\"" + address +
               "\"\r\n255,\"x\"\r\n65280,#2008-10-17#\r\n123456,#1999-12-31#\r\n"
               "#2008-10-20#,78\r\n";
    };
    // An address ending just before, across and after the end of the first bytes read, and a
    // log long enough that the header alone is read from the start.
    for (const qsizetype length :
         {HeaderReadSize - 100, HeaderReadSize - 50, HeaderReadSize + 10}) {
        const QByteArray address(length, 'a');
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(headerWithAddress(address) + QByteArray(200000, '\n'));
        file.close();
        resetState();
        ASSERT_EQ(readSettingsHeaderOf(path).state, FileCheck::Read) << length;
        EXPECT_EQ(webAddress().size(), length);
        EXPECT_EQ(deadlineDays(), 123456) << length;
    }

    // A header cut short by the end of the file is refused and leaves the slots alone.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(headerWithAddress("a").left(40));
    file.close();
    EXPECT_EQ(readSettingsHeaderOf(path).state, FileCheck::Damaged);
    EXPECT_EQ(deadlineDays(), 123456);
}
