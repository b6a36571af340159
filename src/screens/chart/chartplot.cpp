// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartplot.h"

#include "state/state.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Room in pixels: at the right of the plot, and above and below it besides half a text's height
// for the kilogram marks at its edges and a text's height for the dates below.
constexpr int marginRight = 6;
constexpr int marginTop = 2;
constexpr int marginBottom = 4;
constexpr int markTextGap = 4;   // between a kilogram mark's text and the plot
constexpr int dateTextGap = 8;   // between two date texts
constexpr double hoverReach = 5; // pixels from a dot's centre that still hover it
// Pixels between the plot's side edges and its first and last days, so that their dots are
// drawn whole.
constexpr int dayInset = 4;
// Rows beyond the plot's edges at which far-off points are drawn, so that the painter is never
// handed a coordinate near the limits of its numbers.
constexpr double offPlotRows = 16;

const QColor dotColour(70, 70, 70);
const QColor trendColour(215, 95, 0);
const QColor targetColour(0, 140, 60);
const QColor deadlineColour(200, 30, 30);
const QColor gridColour(225, 225, 225);

} // namespace

ChartPlot::ChartPlot(const TrendSeries &series, QWidget *parent)
    : QWidget(parent), series(series), target(targetWeight()), deadline(deadlineDay()),
      declared(declarationDay())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartPlot::setRange(ChartRange range)
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
    return layout.plot.left() + dayInset +
           columnOfDay(day, layout.days.firstDay, layout.days.lastDay, dayColumns());
}

int ChartPlot::dayColumns() const
{
    return std::max(1, layout.plot.width() - 2 * dayInset);
}

double ChartPlot::yOf(double weight) const
{
    const double row = layout.axis.rowOf(weight, layout.plot.height());
    return layout.plot.top() + std::clamp(row, -offPlotRows, layout.plot.height() + offPlotRows);
}

void ChartPlot::layOut()
{
    layout = Layout();
    const std::vector<Weighing> &weighings = series.weighings;
    const int newest = weighings.empty() ? declared : weighings.back().day;
    const int dietFirstDay =
        weighings.empty() ? declared : std::min(declared, weighings.front().day);
    layout.days = shownDays(shown, dietFirstDay, newest, deadline);

    // The kilograms first: the widest of their texts decides the room at the left.
    const QFontMetrics metrics = fontMetrics();
    const int top = marginTop + metrics.height() / 2;
    const int bottom = marginBottom + metrics.height() + 4;
    const int plotHeight = std::max(1, height() - top - bottom);
    layout.axis = ::weightAxis(series, layout.days, target, plotHeight, metrics.height() * 2);
    int widestMark = metrics.horizontalAdvance(u"100.0"_s);
    for (const WeightMark &mark : layout.axis.marks)
        widestMark = std::max(widestMark, metrics.horizontalAdvance(mark.text));
    const int left = std::min(widestMark + markTextGap + 2, width() / 3);
    layout.plot = QRect(left, top, std::max(1, width() - left - marginRight), plotHeight);

    layout.dates = dateMarks(
        layout.days, dayColumns(),
        [&metrics](const QString &text) { return metrics.horizontalAdvance(text); }, dateTextGap);
    layout.look = dotLook(weighingsShown(series, layout.days), dayColumns());

    const int columns = dayColumns();
    const DayRange days = layout.days;
    for (const ColumnPoints &c : reduceToColumns(weighings, days.firstDay, days.lastDay, columns,
                                                 [](const Weighing &w) { return w.weight; })) {
        for (const int i : {c.lowest, c.highest}) {
            layout.dots.push_back({{xOf(weighings[i].day), yOf(weighings[i].weight)}, i});
            if (c.lowest == c.highest)
                break;
        }
    }
    // Joins the columns' points in day order, so the line looks as if every day were drawn.
    for (const ColumnPoints &c : reduceToColumns(series.days, days.firstDay, days.lastDay, columns,
                                                 [](const TrendDay &d) { return d.trend; })) {
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
    drawTarget(painter);
    drawPoints(painter);
    drawTargetBeyond(painter);
}

void ChartPlot::drawAxes(QPainter &painter) const
{
    const QRect &plot = layout.plot;
    const QFontMetrics metrics = fontMetrics();
    for (const WeightMark &mark : layout.axis.marks) {
        const double y = yOf(mark.kg);
        painter.setPen(gridColour);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        const QRectF text(0, y - metrics.height() / 2.0, plot.left() - markTextGap,
                          metrics.height());
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, mark.text);
    }
    painter.setPen(Qt::black);
    for (const DateMark &mark : layout.dates) {
        const double x = plot.left() + dayInset + mark.column;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
        painter.drawText(
            QPointF(plot.left() + dayInset + mark.textLeft, plot.bottom() + 4 + metrics.ascent()),
            mark.text);
    }
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
}

// The target: a dashed line labelled at its right end when the kilograms shown hold it. Else its
// label stands on a pale ground at the left of the edge toward which it lies, where a diet's
// older weighings lie far from the target, and is drawn over the points.
void ChartPlot::drawTarget(QPainter &painter) const
{
    const QRect &plot = layout.plot;
    const WeightAxis &axis = layout.axis;
    if (axis.targetPlace != WeightAxis::TargetPlace::Inside)
        return;
    const double y = yOf(target);
    painter.setPen(QPen(targetColour, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    const double lineHeight = fontMetrics().height();
    const double textTop = y - lineHeight - 1 < plot.top() ? y + 1 : y - lineHeight - 1;
    painter.setPen(targetColour);
    painter.drawText(QRectF(plot.left(), textTop, plot.width() - 4, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, axis.targetText);
}

void ChartPlot::drawTargetBeyond(QPainter &painter) const
{
    const WeightAxis &axis = layout.axis;
    if (axis.targetPlace != WeightAxis::TargetPlace::Above &&
        axis.targetPlace != WeightAxis::TargetPlace::Below)
        return;
    const QFontMetrics metrics = fontMetrics();
    const QRect &plot = layout.plot;
    const int top = axis.targetPlace == WeightAxis::TargetPlace::Above
                        ? plot.top() + 2
                        : plot.bottom() - metrics.height() - 1;
    const QRect text(plot.left() + 3, top, metrics.horizontalAdvance(axis.targetText) + 4,
                     metrics.height());
    painter.fillRect(text, QColor(255, 255, 255, 220));
    painter.setPen(targetColour);
    painter.drawText(text, Qt::AlignCenter, axis.targetText);
}

// The deadline, the dots, then the trend over them: a wide, dark line that reads over years of
// faint dots. Its joins are bevelled: round ones cost a long log more time than they show.
void ChartPlot::drawPoints(QPainter &painter) const
{
    const QRect &plot = layout.plot;
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);
    if (deadline && *deadline >= layout.days.firstDay && *deadline <= layout.days.lastDay) {
        const double x = xOf(*deadline);
        painter.setPen(QPen(deadlineColour, 1, Qt::DashLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(dotColour);
    painter.setOpacity(layout.look.opacity);
    for (const Dot &dot : layout.dots)
        painter.drawEllipse(dot.at, layout.look.radius, layout.look.radius);
    painter.setOpacity(1);

    const auto trendPoints = static_cast<int>(layout.trend.size());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(trendColour, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter.drawPolyline(layout.trend.data(), trendPoints);
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
