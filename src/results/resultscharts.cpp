// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/resultscharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal dayMs = 24 * 60 * 60 * 1000.0;
// More date labels than this run into each other on a chart of half the
// window's width.
constexpr int mostTimeLabels = 6;
// Over a longer time the labels name months: there is a month start among
// the days then.
constexpr qint64 daysWithDayLabels = 62;
// Category names up to this long stand upright under their bars; longer ones
// are turned, so that they need no more width than a line of text.
constexpr int longestUpright = 5;

QDate dayAt(qreal msecs)
{
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::floor(msecs))).date();
}

// The days or month starts from first to last, every `step` days from the
// first, or every `step` months counted from January of year 0, so that a
// step dividing 12 keeps every January.
QList<QDate> labelDays(QDate first, QDate last, bool months, int step)
{
    QList<QDate> days;
    if (!months) {
        for (QDate day = first; day <= last; day = day.addDays(step))
            days.append(day);
        return days;
    }
    QDate month(first.year(), first.month(), 1);
    month = month < first ? month.addMonths(1) : month;
    for (; month <= last; month = month.addMonths(1))
        if ((month.year() * 12 + month.month() - 1) % step == 0)
            days.append(month);
    return days;
}

// The next of 2, 5, 10, 20, 50, 100 ... years after `years`: labels on
// round years read at a glance.
int roundYearsAbove(int years)
{
    for (int round = 1;; round *= 10)
        for (int factor : {1, 2, 5})
            if (factor * round > years)
                return factor * round;
}

} // namespace

QString euroAmount(qint64 cents)
{
    return QLocale().toString(static_cast<double>(cents) / 100, 'f', 2);
}

QChartView* newChartView(const QString& objectName)
{
    auto* view = new QChartView;
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 240);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    return view;
}

void clearChart(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

QValueAxis* percentAxis(const QString& title, const QList<qreal>& shown)
{
    qreal highest = 0;
    for (qreal percent : shown)
        highest = percent > highest ? percent : highest; // NaN is never greater
    auto* axis = new QValueAxis;
    axis->setRange(0, std::clamp(highest * 1.15, 5.0, 100.0));
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f %%"));
    axis->setTitleText(title);
    return axis;
}

QCategoryAxis* timeAxis(qreal first, qreal last, TimeLabels labels)
{
    const QDate firstDay = dayAt(first);
    const QDate lastDay = dayAt(last);
    const qint64 span = firstDay.daysTo(lastDay);
    const bool months = labels == TimeLabels::Months || span > daysWithDayLabels;
    // At most mostTimeLabels days, as span / step < mostTimeLabels.
    int step = months ? 1 : static_cast<int>(span / mostTimeLabels) + 1;
    QList<QDate> days = labelDays(firstDay, lastDay, months, step);
    while (days.size() > mostTimeLabels) {
        // Quarters, halves, years or round numbers of years: steps that keep every January.
        step = step < 3 ? step + 1 : step < 12 ? step * 2 : 12 * roundYearsAbove(step / 12);
        days = labelDays(firstDay, lastDay, months, step);
    }
    // A label every few years names just the year.
    const QString format = !months     ? QStringLiteral("dd MMM yyyy")
                           : step < 12 ? QStringLiteral("MMM yyyy")
                                       : QStringLiteral("yyyy");

    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qreal margin = std::max((last - first) / 20, (months ? 15 : 1) * dayMs);
    axis->setRange(first - margin, last + margin);
    axis->setStartValue(first - margin);
    for (QDate day : days)
        axis->append(QLocale().toString(day, format), msecsAt(day));
    return axis;
}

void addBrokenLine(QChart* chart, const QString& name, const QList<QPointF>& points, QAbstractAxis* x, QAbstractAxis* y,
                   qreal longestStep)
{
    QLineSeries* first = nullptr;
    QLineSeries* piece = nullptr;
    for (const QPointF& point : points) {
        if (piece && point.x() - piece->at(piece->count() - 1).x() > longestStep)
            piece = nullptr;
        if (std::isnan(point.y())) {
            piece = nullptr;
            continue;
        }
        if (!piece) {
            piece = new QLineSeries;
            piece->setName(name);
            piece->setPointsVisible(true);
            chart->addSeries(piece);
            piece->attachAxis(x);
            piece->attachAxis(y);
            if (first) {
                piece->setColor(first->color());
                for (QLegendMarker* marker : chart->legend()->markers(piece))
                    marker->setVisible(false);
            } else {
                first = piece;
            }
        }
        piece->append(point);
    }
}

void addPercentBars(QChart* chart, const QString& name, const QStringList& categories, const QList<qreal>& percents)
{
    auto* set = new QBarSet(name);
    set->append(percents);
    set->setLabelColor(Qt::black);
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value %"));
    series->setLabelsPrecision(3);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);

    auto* names = new QBarCategoryAxis;
    names->append(categories);
    const bool longNames = std::any_of(categories.cbegin(), categories.cend(),
                                       [](const QString& category) { return category.size() > longestUpright; });
    names->setLabelsAngle(longNames ? -90 : 0);
    QFont font = names->labelsFont();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    names->setLabelsFont(font);
    chart->addAxis(names, Qt::AlignBottom);
    QValueAxis* values = percentAxis(QString(), percents);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(names);
    series->attachAxis(values);
    chart->legend()->setVisible(false);
}

qreal msecsAt(QDate day)
{
    return static_cast<qreal>(day.startOfDay().toMSecsSinceEpoch());
}
