#include "common/boxscript.h"
#include "common/constants.h"
#include "common/eventnames.h"
#include "common/modaldriver.h"
#include "counting/coindrawing.h"
#include "counting/slideshow.h"

#include <QCheckBox>
#include <QDialog>
#include <QImageReader>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// What the summary dialog and the progress dialog looked like while open.
struct SummarySeen
{
    bool shown = false;
    QString title;
    QString text;
    QString checkBoxText;
    bool progressShown = false;
    QString progressLabel;
    QString progressCancelText;
    int progressMaximum = 0;
    bool progressModal = false;
};

// Answers the picture summary while it is open: the progress dialog is
// modal as well, so other modal widgets are passed over. Stops answering
// once the watch is gone.
class SummaryWatch
{
public:
    explicit SummaryWatch(bool tickDontShowAgain) : tick(tickDontShowAgain) { arm(); }
    ~SummaryWatch() { *alive = false; }
    SummaryWatch(const SummaryWatch&) = delete;
    SummaryWatch& operator=(const SummaryWatch&) = delete;

    SummarySeen seen;

private:
    void arm()
    {
        std::shared_ptr<bool> stillAlive = alive;
        whenModalAppears(
            [this, stillAlive](QWidget* modal) {
                if (!*stillAlive)
                    return;
                if (modal->objectName() == QStringLiteral("picdialog"))
                    answer(static_cast<QDialog*>(modal));
                else
                    arm();
            },
            10000);
    }

    void answer(QDialog* dialog)
    {
        seen.shown = true;
        seen.title = dialog->windowTitle();
        for (QLabel* label : dialog->findChildren<QLabel*>())
            seen.text = label->text();
        auto* box = dialog->findChild<QCheckBox*>();
        if (box) {
            seen.checkBoxText = box->text();
            box->setChecked(tick);
        }
        if (auto* progress = dialog->parentWidget()->findChild<QProgressDialog*>(QStringLiteral("progress"))) {
            seen.progressShown = progress->isVisible();
            seen.progressLabel = progress->labelText();
            seen.progressMaximum = progress->maximum();
            seen.progressModal = progress->isModal();
            if (auto* cancel = progress->findChild<QPushButton*>())
                seen.progressCancelText = cancel->text();
        }
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("OK"))
                button->click();
        if (dialog->isVisible())
            dialog->reject(); // no OK button: end it anyway so the test goes on
    }

    bool tick;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

const QString noPicturesSummary =
    QStringLiteral("Of 128 total coins:0 files loaded,128 pictures could not be read.\nTo have a nicer program, you "
                   "might want to check the website for more pictures?");

QRgb rgbOf(const CoinRGB& colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

QString pictureFile(const QString& dir, size_t coin, size_t country)
{
    return dir + QLatin1Char('/') + coinnames[coin] + countrynames[country] + QStringLiteral(".gif");
}

QColor testColour(size_t coin, size_t country)
{
    return QColor(int(coin * 30), int(country * 15), 77);
}

void expectAllDrawn(const SlideShow& show)
{
    for (size_t coin = 0; coin < 8; ++coin)
        for (size_t country = 0; country < 16; ++country) {
            const QPixmap& picture = show.pictures()[coin][country];
            QCOMPARE(picture.size(), QSize(170, 170));
            const QImage image = picture.toImage();
            QCOMPARE(image.pixel(85, 85), rgbOf(coincolorInner[coin]));
            QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
        }
}

} // namespace

class TestSlideShow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndStart();
    void steppingWrapsAround();
    void buttonsReportEvents();
    void switchingIgnoresBadValues();
    void drawnCoins();
    void noPictureFilesAtAll();
    void allPictureFilesPresent();
    void largePictureIsClippedToItsCentre();
    void unsupportedSuffix();
    void eventsGoOnWhileLoading();
    void picturesAreShared();
};

