// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic conversions between serials and calendar days give what QDate gives.

#include "state/dateserial.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(DateSerial, CalendarDaysAgreeWithQDateAcrossTheYears)
{
    const auto check = [](qint64 serial) {
        const QDate expected = dateFromSerial(serial);
        const CivilDate civil = civilFromSerial(serial + 0.75); // the time of day is dropped
        ASSERT_EQ(QDate(civil.year, civil.month, civil.day), expected) << serial;
        ASSERT_EQ(serialFromCivil(civil.year, civil.month, civil.day), serialFromDate(expected));
    };
    // Every day around the epoch, the year 1, leap centuries and 9999, then every 37th day from
    // the QDate limits of the serials inwards.
    for (const QDate around : {QDate(1899, 12, 30), QDate(1, 1, 1), QDate(1600, 2, 28),
                               QDate(1900, 2, 28), QDate(2000, 2, 28), QDate(9999, 12, 31)}) {
        for (int offset = -800; offset <= 800; ++offset)
            check(qint64(serialFromDate(around)) + offset);
    }
    for (qint64 serial = -3000000; serial <= 3000000; serial += 37)
        check(serial);
}

TEST(DateSerial, NumbersThatNameNoDayAreRefused)
{
    EXPECT_FALSE(serialFromCivil(2008, 2, 30));
    EXPECT_FALSE(serialFromCivil(2007, 2, 29));
    EXPECT_FALSE(serialFromCivil(0, 1, 1)) << "there is no year 0";
    EXPECT_FALSE(serialFromCivil(2008, 13, 1));
    EXPECT_EQ(serialFromCivil(2008, 2, 29), serialFromDate(QDate(2008, 2, 29)));
    EXPECT_EQ(serialFromCivil(-5, 3, 1), serialFromDate(QDate(-5, 3, 1)));

    EXPECT_FALSE(civilFromEightDigits(u"20081340"_s));
    EXPECT_FALSE(civilFromEightDigits(u"2008111"_s));
    const std::optional<CivilDate> day = civilFromEightDigits(u"09991113"_s);
    ASSERT_TRUE(day);
    EXPECT_EQ(QDate(day->year, day->month, day->day), QDate(999, 11, 13));
    EXPECT_EQ(eightDigitsFromDate(QDate(999, 11, 13)), u"09991113"_s);
    EXPECT_EQ(eightDigitsFromDate(QDate(12345, 1, 2)), u"123450102"_s);
}

TEST(DateSerial, TimesOfDayRoundToTheSecond)
{
    const DateSerial serial = serialFromDateTime(QDateTime(QDate(2008, 10, 17), QTime(21, 5, 9)));
    const DayAndTime moment = dayAndTimeFromSerial(serial);
    EXPECT_EQ(QDate(moment.date.year, moment.date.month, moment.date.day), QDate(2008, 10, 17));
    EXPECT_EQ(moment.seconds, 21 * 3600 + 5 * 60 + 9);
    // Half a second before midnight is the next day.
    const DayAndTime late =
        dayAndTimeFromSerial(serialFromDate(QDate(2008, 10, 17)) + 1 - 0.4 / 86400);
    EXPECT_EQ(late.date.day, 18);
    EXPECT_EQ(late.seconds, 0);
}
