// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class QAbstractAxis;
class QChart;
class QChartView;
class QCategoryAxis;
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
enum class TimeLabels { DaysOrMonths, Months };
// Over milliseconds since the epoch, read in local time; padded, so a single
// point shows too. Each label stands on the start of the day ("05 Mar 2024")
// or month ("Mar 2024") it names, so a point at that start stands right above
// it: months when asked or when the days are too many for labels, and only
// every n-th day or month (keeping the Januaries) when there are still too many.
QCategoryAxis* timeAxis(qreal first, qreal last, TimeLabels labels);
// Where a day starts on a time axis: milliseconds since 1970, local time as the labels read it.
qreal msecsAt(QDate day);

// A line through the points, in ascending x, that breaks where y is NaN or
// where x steps further than `longestStep`: one series per piece, all named
// `name`, all in the colour of the first, one legend entry.
void addBrokenLine(QChart* chart, const QString& name, const QList<QPointF>& points, QAbstractAxis* x, QAbstractAxis* y,
                   qreal longestStep = qInf());

// One set of bars in per cent over the categories; long names are slanted.
void addPercentBars(QChart* chart, const QString& name, const QStringList& categories, const QList<qreal>& percents);
