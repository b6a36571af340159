// SPDX-License-Identifier: GPL-3.0-or-later
// The weight trend, its forecast, the reduction to pixel columns and the chart's axes, on
// synthetic logs.
#include "engine/chartaxes.h"
#include "engine/trend.h"
#include "state/state.h"

#include <algorithm>
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

TEST(ChartAxes, TheKilogramsSpanTheShownWeighingsWithRoundMarksApart)
{
    const double noNumber = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        const char *name;
        std::vector<Weighing> log;
        double target;
        double step;
        QString targetText;
    } cases[] = {
        {"noisyWeek", straightLine(8, 85.0, 0, noisyWeek), 70.0, 0.5, u"目標 70.0 kg ↓"_s},
        {"gain", straightLine(30, 50.0, 0.05), 90.0, 0.5, u"目標 90.0 kg ↑"_s},
        {"threeYears", straightLine(1095, 100.0, -30.0 / 1095, noisyWeek), 75.0, 5,
         u"目標 75.0 kg"_s},
        {"noTarget", straightLine(8, 85.0, 0), noNumber, 0.5, {}},
        // A hand-edited weight of 1e17 kg and one that is no number neither hang nor crowd.
        {"absurd", atDays({{0, 1e17}, {1, noNumber}, {2, 80}}), 70.0, 2e11, u"目標 70.0 kg"_s},
    };
    const int height = 150, gap = 20;
    for (const auto &c : cases) {
        const TrendSeries series = computeTrend(c.log);
        const WeightAxis axis = weightAxis(series, {day0, day0 + 1094}, c.target, height, gap);
        EXPECT_EQ(axis.step, c.step) << c.name;
        EXPECT_EQ(axis.targetText, c.targetText) << c.name;
        // Every dot inside, with a margin of no more than a tenth of the span on either side.
        const auto [lightest, heaviest] =
            std::minmax_element(series.weighings.begin(), series.weighings.end(),
                                [](auto &a, auto &b) { return a.weight < b.weight; });
        const double low = lightest->weight, high = std::min(heaviest->weight, 1e12);
        EXPECT_LT(axis.low, low) << c.name;
        EXPECT_GT(axis.high, high) << c.name;
        EXPECT_LE(axis.high - axis.low, std::max(1.0, high - low) * 1.2) << c.name;
        ASSERT_GE(axis.marks.size(), 2u) << c.name;
        EXPECT_GE(axis.marks.front().kg, axis.low) << c.name;
        EXPECT_LE(axis.marks.back().kg, axis.high) << c.name;
        EXPECT_GE(axis.rowOf(axis.marks[0].kg, height) - axis.rowOf(axis.marks[1].kg, height), gap)
            << c.name;
    }
    // A steady week spans a kilogram, marked at its half kilograms.
    const WeightAxis week = weightAxis(computeTrend(cases[0].log), {day0, day0 + 7}, 70, 150, 20);
    ASSERT_EQ(week.marks.size(), 3u);
    EXPECT_EQ(week.marks[0].text + week.marks[2].text, u"84.585.5"_s);
    EXPECT_EQ(week.targetPlace, WeightAxis::TargetPlace::Below);
    EXPECT_EQ(week.rowOf(week.high, 150), 0);
    EXPECT_EQ(week.rowOf(week.low, 150), 149);
}

TEST(ChartAxes, DateMarksStandApartWithinThePlotAtEveryRange)
{
    const int newest = 45635; // 2024-12-09
    const auto range = [&](ChartRange r, int first) { return shownDays(r, first, newest, {}); };
    const auto sixPerCharacter = [](const QString &text) { return 6 * int(text.size()); };
    const struct
    {
        const char *name;
        DayRange shown;
        int width;
        QString marks; // the first and the last
    } cases[] = {
        {"30days", range(ChartRange::Last30Days, newest), 330, u"11/11 12/9"_s},
        {"30daysNarrow", range(ChartRange::Last30Days, newest), 60, u"2024/12 2024/12"_s},
        {"90days", range(ChartRange::Last90Days, newest), 330, u"9/16 12/9"_s},
        {"year", range(ChartRange::LastYear, newest), 330, u"2024/1 2024/11"_s},
        {"oneDay", range(ChartRange::WholeDiet, newest), 330, u"12/9 12/9"_s},
        {"threeYears", range(ChartRange::WholeDiet, newest - 1095), 330, u"2022/7 2024/7"_s},
        {"tenThousandYears", {-693593, 2958465}, 330, u"1000 9000"_s},
        {"tooNarrowForAny", range(ChartRange::Last30Days, newest), 20, {}},
    };
    for (const auto &c : cases) {
        const std::vector<DateMark> marks = dateMarks(c.shown, c.width, sixPerCharacter, 8);
        const QString ends =
            marks.empty() ? QString() : marks.front().text + u' ' + marks.back().text;
        EXPECT_EQ(ends, c.marks) << c.name << ": " << ends.toStdString();
        double right = -8; // of the text before, with the gap
        for (const DateMark &mark : marks) {
            EXPECT_GE(mark.textLeft, right) << c.name;
            right = mark.textLeft + sixPerCharacter(mark.text) + 8;
        }
        EXPECT_LE(right - 8, c.width) << c.name;
    }
    EXPECT_EQ(shownDays(ChartRange::Last90Days, 100, 500, 900).firstDay, 411);
    EXPECT_EQ(shownDays(ChartRange::LastYear, 100, 500, 900).firstDay, 136);
    EXPECT_EQ(shownDays(ChartRange::WholeDiet, 100, 500, 900).lastDay, 900);
    EXPECT_EQ(shownDays(ChartRange::WholeDiet, 100, 500, 300).lastDay, 500);
}

TEST(ChartAxes, DenseDotsGrowSmallerAndLighter)
{
    const DotLook sparse = dotLook(80, 320), dense = dotLook(1095, 320), packed = dotLook(1e6, 320);
    EXPECT_DOUBLE_EQ(sparse.radius, 2.2);
    EXPECT_DOUBLE_EQ(sparse.opacity, 1);
    EXPECT_LT(packed.radius, dense.radius);
    EXPECT_LT(dense.radius, sparse.radius);
    EXPECT_LT(packed.opacity, dense.opacity);
    EXPECT_LT(dense.opacity, sparse.opacity);
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
