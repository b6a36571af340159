// SPDX-License-Identifier: GPL-3.0-or-later
#include "trend.h"

#include "levels.h"
#include "mainscreen.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double dailyKeep = 0.9; // the share of the trend a day keeps
constexpr int slopeWindowDays = 28;
constexpr int slopeMinimumSpanDays = 14;
constexpr int deadlineHorizonDays = 100 * 365;

} // namespace

TrendSeries computeTrend(std::vector<Weighing> weighings)
{
    std::erase_if(weighings, [](const Weighing &w) { return !std::isfinite(w.weight); });
    // The settings screen keeps its table newest first, so the reversed table is usually in order
    // already; an unsaved edit or a moved declaration date can leave it out of order.
    const auto byDay = [](const Weighing &a, const Weighing &b) { return a.day < b.day; };
    if (!std::is_sorted(weighings.begin(), weighings.end(), byDay))
        std::stable_sort(weighings.begin(), weighings.end(), byDay);

    TrendSeries series;
    series.weighings = std::move(weighings);
    const std::vector<Weighing> &all = series.weighings;
    for (std::size_t i = 0; i < all.size();) {
        std::size_t end = i;
        double sum = 0;
        for (; end < all.size() && all[end].day == all[i].day; ++end)
            sum += all[end].weight;
        const double mean = sum / static_cast<double>(end - i);
        double trend = mean;
        if (!series.days.empty()) {
            const TrendDay &previous = series.days.back();
            const double moved = 1 - std::pow(dailyKeep, all[i].day - previous.day);
            trend = previous.trend + moved * (mean - previous.trend);
        }
        series.days.push_back({all[i].day, mean, trend});
        i = end;
    }
    return series;
}

std::optional<RecentTrend> recentTrend(const std::vector<TrendDay> &days)
{
    if (days.empty())
        return std::nullopt;
    const int newest = days.back().day;
    auto first = days.end();
    while (first != days.begin() && std::prev(first)->day > newest - slopeWindowDays)
        --first;
    if (newest - first->day < slopeMinimumSpanDays)
        return std::nullopt;
    // Least squares around the window's means, with days counted from the newest so that the sums
    // stay small.
    double n = 0, sumX = 0, sumY = 0, sumStray = 0;
    for (auto d = first; d != days.end(); ++d) {
        n += 1;
        sumX += d->day - newest;
        sumY += d->trend;
        sumStray += d->mean - d->trend;
    }
    const double meanX = sumX / n, meanY = sumY / n, meanStray = sumStray / n;
    double sxx = 0, sxy = 0, sss = 0;
    for (auto d = first; d != days.end(); ++d) {
        const double x = d->day - newest - meanX;
        const double stray = d->mean - d->trend - meanStray;
        sxx += x * x;
        sxy += x * (d->trend - meanY);
        sss += stray * stray;
    }
    // A span of 14 days holds at least two weighing days, so neither divisor is zero.
    return RecentTrend{sxy / sxx, newest - first->day, std::sqrt(sss / (n - 1))};
}

Forecast forecastTrend(const TrendSeries &series, double start, double target,
                       std::optional<int> deadlineDay)
{
    Forecast forecast;
    const std::optional<RecentTrend> recent = recentTrend(series.days);
    if (!recent)
        return forecast;
    const double slope = recent->slopePerDay;
    forecast.weeklySlope = slope * 7;
    const TrendDay &newest = series.days.back();
    // +1 when the diet gains toward its target, -1 when it loses, 0 when the trend is on it.
    double direction = target > start ? 1 : (target < start ? -1 : 0);
    if (direction == 0)
        direction = target > newest.trend ? 1 : (target < newest.trend ? -1 : 0);
    if (direction == 0 || (newest.trend - target) * direction >= 0) {
        forecast.kind = Forecast::Kind::Reached;
        return forecast;
    }
    const bool clearerThanScatter = std::fabs(slope * recent->spanDays) > recent->scatter;
    if (!(slope * direction > 0) || !clearerThanScatter) {
        forecast.kind = Forecast::Kind::Away;
        return forecast;
    }
    const double daysToGo = (target - newest.trend) / slope;
    if (!(daysToGo <= ForecastReachDays)) {
        forecast.kind = Forecast::Kind::TooFar;
        return forecast;
    }
    forecast.kind = Forecast::Kind::Toward;
    forecast.reachDay = newest.day + static_cast<int>(std::lround(daysToGo));
    if (deadlineDay && forecast.reachDay > *deadlineDay) {
        forecast.afterDeadline = true;
        forecast.deadlineDay = *deadlineDay;
    }
    return forecast;
}

int declarationDay()
{
    // Years 1 to 9999 lie within three million days of the serials' zero.
    const double day = std::floor(declarationDate());
    return std::isfinite(day) ? static_cast<int>(std::clamp(day, -3e6, 3e6)) : 0;
}

std::optional<int> deadlineDay()
{
    const std::int32_t days = deadlineDays();
    if (days == 0 || std::abs(std::int64_t(days)) > deadlineHorizonDays)
        return std::nullopt;
    return declarationDay() + days;
}

QString forecastText(const Forecast &forecast)
{
    const QString weekly = u"（週 "_s + formatSignedHundredths(forecast.weeklySlope) + u" kg）"_s;
    switch (forecast.kind) {
    case Forecast::Kind::NeedsMoreDays:
        return u"予想には２週間ほどの記録が必要です"_s;
    case Forecast::Kind::Reached:
        return u"目標達成！"_s;
    case Forecast::Kind::Away:
        return u"このペースでは目標に届きません"_s + weekly;
    case Forecast::Kind::TooFar:
        return u"このペースでは目標まで２年以上かかります"_s + weekly;
    case Forecast::Kind::Toward:
        break;
    }
    QString text =
        u"このペースなら "_s + longJapaneseDate(forecast.reachDay) + u"ごろ目標達成"_s + weekly;
    if (forecast.afterDeadline)
        text += u"\n期限の "_s + longJapaneseDate(forecast.deadlineDay) + u" には間に合いません"_s;
    return text;
}

QString longJapaneseDate(int day)
{
    const CivilDate date = civilFromSerial(day);
    return QString::number(date.year) + u"年"_s + QString::number(date.month) + u"月"_s +
           QString::number(date.day) + u"日"_s;
}

QString weighingText(const Weighing &weighing)
{
    const double rate = achievementRateOf(startWeight(), targetWeight(), weighing.weight);
    return longJapaneseDate(weighing.day) + u"  "_s + formatTenths(weighing.weight) + u" kg  "_s +
           levelName(rate, levelMode(), sex());
}

double columnOfDay(int day, int firstDay, int lastDay, int columns)
{
    if (lastDay <= firstDay)
        return (columns - 1) / 2.0;
    return static_cast<double>(day - firstDay) * (columns - 1) / (lastDay - firstDay);
}
