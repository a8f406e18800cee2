#include "results/projectresultsview.h"

#include "results/resultscharts.h"
#include "results/resultsdownload.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QString unpublishedMark = QStringLiteral("*");
// Further apart than a month (and the hour a change of summer time adds) is
// a month not published: the line breaks there.
constexpr qreal longestMonthMs = (31 * 24 + 1) * 60 * 60 * 1000.0;

// The cells' shares in per cent; `unpublished` stands for the others.
QList<qreal> percentsOf(const QList<ShareCell>& cells, qreal unpublished)
{
    QList<qreal> percents;
    for (const ShareCell& cell : cells)
        percents.append(cell.published() ? cell.share * 100 : unpublished);
    return percents;
}

// Where a month "yyyy-MM" begins on the time axis, which reads local time;
// NaN for anything else.
qreal monthStart(const QString& month)
{
    const QDate date = QDate::fromString(month + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? static_cast<qreal>(date.startOfDay().toMSecsSinceEpoch()) : qQNaN();
}

} // namespace

ProjectResultsView::ProjectResultsView(const QUrl& source, int memberCountry, QWidget* parent)
    : QWidget(parent), source(source), memberCountry(memberCountry), download(new ResultsDownload(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* statusRow = new QHBoxLayout;
    layout->addLayout(statusRow);
    status = new QLabel;
    status->setObjectName(QStringLiteral("project status"));
    status->setWordWrap(true);
    statusRow->addWidget(status, 1);
    retryButton = new QPushButton(tr("Try again"));
    retryButton->setObjectName(QStringLiteral("retry"));
    statusRow->addWidget(retryButton, 0, Qt::AlignTop);

    charts = new QWidget;
    layout->addWidget(charts, 1);
    auto* grid = new QGridLayout(charts);
    grid->setContentsMargins(0, 0, 0, 0);
    totals = new QLabel;
    totals->setObjectName(QStringLiteral("project totals"));
    totals->setWordWrap(true);
    grid->addWidget(totals, 0, 0, 1, 2);
    shareByMonth = newChartView(QStringLiteral("share by month"));
    grid->addWidget(shareByMonth, 1, 0);
    shareByValue = newChartView(QStringLiteral("share by value"));
    grid->addWidget(shareByValue, 1, 1);
    originCountry = new QComboBox;
    originCountry->setObjectName(QStringLiteral("origin country"));
    grid->addWidget(originCountry, 2, 0, Qt::AlignLeft);
    // The national sides' names need the whole width.
    origin = newChartView(QStringLiteral("origin"));
    grid->addWidget(origin, 3, 0, 1, 2);
    footnote = new QLabel;
    footnote->setWordWrap(true);
    grid->addWidget(footnote, 4, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    connect(retryButton, &QPushButton::clicked, this, &ProjectResultsView::reload);
    connect(download, &ResultsDownload::failed, this, [this](const QString& reason) {
        showFailure(tr("The project's results cannot be downloaded from %1: %2.\nThe project server may be "
                       "out of reach just now; try again in a while.")
                        .arg(this->source.toDisplayString(), reason));
    });
    connect(download, &ResultsDownload::finished, this, &ProjectResultsView::showResults);
    connect(originCountry, qOverload<int>(&QComboBox::currentIndexChanged), this, &ProjectResultsView::drawOrigin);
    reload();
}

void ProjectResultsView::reload()
{
    status->setText(tr("Loading the project's results from %1 ...").arg(source.toDisplayString()));
    status->show();
    retryButton->hide();
    charts->hide();
    download->start(source);
}

void ProjectResultsView::showFailure(const QString& text)
{
    status->setText(text);
    retryButton->show();
}

void ProjectResultsView::showResults(const QByteArray& json)
{
    QString error;
    std::optional<ProjectResults> parsed = parseProjectResults(json, &error);
    if (!parsed) {
        showFailure(tr("The answer from %1 cannot be read as the project's results (%2).")
                        .arg(source.toDisplayString(), error));
        return;
    }
    results = std::move(*parsed);
    status->hide();

    QString text;
    if (results.totals)
        text = tr("%1 members have counted %2 purses so far; published: %3 coins worth %4 Euro.")
                   .arg(results.totals->members)
                   .arg(results.totals->purses)
                   .arg(results.totals->coins)
                   .arg(euroAmount(results.totals->valueCents));
    if (results.updated.isValid())
        text += QLatin1Char(' ') +
                tr("Published on %1, once a day.").arg(results.updated.toString(QStringLiteral("yyyy-MM-dd")));
    totals->setText(text);
    footnote->setText(tr("%1 Nothing published: a number is published only where at least %2 members counted "
                         "coins, so that no participant can be recognised.")
                          .arg(unpublishedMark)
                          .arg(results.minimumMembers));

    drawShareByMonth();
    {
        const QSignalBlocker quiet(originCountry);
        originCountry->clear();
        for (const CountryOrigin& entry : results.origin)
            originCountry->addItem(entry.name, entry.country);
        originCountry->setCurrentIndex(std::max(0, originCountry->findData(memberCountry)));
        originCountry->setEnabled(!results.origin.isEmpty());
    }
    drawOrigin();
    drawShareByValue();
    charts->show();
}

void ProjectResultsView::drawShareByMonth()
{
    QChart* chart = shareByMonth->chart();
    clearChart(chart);
    chart->setTitle(tr("Foreign share by month"));
    QList<qreal> starts;
    for (const QString& month : results.months)
        starts.append(monthStart(month));
    qreal first = qInf();
    qreal last = -qInf();
    for (qreal start : starts) {
        if (!std::isnan(start)) {
            first = std::min(first, start);
            last = std::max(last, start);
        }
    }
    if (first > last) {
        chart->setTitle(tr("Foreign share by month: nothing published yet"));
        return;
    }
    const CountryShares* own = results.sharesIn(memberCountry);
    const QList<qreal> overall = percentsOf(results.shareByMonth, qQNaN());
    const QList<qreal> ownCountry = own ? percentsOf(own->cells, qQNaN()) : QList<qreal>();
    QCategoryAxis* x = timeAxis(first, last, TimeLabels::Months);
    QValueAxis* y = percentAxis(tr("foreign coins"), overall + ownCountry);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    auto line = [&](const QString& name, const QList<qreal>& percents) {
        QList<QPointF> points;
        for (qsizetype i = 0; i < starts.size(); ++i)
            if (!std::isnan(starts[i]))
                points.append(QPointF(starts[i], percents[i]));
        addBrokenLine(chart, name, points, x, y, longestMonthMs);
    };
    line(tr("All euro countries"), overall);
    if (own)
        line(own->name, ownCountry);
}

void ProjectResultsView::drawOrigin()
{
    QChart* chart = origin->chart();
    clearChart(chart);
    const CountryOrigin* entry = results.originIn(originCountry->currentData().toInt());
    if (!entry) {
        chart->setTitle(tr("Where the coins come from: nothing published yet"));
        return;
    }
    if (entry->suppressed) {
        chart->setTitle(tr("Where the coins in %1 come from: %2 not published").arg(entry->name, unpublishedMark));
        return;
    }
    chart->setTitle(tr("Where the %1 coins in %2 come from").arg(QString::number(entry->coins), entry->name));
    addPercentBars(chart, tr("share of the coins"), marked(results.nationalSides, entry->sides),
                   percentsOf(entry->sides, 0));
}

void ProjectResultsView::drawShareByValue()
{
    QChart* chart = shareByValue->chart();
    clearChart(chart);
    chart->setTitle(tr("Foreign share by coin value"));
    addPercentBars(chart, tr("foreign coins"), marked(results.coinValues, results.shareByValue),
                   percentsOf(results.shareByValue, 0));
}

QStringList ProjectResultsView::marked(const QStringList& names, const QList<ShareCell>& cells) const
{
    QStringList categories;
    for (qsizetype i = 0; i < names.size(); ++i)
        categories.append(i < cells.size() && cells[i].published() ? names[i] : names[i] + unpublishedMark);
    return categories;
}
