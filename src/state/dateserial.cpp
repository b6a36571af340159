#include "dateserial.h"

#include <cmath>
#include <limits>

namespace {
const QDate epoch(1899, 12, 30);
constexpr double secondsPerDay = 86400.0;
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
    const double limit = 3.0e6; // about 8,000 years either side: far beyond any real diary
    return epoch.addDays(static_cast<qint64>(std::clamp(day, -limit, limit)));
}

QDateTime dateTimeFromSerial(DateSerial serial)
{
    if (!std::isfinite(serial))
        return QDateTime(epoch, QTime(0, 0));
    double day = std::floor(serial);
    double seconds = std::round((serial - day) * secondsPerDay);
    if (seconds >= secondsPerDay) {
        day += 1;
        seconds = 0;
    }
    const QDate date = dateFromSerial(day);
    return QDateTime(date, QTime(0, 0).addSecs(static_cast<int>(seconds)));
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

std::optional<QDate> dateFromEightDigits(QStringView text)
{
    if (text.size() != 8)
        return std::nullopt;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const QDate date(text.mid(0, 4).toInt(), text.mid(4, 2).toInt(), text.mid(6, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString eightDigitsFromDate(QDate date)
{
    return QStringLiteral("%1%2%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}
