// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/resultspage.h"

#include "server/intake/uploadservice.h"
#include "server/results/mixingmodel.h"

#include "common/languages.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>

// The published results are one model, shared with the program.
using namespace zuv;

namespace {

// The language of the page being rendered: its translator (none for English)
// and its locale for numbers and month names. One page at a time is rendered
// on a thread, by resultsPage().
struct PageLanguage
{
    QString code = QStringLiteral("en");
    const QTranslator* translator = nullptr;
    QLocale locale{QLocale::English};
};
thread_local PageLanguage pageLanguage;

QString translated(const char* context, const char* source)
{
    const QString text = pageLanguage.translator ? pageLanguage.translator->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString pageText(const char* source)
{
    return translated("ResultsPage", source);
}

// The JSON and the CSV name the countries in English; the page in its language.
QString pageCountry(const QString& english)
{
    return translated("Country", english.toUtf8().constData());
}

// The line charts' plot area inside their picture.
constexpr int PLOT_LEFT = 44;
constexpr int PLOT_RIGHT = 28; // half a month's label beyond the last month
constexpr int PLOT_TOP = 12;
constexpr int PLOT_BOTTOM = 24;
// Beyond this many months a line has no dots to point at.
constexpr int MAX_DOTTED_MONTHS = 40;

// The heat map's cells and margins.
constexpr int HEAT_LABELS = 118;
constexpr int HEAT_HEADER = 92;
constexpr int HEAT_CELL_WIDTH = 46;
constexpr int HEAT_CELL_HEIGHT = 26;

const QString ACCENT = QStringLiteral("#1f6fb2");
const QString REFERENCE = QStringLiteral("#9aa4ad");

const char* const STYLE =
    "body{font-family:system-ui,'Segoe UI',Roboto,'DejaVu Sans',sans-serif;margin:0;color:#1b1f23;"
    "background:#f6f7f8;line-height:1.45}"
    "main{max-width:980px;margin:0 auto;padding:20px 24px 40px}"
    "h1{font-size:1.75em;margin:.3em 0 .1em}h2{font-size:1.25em;margin:0 0 .3em}h3{font-size:1em;margin:0}"
    ".lead{font-size:1.1em;margin:.3em 0 1em}"
    ".totals{display:flex;flex-wrap:wrap;gap:12px;margin:0;padding:0;list-style:none}"
    ".totals li{flex:1 1 auto;min-width:140px;background:#fff;border:1px solid #d9dde1;border-radius:8px;padding:10px "
    "18px}"
    ".totals b{display:block;white-space:nowrap;font-size:1.8em;color:#1f6fb2}"
    "section{background:#fff;border:1px solid #d9dde1;border-radius:8px;padding:16px 18px;margin:18px 0}"
    ".multiples{display:flex;flex-wrap:wrap;gap:10px 18px;margin-top:12px}"
    ".multiples figure{margin:0;max-width:100%}.note{color:#59636e;font-size:.92em}"
    // A chart keeps its size, and so its text, on a narrow screen: its own
    // box scrolls sideways instead of the page.
    ".chart{overflow-x:auto;margin-bottom:8px}.chart svg{display:block}svg text{font-size:11px;fill:#4a535c}"
    "footer{color:#59636e;font-size:.92em}code{font-size:1.05em}"
    "@media (max-width:600px){main{padding:12px 10px 28px}section{padding:12px 10px}h1{font-size:1.5em}}";

QString coordinate(double value)
{
    return QString::number(value, 'f', 1);
}

QString grouped(qint64 number)
{
    return pageLanguage.locale.toString(number);
}

// As text; markup escapes it ("<0.1%").
QString percent(double share)
{
    const double value = share * 100.0;
    if (value > 0 && value < 0.05)
        return QLatin1Char('<') + pageLanguage.locale.toString(0.1, 'f', 1) + QLatin1Char('%');
    return pageLanguage.locale.toString(value, 'f', value > 0 && value < 10 ? 1 : 0) + QLatin1Char('%');
}

// "May 2024"; the JSON and the CSV keep "2024-05".
QString monthName(int month)
{
    return pageLanguage.locale.standaloneMonthName(month % 100) + QLatin1Char(' ') + QString::number(month / 100);
}

// "50 cent", "1 euro"; the JSON and the CSV keep "50c", "1e".
QString coinValueName(int coin)
{
    const QString& name = coinnames[size_t(coin)];
    return (name.endsWith(QLatin1Char('c')) ? pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1 cent"))
                                            : pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1 euro")))
        .arg(name.chopped(1));
}

std::optional<double> foreignShare(const PublishedCell& cell)
{
    if (!cell || cell->coins <= 0)
        return std::nullopt;
    return double(cell->foreignCoins) / double(cell->coins);
}

QString hatchPattern(const QString& id)
{
    return QStringLiteral("<defs><pattern id=\"%1\" width=\"6\" height=\"6\" patternUnits=\"userSpaceOnUse\""
                          " patternTransform=\"rotate(45)\"><rect width=\"6\" height=\"6\" fill=\"#eceff1\"/>"
                          "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"6\" stroke=\"#b8c0c7\" stroke-width=\"2\"/>"
                          "</pattern></defs>")
        .arg(id);
}

constexpr int LEGEND_HEIGHT = 24;

// Says what the hatching means, next to the chart that shows it.
QString hatchLegend(const QString& id, double x, double y,
                    const QString& meaning =
                        pageText(QT_TRANSLATE_NOOP("ResultsPage", "nothing published there (no coins, or fewer than %1 "
                                                                  "members counted them)"))
                            .arg(MINIMUM_MEMBERS))
{
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"14\" height=\"14\" fill=\"url(#%3)\"/>"
                          "<text x=\"%4\" y=\"%5\">%6</text>")
        .arg(coordinate(x), coordinate(y), id, coordinate(x + 20), coordinate(y + 11),
             pageText(QT_TRANSLATE_NOOP("ResultsPage", "Hatched: %1")).arg(meaning));
}

// Every chart stands in its box, which svgStart() opens and SVG_END closes.
const QString SVG_END = QStringLiteral("</svg></div>");

QString svgStart(int width, int height, const QString& label)
{
    return QStringLiteral("<div class=\"chart\"><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\""
                          " role=\"img\" aria-label=\"%3\"><title>%3</title>")
        .arg(width)
        .arg(height)
        .arg(label.toHtmlEscaped());
}

// A vertical scale of shares from 0 to 100 %, with its grid lines.
class ShareScale
{
public:
    ShareScale(double left, double right, double top, double bottom)
        : left(left), right(right), top(top), bottom(bottom)
    {
    }
    double y(double share) const { return bottom - share * (bottom - top); }

    QString grid(int steps) const
    {
        QString svg;
        for (int step = 0; step <= steps; ++step) {
            const double share = double(step) / steps;
            svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"%4\"/>"
                                  "<text x=\"%5\" y=\"%6\" text-anchor=\"end\">%7</text>")
                       .arg(coordinate(left), coordinate(y(share)), coordinate(right),
                            step == 0 ? QStringLiteral("#8a939b") : QStringLiteral("#e3e6e9"), coordinate(left - 6),
                            coordinate(y(share) + 4), percent(share));
        }
        return svg;
    }

    const double left;
    const double right;
    const double top;
    const double bottom;
};

// Months spaced by time: a month's place is its distance to the first one,
// so a month nobody published leaves its room empty. A forecast carries the
// axis on beyond the last month, to `endNumber`.
class MonthAxis
{
public:
    MonthAxis(const QList<int>& months, double left, double right, int endNumber = 0)
        : months(months), left(left), right(right), first(number(months.first())),
          span(std::max(number(months.last()), endNumber) - first)
    {
    }
    double x(qsizetype i) const { return at(number(months.at(i))); }
    // A month's point stands for its middle.
    double x(double years) const { return at(number(EURO_START) + 12 * years - 0.5); }
    static double years(int month) { return (number(month) - number(EURO_START) + 0.5) / 12; }
    // The month in which `years` after the euro coins' first day fall.
    static int monthAt(double years)
    {
        const int months = number(EURO_START) + int(std::floor(12 * years));
        return months / 12 * 100 + months % 12 + 1;
    }
    static int endFor(double years) { return int(std::ceil(number(EURO_START) + 12 * years - 0.5)); }
    // Whether the month comes right after the one before it in the list.
    bool follows(qsizetype i) const { return i > 0 && number(months.at(i)) - number(months.at(i - 1)) == 1; }
    // More months than this leave a line no room for dots.
    qsizetype length() const { return span + 1; }

