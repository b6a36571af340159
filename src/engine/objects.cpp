// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects.h"

#include "draws.h"
#include "state/numbers.h"

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// The weight difference the line shows and the lookup uses; 0 when it is not a finite number
// (only weights near the limits of a double, from a hand-edited file, can make it so).
double lostKilograms(double startWeight, double currentWeight)
{
    const double difference = startWeight - currentWeight;
    return std::isfinite(difference) ? difference : 0.0;
}

QString nameOf(std::span<const WeightObject> table, int row)
{
    if (row < 0 || row >= static_cast<int>(table.size()) || !table[row].objectName)
        return QString();
    return QString::fromUtf16(table[row].objectName);
}

} // namespace

std::int32_t lostGramsOf(double startWeight, double currentWeight)
{
    const double grams = lostKilograms(startWeight, currentWeight) * 1000;
    if (std::isnan(grams))
        return 0;
    double whole = std::floor(grams);
    const double fraction = grams - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1; // to the nearest integer, an exact half to the even one
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (whole <= low)
        return std::numeric_limits<std::int32_t>::min();
    if (whole >= high)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(whole);
}

int anchorRow(std::span<const WeightObject> table, std::int32_t lostGrams)
{
    const int secondToLast = static_cast<int>(table.size()) - 2;
    int i = 0;
    while (i < secondToLast && table[i].grams < lostGrams)
        ++i;
    return i;
}

std::int64_t bracketBound(std::int32_t anchorGrams)
{
    const std::int64_t sum = static_cast<std::int64_t>(anchorGrams) + 100;
    std::int64_t hundreds = sum / 100;
    if (sum % 100 != 0 && sum < 0)
        --hundreds; // ⌊⌋ also below zero, though no row weighs less than 0 g
    return hundreds * 100;
}

int rangeEnd(std::span<const WeightObject> table, int anchor, std::int64_t bound)
{
    const int last = static_cast<int>(table.size()) - 1;
    int j = anchor;
    while (j < last && table[j].grams < bound)
        ++j;
    return j;
}

int chooseObjectRow(std::span<const WeightObject> table, std::int32_t lostGrams,
                    const std::function<double()> &draw)
{
    if (table.empty())
        return -1;
    const int i = anchorRow(table, lostGrams);
    const int j = rangeEnd(table, i, bracketBound(table[i].grams));
    int pick = drawnIndex(drawValue(draw), j - i); // 0 to j - i - 1
    if (table[i].grams == 0) {
        const int r = drawnIndex(drawValue(draw), 100);
        if (r > 60)
            pick = 1;
        else if (r > 20)
            pick = 0;
    }
    const int row = i + pick;
    return row < static_cast<int>(table.size()) ? row : i; // a one-row table has no row 1
}

ChangeLine changeLine(double startWeight, double currentWeight, std::int32_t showSign,
                      const std::function<double()> &draw, std::span<const WeightObject> table)
{
    ChangeLine line;
    const double lost = lostKilograms(startWeight, currentWeight);
    line.lostGrams = lostGramsOf(startWeight, currentWeight);
    if (line.lostGrams < 0) {
        line.row = table.empty() ? -1 : 0;
        const QString amount = showSign == 1 ? u"+"_s + formatTenths(-lost) : formatTenths(lost);
        line.text = amount + u" kg "_s + nameOf(table, line.row);
        return line;
    }
    line.row = chooseObjectRow(table, line.lostGrams, draw);
    const QString sign = line.lostGrams > 0 && showSign == 1 ? u"-"_s : QString();
    line.text = sign + formatTenths(lost) + u" kg "_s + nameOf(table, line.row);
    return line;
}
