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

QRgb rgbOf(const CoinRGB& colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

QColor testColour(size_t coin, size_t country)
{
    return QColor(int(coin * 30), int(country * 15), 77);
}

// Loads the pictures; answers the summary, when it comes, with the tick as
// given. Returns the summary's text, or nothing when there was none.
QString load(SlideShow& show, const QString& folder, const QString& suffix, bool& dontNag, bool tick = false)
{
    QString summary;
    // The watch outlives the loading when no summary comes: it then stays idle.
    const auto loading = std::make_shared<bool>(true);
    whenModalAppears(
        QStringLiteral("picdialog"),
        [&summary, tick, loading](QWidget* modal) {
            if (!*loading)
                return;
            summary = modal->findChild<QLabel*>()->text();
            modal->findChild<QCheckBox*>()->setChecked(tick);
            static_cast<QDialog*>(modal)->accept();
        },
        60000);
    show.loadPictures(folder + QLatin1Char('/'), suffix, dontNag);
    *loading = false;
    return summary;
}

void expectDrawnCoin(const SlideShow& show, int coin, int country)
{
    const QImage image = show.pictures()[size_t(coin)][size_t(country)].toImage();
    QCOMPARE(image.size(), QSize(170, 170));
    QCOMPARE(image.pixel(85, 85), rgbOf(coincolorInner[size_t(coin)]));
    QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
}

} // namespace

class TestSlideShow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steppingAndJumping();
    void missingPicturesAreDrawn();
    void picturesAreReadByContentAndCentred();
};

void TestSlideShow::steppingAndJumping()
{
    SlideShow show;
    QSignalSpy events(&show, &SlideShow::Event);
    QSignalSpy focus(&show, &SlideShow::focusChanged);
    const auto click = [&show](const char* name) { show.findChild<QPushButton*>(QLatin1String(name))->click(); };
    const auto shows = [&show](unsigned coin, unsigned country, const char* coinName, const char* countryName) {
        return show.coinIndex() == coin && show.countryIndex() == country &&
               show.coinNameLabel()->text() == QLatin1String(coinName) &&
               show.countryNameLabel()->text() == QLatin1String(countryName);
    };
    QVERIFY(shows(0, 1, "1c", "Austria"));
    click("previous coin"); // 1 cent goes to 2 Euro
    QVERIFY(shows(7, 1, "2e", "Austria"));
    click("next coin");
    click("previous country"); // Austria goes to Vatican, never to the common side
    QVERIFY(shows(0, 15, "1c", "Vatican"));
    QCOMPARE(show.actualCoinNumber(), 112u);
    click("next country");
    click("next coin");
    click("next coin");
    click("next country");
    QVERIFY(shows(2, 2, "5c", "Belgium"));
    QCOMPARE(show.actualCoinNumber(), 10u);
    QCOMPARE(focus.last(), (QVariantList{2u, 2u}));

    show.coinPictureButton()->click();
    show.countryPictureButton()->click();
    QVERIFY(!show.coinPictureButton()->isDown() && !show.countryPictureButton()->isDown());
    QCOMPARE(eventNames(events),
             (QStringList{"PreviousCoin", "NextCoin", "PreviousCountry", "NextCountry", "NextCoin", "NextCoin",
                          "NextCountry", "CoinPictureClicked", "CountryPictureClicked"}));

    // Jumps tell nobody; values out of range are ignored, and country 0 is
    // the common side. Coin, country asked for; coin, country shown.
    const QList<std::array<unsigned, 4>> jumps = {{3, 0, 3, 2}, {5, 16, 5, 2}, {8, 9, 5, 9}, {7, 15, 7, 15}};
    for (const auto& [coin, country, shownCoin, shownCountry] : jumps) {
        show.switchToCoin(coin, country);
        QVERIFY(show.coinIndex() == shownCoin && show.countryIndex() == shownCountry);
    }
    QCOMPARE(show.countryNameLabel()->text(), QStringLiteral("Vatican"));
    for (const auto& [number, shown] : {std::pair{10u, 10u}, {119u, 119u}, {120u, 112u}}) {
        show.switchToCoinNumber(number); // 120 would be country 16: only the coin changes
        QCOMPARE(show.actualCoinNumber(), shown);
    }
    QCOMPARE(focus.count(), 7);
}

