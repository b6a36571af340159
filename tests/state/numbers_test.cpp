// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/numbers.h"
#include "support/locales.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Numbers are written and read with a point whatever the user's locale.
class Numbers : public UnderEachLocale
{
};
RUN_UNDER_EACH_LOCALE(Numbers);

TEST_P(Numbers, TypedNumbersInHalfWidthFormsOnly)
{
    EXPECT_EQ(parseNumber(u"65"_s), 65.0);
    EXPECT_EQ(parseNumber(u" 65.5 "_s), 65.5);
    EXPECT_EQ(parseNumber(u"65."_s), 65.0);
    EXPECT_EQ(parseNumber(u".5"_s), 0.5);
    EXPECT_EQ(parseNumber(u"-0"_s), 0.0);
    EXPECT_EQ(parseNumber(u"+3"_s), 3.0);
    for (const QString &refused :
         {u""_s, u" "_s, u"abc"_s, u"1e309"_s, u"1e3"_s, u"0x10"_s, u"６５"_s, u"inf"_s, u"NaN"_s,
          u"6 5"_s, u"1.2.3"_s, u"."_s, u"-"_s, u"65kg"_s})
        EXPECT_FALSE(parseNumber(refused)) << refused.toStdString();
    // What an input method types becomes half-width; other full-width characters stay.
    EXPECT_EQ(halfWidthForms(u"　＋０１２３４５６７８９．－ａ，"_s), u" +0123456789.-ａ，"_s);
}

TEST_P(Numbers, TenthsRoundHalfAwayFromZero)
{
    EXPECT_EQ(formatTenths(80), u"80.0"_s);
    EXPECT_EQ(formatTenths(0.5), u"0.5"_s);
    EXPECT_EQ(formatTenths(27.68), u"27.7"_s);
    EXPECT_EQ(formatTenths(-1.5), u"-1.5"_s);
    EXPECT_EQ(formatTenths(110), u"110.0"_s);
    EXPECT_EQ(formatTenths(0.04), u"0.0"_s);
    EXPECT_EQ(formatTenths(-0.04), u"0.0"_s);
    EXPECT_EQ(formatTenths(9.96), u"10.0"_s);
    EXPECT_EQ(formatTenths(0.15), u"0.2"_s);
}

TEST_P(Numbers, WeightTextsHaveNoZeroBeforeThePoint)
{
    EXPECT_EQ(formatWeightText(65), u"65.0"_s);
    EXPECT_EQ(formatWeightText(65.25), u"65.3"_s);
    EXPECT_EQ(formatWeightText(65.56), u"65.6"_s);
    EXPECT_EQ(formatWeightText(0.5), u".5"_s);
    EXPECT_EQ(formatWeightText(0), u".0"_s);
    EXPECT_EQ(formatWeightText(100), u"100.0"_s);
    EXPECT_EQ(formatWeightText(999.95), u"1000.0"_s);
}

TEST_P(Numbers, ChangesCarryTheirSignAndTwoDecimals)
{
    EXPECT_EQ(formatSignedHundredths(-0.45), u"-0.45"_s);
    EXPECT_EQ(formatSignedHundredths(0.1), u"+0.10"_s);
    EXPECT_EQ(formatSignedHundredths(12.345678), u"+12.35"_s);
    EXPECT_EQ(formatSignedHundredths(0), u"+0.00"_s);
    EXPECT_EQ(formatSignedHundredths(-0.001), u"-0.00"_s);
}
