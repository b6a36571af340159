// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaxes.h"

#include "state/dateserial.h"
#include "state/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double minimumSpanKg = 1;
constexpr double marginShare = 0.06; // of the span, above and below
// No one weighs this much: a hand-edited weight beyond it is drawn at the edge, and the span and
// its marks stay finite numbers.
constexpr double farthestKg = 1e12;
constexpr qsizetype mostMarks = 1000; // of either axis, whatever the plot's size

// The weighings or trend days of a day-ordered series that fall within the shown days.
template <typename Point>
std::pair<typename std::vector<Point>::const_iterator, typename std::vector<Point>::const_iterator>
pointsShown(const std::vector<Point> &points, DayRange shown)
{
    const auto begin = std::partition_point(points.begin(), points.end(),
                                            [&](const Point &p) { return p.day < shown.firstDay; });
    const auto end = std::partition_point(begin, points.end(),
                                          [&](const Point &p) { return p.day <= shown.lastDay; });
    return {begin, end};
}

// The smallest of 0.5, 1, 2, 5 and 10 kg, or of 1, 2 and 5 times a larger power of ten, that is
// at least `rough`.
double markStep(double rough)
{
    for (const double step : {0.5, 1.0, 2.0, 5.0, 10.0}) {
        if (step >= rough)
            return step;
    }
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

struct Spacing
{
    enum Unit
    {
        Days,
        Months,
        Years,
    };
    Unit unit;
    int count;

    int shortestDays() const { return unit == Days ? count : (unit == Months ? 28 : 365) * count; }
};

constexpr Spacing spacings[] = {
    {Spacing::Days, 1},      {Spacing::Days, 2},     {Spacing::Days, 7},     {Spacing::Days, 14},
    {Spacing::Months, 1},    {Spacing::Months, 2},   {Spacing::Months, 3},   {Spacing::Months, 6},
    {Spacing::Years, 1},     {Spacing::Years, 2},    {Spacing::Years, 5},    {Spacing::Years, 10},
    {Spacing::Years, 20},    {Spacing::Years, 50},   {Spacing::Years, 100},  {Spacing::Years, 200},
    {Spacing::Years, 500},   {Spacing::Years, 1000}, {Spacing::Years, 2000}, {Spacing::Years, 5000},
    {Spacing::Years, 10000},
};

QString dateText(int day, Spacing::Unit unit)
{
    const CivilDate date = civilFromSerial(day);
    switch (unit) {
    case Spacing::Days:
        return QString::number(date.month) + u'/' + QString::number(date.day);
    case Spacing::Months:
        return QString::number(date.year) + u'/' + QString::number(date.month);
    case Spacing::Years:
        break;
    }
    return QString::number(date.year);
}

// The days of a spacing's marks within the shown days, oldest first, at most `limit` of them.
std::vector<int> markDays(Spacing spacing, DayRange shown, qsizetype limit)
{
    std::vector<int> days;
    if (spacing.unit == Spacing::Days) {
        for (qint64 day = shown.lastDay; day >= shown.firstDay && qsizetype(days.size()) < limit;
             day -= spacing.count)
            days.push_back(static_cast<int>(day));
        std::reverse(days.begin(), days.end());
        return days;
    }
    // Months are counted from January of year 0, so that every second, third or sixth month
    // starts in January, and the marks' years are multiples of the spacing.
    const qint64 perMark = spacing.unit == Spacing::Months ? spacing.count : 12 * spacing.count;
    const CivilDate first = civilFromSerial(shown.firstDay);
    const qint64 firstMonth = qint64(first.year) * 12 + first.month - 1 + (first.day == 1 ? 0 : 1);
    qint64 month = firstMonth / perMark * perMark; // toward zero, then up to the first month
    if (month < firstMonth)
        month += perMark;
    for (qsizetype tried = 0; tried < limit; ++tried, month += perMark) {
        qint64 year = month / 12;
        if (year * 12 > month)
            --year;
        const std::optional<DateSerial> day =
            serialFromCivil(static_cast<int>(year), static_cast<int>(month - year * 12) + 1, 1);
        if (!day)
            continue; // year 0 names no day
        if (*day > shown.lastDay)
            break;
        days.push_back(static_cast<int>(*day));
    }
    return days;
}

} // namespace

DayRange shownDays(ChartRange range, int dietFirstDay, int newestDay,
                   std::optional<int> deadlineDay)
{
    switch (range) {
    case ChartRange::Last30Days:
        return {newestDay - 29, newestDay};
    case ChartRange::Last90Days:
        return {newestDay - 89, newestDay};
    case ChartRange::LastYear:
        return {newestDay - 364, newestDay};
    case ChartRange::WholeDiet:
        break;
    }
    return {std::min(dietFirstDay, newestDay),
            std::max(newestDay, deadlineDay.value_or(newestDay))};
}

qsizetype weighingsShown(const TrendSeries &series, DayRange shown)
{
    const auto [begin, end] = pointsShown(series.weighings, shown);
    return end - begin;
}

