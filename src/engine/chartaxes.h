// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the weight chart shows and where: the days of a range, the kilograms the plot spans with
// their marks and the target's place, the date marks along the bottom, and how dense dots are
// drawn. No widget is involved: the plot's size and the labels' widths come from the caller.

#include "trend.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

enum class ChartRange
{
    Last30Days,
    Last90Days,
    LastYear,
    WholeDiet,
};

struct DayRange
{
    int firstDay = 0;
    int lastDay = 0;
};

// The days a range shows. The fixed ranges end on the newest weighing day; the whole diet runs
// from `dietFirstDay` (the declaration, or an older weighing) to the newest weighing day, or to
// the deadline when that lies later.
DayRange shownDays(ChartRange range, int dietFirstDay, int newestDay,
                   std::optional<int> deadlineDay);

// The weighings of a series that fall within the shown days.
qsizetype weighingsShown(const TrendSeries &series, DayRange shown);

struct WeightMark
{
    double kg = 0;
    QString text; // "85.0"
};

struct WeightAxis
{
    double low = 0;                // the kilograms at the plot's bottom row
    double high = 1;               // and at its top row
    double step = 1;               // between marks
    std::vector<WeightMark> marks; // lowest first, every multiple of `step` within the span
    enum class TargetPlace
    {
        Inside, // draw the target line, labelled `targetText`
        Below,  // write `targetText` at the bottom edge
        Above,  // write `targetText` at the top edge
        None,   // the target is no number
    };
    TargetPlace targetPlace = TargetPlace::None;
    QString targetText; // "目標 65.0 kg", with " ↓" below the span and " ↑" above it

    // The row of a weight in a plot `plotHeight` rows high: `high` in row 0, `low` in the last.
    double rowOf(double kg, int plotHeight) const;
};

// The kilogram axis of a plot `plotHeight` pixels high showing `shown`: it spans the weighings and
// the trend of those days with a small margin, and at least 1 kg, so that a steady week still
// shows its ups and downs at a readable size. Marks stand 0.5, 1, 2, 5 or 10 kg apart (then 20,
// 50, 100, ...), the closest spacing that keeps them `minimumMarkGap` pixels apart. With nothing
// to show the axis centres on the target.
WeightAxis weightAxis(const TrendSeries &series, DayRange shown, double target, int plotHeight,
                      int minimumMarkGap);

struct DateMark
{
    int day = 0;
    double column = 0;   // the day's pixel column, as columnOfDay gives it
    QString text;        // "12/9", "2024/12" or "2025"
    double textLeft = 0; // the text's left edge, within 0 and the plot's width less its own
};

// The date marks of a plot `plotWidth` pixels wide showing `shown`: days one, two, seven or
// fourteen apart counted back from the last day ("12/9"); else the first of every one, two,
// three or six months ("2024/12"); else new year's day of every one, two, five, ten, ... years
// ("2025"); the closest spacing whose texts, `textWidth` pixels wide each, stand `minimumGap`
// apart. A text is moved in from an edge rather than cut, and one that then crowds its neighbour
// is left out (the newest is kept).
std::vector<DateMark> dateMarks(DayRange shown, int plotWidth,
                                const std::function<int(const QString &)> &textWidth,
                                int minimumGap);

struct DotLook
{
    double radius = 2.2; // pixels
    double opacity = 1;
};

// How to draw `dots` weighings across `plotWidth` pixel columns: in full up to one dot per four
// columns; denser, every doubling makes them smaller and lighter, down to a radius of 0.9 and an
// opacity of 0.3 from four dots per column, so that the trend line still reads over years of
// weighings.
DotLook dotLook(qsizetype dots, int plotWidth);
