// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <QVarLengthArray>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// The value rounded half away from zero to one decimal, as sign, integer digits and the tenth.
// The decision is made on the value's decimal form to ten places, so that 0.15 (stored as
// 0.1499999...) rounds up as the user expects. std::to_chars writes that form with a point
// whatever the user's locale.
QString roundedTenths(double value, bool zeroBeforePoint)
{
    if (!std::isfinite(value))
        value = 0;
    const bool negative = std::signbit(value);
    char buffer[400]; // the largest double has 309 whole digits
    const char *end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::fixed, 10)
                          .ptr;
    const std::string digits(buffer, end - buffer);
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    int tenth = digits[point + 1] - '0';
    if (digits[point + 2] >= '5') {
        if (++tenth == 10) {
            tenth = 0;
            int i = static_cast<int>(whole.size()) - 1;
            for (; i >= 0 && whole[i] == '9'; --i)
                whole[i] = '0';
            if (i < 0)
                whole.insert(whole.begin(), '1');
            else
                ++whole[i];
        }
    }
    if (whole == "0" && !zeroBeforePoint)
        whole.clear();
    QString text;
    if (negative && (whole.find_first_not_of('0') != std::string::npos || tenth != 0))
        text += u'-';
    text += QString::fromLatin1(whole.data(), whole.size());
    text += u'.';
    text += QChar(u'0' + tenth);
    return text;
}

} // namespace

std::optional<double> parseNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    // Only a sign, digits and points pass, so the characters fit a narrow buffer as they are.
    QVarLengthArray<char, 32> latin(text.size());
    int digits = 0;
    int points = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char16_t c = text[k].unicode();
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.')
            ++points;
        else if (k != 0 || (c != u'+' && c != u'-'))
            return std::nullopt; // anything else, full-width digits included
        latin[k] = static_cast<char>(c);
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    const char *first = latin.constData() + (latin[0] == '+' ? 1 : 0);
    const char *last = latin.constData() + latin.size();
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value; // "-0" is zero
}

QString halfWidthForms(QStringView typed)
{
    QString text = typed.toString();
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            c = QChar(u'0' + (u - u'０'));
        else if (u == u'．')
            c = u'.';
        else if (u == u'－')
            c = u'-';
        else if (u == u'＋')
            c = u'+';
        else if (u == u'　')
            c = u' ';
    }
    return text;
}

std::optional<double> numberWithin(QStringView typed, double low, double high)
{
    const std::optional<double> number = parseNumber(halfWidthForms(typed));
    if (!number || *number < low || *number > high)
        return std::nullopt;
    return number;
}

QString formatTenths(double value)
{
    return roundedTenths(value, true);
}

QString formatWeightText(double value)
{
    return roundedTenths(value, false);
}

QString formatSignedHundredths(double value)
{
    if (!std::isfinite(value))
        value = 0;
    char buffer[400];
    buffer[0] = value < 0 ? '-' : '+';
    const char *end = std::to_chars(buffer + 1, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::fixed, 2)
                          .ptr;
    return QString::fromLatin1(buffer, end - buffer);
}
