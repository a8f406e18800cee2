// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/projectresultsview.h"

#include "results/resultscharts.h"
#include "results/resultsdownload.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace zuv;

namespace {

const QString unpublishedMark = QStringLiteral("*");

// A participant reads the day the way the language writes it ("6. Dezember
// 2026"); without a language the C locale keeps it in its ISO form.
QString shownDay(QDate day)
{
    const QLocale locale;
    return locale.language() == QLocale::C ? day.toString(Qt::ISODate) : locale.toString(day, QLocale::LongFormat);
}

// The project publishes English names; the participant reads them in his language.
QString shownMemberCountry(int country)
{
    return QCoreApplication::translate("Country", memberCountryName(country).toUtf8().constData());
}

QStringList shownNationalSides()
{
    QStringList names;
    for (int side = 1; side <= NUM_NATIONAL_SIDES; ++side)
        names << shownCountryName(side);
    return names;
}

QStringList shownCoinValues()
{
    QStringList names;
    for (int coin = 0; coin < NUM_COINS; ++coin)
        names << shownCoinName(coin);
    return names;
}
// Further apart than a month (and the hour a change of summer time adds) is
// a month not published: the line breaks there.
constexpr qreal longestMonthMs = (31 * 24 + 1) * 60 * 60 * 1000.0;

// The cells' foreign shares in per cent, or with `whole` coins their share
// of those; `unpublished` stands for the cells not published.
QList<qreal> percentsOf(const QList<PublishedCell>& cells, qreal unpublished, qint64 whole = 0)
{
    QList<qreal> percents;
    for (const PublishedCell& cell : cells)
        percents.append(!cell ? unpublished
                              : 100.0 * qreal(whole > 0 ? cell->coins : cell->foreignCoins) /
                                    qreal(whole > 0 ? whole : cell->coins));
    return percents;
}

// Where a month (year * 100 + month) begins on the time axis, which reads
// local time; NaN for anything else.
qreal monthStart(int month)
{
    const QDate date(month / 100, month % 100, 1);
    return date.isValid() ? static_cast<qreal>(date.startOfDay().toMSecsSinceEpoch()) : qQNaN();
}

const QDate euroStart(2002, 1, 1);
constexpr double yearDays = 365.2425;
// The model's curves are drawn at this many points: smooth at any width.
constexpr int curvePoints = 240;
// The settings' guesses: single years up to this index, then the ranges.
constexpr int lastSingleYear = 9;
constexpr int decadeGuess = 10;
constexpr int laterGuess = 11;
constexpr int neverGuess = 12;

QDate dateAfterStart(double years)
{
    return euroStart.addDays(std::llround(years * yearDays));
}

// The model's share in per cent over the time axis, from the euro coins'
// first day to `last`.
QList<QPointF> curve(double a, double b, qreal last)
{
    QList<QPointF> points;
    const qreal first = msecsAt(euroStart);
    const qreal yearMs = yearDays * 24 * 60 * 60 * 1000.0;
    for (int i = 0; i <= curvePoints; ++i) {
        const qreal at = first + (last - first) * i / curvePoints;
        points.append(QPointF(at, MixingFit::share(a, b, (at - first) / yearMs) * 100));
    }
    return points;
}

// The time the participant's guess names, from its first day to the first
// day after it; an open end for "2021 or later", nothing for never or no
// guess.
std::optional<std::pair<QDate, QDate>> guessSpan(MixGuess guess)
{
    if (guess.year >= 1 && guess.year <= lastSingleYear) {
        const QDate year(2001 + guess.year, 1, 1);
        if (guess.month >= 1 && guess.month <= 12)
            return std::make_pair(year.addMonths(guess.month - 1), year.addMonths(guess.month));
        return std::make_pair(year, year.addYears(1));
    }
    if (guess.year == decadeGuess)
        return std::make_pair(QDate(2011, 1, 1), QDate(2021, 1, 1));
    if (guess.year == laterGuess)
        return std::make_pair(QDate(2021, 1, 1), QDate());
    return std::nullopt;
}

QString guessText(MixGuess guess)
{
    if (guess.year >= 1 && guess.year <= lastSingleYear && guess.month >= 1 && guess.month <= 12)
        return ProjectResultsView::tr("You guessed %1.")
            .arg(QLocale().toString(QDate(2001 + guess.year, guess.month, 1), QStringLiteral("MMMM yyyy")));
    if (guess.year >= 1 && guess.year <= lastSingleYear)
        return ProjectResultsView::tr("You guessed %1.").arg(2001 + guess.year);
    if (guess.year == decadeGuess)
        return ProjectResultsView::tr("You guessed 2011-2020.");
    if (guess.year == laterGuess)
        return ProjectResultsView::tr("You guessed 2021 or later.");
    if (guess.year == neverGuess)
        return ProjectResultsView::tr("You guessed never.");
    return ProjectResultsView::tr("You have not guessed yet (\"Your settings\").");
}

// "2033 (2029-2040)"
QString yearsText(QDate value, QDate low, QDate high)
{
    return QStringLiteral("%1 (%2-%3)").arg(value.year()).arg(low.year()).arg(high.year());
}

// The years of a forecast published by its month.
QString forecastYears(const Estimate& years)
{
    return yearsText(monthAfterEuroStart(years.value), monthAfterEuroStart(years.low), monthAfterEuroStart(years.high));
}

// An area between two lines that it owns: a QAreaSeries does not own the
// lines it is made of.
QAreaSeries* areaSeries()
{
    auto* area = new QAreaSeries;
    area->setUpperSeries(new QLineSeries(area));
    area->setLowerSeries(new QLineSeries(area));
    return area;
}

// A shaded span over the whole height of the chart, from `from` to `to`.
void addSpan(QChart* chart, const QString& name, qreal from, qreal to, QAbstractAxis* x, QValueAxis* y,
             const QColor& colour)
{
    QAreaSeries* span = areaSeries();
    span->upperSeries()->append({QPointF(from, y->max()), QPointF(to, y->max())});
    span->lowerSeries()->append({QPointF(from, y->min()), QPointF(to, y->min())});
    span->setName(name);
    span->setColor(colour);
    span->setBorderColor(colour);
    chart->addSeries(span);
    span->attachAxis(x);
    span->attachAxis(y);
}

} // namespace

