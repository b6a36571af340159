// SPDX-License-Identifier: GPL-3.0-or-later
// Log lines written from the settings screen's table texts: the direct path for texts in the
// table's own formats gives exactly the bytes of the round trip through numbers.

#include "state/datafiles.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(TableLine, TableFormatsGiveTheBytesOfTheRoundTripThroughNumbers)
{
    const QString dates[] = {u"20081113"_s, u"09990101"_s, u"99991231"_s, u"00010101"_s,
                             u"20080229"_s};
    const QString weights[] = {u"65.0"_s,
                               u"65.3"_s,
                               u".5"_s,
                               u".0"_s,
                               u"100.0"_s,
                               u"999.9"_s,
                               u"0.5"_s,
                               u"065.3"_s,
                               u"65"_s,
                               u"65.25"_s,
                               u" 65.3"_s,
                               u"+1.0"_s,
                               u"-5.0"_s,
                               u"12345678901234.5"_s,
                               u"12345678901234.0"_s,
                               u"123456789012345.5"_s};
    for (const QString &date : dates) {
        for (const QString &weight : weights) {
            FieldWriter direct;
            ASSERT_TRUE(writeTableLine(direct, date, weight)) << (weight).toStdString();
            LogEntry entry;
            ASSERT_TRUE(logEntryFromTableTexts(date, weight, entry));
            FieldWriter roundTrip;
            roundTrip.date(entry.date);
            roundTrip.real(entry.weight);
            roundTrip.endRecord();
            EXPECT_EQ(direct.bytes(), roundTrip.bytes()) << (date + u' ' + weight).toStdString();
        }
    }
}

TEST(TableLine, TextsThatDoNotConvertWriteNothing)
{
    const std::pair<QString, QString> refused[] = {{u"2008111"_s, u"65.3"_s},
                                                   {u"20081340"_s, u"65.0"_s},
                                                   {u"00000101"_s, u"65.0"_s},
                                                   {u"20081113"_s, QString()},
                                                   {u"20081113"_s, u"６５.0"_s}};
    for (const auto &[date, weight] : refused) {
        FieldWriter writer;
        EXPECT_FALSE(writeTableLine(writer, date, weight)) << (date + u' ' + weight).toStdString();
        EXPECT_TRUE(writer.bytes().isEmpty());
    }
}

// Many lines through one TableLineWriter, past several of its blocks, with lines of the general
// path among the direct ones and texts in Latin-1 as well as UTF-16: the same bytes, in the same
// order, as writing each line on its own.
TEST(TableLine, ManyLinesGiveTheBytesOfSingleLines)
{
    const std::pair<QLatin1StringView, QLatin1StringView> texts[] = {
        {"20081113"_L1, "65.3"_L1},
        {"20081112"_L1, "65"_L1},
        {"20081111"_L1, ".0"_L1},
        {"20081110"_L1, " 64.5"_L1},
        {"20081109"_L1, "12345678901234.5"_L1}};
    FieldWriter many;
    TableLineWriter lines(many);
    FieldWriter single;
    for (int i = 0; i < 1000; ++i) {
        const auto &[date, weight] = texts[i % 5];
        const bool latin1 = i % 2 == 0;
        ASSERT_TRUE(latin1 ? lines.write(date, weight)
                           : lines.write(QString(date), QString(weight)));
        ASSERT_TRUE(writeTableLine(single, QString(date), QString(weight)));
    }
    lines.flush();
    EXPECT_EQ(many.bytes(), single.bytes());
    EXPECT_GT(many.bytes().size(), 4 * 4096);
}
