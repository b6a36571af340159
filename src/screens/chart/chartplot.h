// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/chartaxes.h"
#include "engine/trend.h"

#include <QWidget>
#include <optional>

// The plot of the weight chart: a dot per weighing, the trend line over them, the target and the
// deadline, with kilograms at the side and dates along the bottom. The kilograms span what the
// shown days hold, so that a week's ups and downs fill the plot's height. However long the log,
// each pixel column draws only the first, lowest, highest and last of its points.
class ChartPlot : public QWidget
{
    Q_OBJECT

public:
    ChartPlot(const TrendSeries &series, QWidget *parent);

    void setRange(ChartRange range);
    ChartRange range() const { return shown; }
    // The kilogram axis as last laid out.
    const WeightAxis &weightAxis() const { return layout.axis; }

    // The hover text of the dot under `point` (widget coordinates); empty when there is none.
    QString hoverTextAt(QPoint point) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Dot
    {
        QPointF at;
        int weighing;
    };
    // What one range at one size draws, worked out when either changes.
    struct Layout
    {
        QRect plot;
        DayRange days;
        WeightAxis axis;
        std::vector<DateMark> dates;
        DotLook look;
        std::vector<Dot> dots;
        std::vector<QPointF> trend;
    };

    void layOut();
    int dayColumns() const; // the pixel columns from the first day shown to the last
    double xOf(int day) const;
    double yOf(double weight) const;
    void drawAxes(QPainter &painter) const;
    void drawTarget(QPainter &painter) const;
    void drawTargetBeyond(QPainter &painter) const;
    void drawPoints(QPainter &painter) const;

    const TrendSeries &series;
    double target;
    std::optional<int> deadline;
    int declared;
    ChartRange shown = ChartRange::WholeDiet;
    Layout layout;
};
