// SPDX-License-Identifier: GPL-3.0-or-later
#include "weightchart.h"

#include "chartplot.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "state/dateserial.h"
#include "state/state.h"
#include "state/weightlog.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

std::vector<Weighing> weighingsOfLog(const WeightLog &log)
{
    std::vector<Weighing> weighings;
    weighings.reserve(log.entryCount());
    for (int row = log.entryCount(); row >= 1; --row) {
        const WeightLog::Entry &entry = log.entry(row);
        const std::optional<CivilDate> date = civilFromEightDigits(entry.date.view());
        const std::optional<double> weight = entry.weight.number();
        if (!date || !weight)
            continue;
        if (const std::optional<DateSerial> day =
                serialFromCivil(date->year, date->month, date->day))
            weighings.push_back({static_cast<int>(*day), *weight});
    }
    return weighings;
}

WeightChart::WeightChart()
{
    setUpDiscardedScreen(this, u"WeightChart"_s, u" 体重グラフ - zunoko"_s, 5595, 3300);

    series = computeTrend(weighingsOfLog(weightLog()));
    plot = new ChartPlot(series, this);
    plot->setObjectName(u"plot"_s);
    placeInTwips(plot, 120, 60, 5355, 2370);

    forecast =
        makeLabel(this, u"forecast"_s,
                  forecastText(forecastTrend(series, startWeight(), targetWeight(), deadlineDay())),
                  {120, 2475, 5355, 480});
    forecast->setTextFormat(Qt::PlainText);
    forecast->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The ranges, widest first, then the copy and the way back.
    wholeDiet = makeButton(this, u"wholeDiet"_s, u"全期間"_s, {120, 3000, 840, 255});
    lastYear = makeButton(this, u"lastYear"_s, u"1年"_s, {1045, 3000, 720, 255});
    last90Days = makeButton(this, u"last90Days"_s, u"90日"_s, {1850, 3000, 720, 255});
    last30Days = makeButton(this, u"last30Days"_s, u"30日"_s, {2655, 3000, 720, 255});
    copy = makeButton(this, u"copy"_s, u"コピー"_s, {3480, 3000, 975, 255});
    back = makeButton(this, u"back"_s, u"戻る"_s, {4560, 3000, 975, 255});

    const std::pair<QPushButton *, ChartRange> ranges[] = {
        {wholeDiet, ChartRange::WholeDiet},
        {lastYear, ChartRange::LastYear},
        {last90Days, ChartRange::Last90Days},
        {last30Days, ChartRange::Last30Days},
    };
    for (const auto &[button, range] : ranges) {
        button->setCheckable(true);
        button->setAutoExclusive(true);
        connect(button, &QPushButton::clicked, plot, [this, range] { plot->setRange(range); });
    }
    wholeDiet->setChecked(true);
    connect(copy, &QPushButton::clicked, this, &WeightChart::copyChart);
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    pressOnKey(back, Qt::Key_Escape);
}

void WeightChart::copyChart()
{
    // The plot with the forecast below it, drawn anew at twice the window's pixels or at the
    // screen's scale when that is larger, so that a message board that enlarges it shows it sharp.
    const QRect shown = plot->geometry().united(forecast->geometry());
    const qreal scale = std::max<qreal>(2, devicePixelRatioF());
    QImage picture(shown.size() * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(palette().color(QPalette::Window));
    render(&picture, QPoint(), QRegion(shown));
    picture.setDevicePixelRatio(1); // a picture of its pixels for whoever pastes it
    auto *copied = new QMimeData;
    copied->setImageData(picture);
    // Where only text can be pasted, such as a message board's box, the forecast line goes in.
    copied->setText(forecast->text());
    QGuiApplication::clipboard()->setMimeData(copied);
}

void WeightChart::closeEvent(QCloseEvent *event)
{
    emit closed();
    event->accept();
}
