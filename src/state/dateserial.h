// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Date-times are held as days since 1899-12-30 (the fraction is the time of day). These are the
// only conversions between that form and Qt's date types.

#include "state.h"

#include <QDate>
#include <QDateTime>
#include <optional>

DateSerial serialFromDate(QDate date);
DateSerial serialFromDateTime(const QDateTime &dateTime); // to the whole second
QDate dateFromSerial(DateSerial serial);                  // the calendar day, time of day dropped
QDateTime dateTimeFromSerial(DateSerial serial);          // to the nearest second

// A calendar day as plain numbers. Between these and serials the conversions are plain arithmetic,
// several times faster than going through QDate, which the readers and writers of a long log
// feel; the days are those QDate gives.
struct CivilDate
{
    int year = 0;
    int month = 0;
    int day = 0;
};
CivilDate civilFromSerial(DateSerial serial); // the calendar day, as dateFromSerial gives it
// Empty when the numbers name no calendar date.
std::optional<DateSerial> serialFromCivil(int year, int month, int day);

// The calendar day and the time of day to the nearest second, as dateTimeFromSerial gives them.
struct DayAndTime
{
    CivilDate date;
    int seconds = 0; // since midnight
};
DayAndTime dayAndTimeFromSerial(DateSerial serial);

// Whole days from `from` to `to`, rounded half to even and held to the 16-bit range the day counts
// of the program use (a wildly hand-edited date cannot overflow them).
std::int16_t wholeDaysBetween(DateSerial from, DateSerial to);
// The same between calendar days: from the day of `from`, whatever time of day it carries.
std::int16_t calendarDaysBetween(DateSerial from, QDate to);

// "yyyymmdd" text read back as a date: characters 1-4 the year, 5-6 the month, 7-8 the day.
// Empty when the text is not exactly eight half-width digits or names no calendar date.
std::optional<QDate> dateFromEightDigits(QStringView text);
std::optional<CivilDate> civilFromEightDigits(QAnyStringView text); // the same, as numbers
bool isEightDigitDate(QAnyStringView text); // whether it is one, for the table save
QString eightDigitsFromDate(QDate date);    // "yyyymmdd"