void TestSlideShow::layoutAndStart()
{
    SlideShow show(nullptr, QStringLiteral("slides"));
    QCOMPARE(show.objectName(), QStringLiteral("slides"));
    QCOMPARE(show.pictureSize(), QSize(-1, -1));
    QVERIFY(show.pictures()[0][0].isNull());
    QVERIFY(show.centeredCoin(0, 1).isNull());
    QCOMPARE(show.coinIndex(), 0u);
    QCOMPARE(show.countryIndex(), 1u);
    QCOMPARE(show.actualCoinNumber(), 0u);
    QCOMPARE(show.coinNameLabel()->text(), QStringLiteral("1c"));
    QCOMPARE(show.countryNameLabel()->text(), QStringLiteral("Austria"));
    QCOMPARE(show.coinNameLabel()->frameStyle(), int(QFrame::Panel | QFrame::Sunken));
    QVERIFY(show.coinPictureButton()->isFlat());
    QVERIFY(show.countryPictureButton()->isFlat());

    show.show();
    QVERIFY(QTest::qWaitForWindowExposed(&show));
    const auto top = [&show](QWidget* widget) { return widget->mapTo(&show, QPoint(0, 0)).y(); };
    QPushButton* previousCoin = show.findChild<QPushButton*>(QStringLiteral("previous coin"));
    QPushButton* nextCoin = show.findChild<QPushButton*>(QStringLiteral("next coin"));
    QPushButton* previousCountry = show.findChild<QPushButton*>(QStringLiteral("previous country"));
    QPushButton* nextCountry = show.findChild<QPushButton*>(QStringLiteral("next country"));
    QVERIFY(previousCoin && nextCoin && previousCountry && nextCountry);
    QCOMPARE(nextCoin->text(), QStringLiteral("next coin"));
    QCOMPARE(previousCountry->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    QVERIFY(top(show.coinPictureButton()) < top(show.coinNameLabel()));
    QVERIFY(top(show.coinNameLabel()) < top(previousCoin));
    QCOMPARE(top(previousCoin), top(nextCoin));
    QVERIFY(previousCoin->mapTo(&show, QPoint(0, 0)).x() < nextCoin->mapTo(&show, QPoint(0, 0)).x());
    QVERIFY(top(nextCoin) < top(previousCountry));
    QCOMPARE(top(previousCountry), top(nextCountry));
    QVERIFY(top(nextCountry) < top(show.countryNameLabel()));
    QVERIFY(top(show.countryNameLabel()) < top(show.countryPictureButton()));
}

void TestSlideShow::steppingWrapsAround()
{
    SlideShow show;
    QSignalSpy focus(&show, &SlideShow::focusChanged);
    const auto lastFocus = [&focus] { return qMakePair(focus.last().at(0).toUInt(), focus.last().at(1).toUInt()); };

    show.previousCoin(); // 1 cent goes to 2 Euro
    QCOMPARE(show.coinIndex(), 7u);
    QCOMPARE(lastFocus(), qMakePair(7u, 1u));
    QCOMPARE(show.coinNameLabel()->text(), QStringLiteral("2e"));
    show.nextCoin();
    QCOMPARE(show.coinIndex(), 0u);
    QCOMPARE(lastFocus(), qMakePair(0u, 1u));

    show.previousCountry(); // Austria goes to Vatican, never to the common side
    QCOMPARE(show.countryIndex(), 15u);
    QCOMPARE(show.countryNameLabel()->text(), QStringLiteral("Vatican"));
    QCOMPARE(lastFocus(), qMakePair(0u, 15u));
    QCOMPARE(show.actualCoinNumber(), 112u);
    show.nextCountry();
    QCOMPARE(show.countryIndex(), 1u);
    QCOMPARE(lastFocus(), qMakePair(0u, 1u));

    // A whole round through the countries never visits 0.
    for (int step = 0; step < 15; ++step) {
        show.nextCountry();
        QVERIFY(show.countryIndex() >= 1 && show.countryIndex() <= 15);
    }
    QCOMPARE(show.countryIndex(), 1u);
    for (int step = 0; step < 8; ++step)
        show.nextCoin();
    QCOMPARE(show.coinIndex(), 0u);
    QCOMPARE(focus.count(), 4 + 15 + 8);

    show.nextCoin();
    show.nextCoin();
    show.nextCountry();
    QCOMPARE(show.actualCoinNumber(), 2u + 8u);
    QCOMPARE(show.coinNameLabel()->text(), QStringLiteral("5c"));
    QCOMPARE(show.countryNameLabel()->text(), QStringLiteral("Belgium"));
}

void TestSlideShow::buttonsReportEvents()
{
    SlideShow show;
    QSignalSpy events(&show, &SlideShow::Event);
    QSignalSpy focus(&show, &SlideShow::focusChanged);

    show.findChild<QPushButton*>(QStringLiteral("next coin"))->click();
    show.findChild<QPushButton*>(QStringLiteral("next country"))->click();
    show.findChild<QPushButton*>(QStringLiteral("previous country"))->click();
    show.findChild<QPushButton*>(QStringLiteral("previous coin"))->click();
    QCOMPARE(eventNames(events), (QStringList{QStringLiteral("NextCoin"), QStringLiteral("NextCountry"),
                                              QStringLiteral("PreviousCountry"), QStringLiteral("PreviousCoin")}));
    QCOMPARE(focus.count(), 4);
    QCOMPARE(focus.at(0).at(0).toUInt(), 1u);
    QCOMPARE(focus.at(1).at(1).toUInt(), 2u);
    QCOMPARE(show.coinIndex(), 0u);
    QCOMPARE(show.countryIndex(), 1u);

    events.clear();
    focus.clear();
    show.coinPictureButton()->click();
    show.countryPictureButton()->click();
    QCOMPARE(eventNames(events),
             (QStringList{QStringLiteral("CoinPictureClicked"), QStringLiteral("CountryPictureClicked")}));
    QVERIFY(!show.coinPictureButton()->isDown());
    QVERIFY(!show.countryPictureButton()->isDown());
    QCOMPARE(focus.count(), 0);
    QCOMPARE(show.coinIndex(), 0u);
    QCOMPARE(show.countryIndex(), 1u);
}

void TestSlideShow::switchingIgnoresBadValues()
{
    SlideShow show;
    QSignalSpy focus(&show, &SlideShow::focusChanged);

    show.switchToCoin(3, 0); // the common side is no country to count
    QCOMPARE(show.coinIndex(), 3u);
    QCOMPARE(show.countryIndex(), 1u);
    show.switchToCoin(5, 16);
    QCOMPARE(show.coinIndex(), 5u);
    QCOMPARE(show.countryIndex(), 1u);
    show.switchToCoin(8, 9);
    QCOMPARE(show.coinIndex(), 5u);
    QCOMPARE(show.countryIndex(), 9u);
    QCOMPARE(show.countryNameLabel()->text(), QStringLiteral("Luxemburg"));
    show.switchToCoin(7, 15);
    QCOMPARE(show.coinIndex(), 7u);
    QCOMPARE(show.countryIndex(), 15u);
    QCOMPARE(show.coinNameLabel()->text(), QStringLiteral("2e"));

    show.switchToCoinNumber(10); // 5 cent, Belgium
    QCOMPARE(show.coinIndex(), 2u);
    QCOMPARE(show.countryIndex(), 2u);
    show.switchToCoinNumber(119);
    QCOMPARE(show.coinIndex(), 7u);
    QCOMPARE(show.countryIndex(), 15u);
    QCOMPARE(show.actualCoinNumber(), 119u);
    show.switchToCoinNumber(120); // would be country 16: only the coin changes
    QCOMPARE(show.coinIndex(), 0u);
    QCOMPARE(show.countryIndex(), 15u);
    QCOMPARE(focus.count(), 0);
}

void TestSlideShow::drawnCoins()
{
    SlideShow show;
    QCOMPARE(SlideShow::RGB2Color(231, 206, 148), QColor(231, 206, 148));

    // The 1 Euro coin: a silver centre of 105 inside a golden ring of 150.
    QPixmap euro;
    show.DrawCoin(euro, QStringLiteral("Austria"), QStringLiteral("1e"), SlideShow::RGB2Color(214, 214, 214),
                  SlideShow::RGB2Color(231, 206, 148), QSize(170, 170), 105, 150);
    QCOMPARE(euro.size(), QSize(170, 170));
    QImage image = euro.toImage();
    const QRgb silver = qRgb(214, 214, 214);
    const QRgb gold = qRgb(231, 206, 148);
    const QRgb white = qRgb(255, 255, 255);
    QCOMPARE(image.pixel(85, 85), silver);
    QCOMPARE(image.pixel(85 + 60, 85), gold);
    QCOMPARE(image.pixel(85 - 60, 85), gold);
    QCOMPARE(image.pixel(85 + 80, 85), white);
    QCOMPARE(image.pixel(0, 0), white);
    // Edges: the centre starts at (170 - 105) / 2 = 32, the ring at 10.
    QCOMPARE(image.pixel(35, 85), silver);
    QCOMPARE(image.pixel(29, 85), gold);
    QCOMPARE(image.pixel(13, 85), gold);
    QCOMPARE(image.pixel(7, 85), white);
    QCOMPARE(image.pixel(85, 13), gold);
    QCOMPARE(image.pixel(85, 7), white);
    // The coin's and the country's names are written in black above and below the middle.
    const int lineHeight = QFontMetrics(show.font()).height();
    bool blackAbove = false, blackBelow = false;
    for (int x = 40; x < 130; ++x)
        for (int dy = 1; dy < lineHeight; ++dy) {
            blackAbove = blackAbove || image.pixel(x, 85 - lineHeight - dy) == qRgb(0, 0, 0);
            blackBelow = blackBelow || image.pixel(x, 85 + lineHeight - dy) == qRgb(0, 0, 0);
        }
    QVERIFY(blackAbove);
    QVERIFY(blackBelow);

    // Every coin with its table entries: the centre in the inner colour, the
    // rim just inside the outer size in the outer colour, white beyond.
    for (size_t coin = 0; coin < 8; ++coin) {
        QPixmap drawn;
        const QColor inner(rgbOf(coincolorInner[coin]));
        const QColor outer(rgbOf(coincolorOuter[coin]));
        show.DrawCoin(drawn, QString(), QString(), inner, outer, QSize(170, 170), coinSizeInner[coin],
                      coinSizeOuter[coin]);
        image = drawn.toImage();
        const int outerLeft = (170 - coinSizeOuter[coin]) / 2;
        QCOMPARE(image.pixel(85, 85), rgbOf(coincolorInner[coin]));
        QCOMPARE(image.pixel(outerLeft + 3, 85), rgbOf(coincolorOuter[coin]));
        if (outerLeft >= 3)
            QCOMPARE(image.pixel(outerLeft - 3, 85), white);
    }
}

void TestSlideShow::noPictureFilesAtAll()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("pics")) + QLatin1Char('/');
    BoxScript boxes;
    SlideShow show;

    bool dontNag = false;
    {
        SummaryWatch watch(/*tickDontShowAgain=*/true);
        show.loadPictures(missing, QStringLiteral("gif"), dontNag);
        QVERIFY(watch.seen.shown);
        QCOMPARE(watch.seen.title, QStringLiteral("ZUV: You could download (more) coin pictures"));
        QCOMPARE(watch.seen.text, noPicturesSummary);
        QCOMPARE(watch.seen.checkBoxText, QStringLiteral("Don't show this again"));
        QVERIFY(watch.seen.progressShown);
        QVERIFY(watch.seen.progressModal);
        QCOMPARE(watch.seen.progressLabel, QStringLiteral("Loading pictures..."));
        QCOMPARE(watch.seen.progressCancelText, QStringLiteral("Abort not possible"));
        QCOMPARE(watch.seen.progressMaximum, 128);
    }
    QVERIFY(dontNag);
    QCOMPARE(boxes.count(), 0); // gif is a readable format
    QVERIFY(!show.findChild<QProgressDialog*>(QStringLiteral("progress")));
    QCOMPARE(show.pictureSize(), QSize(170, 170));
    expectAllDrawn(show);
    QVERIFY(!show.coinPictureButton()->icon().isNull());
    // Full size when there is room, smaller in a small window.
    show.resize(show.sizeHint());
    show.show();
    QTRY_COMPARE(show.coinPictureButton()->iconSize(), QSize(170, 170));
    QCOMPARE(show.countryPictureButton()->iconSize(), QSize(170, 170));
    show.resize(show.sizeHint().width(), 300);
    QTRY_VERIFY(show.countryPictureButton()->iconSize().width() < 170);
    QVERIFY(show.countryPictureButton()->iconSize().width() >= 72);
    show.hide();

    // The drawn 1 Euro coin of a national side, through the shown picture.
    const QImage euro = show.centeredCoin(6, 5).toImage();
    QCOMPARE(euro.pixel(85, 85), qRgb(214, 214, 214));
    QCOMPARE(euro.pixel(145, 85), qRgb(231, 206, 148));
    QCOMPARE(euro.pixel(165, 85), qRgb(255, 255, 255));

    // Closing with OK but without the tick keeps nagging.
    dontNag = false;
    {
        SummaryWatch watch(/*tickDontShowAgain=*/false);
        show.loadPictures(missing, QStringLiteral("gif"), dontNag);
        QVERIFY(watch.seen.shown);
    }
    QVERIFY(!dontNag);

    // Once ticked, no summary at the next start.
    dontNag = true;
    {
        SummaryWatch watch(/*tickDontShowAgain=*/false);
        show.loadPictures(missing, QStringLiteral("gif"), dontNag);
        QVERIFY(!watch.seen.shown);
    }
    QVERIFY(dontNag);
    expectAllDrawn(show);
}