ProjectResultsView::ProjectResultsView(const QUrl& source, int memberCountry, MixGuess guess, QWidget* parent)
    : QWidget(parent), source(source), memberCountry(memberCountry), guess(guess), download(new ResultsDownload(this))
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
    model = new QLabel;
    model->setObjectName(QStringLiteral("model"));
    model->setWordWrap(true);
    grid->addWidget(model, 2, 0, 1, 2);
    originCountry = new QComboBox;
    originCountry->setObjectName(QStringLiteral("origin country"));
    grid->addWidget(originCountry, 3, 0, Qt::AlignLeft);
    // The national sides' names need the whole width.
    origin = newChartView(QStringLiteral("origin"));
    grid->addWidget(origin, 4, 0, 1, 2);
    footnote = new QLabel;
    footnote->setWordWrap(true);
    grid->addWidget(footnote, 5, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(4, 1);
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
    std::optional<ProjectResults> parsed = ProjectResults::fromJson(json, &error);
    if (!parsed) {
        showFailure(tr("The answer from %1 cannot be read as the project's results (%2).")
                        .arg(source.toDisplayString(), error));
        return;
    }
    results = std::move(*parsed);
    status->hide();

    QString text = tr("%1 members have counted %2 purses so far; published: %3 coins worth %4 Euro.")
                       .arg(results.members)
                       .arg(results.purses)
                       .arg(results.coins)
                       .arg(euroAmount(results.valueCents));
    if (results.updated.isValid())
        text += QLatin1Char(' ') + tr("Published on %1, once a day.").arg(shownDay(results.updated.date()));
    totals->setText(text);
    footnote->setText(tr("%1 Nothing published: a number is published only where at least %2 members counted "
                         "coins, so that no participant can be recognised.")
                          .arg(unpublishedMark)
                          .arg(results.minimumMembers));

    drawShareByMonth();
    describeModel();
    {
        const QSignalBlocker quiet(originCountry);
        originCountry->clear();
        for (const MemberCountryResults& entry : results.countries)
            originCountry->addItem(shownMemberCountry(entry.country), entry.country);
        originCountry->setCurrentIndex(std::max(0, originCountry->findData(memberCountry)));
        originCountry->setEnabled(!results.countries.isEmpty());
    }
    drawOrigin();
    drawShareByValue();
    charts->show();
    Q_EMIT resultsRead(results);
}