    // Under its tick every month that fits ("Mar 2024"), or every 2nd, 3rd or
    // 6th, or the Januaries of every 1, 2, 5 ... years ("2024").
    QString labels(double y) const
    {
        const double perMonth = span == 0 ? right - left : (right - left) / span;
        int step = 1;
        for (const int months : {1, 2, 3, 6, 12, 24, 60, 120, 240, 600, 1200})
            if ((step = months) * perMonth >= MONTH_LABEL_SPACING)
                break;
        QString svg;
        for (int month = first; month <= first + span; ++month) {
            if (month % step != 0)
                continue;
            const QString year = QString::number(month / 12);
            svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\" stroke=\"#8a939b\"/>"
                                  "<text x=\"%1\" y=\"%4\" text-anchor=\"middle\">%5</text>")
                       .arg(coordinate(at(month)), coordinate(y), coordinate(y + 4), coordinate(y + 16),
                            step >= 12 ? year
                                       : pageLanguage.locale.standaloneMonthName(month % 12 + 1, QLocale::ShortFormat) +
                                             QLatin1Char(' ') + year);
        }
        return svg;
    }

private:
    // "Sep 2024" in 11 px and a gap: closer, the labels would touch.
    static constexpr double MONTH_LABEL_SPACING = 64;
    static constexpr int EURO_START = 200201;

    static int number(int month) { return month / 100 * 12 + month % 100 - 1; }
    double at(double number) const
    {
        return span == 0 ? (left + right) / 2 : left + (number - first) * (right - left) / span;
    }

    const QList<int>& months;
    const double left;
    const double right;
    const int first;
    const int span;
};

struct ChartLine
{
    QList<PublishedCell> cells; // aligned with the months
    QString colour;
    double width = 2;
    QString name;
};

// The model's curve and band in a chart are drawn this far at most: an
// interval that ends later says so in words.
constexpr double MODEL_HORIZON_YEARS = 2100 - 2002;
const QString MODEL_COLOUR = QStringLiteral("#c4510c");

double withinHorizon(double years)
{
    return std::isfinite(years) ? std::clamp(years, 0.0, MODEL_HORIZON_YEARS) : MODEL_HORIZON_YEARS;
}

double modelShare(double a, double b, double years)
{
    return a * (1 - std::exp(-b * years));
}

