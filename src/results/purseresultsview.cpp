// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/purseresultsview.h"

#include "common/messagebox.h"
#include "common/utilities.h"
#include "results/collectionforecast.h"
#include "results/resultscharts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

QLabel* paragraph(const QString& text, const QString& objectName)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    return label;
}

QString percent(double share)
{
    return QLocale().toString(share * 100, 'f', 1);
}

QString summaryText(const PurseSummary& summary)
{
    QString text = PurseResultsView::tr("%1 countings: %2 coins worth %3 Euro, with %4 of the %5 national sides.")
                       .arg(summary.countings)
                       .arg(summary.coins)
                       .arg(euroAmount(static_cast<qint64>(summary.valueCents)))
                       .arg(summary.sidesSeen.size())
                       .arg(NUM_NATIONAL_SIDES);
    text += QLatin1Char(' ');
    if (summary.hasForeignShare())
        text += PurseResultsView::tr("Foreign national sides: %1 of %2 coins (%3 %).")
                    .arg(summary.foreign)
                    .arg(summary.coinsWithShare)
                    .arg(percent(summary.foreignShare()));
    else
        text += PurseResultsView::tr("The foreign share needs a euro country as your member country (see \"Your "
                                     "settings\"), so only the counts are shown.");
    return text;
}

QTableWidget* sidesTable(const PurseSummary& summary)
{
    auto* table = new QTableWidget(static_cast<int>(summary.sidesSeen.size()), 3);
    table->setObjectName(QStringLiteral("sides seen"));
    table->setHorizontalHeaderLabels(
        {PurseResultsView::tr("National side"), PurseResultsView::tr("First seen"), PurseResultsView::tr("Coins")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (const SideSeen& seen : summary.sidesSeen) {
        table->setItem(row, 0, new QTableWidgetItem(shownCountryName(seen.side)));
        table->setItem(row, 1, new QTableWidgetItem(seen.firstSeen.toString(QStringLiteral("yyyy-MM-dd"))));
        auto* coins = new QTableWidgetItem(QLocale().toString(seen.coins));
        coins->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, 2, coins);
        ++row;
    }
    return table;
}

// One point per counting: the coins counted and, where the member country
// was a euro country, the share of foreign coins.
QChartView* countingsChart(const QList<Counting>& countings, bool withShare)
{
    QChartView* view = newChartView(QStringLiteral("your countings"));
    QChart* chart = view->chart();
    chart->setTitle(PurseResultsView::tr("Your countings"));
    const auto msecs = [](const Counting& counting) { return static_cast<qreal>(counting.date.toMSecsSinceEpoch()); };
    QCategoryAxis* x = timeAxis(msecs(countings.constFirst()), msecs(countings.constLast()), TimeLabels::DaysOrMonths);
    chart->addAxis(x, Qt::AlignBottom);

    auto* coins = new QLineSeries;
    coins->setName(PurseResultsView::tr("coins counted"));
    coins->setPointsVisible(true);
    quint64 most = 0;
    QList<QPointF> shares;
    QList<qreal> percents;
    for (const Counting& counting : countings) {
        coins->append(msecs(counting), static_cast<qreal>(counting.coins));
        most = std::max(most, counting.coins);
        percents.append(counting.hasForeignShare() ? counting.foreignShare() * 100 : qQNaN());
        shares.append(QPointF(msecs(counting), percents.constLast()));
    }
    auto* coinAxis = new QValueAxis;
    coinAxis->setRange(0, static_cast<qreal>(most));
    coinAxis->applyNiceNumbers();
    coinAxis->setLabelFormat(QStringLiteral("%i"));
    coinAxis->setTitleText(PurseResultsView::tr("coins"));
    chart->addAxis(coinAxis, Qt::AlignLeft);
    chart->addSeries(coins);
    coins->attachAxis(x);
    coins->attachAxis(coinAxis);

    if (withShare) {
        QValueAxis* shareAxis = percentAxis(PurseResultsView::tr("foreign coins"), percents);
        chart->addAxis(shareAxis, Qt::AlignRight);
        addBrokenLine(chart, PurseResultsView::tr("foreign share"), shares, x, shareAxis);
    }
    return view;
}

// Up to this many of the rarest coins are named.
constexpr int rarestNamed = 3;
constexpr int allCoins = NUM_COINS * NUM_NATIONAL_SIDES;
QString coinWords(int coin)
{
    const QStringList words = {PurseResultsView::tr("1 cent"),  PurseResultsView::tr("2 cent"),
                               PurseResultsView::tr("5 cent"),  PurseResultsView::tr("10 cent"),
                               PurseResultsView::tr("20 cent"), PurseResultsView::tr("50 cent"),
                               PurseResultsView::tr("1 euro"),  PurseResultsView::tr("2 euro")};
    return words.value(coin);
}

QString monthText(QDate day)
{
    return QLocale().toString(day, QStringLiteral("MMMM yyyy"));
}

// "the 2 cent of Monaco, the 1 cent of Vatican and 5 more"; without the
// count of the others when `countOthers` is false.
QString rarestText(const QList<UnseenCoin>& coins, bool countOthers = true)
{
    QStringList names;
    for (const UnseenCoin& coin : coins.mid(0, rarestNamed))
        names << PurseResultsView::tr("the %1 of %2").arg(coinWords(coin.coin), shownCountryName(coin.side));
    if (countOthers && coins.size() > rarestNamed)
        names << PurseResultsView::tr("%1 more").arg(coins.size() - rarestNamed);
    const QString last = names.takeLast();
    return names.isEmpty() ? last : PurseResultsView::tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

QString forecastText(const CollectionForecast& collection, double coinsPerMonth, const QString& country)
{
    QString text = PurseResultsView::tr("Of the %1 national coins (%2 values x %3 national sides) you have seen %4.")
                       .arg(allCoins)
                       .arg(NUM_COINS)
                       .arg(NUM_NATIONAL_SIDES)
                       .arg(collection.seen());
    if (collection.allSeen())
        return text + QLatin1Char(' ') + PurseResultsView::tr("You have seen them all!");
    const QDate today = QDate::currentDate();
    const QDate median = CollectionForecast::dateAfter(today, collection.coinsUntil(0.5), coinsPerMonth);
    const QList<UnseenCoin>& unseen = collection.unseenCoins();
    text += QLatin1Char(' ') + PurseResultsView::tr("At your %1 coins a month, with the coins as the members in %2 "
                                                    "meet them, ")
                                   .arg(QLocale().toString(coinsPerMonth, 'f', coinsPerMonth < 10 ? 1 : 0), country);
    if (!median.isValid()) {
        QList<UnseenCoin> missing;
        for (const UnseenCoin& coin : unseen)
            if (coin.share <= 0)
                missing.append(coin);
        if (missing.isEmpty())
            return text + PurseResultsView::tr("you will practically never have seen all of them: the rarest, %1, "
                                               "turn up too seldom there.")
                              .arg(rarestText(unseen, false));
        return text + PurseResultsView::tr("you will practically never have seen all of them: %1 are not among the "
                                           "coins published there.")
                          .arg(rarestText(missing));
    }
    const QDate low = CollectionForecast::dateAfter(today, collection.coinsUntil(0.05), coinsPerMonth);
    const QDate high = CollectionForecast::dateAfter(today, collection.coinsUntil(0.95), coinsPerMonth);
    return text + PurseResultsView::tr("you will have seen all of them in %1 (90%: %2 to %3). The rarest you still "
                                       "need: %4.")
                      .arg(monthText(median), monthText(low),
                           high.isValid()
                               ? monthText(high)
                               : PurseResultsView::tr("more than %1 years").arg(CollectionForecast::LONGEST_YEARS),
                           rarestText(unseen));
}

} // namespace

PurseResultsView::PurseResultsView(const ClientStorage& dataFile, const QString& archiveFile, QWidget* parent)
    : QWidget(parent), memberCountry(dataFile.Country)
{
    auto* layout = new QVBoxLayout(this);
    const ArchiveReading archive = readArchiveForResults(archiveFile);
    if (archive.code != ZUV_NO_ERROR && archive.code != ZUV_FILE_NOT_EXIST)
        layout->addWidget(paragraph(tr("Your archive %1 cannot be read (%2), so the countings you have uploaded "
                                       "are missing here. The file is left as it is.")
                                        .arg(archiveFile, errorMessageOf(static_cast<unsigned>(archive.code))),
                                    QStringLiteral("archive message")));

    countings = purseCountings(archive.archive, dataFile);
    if (countings.isEmpty()) {
        layout->addWidget(paragraph(tr("You have not counted a purse yet. Empty your purse, put each coin into "
                                       "the grid of the main window with \"Insert\" and press \"Save purse and "
                                       "QUIT\": your countings then show here."),
                                    QStringLiteral("no countings")));
        layout->addStretch(1);
        return;
    }
    addCountings(layout, summarizePurse(countings));
}

void PurseResultsView::addCountings(QVBoxLayout* layout, const PurseSummary& summary)
{
    layout->addWidget(paragraph(summaryText(summary), QStringLiteral("purse totals")));
    auto* middle = new QHBoxLayout;
    layout->addLayout(middle, 1);
    middle->addWidget(countingsChart(countings, summary.hasForeignShare()), 2);
    middle->addWidget(sidesTable(summary), 1);
    forecast = paragraph(tr("When you will have seen every coin follows once the project's results are read."),
                         QStringLiteral("collection forecast"));
    layout->addWidget(forecast);

    auto* bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    auto* exportButton = new QPushButton(tr("Export..."));
    exportButton->setObjectName(QStringLiteral("export"));
    bottom->addWidget(exportButton);
    exportStatus = paragraph(QString(), QStringLiteral("export status"));
    bottom->addWidget(exportStatus, 1);
    connect(exportButton, &QPushButton::clicked, this, &PurseResultsView::exportCountings);
}

void PurseResultsView::showForecast(const zuv::ProjectResults& results)
{
    if (!forecast)
        return;
    const zuv::CountryModel* model = results.modelIn(memberCountry);
    const auto none = [](const auto& coins) {
        return std::all_of(coins.begin(), coins.end(), [](qint64 n) { return n == 0; });
    };
    if (!model || std::all_of(model->mix.begin(), model->mix.end(), none)) {
        forecast->setText(tr("When you will have seen every coin needs the mix of coins the project publishes for "
                             "your member country, and there is none."));
        return;
    }
    const CollectionForecast collection(CollectionForecast::seenIn(countings), model->mix);
    forecast->setText(
        forecastText(collection, CollectionForecast::coinsPerMonth(countings), zuv::memberCountryName(memberCountry)));
}

void PurseResultsView::exportCountings()
{
    QFileDialog dialog(this, tr("Export your countings"), QDir::home().filePath(QStringLiteral("zuv-countings.csv")),
                       tr("CSV files (*.csv)"));
    dialog.setObjectName(QStringLiteral("export dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().constFirst();
    const int code = saveCountingsCsv(countings, file);
    if (code == ZUV_NO_ERROR) {
        exportStatus->setText(tr("Your countings are saved in %1.").arg(QDir::toNativeSeparators(file)));
        return;
    }
    exportStatus->clear();
    askUser(this, BoxIcon::Warning, tr("ZUV cannot export your countings"),
            tr("The file %1 cannot be written (%2).\n\nPlease choose another folder or name.")
                .arg(QDir::toNativeSeparators(file), errorMessageOf(static_cast<unsigned>(code))));
}
