// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/trend.h"

#include <QWidget>

class ChartPlot;
class QLabel;
class QPushButton;
class WeightLog;

// The weight chart: the weighings of the weight log (unsaved edits included) over time, their
// trend and the forecast of the day the target is reached. It takes the main screen's place like
// the win/loss table and writes nothing.
class WeightChart : public QWidget
{
    Q_OBJECT

public:
    WeightChart();

    void copyChart();

    ChartPlot *plot = nullptr;
    QLabel *forecast = nullptr;
    QPushButton *wholeDiet = nullptr;
    QPushButton *lastYear = nullptr;
    QPushButton *last90Days = nullptr;
    QPushButton *last30Days = nullptr;
    QPushButton *copy = nullptr;
    QPushButton *back = nullptr;

signals:
    // 戻る or the close box; emitted while the chart still stands where it was.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TrendSeries series;
};

// The weighings of the log, oldest first; rows whose date or weight is not (yet) one are left out.
std::vector<Weighing> weighingsOfLog(const WeightLog &log);