void TestSlideShow::allPictureFilesPresent()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // PNG content under the .gif names: the content decides how a file is read.
    for (size_t coin = 0; coin < 8; ++coin)
        for (size_t country = 0; country < 16; ++country) {
            QImage picture(100, 100, QImage::Format_RGB32);
            picture.fill(testColour(coin, country));
            QVERIFY(picture.save(pictureFile(dir.path(), coin, country), "PNG"));
        }

    BoxScript boxes;
    SlideShow show;
    bool dontNag = false;
    {
        SummaryWatch watch(/*tickDontShowAgain=*/true);
        show.loadPictures(dir.path() + QLatin1Char('/'), QStringLiteral("gif"), dontNag);
        QVERIFY(!watch.seen.shown);
    }
    QVERIFY(!dontNag);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(show.pictureSize(), QSize(170, 170));
    for (size_t coin = 0; coin < 8; ++coin)
        for (size_t country = 0; country < 16; ++country) {
            const QPixmap& picture = show.pictures()[coin][country];
            QCOMPARE(picture.size(), QSize(100, 100));
            QCOMPARE(picture.toImage().pixel(50, 50), testColour(coin, country).rgb());
        }

    // A smaller picture sits in the middle of a white 170 by 170 square.
    const QImage shown = show.centeredCoin(4, 9).toImage();
    QCOMPARE(shown.size(), QSize(170, 170));
    QCOMPARE(shown.pixel(35, 35), testColour(4, 9).rgb());
    QCOMPARE(shown.pixel(134, 134), testColour(4, 9).rgb());
    QCOMPARE(shown.pixel(34, 85), qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(135, 85), qRgb(255, 255, 255));

    // The current coin is shown: common side above, national side below.
    show.switchToCoin(2, 3);
    const QImage common = show.coinPictureButton()->icon().pixmap(QSize(170, 170)).toImage();
    const QImage national = show.countryPictureButton()->icon().pixmap(QSize(170, 170)).toImage();
    QCOMPARE(common.pixel(85, 85), testColour(2, 0).rgb());
    QCOMPARE(national.pixel(85, 85), testColour(2, 3).rgb());
}

