// SPDX-License-Identifier: GPL-3.0-or-later
// The weight trend, its forecast and the reduction to pixel columns, on synthetic logs.
#include "engine/trend.h"
#include "state/state.h"

#include <gtest/gtest.h>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

const int day0 = 43831; // 2020-01-01

// Weighings on day0 + k for k = 0 .. days - 1, changing by `perDay` from `first`, with the day's
// share of `noise` (repeated as often as needed) added.
std::vector<Weighing> straightLine(int days, double first, double perDay,
                                   std::vector<double> noise = {0})
{
    std::vector<Weighing> log;
    for (int k = 0; k < days; ++k)
        log.push_back({day0 + k, first + perDay * k + noise[k % noise.size()]});
    return log;
}

// A week of weighings that go up and down by a few hundred grams around 85 kg.
const std::vector<double> noisyWeek = {0.0, -0.1, -0.2, 0.2, -0.2, 0.2, 0.0, -0.2};

std::vector<Weighing> atDays(std::initializer_list<std::pair<int, double>> weighings)
{
    std::vector<Weighing> log;
    for (const auto &[k, weight] : weighings)
        log.push_back({day0 + k, weight});
    return log;
}

TEST(Trend, FollowsTheDailyMeansByTenPercentADayAcrossGaps)
{
    // Three weighings on one day count as their mean; a gap of 30 days moves the trend as 30
    // daily steps would; the oldest day starts it, whatever order the log came in.
    const TrendSeries series =
        computeTrend(atDays({{31, 70.0}, {1, 79.0}, {0, 80.0}, {1, 81.0}, {1, 78.0}}));
    ASSERT_EQ(series.weighings.size(), 5u);
    EXPECT_EQ(series.weighings.front().day, day0);
    EXPECT_EQ(series.weighings.back().day, day0 + 31);
    ASSERT_EQ(series.days.size(), 3u);
    EXPECT_DOUBLE_EQ(series.days[0].trend, 80.0);
    EXPECT_DOUBLE_EQ(series.days[1].mean, 238.0 / 3);
    const double afterOneDay = 80.0 + 0.1 * (238.0 / 3 - 80.0);
    EXPECT_DOUBLE_EQ(series.days[1].trend, afterOneDay);
    EXPECT_NEAR(series.days[2].trend, afterOneDay + (1 - std::pow(0.9, 30)) * (70 - afterOneDay),
                1e-12);

    const TrendSeries constant = computeTrend(straightLine(60, 75.0, 0));
    for (const TrendDay &day : constant.days)
        EXPECT_EQ(day.trend, 75.0);
}

struct ForecastCase
{
    const char *name;
    std::vector<Weighing> log;
    double start;
    double target;
    int deadlineDays; // from day0; 0 for none
    QString text;
};