// The fitted share of foreign coins over the counted months, and dashed on
// into the future, up to the latest time the coins may be mixed. The band
// lies between the curves of both ends of the intervals of a and b: it is a
// little wider than the 90% band of the curve itself, as the two ends need
// not come together.
QString modelCurve(const MixingFit& fit, const MonthAxis& axis, const ShareScale& scale, double from, double until,
                   const QString& name)
{
    const double end = withinHorizon(fit.mixedYears.high);
    const auto points = [&](double a, double b, double first, double last, int steps) {
        QStringList points;
        for (int step = 0; step <= steps; ++step) {
            const double years = first + (last - first) * step / steps;
            points << coordinate(axis.x(years)) + QLatin1Char(',') + coordinate(scale.y(modelShare(a, b, years)));
        }
        return points;
    };
    constexpr int BAND_STEPS = 80;
    QStringList band = points(fit.a.high, fit.b.high, from, end, BAND_STEPS);
    const QStringList lower = points(fit.a.low, fit.b.low, from, end, BAND_STEPS);
    std::copy(lower.crbegin(), lower.crend(), std::back_inserter(band));
    QString svg = QStringLiteral("<g><title>%1</title><polygon fill=\"%2\" fill-opacity=\"0.16\" points=\"%3\"/>")
                      .arg(pageText(QT_TRANSLATE_NOOP("ResultsPage",
                                                      "%1, the model: %2 of the coins foreign once mixed completely"))
                               .arg(name, percent(fit.a.value))
                               .toHtmlEscaped(),
                           MODEL_COLOUR, band.join(QLatin1Char(' ')));
    const QString curve = QStringLiteral("<polyline class=\"model\" fill=\"none\" stroke=\"%1\" stroke-width=\"1.6\""
                                         "%2 points=\"%3\"/>");
    if (until > from)
        svg += curve.arg(MODEL_COLOUR, QString(),
                         points(fit.a.value, fit.b.value, from, until, 24).join(QLatin1Char(' ')));
    if (end > until)
        svg += curve.arg(MODEL_COLOUR, QStringLiteral(" stroke-dasharray=\"4 3\""),
                         points(fit.a.value, fit.b.value, std::max(from, until), end, 60).join(QLatin1Char(' ')));
    return svg + QStringLiteral("</g>");
}

// The share of foreign coins month by month, one line per entry; a month
// without a published share leaves a gap, and so does a month missing from
// the list. A month alone between gaps keeps its dot, which is all it has.
// A fitted model's curve stands beneath the lines, the time axis carried on
// for its forecast.
QString lineChart(const QString& label, const QList<int>& months, const QList<ChartLine>& lines, int width, int height,
                  int gridSteps, const MixingFit* model = nullptr)
{
    const ShareScale scale(PLOT_LEFT, width - PLOT_RIGHT, PLOT_TOP, height - PLOT_BOTTOM);
    const bool modelled = model && model->fitted;
    const MonthAxis axis(months, scale.left, scale.right,
                         modelled ? MonthAxis::endFor(withinHorizon(model->mixedYears.high)) : 0);
    const bool dotted = axis.length() <= MAX_DOTTED_MONTHS;
    QString svg = svgStart(width, height, label) + scale.grid(gridSteps) + axis.labels(scale.bottom);
    if (modelled)
        svg += modelCurve(*model, axis, scale, MonthAxis::years(months.first()), MonthAxis::years(months.last()),
                          lines.last().name);
    for (const ChartLine& line : lines) {
        QList<qsizetype> segment;
        const auto point = [&](qsizetype i) {
            return std::make_pair(axis.x(i), scale.y(*foreignShare(line.cells.at(i))));
        };
        const auto flush = [&] {
            QStringList points;
            for (const qsizetype i : segment)
                points << coordinate(point(i).first) + QLatin1Char(',') + coordinate(point(i).second);
            if (segment.size() > 1)
                svg += QStringLiteral("<polyline fill=\"none\" stroke=\"%1\" stroke-width=\"%2\""
                                      " stroke-linejoin=\"round\" points=\"%3\"/>")
                           .arg(line.colour, coordinate(line.width), points.join(QLatin1Char(' ')));
            for (const qsizetype i : segment)
                if (dotted || segment.size() == 1)
                    svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"><title>%5</title></circle>")
                               .arg(coordinate(point(i).first), coordinate(point(i).second), coordinate(line.width + 1),
                                    line.colour,
                                    pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1, %2: %3 of %4 coins foreign"))
                                        .arg(line.name, monthName(months.at(i)),
                                             percent(*foreignShare(line.cells.at(i))), grouped(line.cells.at(i)->coins))
                                        .toHtmlEscaped());
            segment.clear();
        };
        for (qsizetype i = 0; i < months.size() && i < line.cells.size(); ++i) {
            if (!axis.follows(i))
                flush();
            if (foreignShare(line.cells.at(i)))
                segment << i;
            else
                flush();
        }
        flush();
    }
    return svg + SVG_END;
}

// Light for no share, dark blue for all of them; the square root lets the
// small shares of foreign coins still tell apart.
QString heatColour(double share, bool& dark)
{
    const double t = std::sqrt(std::clamp(share, 0.0, 1.0));
    dark = t > 0.55;
    const auto mix = [t](int from, int to) { return int(std::lround(from + (to - from) * t)); };
    return QStringLiteral("rgb(%1,%2,%3)").arg(mix(241, 8)).arg(mix(246, 48)).arg(mix(251, 107));
}

