// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The weight chart's computation: the weighings in date order, their daily means, the smoothed
// trend, its slope over the last four weeks and the forecast drawn from it, and the reduction of
// many points to the few that one pixel column can show. No widget is involved.

#include <QString>
#include <optional>
#include <vector>

// One weighing: its calendar day (whole days since 1899-12-30, as the data files count them) and
// its weight in kg.
struct Weighing
{
    int day = 0;
    double weight = 0;
};

// One weighing day: the mean of that day's weighings and the trend after it.
struct TrendDay
{
    int day = 0;
    double mean = 0;
    double trend = 0;
};

struct TrendSeries
{
    std::vector<Weighing> weighings; // oldest first; weighings of one day keep their given order
    std::vector<TrendDay> days;      // one per weighing day, oldest first
};

// The weight trend follows each day's mean by 10 % a day: T := T + (1 - 0.9^Δt) × (mean - T), Δt
// the days since the previous weighing day, so that a gap moves the trend as far as the daily
// steps it stands for would have. The oldest day's mean starts it. Weighings whose weight is not
// a finite number are left out.
TrendSeries computeTrend(std::vector<Weighing> weighings);

// The trend over the weighing days of the last 28 days up to the newest one. Empty unless that
// window holds weighing days at least 14 days apart: a shorter stretch says more about the day's
// water than about the diet.
struct RecentTrend
{
    double slopePerDay = 0; // a least-squares line through the window's trend values
    int spanDays = 0;       // from the window's oldest weighing day to its newest
    // How far the daily means stray from the trend: the standard deviation (n - 1) of mean minus
    // trend over the window's days. Their average is taken out first, so the trend's steady lag
    // behind a steady loss does not count as scatter.
    double scatter = 0;
};
std::optional<RecentTrend> recentTrend(const std::vector<TrendDay> &days);

struct Forecast
{
    enum class Kind
    {
        NeedsMoreDays, // the window is too short for a slope
        Reached,       // the trend has reached the target
        Toward,        // the trend moves toward the target: it is reached on `reachDay`
        TooFar,        // the trend moves toward the target, but reaches it after ForecastReachDays
        // The trend stands still, moves away from the target, or changes over the window by less
        // than the weighings scatter around it, so that its direction is noise.
        Away,
    };
    Kind kind = Kind::NeedsMoreDays;
    double weeklySlope = 0; // kg per week
    int reachDay = 0;       // Toward only
    bool afterDeadline = false;
    int deadlineDay = 0; // when afterDeadline
};

// A reaching day further from the newest weighing than this is not given as a date.
inline constexpr int ForecastReachDays = 730;

// The forecast for a diet from `start` to `target` kg. A target below the start is reached when
// the trend falls to it, a target above the start when the trend rises to it (a target equal to
// the start: from whichever side the trend lies). The reaching day is the newest weighing day
// plus the days the slope needs, to the nearest day; `deadlineDay` (when the diet has a deadline)
// marks a reaching day after it.
Forecast forecastTrend(const TrendSeries &series, double start, double target,
                       std::optional<int> deadlineDay);

// The calendar day of declarationDate (a hand-edited date that is no number is day 0), and the
// deadline's day when the diet has one. A deadline more than a hundred years from the declaration
// (only a hand-edited file holds one) is treated as none.
int declarationDay();
std::optional<int> deadlineDay();

// The forecast line shown below the chart. A forecast after the deadline adds a second line.
QString forecastText(const Forecast &forecast);

// "yyyy年m月d日" without leading zeros.
QString longJapaneseDate(int day);

// The hover text of a weighing: its date, the weight with one decimal and the level name that
// weight gives in the current level mode and plan.
QString weighingText(const Weighing &weighing);

// Which points of a day-ordered series land in each pixel column of a chart `columns` wide that
// shows days `firstDay` to `lastDay`: the first, lowest, highest and last, so that drawing them
// (dots at the lowest and highest, a line through all four) looks exactly like drawing every
// point, whatever the series' length. Columns without points are left out.
struct ColumnPoints
{
    int column = 0;
    int first = 0; // indices into the series
    int lowest = 0;
    int highest = 0;
    int last = 0;
};

// The pixel column of a day: day `firstDay` in column 0, `lastDay` in column `columns` - 1.
double columnOfDay(int day, int firstDay, int lastDay, int columns);

template <typename Point, typename Value>
std::vector<ColumnPoints> reduceToColumns(const std::vector<Point> &series, int firstDay,
                                          int lastDay, int columns, Value value)
{
    std::vector<ColumnPoints> reduced;
    for (int i = 0; i < static_cast<int>(series.size()); ++i) {
        const int day = series[i].day;
        if (day < firstDay || day > lastDay)
            continue;
        const int column = static_cast<int>(columnOfDay(day, firstDay, lastDay, columns) + 0.5);
        if (reduced.empty() || reduced.back().column != column) {
            reduced.push_back({column, i, i, i, i});
            continue;
        }
        ColumnPoints &points = reduced.back();
        points.last = i;
        if (value(series[i]) < value(series[points.lowest]))
            points.lowest = i;
        if (value(series[i]) > value(series[points.highest]))
            points.highest = i;
    }
    return reduced;
}