void ProjectResultsView::drawShareByMonth()
{
    QChart* chart = shareByMonth->chart();
    clearChart(chart);
    chart->setTitle(tr("Foreign share by month"));
    QList<qreal> starts;
    for (const int month : results.months)
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
    const MemberCountryResults* own = results.countryIn(memberCountry);
    const QList<qreal> overall = percentsOf(results.overallByMonth, qQNaN());
    const QList<qreal> ownCountry = own ? percentsOf(own->byMonth, qQNaN()) : QList<qreal>();

    // The model is drawn from the euro coins' first day until it says they
    // are mixed completely, at the latest; the guess stands on the same axis.
    const CountryModel* mixing = results.modelIn(memberCountry);
    const MixingFit* fit = mixing && mixing->all.fitted ? &mixing->all : nullptr;
    const std::optional<std::pair<QDate, QDate>> guessed = guessSpan(guess);
    if (fit) {
        first = std::min(first, msecsAt(euroStart));
        last = std::max(last, msecsAt(monthAfterEuroStart(fit->mixedYears.high)));
        if (guessed)
            last = std::max(last, msecsAt(guessed->second.isValid() ? guessed->second : guessed->first));
    }
    QList<QPointF> lower;
    QList<QPointF> upper;
    QList<QPointF> fitted;
    if (fit) {
        // f grows with a and with b, so the curves of both lower and of both
        // upper interval ends enclose every fit in between. It is wider than
        // the bootstrap's own band where a high a came with a low b.
        lower = curve(fit->a.low, fit->b.low, last);
        upper = curve(fit->a.high, fit->b.high, last);
        fitted = curve(fit->a.value, fit->b.value, last);
    }
    QList<qreal> shown = overall + ownCountry;
    for (const QPointF& point : upper)
        shown.append(point.y());

    QCategoryAxis* x = timeAxis(first, last, TimeLabels::Months);
    QValueAxis* y = percentAxis(tr("foreign coins"), shown);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    if (fit && guessed) {
        const qreal end = guessed->second.isValid() ? msecsAt(guessed->second) : x->max();
        addSpan(chart, tr("your guess"), msecsAt(guessed->first), end, x, y, QColor(255, 165, 0, 90));
    }
    if (fit) {
        QAreaSeries* band = areaSeries();
        band->upperSeries()->append(upper);
        band->lowerSeries()->append(lower);
        band->setName(tr("90% interval"));
        band->setColor(QColor(70, 130, 180, 70));
        band->setBorderColor(Qt::transparent);
        chart->addSeries(band);
        band->attachAxis(x);
        band->attachAxis(y);
        auto* model = new QLineSeries;
        model->setName(tr("model for %1").arg(shownMemberCountry(memberCountry)));
        model->append(fitted);
        model->setPen(QPen(QColor(70, 130, 180), 2, Qt::DashLine));
        chart->addSeries(model);
        model->attachAxis(x);
        model->attachAxis(y);
    }
    auto line = [&](const QString& name, const QList<qreal>& percents) {
        QList<QPointF> points;
        for (qsizetype i = 0; i < starts.size(); ++i)
            if (!std::isnan(starts[i]))
                points.append(QPointF(starts[i], percents[i]));
        addBrokenLine(chart, name, points, x, y, longestMonthMs);
    };
    line(tr("All euro countries"), overall);
    if (own)
        line(shownMemberCountry(memberCountry), ownCountry);
}