void TestSlideShow::missingPicturesAreDrawn()
{
    QTemporaryDir dir;
    BoxScript boxes;
    SlideShow show;
    QCOMPARE(show.pictureSize(), QSize(-1, -1));
    bool dontNag = false;
    // Waiting events are handled between the pictures, while the progress shows.
    int progressSeen = -1;
    QTimer::singleShot(0, &show, [&] {
        if (auto* progress = show.findChild<QProgressDialog*>())
            progressSeen = progress->isVisible() ? progress->value() : -1;
    });
    QCOMPARE(load(show, dir.filePath(QStringLiteral("pics")), QStringLiteral("gif"), dontNag, true),
             QStringLiteral("Of 128 total coins:0 files loaded,128 pictures could not be read.\nTo have a nicer "
                            "program, you might want to check the website for more pictures?"));
    QVERIFY(progressSeen >= 0 && progressSeen < 128);
    QVERIFY(!show.findChild<QProgressDialog*>());
    QVERIFY(dontNag); // "Don't show this again" was ticked
    QCOMPARE(boxes.count(), 0);
    for (int coin = 0; coin < 8; ++coin)
        for (int country = 0; country < 16; ++country)
            expectDrawnCoin(show, coin, country);
    // The 1 Euro coin: a silver centre of 105 (from x = 32) in a golden ring of 150 (from x = 10).
    const QImage euro = show.centeredCoin(6, 5).toImage();
    const QRgb silver = qRgb(214, 214, 214), gold = qRgb(231, 206, 148), white = qRgb(255, 255, 255);
    for (const auto& [x, colour] :
         {std::pair{85, silver}, {35, silver}, {29, gold}, {13, gold}, {145, gold}, {7, white}, {165, white}})
        QCOMPARE(euro.pixel(x, 85), colour);
    bool names = false; // the coin's and the country's names in black
    for (int y = 0; y < 170 && !names; ++y)
        for (int x = 0; x < 170 && !names; ++x)
            names = euro.pixel(x, y) == qRgb(0, 0, 0);
    QVERIFY(names);

    // Full size when there is room, smaller in a small window.
    show.resize(show.sizeHint());
    show.show();
    QTRY_COMPARE(show.countryPictureButton()->iconSize(), QSize(170, 170));
    show.resize(show.sizeHint().width(), 300);
    QTRY_VERIFY(show.countryPictureButton()->iconSize().width() < 170);

    // Without the tick the summary keeps coming; once ticked it stays away.
    // A suffix Qt cannot read is explained, and the coins are drawn.
    dontNag = false;
    QVERIFY(!load(show, dir.path(), QStringLiteral("gif"), dontNag, false).isEmpty());
    QVERIFY(!dontNag);
    dontNag = true;
    QVERIFY(load(show, dir.path(), QStringLiteral("xyz"), dontNag, false).isEmpty());
    QVERIFY(dontNag);
    QString formats;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        formats += QString::fromLatin1(format) + QLatin1Char(' ');
    QVERIFY(formats.contains(QStringLiteral("gif ")));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Picture format not supported by Qt"));
    QVERIFY(boxes.last().text.contains(QStringLiteral("support 'xyz' files, only these filetypes are supported:\n") +
                                       formats + QLatin1Char('\n')));
    expectDrawnCoin(show, 7, 15);
}

void TestSlideShow::picturesAreReadByContentAndCentred()
{
    QTemporaryDir dir;
    const auto file = [&dir](size_t coin, size_t country) {
        return dir.filePath(coinnames[coin] + countrynames[country] + QStringLiteral(".gif"));
    };
    for (size_t coin = 0; coin < 8; ++coin)
        for (size_t country = 0; country < 16; ++country) {
            QImage picture(100, 100, QImage::Format_RGB32); // PNG under a .gif name
            picture.fill(testColour(coin, country));
            QVERIFY(picture.save(file(coin, country), "PNG"));
        }
    QImage large(200, 180, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            large.setPixel(x, y, qRgb(x, y, 0));
    QVERIFY(large.save(file(3, 4), "PNG"));
    QFile damaged(file(2, 7)); // drawn like a missing one, and the summary tells
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("GIF89a and then nothing") > 0);
    damaged.close();

    SlideShow show;
    bool dontNag = false;
    QVERIFY(load(show, dir.path(), QStringLiteral("gif"), dontNag).contains(QLatin1String("127 files loaded,1 pic")));
    QCOMPARE(show.pictures()[5][9].toImage().pixel(50, 50), testColour(5, 9).rgb());
    expectDrawnCoin(show, 2, 7);
    // A smaller picture sits in the middle of a white square, a larger one is clipped to its middle.
    const QImage small = show.centeredCoin(4, 9).toImage();
    QCOMPARE(small.pixel(35, 35), testColour(4, 9).rgb());
    QCOMPARE(small.pixel(134, 134), testColour(4, 9).rgb());
    QCOMPARE(small.pixel(34, 85), qRgb(255, 255, 255));
    QCOMPARE(small.pixel(135, 85), qRgb(255, 255, 255));
    const QImage clipped = show.centeredCoin(3, 4).toImage();
    QCOMPARE(clipped.pixel(0, 0), qRgb(15, 5, 0));
    QCOMPARE(clipped.pixel(169, 169), qRgb(184, 174, 0));

    // Repaired, the pictures are all there: no summary.
    QVERIFY(large.save(file(2, 7), "PNG"));
    QVERIFY(load(show, dir.path(), QStringLiteral("gif"), dontNag).isEmpty());

    // The current coin is shown, common side above, national side below;
    // another slide show can take the pictures over.
    SlideShow other;
    other.setPics(show.pictures(), show.pictureSize());
    other.switchToCoin(2, 3);
    QCOMPARE(other.coinPictureButton()->icon().pixmap(QSize(170, 170)).toImage().pixel(85, 85), testColour(2, 0).rgb());
    QCOMPARE(other.countryPictureButton()->icon().pixmap(QSize(170, 170)).toImage().pixel(85, 85),
             testColour(2, 3).rgb());
}

QTEST_MAIN(TestSlideShow)
#include "tst_slideshow.moc"
