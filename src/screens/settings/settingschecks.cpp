// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingschecks.h"

#include "state/dateserial.h"
#include "state/numbers.h"

#include <cmath>

std::optional<QDate> dateFromDateBox(QStringView typed)
{
    const QString text = halfWidthForms(typed);
    const std::optional<double> number = parseNumber(text);
    if (!number || *number != std::floor(*number) || *number < 10000101 || *number > 90000101)
        return std::nullopt;
    return dateFromEightDigits(text);
}

std::optional<double> wholeDaysFromBox(QStringView text)
{
    const std::optional<double> number = parseNumber(halfWidthForms(text));
    if (!number)
        return std::nullopt;
    return std::nearbyint(*number); // the default rounding mode: halves to even
}