void ProjectResultsView::describeModel()
{
    model->setVisible(!results.models.isEmpty() || !results.mixedGuesses.isEmpty());
    const CountryModel* mixing = results.modelIn(memberCountry);
    const QString name = shownMemberCountry(memberCountry);
    QStringList text;
    if (!mixing || (!mixing->all.fitted && mixing->all.missing.isEmpty())) {
        text << tr("No forecast of the mixing is published for your member country.");
    } else if (!mixing->all.fitted) {
        text << tr("%1: not enough countings yet for a forecast of the mixing (%2).").arg(name, mixing->all.missing);
    } else {
        const MixingFit& fit = mixing->all;
        const QString half =
            fit.halfForeignYears
                ? tr("half the coins foreign in %1").arg(forecastYears(*fit.halfForeignYears))
                : tr("half-way mixed in %1")
                      .arg(yearsText(dateAfterStart(fit.halfTimeYears.value), dateAfterStart(fit.halfTimeYears.low),
                                     dateAfterStart(fit.halfTimeYears.high)));
        text << tr("%1: %2; mixed completely in %3.").arg(name, half, forecastYears(fit.mixedYears));
        const QJsonValue source = results.productionShares.value(QLatin1String("source"));
        if (fit.aFixed && source.isString())
            text << tr("(The share of foreign coins once mixed is taken from the coins produced: %1, %2.)")
                        .arg(source.toString(), results.productionShares.value(QLatin1String("date")).toString());
    }
    text << guessText(guess);
    if (!results.mixedGuesses.isEmpty()) {
        QStringList bars;
        for (const GuessBar& bar : results.mixedGuesses)
            bars << (bar.members ? tr("%1 (%2)").arg(bar.guess).arg(*bar.members)
                                 : tr("%1 (fewer than %2)").arg(bar.guess).arg(results.minimumMembers));
        QString guesses = tr("Our members' guesses: %1").arg(bars.join(QStringLiteral(", ")));
        if (mixing && mixing->all.fitted)
            guesses += tr("; the countings say %1.").arg(forecastYears(mixing->all.mixedYears));
        else
            guesses += QLatin1Char('.');
        text << QStringLiteral("\n") + guesses;
    }
    model->setText(text.join(QLatin1Char(' ')));
}

void ProjectResultsView::drawOrigin()
{
    QChart* chart = origin->chart();
    clearChart(chart);
    const MemberCountryResults* entry = results.countryIn(originCountry->currentData().toInt());
    if (!entry) {
        chart->setTitle(tr("Where the coins come from: nothing published yet"));
        return;
    }
    const QString name = shownMemberCountry(entry->country);
    if (!entry->origin) {
        chart->setTitle(tr("Where the coins in %1 come from: %2 not published").arg(name, unpublishedMark));
        return;
    }
    chart->setTitle(tr("Where the %1 coins in %2 come from").arg(QLocale().toString(entry->origin->coins), name));
    const QList<PublishedCell> sides(entry->sides.begin(), entry->sides.end());
    addPercentBars(chart, tr("share of the coins"), marked(shownNationalSides(), sides),
                   percentsOf(sides, 0, entry->origin->coins));
}

void ProjectResultsView::drawShareByValue()
{
    QChart* chart = shareByValue->chart();
    clearChart(chart);
    chart->setTitle(tr("Foreign share by coin value"));
    const QList<PublishedCell> byValue(results.byValue.begin(), results.byValue.end());
    addPercentBars(chart, tr("foreign coins"), marked(shownCoinValues(), byValue), percentsOf(byValue, 0));
}

QStringList ProjectResultsView::marked(const QStringList& names, const QList<PublishedCell>& cells) const
{
    QStringList categories;
    for (qsizetype i = 0; i < names.size(); ++i)
        categories.append(i < cells.size() && cells[i] ? names[i] : names[i] + unpublishedMark);
    return categories;
}
