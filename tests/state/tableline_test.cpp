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