void TestSlideShow::largePictureIsClippedToItsCentre()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage large(200, 180, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            large.setPixel(x, y, qRgb(x, y, 0));
    QVERIFY(large.save(pictureFile(dir.path(), 3, 4), "PNG"));
    // A damaged picture file is drawn like a missing one.
    QFile damaged(pictureFile(dir.path(), 2, 7));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    QVERIFY(damaged.write("GIF89a and then nothing that makes a picture") > 0);
    damaged.close();

    SlideShow show;
    bool dontNag = true;
    {
        SummaryWatch watch(/*tickDontShowAgain=*/false);
        show.loadPictures(dir.path() + QLatin1Char('/'), QStringLiteral("gif"), dontNag);
        QVERIFY(!watch.seen.shown);
    }
    QCOMPARE(show.pictures()[3][4].size(), QSize(200, 180));
    // Offsets (170 - 200) / 2 = -15 and (170 - 180) / 2 = -5.
    const QImage shown = show.centeredCoin(3, 4).toImage();
    QCOMPARE(shown.size(), QSize(170, 170));
    QCOMPARE(shown.pixel(0, 0), qRgb(15, 5, 0));
    QCOMPARE(shown.pixel(169, 169), qRgb(184, 174, 0));
    QCOMPARE(shown.pixel(100, 50), qRgb(115, 55, 0));
    // The others are drawn.
    QCOMPARE(show.pictures()[3][5].size(), QSize(170, 170));
    QCOMPARE(show.pictures()[3][5].toImage().pixel(85, 85), rgbOf(coincolorInner[3]));
    QCOMPARE(show.pictures()[2][7].size(), QSize(170, 170));
    QCOMPARE(show.pictures()[2][7].toImage().pixel(85, 85), rgbOf(coincolorInner[2]));
}

