// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateserial.h"

#include "codeunits.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

const QDate epoch(1899, 12, 30);
constexpr double secondsPerDay = 86400.0;
constexpr double serialLimit = 3.0e6; // about 8,000 years either side: far beyond any real diary

// Days from 1899-12-30 to a day of the proleptic Gregorian calendar and back, by the
// days-from-civil method. Used for the years 1 to 9999 only, where every count is positive from
// 0000-03-01 on and fits 32 bits unsigned (whose divisions are the cheapest); QDate, which has no
// year 0, takes over beyond them.
constexpr std::uint32_t daysFromEraStart = 693899; // from 0000-03-01 to 1899-12-30

constexpr qint64 serialOfCivil(int year, int month, int day)
{
    const auto y = static_cast<std::uint32_t>(year - (month <= 2));
    const auto m = static_cast<std::uint32_t>(month);
    const std::uint32_t era = y / 400;
    const std::uint32_t yearOfEra = y - era * 400;
    const std::uint32_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + day - 1;
    const std::uint32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return qint64(era) * 146097 + dayOfEra - daysFromEraStart;
}

constexpr CivilDate civilOfSerial(qint64 serial)
{
    const auto days = static_cast<std::uint32_t>(serial + daysFromEraStart);
    const std::uint32_t era = days / 146097;
    const std::uint32_t dayOfEra = days - era * 146097;
    const std::uint32_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::uint32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::uint32_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {static_cast<int>(yearOfEra + era * 400) + (month <= 2), month, day};
}

// Whether the numbers name a day, as QDate::isValid says, by arithmetic for the years 1 to 9999.
bool isCalendarDay(int year, int month, int day)
{
    if (year < 1 || year > 9999)
        return QDate::isValid(year, month, day);
    static constexpr int monthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= monthLengths[month - 1] + (month == 2 && leap);
}

constexpr qint64 firstArithmeticSerial = serialOfCivil(1, 1, 1);
constexpr qint64 lastArithmeticSerial = serialOfCivil(9999, 12, 31);
static_assert(serialOfCivil(1899, 12, 30) == 0 && serialOfCivil(2008, 1, 1) == 39448);

} // namespace

DateSerial serialFromDate(QDate date)
{
    return static_cast<double>(epoch.daysTo(date));
}

DateSerial serialFromDateTime(const QDateTime &dateTime)
{
    const QTime time = dateTime.time();
    const int seconds = time.hour() * 3600 + time.minute() * 60 + time.second();
    return serialFromDate(dateTime.date()) + seconds / secondsPerDay;
}

QDate dateFromSerial(DateSerial serial)
{
    if (!std::isfinite(serial))
        return epoch;
    const double day = std::floor(serial);
    return epoch.addDays(static_cast<qint64>(std::clamp(day, -serialLimit, serialLimit)));
}

CivilDate civilFromSerial(DateSerial serial)
{
    const double day = std::floor(serial);
    if (day >= firstArithmeticSerial && day <= lastArithmeticSerial)
        return civilOfSerial(static_cast<qint64>(day));
    CivilDate civil;
    dateFromSerial(serial).getDate(&civil.year, &civil.month, &civil.day);
    return civil;
}

std::optional<DateSerial> serialFromCivil(int year, int month, int day)
{
    if (!isCalendarDay(year, month, day))
        return std::nullopt;
    if (year >= 1 && year <= 9999)
        return static_cast<DateSerial>(serialOfCivil(year, month, day));
    return serialFromDate(QDate(year, month, day));
}

DayAndTime dayAndTimeFromSerial(DateSerial serial)
{
    if (!std::isfinite(serial))
        return {civilFromSerial(0), 0};
    double day = std::floor(serial);
    double seconds = std::round((serial - day) * secondsPerDay);
    if (seconds >= secondsPerDay) {
        day += 1;
        seconds = 0;
    }
    return {civilFromSerial(day), static_cast<int>(seconds)};
}

QDateTime dateTimeFromSerial(DateSerial serial)
{
    const DayAndTime moment = dayAndTimeFromSerial(serial);
    const CivilDate &day = moment.date;
    return QDateTime(QDate(day.year, day.month, day.day), QTime(0, 0).addSecs(moment.seconds));
}

std::int16_t wholeDaysBetween(DateSerial from, DateSerial to)
{
    const double days = std::nearbyint(to - from); // the default rounding mode: halves to even
    if (!std::isfinite(days))
        return 0;
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(days, low, high));
}

std::int16_t calendarDaysBetween(DateSerial from, QDate to)
{
    return wholeDaysBetween(std::floor(from), serialFromDate(to));
}

namespace {

// The day named by eight digit code units, into `civil`; false for any other text.
bool readEightDigits(QAnyStringView text, CivilDate &civil)
{
    return readCodeUnits(text, [&](const auto *units, qsizetype size) {
        if (size != 8)
            return false;
        int digits[8];
        for (int i = 0; i < 8; ++i) {
            if (units[i] < '0' || units[i] > '9')
                return false;
            digits[i] = units[i] - '0';
        }
        civil = {digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3],
                 digits[4] * 10 + digits[5], digits[6] * 10 + digits[7]};
        return isCalendarDay(civil.year, civil.month, civil.day);
    });
}

} // namespace

std::optional<CivilDate> civilFromEightDigits(QAnyStringView text)
{
    CivilDate civil;
    if (!readEightDigits(text, civil))
        return std::nullopt;
    return civil;
}

bool isEightDigitDate(QAnyStringView text)
{
    // Without the optional of the numbers, whose return costs the table save more than the check.
    CivilDate civil;
    return readEightDigits(text, civil);
}

std::optional<QDate> dateFromEightDigits(QStringView text)
{
    const std::optional<CivilDate> civil = civilFromEightDigits(text);
    if (!civil)
        return std::nullopt;
    return QDate(civil->year, civil->month, civil->day);
}

QString eightDigitsFromDate(QDate date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (year < 0 || year > 9999)
        return QStringLiteral("%1%2%3")
            .arg(year, 4, 10, QLatin1Char('0'))
            .arg(month, 2, 10, QLatin1Char('0'))
            .arg(day, 2, 10, QLatin1Char('0'));
    // The digits written straight, which an import of many weighings feels.
    QString text(8, Qt::Uninitialized);
    QChar *out = text.data();
    for (const int pair : {year / 100, year % 100, month, day}) {
        *out++ = QChar(u'0' + pair / 10);
        *out++ = QChar(u'0' + pair % 10);
    }
    return text;
}