double WeightAxis::rowOf(double kg, int plotHeight) const
{
    return (high - kg) / (high - low) * (plotHeight - 1);
}

WeightAxis weightAxis(const TrendSeries &series, DayRange shown, double target, int plotHeight,
                      int minimumMarkGap)
{
    const auto held = [](double kg) { return std::clamp(kg, -farthestKg, farthestKg); };
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    const auto [firstWeighing, endWeighing] = pointsShown(series.weighings, shown);
    for (auto w = firstWeighing; w != endWeighing; ++w) {
        low = std::min(low, held(w->weight));
        high = std::max(high, held(w->weight));
    }
    const auto [firstDay, endDay] = pointsShown(series.days, shown);
    for (auto d = firstDay; d != endDay; ++d) {
        low = std::min(low, held(d->trend));
        high = std::max(high, held(d->trend));
    }
    if (low > high)
        low = high = std::isfinite(target) ? held(target) : 0;
    if (high - low < minimumSpanKg) {
        const double middle = (low + high) / 2;
        low = middle - minimumSpanKg / 2;
        high = middle + minimumSpanKg / 2;
    }
    const double margin = (high - low) * marginShare;

    WeightAxis axis;
    axis.low = low - margin;
    axis.high = high + margin;
    axis.step = axis.high - axis.low;
    if (plotHeight >= 1) {
        const double span = axis.high - axis.low;
        axis.step = markStep(span * std::max(1, minimumMarkGap) / plotHeight);
        const double firstMark = std::ceil(axis.low / axis.step);
        const double marks = std::floor(axis.high / axis.step) - firstMark + 1;
        for (qsizetype i = 0; i < std::min(marks, double(mostMarks)); ++i) {
            const double kg = (firstMark + double(i)) * axis.step;
            axis.marks.push_back({kg, formatTenths(kg)});
        }
    }

    if (!std::isfinite(target))
        return axis;
    axis.targetText = u"目標 "_s + formatTenths(target) + u" kg"_s;
    if (target < axis.low) {
        axis.targetPlace = WeightAxis::TargetPlace::Below;
        axis.targetText += u" ↓"_s;
    } else if (target > axis.high) {
        axis.targetPlace = WeightAxis::TargetPlace::Above;
        axis.targetText += u" ↑"_s;
    } else {
        axis.targetPlace = WeightAxis::TargetPlace::Inside;
    }
    return axis;
}

std::vector<DateMark> dateMarks(DayRange shown, int plotWidth,
                                const std::function<int(const QString &)> &textWidth,
                                int minimumGap)
{
    if (plotWidth < 1 || shown.lastDay < shown.firstDay)
        return {};
    const int gap = std::max(0, minimumGap);
    const double spanDays = double(shown.lastDay) - shown.firstDay;
    // However narrow the texts, no more marks than this can stand apart.
    const qsizetype room = std::min<qsizetype>(plotWidth / std::max(1, gap) + 1, mostMarks);

    std::vector<DateMark> marks;
    for (const Spacing spacing : spacings) {
        if (spanDays / spacing.shortestDays() + 1 > room)
            continue;
        marks.clear();
        for (const int day : markDays(spacing, shown, room)) {
            marks.push_back({day, columnOfDay(day, shown.firstDay, shown.lastDay, plotWidth),
                             dateText(day, spacing.unit), 0});
        }
        bool apart = true;
        for (std::size_t i = 1; i < marks.size() && apart; ++i) {
            const double needed =
                (textWidth(marks[i - 1].text) + textWidth(marks[i].text)) / 2.0 + gap;
            apart = marks[i].column - marks[i - 1].column >= needed;
        }
        if (apart && !marks.empty())
            break;
        marks.clear();
    }
    if (marks.empty()) // not even one mark of any spacing: the last day alone
        marks.push_back(
            {shown.lastDay, double(plotWidth - 1), dateText(shown.lastDay, Spacing::Days), 0});

    // Texts move in from the edges; from the newest back, one that would crowd the text after it
    // is left out.
    std::vector<DateMark> kept;
    for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark) {
        const int width = textWidth(mark->text);
        if (width > plotWidth)
            continue;
        mark->textLeft = std::clamp(mark->column - width / 2.0, 0.0, double(plotWidth - width));
        if (kept.empty() || mark->textLeft + width + gap <= kept.back().textLeft)
            kept.push_back(*mark);
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

DotLook dotLook(qsizetype dots, int plotWidth)
{
    constexpr DotLook full{2.2, 1.0};
    constexpr DotLook faintest{0.9, 0.3};
    constexpr double fullUpTo = 0.25; // dots per column
    constexpr double doublings = 4;   // from fullUpTo to the faintest
    const double density = double(dots) / std::max(1, plotWidth);
    if (!(density > fullUpTo))
        return full;
    const double t = std::min(1.0, std::log2(density / fullUpTo) / doublings);
    return {full.radius + t * (faintest.radius - full.radius),
            full.opacity + t * (faintest.opacity - full.opacity)};
}