QString originHeatMap(const ProjectResults& results)
{
    const int width = HEAT_LABELS + NUM_NATIONAL_SIDES * HEAT_CELL_WIDTH + 8;
    const int rowsBottom = HEAT_HEADER + int(results.countries.size()) * HEAT_CELL_HEIGHT;
    const int height = rowsBottom + 8 + LEGEND_HEIGHT;
    bool hatched = false;
    QString svg =
        svgStart(width, height,
                 pageText(QT_TRANSLATE_NOOP("ResultsPage", "Where the coins in each member country come from"))) +
        hatchPattern(QStringLiteral("hatch-origin"));
    for (int side = 1; side <= NUM_NATIONAL_SIDES; ++side) {
        const double x = HEAT_LABELS + (side - 0.5) * HEAT_CELL_WIDTH;
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" transform=\"rotate(-50 %1 %2)\">%3</text>")
                   .arg(coordinate(x), coordinate(HEAT_HEADER - 8), pageCountry(countrynamesWords[size_t(side)]));
    }
    for (qsizetype row = 0; row < results.countries.size(); ++row) {
        const MemberCountryResults& country = results.countries.at(row);
        const QString name = pageCountry(memberCountryName(country.country));
        const int y = HEAT_HEADER + int(row) * HEAT_CELL_HEIGHT;
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"end\">%3</text>")
                   .arg(HEAT_LABELS - 8)
                   .arg(y + HEAT_CELL_HEIGHT / 2 + 4)
                   .arg(name);
        const bool rowShown = country.origin && country.origin->coins > 0;
        for (int side = 1; side <= NUM_NATIONAL_SIDES; ++side) {
            const PublishedCell& cell = country.sides[size_t(side - 1)];
            const int x = HEAT_LABELS + (side - 1) * HEAT_CELL_WIDTH;
            const bool own = side == country.country;
            QString fill = QStringLiteral("url(#hatch-origin)");
            QString text;
            QString title =
                pageText(
                    QT_TRANSLATE_NOOP("ResultsPage",
                                      "%1, coins of %2: not published (none, or fewer than %3 members counted them)"))
                    .arg(name, pageCountry(countrynamesWords[size_t(side)]))
                    .arg(MINIMUM_MEMBERS);
            bool dark = false;
            hatched = hatched || !rowShown || !cell;
            if (rowShown && cell) {
                const double share = double(cell->coins) / double(country.origin->coins);
                fill = heatColour(share, dark);
                text = percent(share);
                title = pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1, coins of %2: %3 (%4 of %5 coins)"))
                            .arg(name, pageCountry(countrynamesWords[size_t(side)]), percent(share),
                                 grouped(cell->coins), grouped(country.origin->coins));
            }
            svg += QStringLiteral("<g><title>%1</title><rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\""
                                  " fill=\"%6\" stroke=\"%7\" stroke-width=\"%8\"/>")
                       .arg(title.toHtmlEscaped(), QString::number(x), QString::number(y),
                            QString::number(HEAT_CELL_WIDTH - 2), QString::number(HEAT_CELL_HEIGHT - 2), fill,
                            own ? QStringLiteral("#1b1f23") : QStringLiteral("none"),
                            own ? QStringLiteral("2") : QStringLiteral("0"));
            if (!text.isEmpty())
                svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\" style=\"fill:%3\">%4</text>")
                           .arg(x + HEAT_CELL_WIDTH / 2 - 1)
                           .arg(y + HEAT_CELL_HEIGHT / 2 + 3)
                           .arg(dark ? QStringLiteral("#fff") : QStringLiteral("#1b1f23"), text.toHtmlEscaped());
            svg += QStringLiteral("</g>");
        }
    }
    if (hatched)
        svg += hatchLegend(QStringLiteral("hatch-origin"), HEAT_LABELS, rowsBottom + 8);
    return svg + SVG_END;
}

QString valueBars(const ProjectResults& results)
{
    const int width = 600;
    const int height = 240 + LEGEND_HEIGHT;
    const ShareScale scale(PLOT_LEFT, width - PLOT_RIGHT, PLOT_TOP + 8, height - LEGEND_HEIGHT - PLOT_BOTTOM);
    bool hatched = false;
    const double slot = (scale.right - scale.left) / NUM_COINS;
    QString svg =
        svgStart(width, height, pageText(QT_TRANSLATE_NOOP("ResultsPage", "Share of foreign coins by coin value"))) +
        hatchPattern(QStringLiteral("hatch-value")) + scale.grid(4);
    for (int coin = 0; coin < NUM_COINS; ++coin) {
        const PublishedCell& cell = results.byValue[size_t(coin)];
        const std::optional<double> share = foreignShare(cell);
        const double x = scale.left + coin * slot + slot * 0.2;
        const double top = share ? scale.y(*share) : scale.top;
        hatched = hatched || !share;
        const QString title =
            share ? pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1: %2 of %3 coins foreign"))
                        .arg(coinValueName(coin), percent(*share), grouped(cell->coins))
                  : pageText(QT_TRANSLATE_NOOP("ResultsPage",
                                               "%1: not published (none, or fewer than %2 members counted it)"))
                        .arg(coinValueName(coin))
                        .arg(MINIMUM_MEMBERS);
        svg += QStringLiteral("<g><title>%1</title><rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\" fill=\"%6\"/>"
                              "<text x=\"%7\" y=\"%8\" text-anchor=\"middle\">%9</text></g>")
                   .arg(title.toHtmlEscaped(), coordinate(x), coordinate(top), coordinate(slot * 0.6),
                        coordinate(scale.bottom - top), share ? ACCENT : QStringLiteral("url(#hatch-value)"),
                        coordinate(x + slot * 0.3), coordinate(top - 5),
                        share ? percent(*share).toHtmlEscaped() : QString());
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>")
                   .arg(coordinate(x + slot * 0.3), coordinate(scale.bottom + 16), coinValueName(coin));
    }
    if (hatched)
        svg += hatchLegend(QStringLiteral("hatch-value"), scale.left, height - LEGEND_HEIGHT + 4);
    return svg + SVG_END;
}

