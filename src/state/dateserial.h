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

// Whole days from `from` to `to`, rounded half to even and held to the 16-bit range the day counts
// of the program use (a wildly hand-edited date cannot overflow them).
std::int16_t wholeDaysBetween(DateSerial from, DateSerial to);

// "yyyymmdd" text read back as a date: characters 1-4 the year, 5-6 the month, 7-8 the day.
// Empty when the text is not exactly eight half-width digits or names no calendar date.
std::optional<QDate> dateFromEightDigits(QStringView text);
QString eightDigitsFromDate(QDate date); // "yyyymmdd"
