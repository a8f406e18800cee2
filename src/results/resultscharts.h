#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class QAbstractAxis;
class QChart;
class QChartView;
class QDateTimeAxis;
class QValueAxis;

// The pieces the charts and texts of the results window share. Shares are
// drawn in per cent; a value that is not known or not published is NaN and
// leaves a gap.

// "12.34" for 1234 cents.
QString euroAmount(qint64 cents);

QChartView* newChartView(const QString& objectName);
// Removes every series and axis, so the chart can be drawn anew.
void clearChart(QChart* chart);

// From 0 % to a little above the highest of the percentages to be shown
// (NaN aside), at most 100 %.
QValueAxis* percentAxis(const QString& title, const QList<qreal>& shown);
// Over milliseconds since the epoch; padded, so a single point shows too,
// and never two ticks with the same label in `format`.
QDateTimeAxis* timeAxis(qreal first, qreal last, const QString& format);

// A line through the points that breaks where y is NaN: one series per
// piece, all named `name`, all in the colour of the first, one legend entry.
void addBrokenLine(QChart* chart, const QString& name, const QList<QPointF>& points, QAbstractAxis* x,
                   QAbstractAxis* y);

// One set of bars in per cent over the categories; long names are slanted.
void addPercentBars(QChart* chart, const QString& name, const QStringList& categories, const QList<qreal>& percents);