QString totalItem(const QString& number, const QString& what)
{
    return QStringLiteral("<li><b>%1</b>%2</li>").arg(number, what);
}

QString euros(qint64 cents)
{
    return pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1 Euro"))
        .arg(grouped(cents / 100) + pageLanguage.locale.decimalPoint() +
             QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0')));
}

// The newest month whose project share may be shown, as a sentence.
QString headline(const ProjectResults& results)
{
    for (qsizetype i = results.overallByMonth.size() - 1; i >= 0; --i)
        if (const std::optional<double> share = foreignShare(results.overallByMonth.at(i)))
            return pageText(QT_TRANSLATE_NOOP(
                                "ResultsPage",
                                "<p class=\"lead\">In %1, <b>%2</b> of the coins our members counted in the euro "
                                "countries had a national side from another country than their own.</p>"))
                .arg(monthName(results.months.at(i)), percent(*share).toHtmlEscaped());
    return QString();
}

bool anyShare(const QList<PublishedCell>& cells)
{
    return std::any_of(cells.cbegin(), cells.cend(), [](const PublishedCell& cell) { return foreignShare(cell); });
}

// Said instead of a chart that would stay empty.
QString nothingShown(const QString& who)
{
    return pageText(QT_TRANSLATE_NOOP(
                        "ResultsPage",
                        "<p class=\"note\">Nothing that at least %1 members %2 counted in one month is published "
                        "yet, so no share can be shown.</p>"))
        .arg(MINIMUM_MEMBERS)
        .arg(who);
}

// Beyond this the model foretells nothing a reader could wait for.
bool foreseeable(double years)
{
    return std::isfinite(years) && years < 1000;
}

// "2051 (2043–2066)"; an interval of a few years by month: "Mar 2031 (Oct 2030–Jan 2032)".
QString whenText(const Estimate& when)
{
    const bool byMonth = foreseeable(when.high) && when.high - when.low < 3;
    const auto text = [byMonth](double years) {
        const int month = MonthAxis::monthAt(years);
        return byMonth ? pageLanguage.locale.standaloneMonthName(month % 100, QLocale::ShortFormat) + QLatin1Char(' ') +
                             QString::number(month / 100)
                       : QString::number(month / 100);
    };
    if (!foreseeable(when.value))
        return foreseeable(when.low)
                   ? pageText(QT_TRANSLATE_NOOP("ResultsPage", "not in sight (%1 or later)")).arg(text(when.low))
                   : pageText(QT_TRANSLATE_NOOP("ResultsPage", "not in sight"));
    return QStringLiteral("%1 (%2%3)")
        .arg(text(when.value), text(when.low),
             foreseeable(when.high) ? QStringLiteral("\u2013") + text(when.high)
                                    : pageText(QT_TRANSLATE_NOOP("ResultsPage", " or later")));
}

// The model's English reason ("fewer than 20 members (12)") in the page's
// language: the reason it was made from, translated, with the same numbers.
QString pageMissing(const QString& english)
{
    for (const char* reason : MixingModel::MISSING_REASONS) {
        const QString pattern = QRegularExpression::escape(QLatin1String(reason))
                                    .replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral("(\\d+)"));
        const QRegularExpressionMatch match =
            QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(english);
        if (!match.hasMatch())
            continue;
        QString text = pageText(reason);
        for (int number = 1; number <= match.lastCapturedIndex(); ++number)
            text = text.arg(match.captured(number));
        return text;
    }
    return english;
}

// "Portugal: half the coins foreign in 2033 (2029–2040); mixed completely in 2051 (2043–2066)"
QString modelSentence(const QString& name, const MixingFit& fit)
{
    if (!fit.fitted)
        return pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1: not enough countings yet (%2)"))
            .arg(name, pageMissing(fit.missing));
    QString text = name + QStringLiteral(": ");
    if (fit.halfForeignYears)
        text += pageText(QT_TRANSLATE_NOOP("ResultsPage", "half the coins foreign in %1; "))
                    .arg(whenText(*fit.halfForeignYears));
    return text + pageText(QT_TRANSLATE_NOOP("ResultsPage", "mixed completely in %1")).arg(whenText(fit.mixedYears));
}

// The countries whose "mixed completely" the model could tell, earliest first.
QList<const CountryModel*> fittedByMixing(const ProjectResults& results)
{
    QList<const CountryModel*> fitted;
    for (const CountryModel& model : results.models)
        if (model.all.fitted)
            fitted << &model;
    const auto when = [](const CountryModel* model) {
        const double years = model->all.mixedYears.value;
        return foreseeable(years) ? years : std::numeric_limits<double>::infinity();
    };
    std::sort(fitted.begin(), fitted.end(),
              [&when](const CountryModel* one, const CountryModel* other) { return when(one) < when(other); });
    return fitted;
}

// A guess as the page's reader reads it; the JSON keeps it in English.
QString shownGuess(const QString& guess)
{
    return pageText(guess.toUtf8().constData());
}

// Whether the guess ("2005", "2011-2020", "2021 or later") holds the year.
bool guessHolds(const QString& guess, int year)
{
    const QStringList years = guess.split(QRegularExpression(QStringLiteral("\\D+")), Qt::SkipEmptyParts);
    if (years.isEmpty())
        return false;
    const int from = years.first().toInt();
    const int to = years.size() > 1                         ? years.at(1).toInt()
                   : guess.contains(QLatin1String("later")) ? std::numeric_limits<int>::max()
                                                            : from;
    return from <= year && year <= to;
}