TEST(Trend, ForecastsFromTheLastFourWeeks)
{
    // A loss of 0.1 kg a day for 400 days: the trend lags 0.9 kg behind (81.0 on day 399) and
    // falls 0.70 kg a week, so it reaches 70 kg 110 days later, on day 509 (2021-05-24).
    const std::vector<Weighing> losing = straightLine(400, 120.0, -0.1);
    // A gain of 0.05 kg a day toward 60 kg: the trend is 59.5 on day 199, 10 days short.
    const std::vector<Weighing> gaining = straightLine(200, 50.0, 0.05);
    const ForecastCase cases[] = {
        {"straightLoss", losing, 120, 70, 0,
         u"このペースなら 2021年5月24日ごろ目標達成（週 -0.70 kg）"_s},
        {"deadlineMet", losing, 120, 70, 509,
         u"このペースなら 2021年5月24日ごろ目標達成（週 -0.70 kg）"_s},
        {"deadlineMissed", losing, 120, 70, 500,
         u"このペースなら 2021年5月24日ごろ目標達成（週 -0.70 kg）\n期限の 2021年5月15日 には間に合いません"_s},
        {"gaining", gaining, 50, 60, 0,
         u"このペースなら 2020年7月28日ごろ目標達成（週 +0.35 kg）"_s},
        {"gainingWhileLosing", gaining, 120, 40, 0,
         u"このペースでは目標に届きません（週 +0.35 kg）"_s},
        {"constant", straightLine(60, 75.0, 0), 80, 70, 0,
         u"このペースでは目標に届きません（週 +0.00 kg）"_s},
        {"reached", losing, 120, 85, 0, u"目標達成！"_s},
        {"reachedGaining", gaining, 50, 55, 0, u"目標達成！"_s},
        {"singleEntry", atDays({{0, 80.0}}), 80, 70, 0, u"予想には２週間ほどの記録が必要です"_s},
        {"thirteenDaysApart", atDays({{0, 80.0}, {13, 79.0}}), 80, 70, 0,
         u"予想には２週間ほどの記録が必要です"_s},
        // Only the newest 28 days count: the early weighing 40 days back does not.
        {"oldDaysOutsideTheWindow", atDays({{0, 90.0}, {40, 80.0}, {53, 80.0}}), 90, 70, 0,
         u"予想には２週間ほどの記録が必要です"_s},
        {"fourteenDaysApart", atDays({{0, 80.0}, {14, 79.0}}), 80, 70, 0,
         u"このペースなら 2020年7月1日ごろ目標達成（週 -0.39 kg）"_s},
        // A week of up and down, and a day more, is too short for any date; kept up for two
        // weeks, its trend changes by 0.02 kg while the weighings stray 0.15 kg from it.
        {"noisyWeek", straightLine(8, 85.0, 0, noisyWeek), 85, 70, 0,
         u"予想には２週間ほどの記録が必要です"_s},
        {"noisyWeekAndADay", straightLine(9, 85.0, 0, noisyWeek), 85, 70, 0,
         u"予想には２週間ほどの記録が必要です"_s},
        {"noisyFortnight", straightLine(16, 85.0, 0, noisyWeek), 85, 70, 0,
         u"このペースでは目標に届きません（週 -0.01 kg）"_s},
        {"noisyFortnightAndADay", straightLine(17, 85.0, 0, noisyWeek), 85, 70, 0,
         u"このペースでは目標に届きません（週 -0.01 kg）"_s},
        // The same ups and downs on a loss of 0.1 kg a day do not hide it.
        {"noisyLoss", straightLine(32, 85.0, -0.1, noisyWeek), 85, 70, 0,
         u"このペースなら 2020年7月5日ごろ目標達成（週 -0.58 kg）"_s},
        // 0.05 kg a week: 15 kg take some 2,070 days.
        {"slowLoss", straightLine(60, 85.0, -0.05 / 7), 85, 70, 0,
         u"このペースでは目標まで２年以上かかります（週 -0.05 kg）"_s},
        {"glacial", straightLine(60, 80.0, -1e-6), 80, 70, 0,
         u"このペースでは目標まで２年以上かかります（週 -0.00 kg）"_s},
    };
    for (const ForecastCase &c : cases) {
        const std::optional<int> deadline =
            c.deadlineDays ? std::optional(day0 + c.deadlineDays) : std::nullopt;
        const Forecast forecast = forecastTrend(computeTrend(c.log), c.start, c.target, deadline);
        EXPECT_EQ(forecastText(forecast), c.text)
            << c.name << ": " << forecastText(forecast).toStdString();
    }
}

TEST(Trend, AColumnKeepsItsFirstLowestHighestAndLast)
{
    // 100,000 weighings over 1,000 days into 100 columns: four points a column at most, and the
    // extremes of each column are those of its weighings.
    std::vector<Weighing> log;
    for (int i = 0; i < 100000; ++i)
        log.push_back({day0 + i / 100, 70.0 + (i * 7919 % 1000) / 100.0});
    const auto weight = [](const Weighing &w) { return w.weight; };
    const std::vector<ColumnPoints> columns = reduceToColumns(log, day0, day0 + 999, 100, weight);
    ASSERT_EQ(columns.size(), 100u);
    EXPECT_EQ(columns.front().first, 0);
    EXPECT_EQ(columns.back().last, 99999);
    for (const ColumnPoints &c : columns) {
        double low = log[c.first].weight, high = low;
        for (int i = c.first; i <= c.last; ++i) {
            low = std::min(low, log[i].weight);
            high = std::max(high, log[i].weight);
        }
        EXPECT_EQ(log[c.lowest].weight, low);
        EXPECT_EQ(log[c.highest].weight, high);
    }
    // Days outside the range are left out; a range of one day lies in the middle.
    EXPECT_EQ(reduceToColumns(log, day0 + 1000, day0 + 2000, 100, weight).size(), 0u);
    const std::vector<ColumnPoints> oneDay = reduceToColumns(log, day0 + 5, day0 + 5, 101, weight);
    ASSERT_EQ(oneDay.size(), 1u);
    EXPECT_EQ(oneDay[0].column, 50);
    EXPECT_EQ(oneDay[0].last - oneDay[0].first, 99);
}

} // namespace

TEST(Trend, AHandEditedPlanGivesNoImpossibleDays)
{
    declarationDate() = day0 + 0.5;
    deadlineDays() = 30;
    EXPECT_EQ(declarationDay(), day0);
    EXPECT_EQ(deadlineDay(), day0 + 30);
    deadlineDays() = std::numeric_limits<std::int32_t>::max(); // would overflow the day count
    EXPECT_FALSE(deadlineDay());
    declarationDate() = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(declarationDay(), 0);
    resetState();
}
