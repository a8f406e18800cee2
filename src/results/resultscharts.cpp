#include "results/resultscharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHorizontalBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <cmath>

namespace {

constexpr qreal dayMs = 24 * 60 * 60 * 1000.0;

} // namespace

QString euroAmount(qint64 cents)
{
    return QString::number(static_cast<double>(cents) / 100, 'f', 2);
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

QValueAxis* percentAxis(const QString& title)
{
    auto* axis = new QValueAxis;
    axis->setRange(0, 100);
    axis->setLabelFormat(QStringLiteral("%.0f %%"));
    axis->setTitleText(title);
    return axis;
}

QDateTimeAxis* timeAxis(qreal first, qreal last, const QString& format)
{
    auto* axis = new QDateTimeAxis;
    const qreal margin = std::max((last - first) / 20, 15 * dayMs);
    axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first - margin)),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last + margin)));
    axis->setFormat(format);
    return axis;
}

void addBrokenLine(QChart* chart, const QString& name, const QList<QPointF>& points, QAbstractAxis* x, QAbstractAxis* y)
{
    QLineSeries* first = nullptr;
    QLineSeries* piece = nullptr;
    for (const QPointF& point : points) {
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

void addPercentBars(QChart* chart, const QString& name, const QStringList& categories, const QList<qreal>& percents,
                    Qt::Orientation orientation)
{
    auto* set = new QBarSet(name);
    set->append(percents);
    const bool lying = orientation == Qt::Horizontal;
    QAbstractBarSeries* series = lying ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries) : new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value %"));
    series->setLabelsPrecision(3);
    chart->addSeries(series);

    auto* names = new QBarCategoryAxis;
    names->append(categories);
    chart->addAxis(names, lying ? Qt::AlignLeft : Qt::AlignBottom);
    QValueAxis* values = percentAxis(QString());
    chart->addAxis(values, lying ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(names);
    series->attachAxis(values);
    chart->legend()->setVisible(false);
}