// One bar per choice, the number of members above it; a choice fewer than
// the minimum made stands hatched as high as it may be. Outlined: the choice
// that holds the countings' forecast.
QString guessBars(const QList<GuessBar>& bars, std::optional<int> forecastYear)
{
    constexpr int SLOT = 76;
    const int width = PLOT_LEFT + int(bars.size()) * SLOT + 8;
    const int height = 230 + LEGEND_HEIGHT;
    const double top = PLOT_TOP + 40; // room for the mark of the countings
    const double bottom = height - LEGEND_HEIGHT - PLOT_BOTTOM;
    qint64 most = MINIMUM_MEMBERS;
    for (const GuessBar& bar : bars)
        most = std::max(most, bar.members.value_or(0));
    bool hatched = false;
    QString svg =
        svgStart(width, height,
                 pageText(QT_TRANSLATE_NOOP("ResultsPage", "When our members guess the coins are mixed completely"))) +
        hatchPattern(QStringLiteral("hatch-guess"));
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const GuessBar& bar = bars.at(i);
        const double x = PLOT_LEFT + i * SLOT;
        const double barTop = bottom - double(bar.members.value_or(MINIMUM_MEMBERS - 1)) / most * (bottom - top);
        hatched = hatched || !bar.members;
        if (forecastYear && guessHolds(bar.guess, *forecastYear))
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" stroke=\"%5\""
                                  " stroke-dasharray=\"4 3\"/><text x=\"%6\" y=\"%7\" text-anchor=\"middle\""
                                  " style=\"fill:%5\">%8</text>")
                       .arg(coordinate(x + 2), coordinate(PLOT_TOP + 18), coordinate(SLOT - 4),
                            coordinate(bottom - PLOT_TOP - 18), MODEL_COLOUR, coordinate(x + SLOT / 2.0),
                            coordinate(PLOT_TOP + 10), pageText(QT_TRANSLATE_NOOP("ResultsPage", "the countings")));
        const QString title = bar.members ? pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1: %2 members"))
                                                .arg(shownGuess(bar.guess), grouped(*bar.members))
                                          : pageText(QT_TRANSLATE_NOOP("ResultsPage", "%1: fewer than %2 members"))
                                                .arg(shownGuess(bar.guess))
                                                .arg(MINIMUM_MEMBERS);
        svg += QStringLiteral("<g><title>%1</title><rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\" fill=\"%6\"/>"
                              "<text x=\"%7\" y=\"%8\" text-anchor=\"middle\">%9</text>"
                              "<text x=\"%7\" y=\"%10\" text-anchor=\"middle\">%11</text></g>")
                   .arg(title.toHtmlEscaped(), coordinate(x + SLOT * 0.2), coordinate(barTop), coordinate(SLOT * 0.6),
                        coordinate(bottom - barTop), bar.members ? ACCENT : QStringLiteral("url(#hatch-guess)"),
                        coordinate(x + SLOT / 2.0), coordinate(barTop - 5),
                        bar.members ? grouped(*bar.members) : QStringLiteral("&lt;%1").arg(MINIMUM_MEMBERS),
                        coordinate(bottom + 16), shownGuess(bar.guess).toHtmlEscaped());
    }
    svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#8a939b\"/>")
               .arg(PLOT_LEFT)
               .arg(coordinate(bottom))
               .arg(width - 8);
    if (hatched)
        svg += hatchLegend(
            QStringLiteral("hatch-guess"), PLOT_LEFT, height - LEGEND_HEIGHT + 4,
            pageText(QT_TRANSLATE_NOOP("ResultsPage", "fewer than %1 members guessed so")).arg(MINIMUM_MEMBERS));
    return svg + SVG_END;
}

// The members' guesses beside what the countings say: the median country's
// forecast with its interval, and how far the countries' forecasts lie apart.
QString guessesSection(const ProjectResults& results)
{
    const QList<const CountryModel*> fitted = fittedByMixing(results);
    const CountryModel* median = fitted.isEmpty() ? nullptr : fitted.at((fitted.size() - 1) / 2);
    QString html =
        pageText(QT_TRANSLATE_NOOP("ResultsPage", "<section><h2>When will the coins be mixed completely?</h2>"));
    const auto most = std::max_element(
        results.mixedGuesses.cbegin(), results.mixedGuesses.cend(),
        [](const GuessBar& one, const GuessBar& other) { return one.members.value_or(0) < other.members.value_or(0); });
    html +=
        most != results.mixedGuesses.cend() && most->members
            ? pageText(QT_TRANSLATE_NOOP("ResultsPage", "<p>Our members guessed most often <b>%1</b> (%2 members)."))
                  .arg(shownGuess(most->guess).toHtmlEscaped(), grouped(*most->members))
            : pageText(QT_TRANSLATE_NOOP("ResultsPage", "<p>Too few of our members guessed yet."));
    if (!median) {
        html += pageText(QT_TRANSLATE_NOOP(
            "ResultsPage", " The countings cannot tell yet: no member country has enough of them for the "
                           "model.</p>"));
    } else {
        const auto named = [](const CountryModel* model) {
            const double years = model->all.mixedYears.value;
            return QStringLiteral("%1 (%2)").arg(foreseeable(years)
                                                     ? QString::number(MonthAxis::monthAt(years) / 100)
                                                     : pageText(QT_TRANSLATE_NOOP("ResultsPage", "not in sight")),
                                                 pageCountry(memberCountryName(model->country)));
        };
        html +=
            pageText(QT_TRANSLATE_NOOP("ResultsPage",
                                       " The countings say <b>%1</b>: the forecast of %2, the median of the %3 member "
                                       "countries the model fits"))
                .arg(whenText(median->all.mixedYears), pageCountry(memberCountryName(median->country)))
                .arg(fitted.size());
        html += fitted.size() > 1 ? pageText(QT_TRANSLATE_NOOP("ResultsPage", ", which range from %1 to %2.</p>"))
                                        .arg(named(fitted.first()), named(fitted.last()))
                                  : QStringLiteral(".</p>");
    }
    if (!results.mixedGuesses.isEmpty()) {
        std::optional<int> forecastYear;
        if (median && foreseeable(median->all.mixedYears.value))
            forecastYear = MonthAxis::monthAt(median->all.mixedYears.value) / 100;
        html += guessBars(results.mixedGuesses, forecastYear);
    }
    return html + QStringLiteral("</section>");
}

