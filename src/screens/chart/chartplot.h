// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/trend.h"

#include <QWidget>
#include <optional>

// The plot of the weight chart: a dot per weighing, the trend line, the target and the deadline,
// with kilograms at the side and dates along the bottom. However long the log, each pixel column
// draws only the first, lowest, highest and last of its points.
class ChartPlot : public QWidget
{
    Q_OBJECT

public:
    enum class Range
    {
        WholeDiet,
        Last90Days,
        Last30Days,
    };

    ChartPlot(const TrendSeries &series, QWidget *parent);

    void setRange(Range range);
    Range range() const { return shown; }

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
        int firstDay = 0;
        int lastDay = 0;
        double low = 0;
        double high = 1;
        std::vector<Dot> dots;
        std::vector<QPointF> trend;
    };

    void layOut();
    double xOf(int day) const;
    double yOf(double weight) const;
    void drawAxes(QPainter &painter) const;
    void drawMarks(QPainter &painter) const;

    const TrendSeries &series;
    double target;
    std::optional<int> deadline;
    int declared;
    Range shown = Range::WholeDiet;
    Layout layout;
};