void TestSlideShow::eventsGoOnWhileLoading()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SlideShow show;
    // Waiting events are handled between the pictures, while the progress
    // dialog is up (no summary: its own event loop would handle them anyway).
    int progressSeen = -1;
    QTimer::singleShot(0, &show, [&] {
        if (auto* progress = show.findChild<QProgressDialog*>(QStringLiteral("progress")))
            if (progress->isVisible())
                progressSeen = progress->value();
    });
    bool dontNag = true;
    show.loadPictures(dir.path() + QLatin1Char('/'), QStringLiteral("gif"), dontNag);
    QVERIFY(progressSeen >= 0);
    QVERIFY(progressSeen < 128);
    expectAllDrawn(show);
}

void TestSlideShow::unsupportedSuffix()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    BoxScript boxes;
    SlideShow show;
    bool dontNag = true;
    {
        SummaryWatch watch(/*tickDontShowAgain=*/false);
        show.loadPictures(dir.path() + QLatin1Char('/'), QStringLiteral("xyz"), dontNag);
        QVERIFY(!watch.seen.shown);
    }

    QString formats;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        formats += QString::fromLatin1(format) + QLatin1Char(' ');
    QVERIFY(formats.contains(QStringLiteral("gif ")));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Picture format not supported by Qt"));
    QCOMPARE(boxes.last().text,
             QStringLiteral("Sorry, your version of Qt doesn't support 'xyz' files, only these filetypes are "
                            "supported:\n") +
                 formats +
                 QStringLiteral("\nPlease re-configure Qt and build it again (or ask your admin)\nSee ' "
                                "$QTDIR/configure -help | more ' for informations how to...\n\nZUV will work, "
                                "but you won't see the coin pictures! What a pity..."));
    QCOMPARE(boxes.last().parent, &show);
    expectAllDrawn(show);
}

void TestSlideShow::picturesAreShared()
{
    SlideShow first;
    bool dontNag = true;
    {
        SummaryWatch watch(/*tickDontShowAgain=*/false);
        first.loadPictures(QStringLiteral("/nonexistent-pictures/"), QStringLiteral("gif"), dontNag);
        QVERIFY(!watch.seen.shown);
    }

    SlideShow second;
    second.setPics(first.pictures(), first.pictureSize());
    QCOMPARE(second.pictureSize(), QSize(170, 170));
    for (size_t coin = 0; coin < 8; ++coin)
        for (size_t country = 0; country < 16; ++country)
            QCOMPARE(second.pictures()[coin][country].cacheKey(), first.pictures()[coin][country].cacheKey());
    QCOMPARE(second.centeredCoin(7, 15).toImage(), first.centeredCoin(7, 15).toImage());
    QVERIFY(!second.countryPictureButton()->icon().isNull());
}

QTEST_MAIN(TestSlideShow)
#include "tst_slideshow.moc"