QString byMonthSection(const ProjectResults& results)
{
    QString html = pageText(QT_TRANSLATE_NOOP(
        "ResultsPage",
        "<section><h2>Foreign coins by month</h2><p class=\"note\">The share of coins whose national side is "
        "from another country than the member's own, among the members in the fifteen countries that issue "
        "euro coins.</p>"));
    html += anyShare(results.overallByMonth)
                ? lineChart(pageText(QT_TRANSLATE_NOOP("ResultsPage",
                                                       "Share of foreign coins by month, all member countries")),
                            results.months,
                            {ChartLine{results.overallByMonth, ACCENT, 2.5,
                                       pageText(QT_TRANSLATE_NOOP("ResultsPage", "All member countries"))}},
                            940, 260, 4)
                : nothingShown(pageText(QT_TRANSLATE_NOOP("ResultsPage", "in the euro countries")));
    html += pageText(QT_TRANSLATE_NOOP(
        "ResultsPage", "<h3>Each member country</h3><p class=\"note\">Coloured: the country; grey: all member "
                       "countries."));
    if (!results.models.isEmpty())
        html += pageText(QT_TRANSLATE_NOOP(
            "ResultsPage", " Orange: the model fitted to the country's countings, f(t) = a (1 \u2212 e<sup>\u2212"
                           "bt</sup>) "
                           "for the share of foreign coins t years after the euro coins came out, a the share "
                           "once they are mixed completely, b the pace; dashed where it foretells. The band "
                           "lies between the curves of both ends of the 90% intervals of a and b. Mixed "
                           "completely: when the share reaches 90% of a. The charts end in 2100."));
    QStringList fixed;
    for (const CountryModel& model : results.models)
        if (model.all.fitted && model.all.aFixed)
            fixed << pageCountry(memberCountryName(model.country));
    if (!fixed.isEmpty())
        html += pageText(QT_TRANSLATE_NOOP("ResultsPage",
                                           " For %1, a is not fitted but taken from the coins produced (%2)."))
                    .arg(fixed.join(QStringLiteral(", ")),
                         QStringLiteral("%1, %2")
                             .arg(results.productionShares.value(QLatin1String("source")).toString(),
                                  results.productionShares.value(QLatin1String("date")).toString())
                             .toHtmlEscaped());
    html += QStringLiteral("</p><div class=\"multiples\">");
    for (const MemberCountryResults& country : results.countries) {
        const QString name = pageCountry(memberCountryName(country.country));
        const CountryModel* model = results.modelIn(country.country);
        // The forecasts carry the time axis on: the charts widen, all alike.
        const bool modelled = !results.models.isEmpty();
        const int width = modelled ? 440 : 290;
        html += QStringLiteral("<figure style=\"width:%1px\"><h3>%2</h3>").arg(width).arg(name);
        if (!anyShare(country.byMonth))
            html += nothingShown(QStringLiteral("in ") + name);
        else
            html +=
                lineChart(pageText(QT_TRANSLATE_NOOP("ResultsPage", "Share of foreign coins by month in %1")).arg(name),
                          results.months,
                          {ChartLine{results.overallByMonth, REFERENCE, 1.2,
                                     pageText(QT_TRANSLATE_NOOP("ResultsPage", "All member countries"))},
                           ChartLine{country.byMonth, ACCENT, 2, name}},
                          width, modelled ? 150 : 130, 2, model ? &model->all : nullptr);
        if (model)
            html += QStringLiteral("<p class=\"note\">%1</p>").arg(modelSentence(name, model->all).toHtmlEscaped());
        html += QStringLiteral("</figure>");
    }
    return html + QStringLiteral("</div></section>");
}

// English keeps the day as ISO; the other languages write it their way.
QString publishedDay(QDate day)
{
    return pageLanguage.translator ? pageLanguage.locale.toString(day, QLocale::LongFormat) : day.toString(Qt::ISODate);
}

QString pageFrame(const QString& title, const QString& body)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"%4\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%1</title><style>%2</style></head><body><main>%3</main></body></html>")
        .arg(title, QLatin1String(STYLE), body, pageLanguage.code);
}

} // namespace

