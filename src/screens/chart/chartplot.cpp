// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartplot.h"

#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// Room around the plot for the kilograms at the left and the dates below, in pixels.
constexpr int marginLeft = 38;
constexpr int marginRight = 6;
constexpr int marginTop = 6;
constexpr int marginBottom = 16;
constexpr double dotRadius = 1.5;
constexpr double hoverReach = 5; // pixels from a dot's centre that still hover it

const QColor dotColour(70, 70, 70);
const QColor trendColour(230, 120, 0);
const QColor targetColour(0, 140, 60);
const QColor deadlineColour(200, 30, 30);
const QColor gridColour(225, 225, 225);

// The smallest of 1, 2 and 5 times a power of ten that is at least `rough`.
double niceStep(double rough)
{
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

// Days between date marks: whole days, weeks, months of 30 days, quarters, half-years, years.
int dayStep(double rough)
{
    for (const int step : {1, 2, 7, 14, 30, 61, 91, 182, 365}) {
        if (step >= rough)
            return step;
    }
    return 365 * static_cast<int>(niceStep(rough / 365));
}

QString dateMark(int day, bool withYear)
{
    const CivilDate date = civilFromSerial(day);
    if (withYear)
        return QString::number(date.year) + u'/' + QString::number(date.month);
    return QString::number(date.month) + u'/' + QString::number(date.day);
}

} // namespace

ChartPlot::ChartPlot(const TrendSeries &series, QWidget *parent)
    : QWidget(parent), series(series), target(targetWeight()), deadline(deadlineDay()),
      declared(declarationDay())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartPlot::setRange(Range range)
{
    shown = range;
    layOut();
    update();
}

void ChartPlot::resizeEvent(QResizeEvent *)
{
    layOut();
}

double ChartPlot::xOf(int day) const
{
    return layout.plot.left() +
           columnOfDay(day, layout.firstDay, layout.lastDay, layout.plot.width());
}

double ChartPlot::yOf(double weight) const
{
    // In halves, so that the differences of the largest reals do not overflow.
    const double share = (weight / 2 - layout.low / 2) / (layout.high / 2 - layout.low / 2);
    return layout.plot.bottom() - share * (layout.plot.height() - 1);
}

void ChartPlot::layOut()
{
    layout = Layout();
    layout.plot = rect().adjusted(marginLeft, marginTop, -marginRight, -marginBottom);
    const std::vector<Weighing> &weighings = series.weighings;
    const int newest = weighings.empty() ? declared : weighings.back().day;
    switch (shown) {
    case Range::WholeDiet:
        layout.firstDay = std::min(declared, weighings.empty() ? declared : weighings.front().day);
        layout.lastDay = std::max(newest, deadline.value_or(newest));
        break;
    case Range::Last90Days:
        layout.firstDay = newest - 89;
        layout.lastDay = newest;
        break;
    case Range::Last30Days:
        layout.firstDay = newest - 29;
        layout.lastDay = newest;
        break;
    }

    const int columns = std::max(1, layout.plot.width());
    const auto dotColumns = reduceToColumns(weighings, layout.firstDay, layout.lastDay, columns,
                                            [](const Weighing &w) { return w.weight; });
    const auto trendColumns = reduceToColumns(series.days, layout.firstDay, layout.lastDay, columns,
                                              [](const TrendDay &d) { return d.trend; });

    // The kilograms shown: every drawn point and the target, with a little room. A trend that the
    // sum of absurd weights has made infinite is left out, and the room never overflows.
    double low = target, high = target;
    const auto include = [&](double weight) {
        if (std::isfinite(weight)) {
            low = std::min(low, weight);
            high = std::max(high, weight);
        }
    };
    for (const ColumnPoints &c : dotColumns) {
        include(weighings[c.lowest].weight);
        include(weighings[c.highest].weight);
    }
    for (const ColumnPoints &c : trendColumns) {
        include(series.days[c.lowest].trend);
        include(series.days[c.highest].trend);
    }
    constexpr double largest = std::numeric_limits<double>::max();
    const double room = std::max(0.5, (high / 2 - low / 2) * 0.1);
    layout.low = std::max(low - room, -largest);
    layout.high = std::min(high + room, largest);

    for (const ColumnPoints &c : dotColumns) {
        for (const int i : {c.lowest, c.highest}) {
            layout.dots.push_back({{xOf(weighings[i].day), yOf(weighings[i].weight)}, i});
            if (c.lowest == c.highest)
                break;
        }
    }
    // Joins the columns' points in day order, so the line looks as if every day were drawn.
    for (const ColumnPoints &c : trendColumns) {
        int order[] = {c.first, c.lowest, c.highest, c.last};
        std::sort(std::begin(order) + 1, std::end(order) - 1);
        for (const int i : order) {
            const QPointF point(xOf(series.days[i].day), yOf(series.days[i].trend));
            if (!std::isfinite(point.y()))
                continue;
            if (layout.trend.empty() || layout.trend.back() != point)
                layout.trend.push_back(point);
        }
    }
}

void ChartPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawAxes(painter);
    drawMarks(painter);
}

void ChartPlot::drawAxes(QPainter &painter) const
{
    const QRect &plot = layout.plot;
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(Qt::black);

    // Kilograms: a line and a mark every nice step, about one per three text heights. The marks
    // are counted, not stepped through: at 1e17 kg a step of 5 kg is lost in the magnitude.
    const double halfSpan = layout.high / 2 - layout.low / 2;
    const double step = niceStep(halfSpan * 2 * metrics.height() * 3 / std::max(1, plot.height()));
    const double firstMark = std::ceil(layout.low / step) * step;
    const double markCount = std::floor((layout.high / 2 - firstMark / 2) / (step / 2)) + 1;
    const int marks = std::isfinite(markCount) ? int(std::clamp(markCount, 0.0, 100.0)) : 0;
    for (int i = 0; i < marks; ++i) {
        const double kg = firstMark + i * step;
        const double y = yOf(kg);
        painter.setPen(gridColour);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        const QRectF mark(0, y - metrics.height() / 2.0, marginLeft - 4, metrics.height());
        painter.drawText(mark, Qt::AlignRight | Qt::AlignVCenter, formatTenths(kg));
    }

    // Dates: a mark about every five characters' width of a mark.
    const int days = layout.lastDay - layout.firstDay;
    const bool withYear = days > 2 * 365;
    const int markWidth = metrics.horizontalAdvance(withYear ? u"2000/12"_s : u"12/31"_s) + 12;
    const int stepDays =
        dayStep(std::max(1.0, double(days) * markWidth / std::max(1, plot.width())));
    for (int i = 0; i <= days / stepDays; ++i) {
        const int day = layout.firstDay + i * stepDays;
        const double x = xOf(day);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
        const QString text = dateMark(day, withYear);
        const int width = metrics.horizontalAdvance(text);
        const double left = std::clamp(x - width / 2.0, 0.0, double(this->width() - width));
        painter.drawText(QPointF(left, plot.bottom() + 4 + metrics.ascent()), text);
    }
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
}

void ChartPlot::drawMarks(QPainter &painter) const
{
    const QRect &plot = layout.plot;
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);

    // The target, labelled with its weight at the right.
    const double targetY = yOf(target);
    painter.setPen(QPen(targetColour, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), targetY), QPointF(plot.right(), targetY));
    const QString targetText = u"目標 "_s + formatTenths(target) + u" kg"_s;
    const QFontMetrics metrics = fontMetrics();
    const double textTop =
        targetY - metrics.height() - 1 < plot.top() ? targetY + 1 : targetY - metrics.height() - 1;
    painter.drawText(QRectF(plot.left(), textTop, plot.width() - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, targetText);

    if (deadline && *deadline >= layout.firstDay && *deadline <= layout.lastDay) {
        const double x = xOf(*deadline);
        painter.setPen(QPen(deadlineColour, 1, Qt::DashLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }

    painter.setPen(QPen(trendColour, 1.5));
    painter.drawPolyline(layout.trend.data(), static_cast<int>(layout.trend.size()));

    painter.setPen(Qt::NoPen);
    painter.setBrush(dotColour);
    for (const Dot &dot : layout.dots)
        painter.drawEllipse(dot.at, dotRadius, dotRadius);
    painter.restore();
}

QString ChartPlot::hoverTextAt(QPoint point) const
{
    const Dot *nearest = nullptr;
    double nearestDistance = hoverReach;
    for (const Dot &dot : layout.dots) {
        const double distance = std::hypot(dot.at.x() - point.x(), dot.at.y() - point.y());
        if (distance <= nearestDistance) {
            nearest = &dot;
            nearestDistance = distance;
        }
    }
    return nearest ? weighingText(series.weighings[nearest->weighing]) : QString();
}

bool ChartPlot::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString text = hoverTextAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}
