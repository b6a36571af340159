// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/trend.h"

#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

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

// The weight chart: the weighings of the settings screen's table (unsaved edits included) over
// time, their trend and the forecast of the day the target is reached. It takes the main
// screen's place like the win/loss table and writes nothing.
class WeightChart : public QWidget
{
    Q_OBJECT

public:
    WeightChart();

    void copyChart();

    ChartPlot *plot = nullptr;
    QLabel *forecast = nullptr;
    QPushButton *wholeDiet = nullptr;
    QPushButton *last90Days = nullptr;
    QPushButton *last30Days = nullptr;
    QPushButton *copy = nullptr;
    QPushButton *back = nullptr;

protected:
    // Brings the main screen back where the chart stood.
    void closeEvent(QCloseEvent *event) override;

private:
    TrendSeries series;
};

// The weighings of the settings screen's table, oldest first; rows whose date or weight is not
// (yet) one are left out.
std::vector<Weighing> weighingsOfTable();
