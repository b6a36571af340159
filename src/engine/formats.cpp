// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats.h"

#include "state/dateserial.h"

#include <cstdlib>

QString formatJapaneseDate(DateSerial date)
{
    const QDate day = dateFromSerial(date);
    const int yy = std::abs(day.year()) % 100;
    return QStringLiteral("%1年%2月%3日")
        .arg(yy, 2, 10, QLatin1Char('0'))
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(day.day(), 2, 10, QLatin1Char('0'));
}

QString fullWidthNumber(std::int64_t n)
{
    QString text = QString::number(n);
    for (QChar &c : text) {
        if (c >= u'0' && c <= u'9')
            c = QChar(0xFF10 + (c.unicode() - u'0'));
        else if (c == u'-')
            c = QChar(0xFF0D);
    }
    return text;
}
