// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen's display forms: "##0.0" (formatTenths of state/numbers.h), "yy年mm月dd日" and
// W(n).
#include "engine/formats.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "support/locales.h"

#include <QString>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::Literals::StringLiterals;

// Numbers are written and read with a point whatever the user's locale.
class Formats : public UnderEachLocale
{
};
RUN_UNDER_EACH_LOCALE(Formats);

TEST_P(Formats, TenthsKeepAZeroBeforeThePointAndRoundToOneDecimal)
{
    EXPECT_EQ(formatTenths(80), u"80.0"_s);
    EXPECT_EQ(formatTenths(0.5), u"0.5"_s);
    EXPECT_EQ(formatTenths(27.68), u"27.7"_s);
    EXPECT_EQ(formatTenths(-1.5), u"-1.5"_s);
    EXPECT_EQ(formatTenths(110), u"110.0"_s);
    // Body-mass indices of 80 and 78 kg at 170 cm, and changes as the main screen shows them.
    EXPECT_EQ(formatTenths(80.0 / ((170.0 / 100) * (170.0 / 100))), u"27.7"_s);
    EXPECT_EQ(formatTenths(78.0 / ((170.0 / 100) * (170.0 / 100))), u"27.0"_s);
    EXPECT_EQ(formatTenths(-5.0), u"-5.0"_s);
    EXPECT_EQ(formatTenths(80.0 - 78.0), u"2.0"_s);
    EXPECT_EQ(formatTenths(0), u"0.0"_s);
    EXPECT_EQ(formatTenths(1234567.25), u"1234567.3"_s); // no digit grouping
}

TEST_P(Formats, TenthsNeverSpellsNanOrInfinity)
{
    EXPECT_EQ(formatTenths(std::numeric_limits<double>::quiet_NaN()), u"0.0"_s);
    EXPECT_EQ(formatTenths(std::numeric_limits<double>::infinity()), u"0.0"_s);
    const QString huge = formatTenths(1e300);
    EXPECT_TRUE(huge.startsWith(u"1000000000"_s));
    EXPECT_TRUE(huge.endsWith(u".0"_s));
    EXPECT_EQ(huge.size(), 303);
}

TEST_P(Formats, JapaneseDate)
{
    EXPECT_EQ(formatJapaneseDate(serialFromDate(QDate(2008, 10, 17))), u"08年10月17日"_s);
    EXPECT_EQ(formatJapaneseDate(serialFromDate(QDate(2008, 10, 20))), u"08年10月20日"_s);
    EXPECT_EQ(formatJapaneseDate(serialFromDate(QDate(2000, 1, 5))), u"00年01月05日"_s);
    EXPECT_EQ(formatJapaneseDate(serialFromDate(QDate(1999, 12, 31))), u"99年12月31日"_s);
    EXPECT_EQ(formatJapaneseDate(serialFromDate(QDate(2010, 3, 4)) + 0.75), u"10年03月04日"_s);
    EXPECT_EQ(formatJapaneseDate(serialFromDate(QDate(1700, 1, 1))), u"00年01月01日"_s);
    EXPECT_EQ(formatJapaneseDate(0), u"99年12月30日"_s);
}

TEST_P(Formats, JapaneseDateOfAWildSerialIsStillADate)
{
    for (double serial : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(), -5e6, 5e6}) {
        const QString text = formatJapaneseDate(serial);
        EXPECT_EQ(text.size(), 9) << text.toStdString();
        EXPECT_EQ(text[2], u'年');
        EXPECT_EQ(text[5], u'月');
        EXPECT_EQ(text[8], u'日');
    }
}

TEST_P(Formats, FullWidthNumbers)
{
    EXPECT_EQ(fullWidthNumber(18), u"１８"_s);
    EXPECT_EQ(fullWidthNumber(-1), u"－１"_s);
    EXPECT_EQ(fullWidthNumber(0), u"０"_s);
    EXPECT_EQ(fullWidthNumber(1234567890), u"１２３４５６７８９０"_s);
    EXPECT_EQ(fullWidthNumber(-32737), u"－３２７３７"_s);
    EXPECT_EQ(fullWidthNumber(-1)[0].unicode(), 0xFF0D);
    EXPECT_EQ(fullWidthNumber(9)[0].unicode(), 0xFF19);
}