QByteArray resultsPage(const ProjectResults& results, const QString& language)
{
    QTranslator translator;
    pageLanguage.code = loadLanguage(translator, language) ? language : QStringLiteral("en");
    pageLanguage.translator = pageLanguage.code == QLatin1String("en") ? nullptr : &translator;
    pageLanguage.locale = QLocale(pageLanguage.code);
    // Back to English for the other pages, whatever the rendering throws.
    const std::unique_ptr<PageLanguage, void (*)(PageLanguage*)> english(&pageLanguage,
                                                                         [](PageLanguage* used) { *used = {}; });
    QString body = pageText(QT_TRANSLATE_NOOP(
        "ResultsPage", "<h1>Where the euro coins in our purses come from</h1><p>The members of the ZUV project empty "
                       "their purse now and then and count its coins by the country of each coin's national side. "
                       "These are all their countings together, as the project server has them now.</p>"));
    body += headline(results);
    body += QStringLiteral("<ul class=\"totals\">") +
            totalItem(grouped(results.members), pageText(QT_TRANSLATE_NOOP("ResultsPage", "members"))) +
            totalItem(grouped(results.purses), pageText(QT_TRANSLATE_NOOP("ResultsPage", "purses counted"))) +
            totalItem(grouped(results.coins), pageText(QT_TRANSLATE_NOOP("ResultsPage", "coins"))) +
            totalItem(euros(results.valueCents), pageText(QT_TRANSLATE_NOOP("ResultsPage", "in value"))) +
            QStringLiteral("</ul>");

    if (results.months.isEmpty()) {
        body += pageText(QT_TRANSLATE_NOOP(
            "ResultsPage", "<section><h2>No coins yet</h2><p>Nobody in the fifteen euro coin countries has "
                           "uploaded a counted purse yet. The charts appear here with the first "
                           "uploads.</p></section>"));
    } else {
        body += byMonthSection(results);
        body +=
            pageText(QT_TRANSLATE_NOOP(
                "ResultsPage", "<section><h2>Where the coins in each member country come from</h2><p class=\"note\">"
                               "Each row is a member country, each column a national side: the share of the "
                               "country's coins that carry it. Outlined: the country's own coins.</p>")) +
            originHeatMap(results) + QStringLiteral("</section>");
        body += pageText(QT_TRANSLATE_NOOP(
                    "ResultsPage", "<section><h2>Foreign coins by coin value</h2><p class=\"note\">The share of "
                                   "foreign national sides among the coins of each value.</p>")) +
                valueBars(results) + QStringLiteral("</section>");
    }
    if (!results.mixedGuesses.isEmpty() || !results.models.isEmpty())
        body += guessesSection(results);

    body += pageText(QT_TRANSLATE_NOOP(
                         "ResultsPage",
                         "<footer><p>Published once a day. Every number is a sum of cells (a month, a member "
                         "country, a national side, a coin value) that at least %1 members counted coins in, and a "
                         "cell changes only once at least %1 members changed it: no participant can be recognised, "
                         "not even by comparing numbers or days. Hatched: nothing published there. Nothing that "
                         "names or locates a member is published: no member numbers, postal codes, e-mail "
                         "addresses, names or messages.</p>"))
                .arg(MINIMUM_MEMBERS);
    body += results.updated.isValid()
                ? pageText(QT_TRANSLATE_NOOP("ResultsPage", "<p>Published on %1.</p>"))
                      .arg(publishedDay(results.updated.toUTC().date()))
                : pageText(QT_TRANSLATE_NOOP("ResultsPage", "<p>Nothing has been published yet.</p>"));
    body += pageText(QT_TRANSLATE_NOOP(
                         "ResultsPage",
                         "<p>The numbers behind the charts: <a href=\"%1\"><code>%1</code></a> (JSON). Open data "
                         "for researchers: <a href=\"%2\"><code>%2</code></a> (CSV: coins and purses per month, "
                         "member country, national side and coin value).</p></footer>"))
                .arg(RESULTS_JSON_PATH, COUNTS_CSV_PATH);
    return pageFrame(pageText(QT_TRANSLATE_NOOP("ResultsPage", "ZUV: the project's results")), body).toUtf8();
}

QByteArray downloadPage()
{
    return pageFrame(QStringLiteral("ZUV: the program"),
                     QStringLiteral(
                         "<h1>The ZUV program</h1><p>ZUV is the desktop program of the project: you count the coins of "
                         "your purse into its grid, by coin value and by the country of each national side, and upload "
                         "your countings to the project server.</p><p>After every upload the server tells your program "
                         "the newest version there is (now %1.%2); when yours is older, the program says so. Ask the "
                         "people who run this project for the newest package for your system.</p>"
                         "<p><a href=\"/\">The project's results</a></p>")
                         .arg(UploadService::NEWEST_CLIENT_VERSION / 100)
                         .arg(UploadService::NEWEST_CLIENT_VERSION % 100, 2, 10, QLatin1Char('0')))
        .toUtf8();
}

QByteArray whyNotPage()
{
    return pageFrame(
               QStringLiteral("ZUV: why we ask"),
               QStringLiteral(
                   "<h1>Why we ask where you are</h1><p>ZUV follows how the euro coins of each country spread "
                   "across Europe. A counted purse tells us something only together with where it was counted: "
                   "your country, your postal code and the size of your town. Without them your countings cannot "
                   "be placed, so the program asks for them before it uploads.</p><p>The project is scientific "
                   "research, and it asks you to agree to take part before your countings are used.</p>"
                   "<p>What the project publishes are counts only: how many coins of each country members counted, "
                   "month by month. Nothing that names or locates you is published: no member number, postal code, "
                   "e-mail address, name or message. A number is published only where at least %1 members counted "
                   "coins, once a day.</p><p>If you change your mind, start ZUV again and fill in the settings. "
                   "<a href=\"/\">The project's results</a></p>")
                   .arg(MINIMUM_MEMBERS))
        .toUtf8();
}
