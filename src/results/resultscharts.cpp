#include "results/resultscharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal dayMs = 24 * 60 * 60 * 1000.0;
// Category names up to this long stand upright under their bars; longer ones
// are turned, so that they need no more width than a line of text.
constexpr int longestUpright = 5;

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

QDateTimeAxis* timeAxis(qreal first, qreal last, const QString& format)
{
    auto* axis = new QDateTimeAxis;
    const qreal margin = std::max((last - first) / 20, 15 * dayMs);
    axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first - margin)),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last + margin)));
    axis->setFormat(format);
    // No two labels alike: a label without the day stands for a whole month.
    const qreal labelStep = format.contains(QLatin1Char('d')) ? dayMs : 31 * dayMs;
    axis->setTickCount(std::clamp(static_cast<int>((last - first + 2 * margin) / labelStep) + 1, 2, 5));
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
