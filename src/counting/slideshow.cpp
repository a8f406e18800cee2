// SPDX-License-Identifier: GPL-3.0-or-later
#include "counting/slideshow.h"

#include "common/background.h"
#include "common/boxwidget.h"
#include "common/messagebox.h"
#include "counting/coindrawing.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QTransform>
#include <QVBoxLayout>

#include <utility>

namespace {

// Positions of the slide show's actions among the general event names.
constexpr size_t nextCoinEvent = 3;
constexpr size_t previousCoinEvent = 4;
constexpr size_t nextCountryEvent = 5;
constexpr size_t previousCountryEvent = 6;
constexpr size_t coinPictureClickedEvent = 7;
constexpr size_t countryPictureClickedEvent = 8;

constexpr unsigned lastCoin = NUM_COINS - 1;
constexpr unsigned firstCountry = 1; // the common side is never the current country
constexpr unsigned lastCountry = NUM_COUNTRIES - 1;

constexpr int summaryMargin = 10;

// The pictures are shown smaller when the window is small, never larger than
// they are and never smaller than this.
constexpr int smallestShownPicture = 72;

// The progress of loading is redrawn at most once a display frame.
constexpr int progressFrameMs = 16;

// A progress dialog that brings its new value to the screen at most once a
// frame. Its bar repaints itself at once whenever its value changes; at one
// picture every fraction of a millisecond that repainting would cost more
// than the loading it shows. A repaint asked for within a frame of the last
// one waits, at most until that frame is over.
class FrameLimitedProgress : public QProgressDialog
{
public:
    FrameLimitedProgress(const QString& label, const QString& cancelText, int steps, QWidget* parent)
        : QProgressDialog(label, cancelText, 0, steps, parent)
    {
        delayed.setSingleShot(true);
        delayed.callOnTimeout(this, [this] {
            QEvent request(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(this, &request);
        });
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest) {
            const qint64 sinceLast = lastUpdate.isValid() ? lastUpdate.elapsed() : progressFrameMs;
            if (sinceLast < progressFrameMs) {
                if (!delayed.isActive())
                    delayed.start(int(progressFrameMs - sinceLast));
                return true;
            }
            delayed.stop();
            lastUpdate.start();
        }
        return QProgressDialog::event(event);
    }

private:
    QElapsedTimer lastUpdate;
    QTimer delayed;
};

// Reads a picture file as its content says, whatever its name ends with.
// Each picture is read once, so it is not put into the pixmap cache. A
// missing file is told by the failing open; given only a name, the reader
// would go on to try that name with every known picture suffix appended.
bool readPicture(const QString& fileName, QPixmap& picture)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return false;
    picture = QPixmap::fromImage(std::move(image));
    return true;
}

QPushButton* pictureButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setFlat(true);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setMinimumSize(smallestShownPicture, smallestShownPicture);
    return button;
}

QPushButton* navigationButton(const QString& text, HBox* box)
{
    auto* button = box->add(new QPushButton(text, box));
    button->setObjectName(text);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    return button;
}

QLabel* nameLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QColor colourOf(const CoinRGB& rgb)
{
    return SlideShow::RGB2Color(rgb.red, rgb.green, rgb.blue);
}

QString unsupportedFormatText(const QString& suffix, const QString& formatList)
{
    return SlideShow::tr("Sorry, your version of Qt doesn't support '%1' files, only these filetypes are supported:\n"
                         "%2\nPlease re-configure Qt and build it again (or ask your admin)\n"
                         "See ' $QTDIR/configure -help | more ' for informations how to...\n"
                         "\nZUV will work, but you won't see the coin pictures! What a pity...")
        .arg(suffix, formatList);
}

QString summaryText(int loaded, int failed)
{
    return SlideShow::tr("Of %1 total coins:%2 files loaded,%3 pictures could not be read.\n"
                         "To have a nicer program, you might want to check the website for more pictures?")
        .arg(NUM_COIN_PICTURES)
        .arg(loaded)
        .arg(failed);
}

} // namespace

SlideShow::SlideShow(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    // Listing the readable formats loads every picture plugin: that is done
    // while the window is built, before the pictures are loaded.
    readableFormats = startInBackground([] { return QImageReader::supportedImageFormats(); }).share();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    coinButton = pictureButton(this);
    layout->addWidget(coinButton, 1);
    coinLabel = nameLabel(this);
    layout->addWidget(coinLabel);

    auto* coinSteps = new HBox(this);
    QPushButton* previousCoinButton = navigationButton(tr("previous coin"), coinSteps);
    QPushButton* nextCoinButton = navigationButton(tr("next coin"), coinSteps);
    layout->addWidget(coinSteps);

    auto* countrySteps = new HBox(this);
    QPushButton* previousCountryButton = navigationButton(tr("previous country"), countrySteps);
    QPushButton* nextCountryButton = navigationButton(tr("next country"), countrySteps);
    layout->addWidget(countrySteps);

    countryLabel = nameLabel(this);
    layout->addWidget(countryLabel);
    countryButton = pictureButton(this);
    layout->addWidget(countryButton, 1);

    connect(nextCoinButton, &QPushButton::clicked, this, &SlideShow::nextCoin);
    connect(nextCoinButton, &QPushButton::clicked, this, &SlideShow::buttonNextCoinPressed);
    connect(previousCoinButton, &QPushButton::clicked, this, &SlideShow::previousCoin);
    connect(previousCoinButton, &QPushButton::clicked, this, &SlideShow::buttonPreviousCoinPressed);
    connect(nextCountryButton, &QPushButton::clicked, this, &SlideShow::nextCountry);
    connect(nextCountryButton, &QPushButton::clicked, this, &SlideShow::buttonNextCountryPressed);
    connect(previousCountryButton, &QPushButton::clicked, this, &SlideShow::previousCountry);
    connect(previousCountryButton, &QPushButton::clicked, this, &SlideShow::buttonPreviousCountryPressed);
    connect(coinButton, &QPushButton::clicked, this, &SlideShow::CoinPicturePressed);
    connect(countryButton, &QPushButton::clicked, this, &SlideShow::CountryPicturePressed);

    // The names show even before there are pictures.
    changeCoinSide();
}

void SlideShow::loadPictures(const QString& path, const QString& suffix, bool& dontNag)
{
    QString formatList;
    bool supported = false;
    for (const QByteArray& format : readableFormats.get()) {
        const QString formatName = QString::fromLatin1(format);
        formatList += formatName + QLatin1Char(' ');
        if (suffix == formatName || suffix == formatName.toLower())
            supported = true;
    }
    if (!supported)
        askUser(this, BoxIcon::Information, tr("Picture format not supported by Qt"),
                unsupportedFormatText(suffix, formatList));

    FrameLimitedProgress progress(tr("Loading pictures..."), tr("Abort not possible"), NUM_COIN_PICTURES, this);
    progress.setObjectName(QStringLiteral("progress"));
    progress.setModal(true);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);

    int loaded = 0;
    int failed = 0;
    undrawn.reset();
    // The bar is redrawn once a frame at most, so the value is set and the
    // events let through once a frame too: reading a picture takes far less.
    // The dialog comes on the screen with the first frame: pictures that are
    // all read (or found missing) sooner leave nothing to watch, no dialog
    // flashes up, and the window is drawn once, enabled, instead of disabled
    // first.
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    for (unsigned countryIdx = 0; countryIdx < unsigned(NUM_COUNTRIES); ++countryIdx) {
        for (unsigned coinIdx = 0; coinIdx < unsigned(NUM_COINS); ++coinIdx) {
            const unsigned number = countryIdx * NUM_COINS + coinIdx;
            if (sinceEvents.elapsed() >= progressFrameMs) {
                progress.setValue(int(number));
                progress.show();
                QCoreApplication::processEvents();
                sinceEvents.start();
            }
            const QString fileName = path + coinnames[coinIdx] + countrynames[countryIdx] + QLatin1Char('.') + suffix;
            if (readPicture(fileName, pics[coinIdx][countryIdx])) {
                ++loaded;
            } else {
                ++failed;
                undrawn.set(number);
            }
        }
    }

    if (!dontNag && (failed > 0 || loaded < NUM_COIN_PICTURES)) {
        QDialog summary(this);
        summary.setObjectName(QStringLiteral("picdialog"));
        summary.setWindowTitle(tr("ZUV: You could download (more) coin pictures"));
        auto* grid = new QGridLayout(&summary);
        grid->setContentsMargins(summaryMargin, summaryMargin, summaryMargin, summaryMargin);
        grid->addWidget(new QLabel(summaryText(loaded, failed), &summary), 0, 0, 1, 2);
        auto* dontShowAgain = new QCheckBox(tr("Don't show this again"), &summary);
        grid->addWidget(dontShowAgain, 1, 0);
        auto* ok = new QPushButton(QStringLiteral("OK"), &summary);
        grid->addWidget(ok, 1, 1);
        connect(ok, &QPushButton::clicked, &summary, &QDialog::accept);
        summary.exec();
        dontNag = dontShowAgain->isChecked();
    }

    // The missing pictures are drawn when they are first shown or handed on:
    // the window needs two of them to start.
    picSize = QSize(COIN_PICTURE_SIDE, COIN_PICTURE_SIDE);
    blankCoins.clear();
    changeCoinSide();
    progress.close();
}

void SlideShow::setPics(const PictureTable& pictures, QSize size)
{
    undrawn.reset();
    pics = pictures;
    picSize = size;
    changeCoinSide();
}

const SlideShow::PictureTable& SlideShow::pictures() const
{
    for (size_t coinIdx = 0; coinIdx < size_t(NUM_COINS) && undrawn.any(); ++coinIdx) {
        for (size_t countryIdx = 0; countryIdx < size_t(NUM_COUNTRIES); ++countryIdx)
            picture(coinIdx, countryIdx);
    }
    return pics;
}

const QPixmap& SlideShow::picture(size_t coinIdx, size_t countryIdx) const
{
    const size_t number = countryIdx * NUM_COINS + coinIdx;
    if (undrawn.test(number)) {
        undrawn.reset(number);
        DrawCoin(pics[coinIdx][countryIdx], shownCountryName(int(countryIdx)), shownCoinName(int(coinIdx)),
                 colourOf(coincolorInner[coinIdx]), colourOf(coincolorOuter[coinIdx]), picSize, coinSizeInner[coinIdx],
                 coinSizeOuter[coinIdx]);
        if (undrawn.none())
            blankCoins.clear();
    }
    return pics[coinIdx][countryIdx];
}

QPixmap SlideShow::centeredCoin(int coinIdx, int countryIdx) const
{
    if (!picSize.isValid())
        return QPixmap();
    QPixmap centred(picSize);
    centred.fill(Qt::white);
    if (coinIdx < 0 || coinIdx >= NUM_COINS || countryIdx < 0 || countryIdx >= NUM_COUNTRIES)
        return centred;
    const QPixmap& coinPicture = picture(size_t(coinIdx), size_t(countryIdx));
    if (coinPicture.isNull())
        return centred;
    // Integer division rounds toward zero; a larger picture gets negative
    // offsets and is clipped to its middle.
    const int left = (picSize.width() - coinPicture.width()) / 2;
    const int top = (picSize.height() - coinPicture.height()) / 2;
    QPainter painter(&centred);
    painter.drawPixmap(left, top, coinPicture);
    return centred;
}

QColor SlideShow::RGB2Color(uchar red, uchar green, uchar blue)
{
    return QColor(red, green, blue);
}

void SlideShow::DrawCoin(QPixmap& target, const QString& countryText, const QString& coinText, const QColor& inner,
                         const QColor& outer, QSize size, int innerSize, int outerSize) const
{
    // Drawn into an image of its own, then handed over whole: a pixmap
    // copied to be painted on would be converted pixel by pixel.
    QImage coin = blankCoin(size, inner, outer, innerSize, outerSize).copy();
    const int width = size.width();
    const int height = size.height();

    QPainter painter(&coin);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setFont(font());
    const int lineHeight = QFontMetrics(font()).height();
    // A laid-out text is placed by its top left corner: its baseline lies
    // the font's exact ascent below that.
    const qreal ascent = QFontMetricsF(font()).ascent();
    const LaidOutName& coinName = laidOut(coinText);
    const LaidOutName& countryName = laidOut(countryText);
    painter.drawStaticText(QPointF((width - coinName.advance) / 2, height / 2 - lineHeight - ascent), coinName.text);
    painter.drawStaticText(QPointF((width - countryName.advance) / 2, height / 2 + lineHeight - ascent),
                           countryName.text);
    painter.end();
    target = QPixmap::fromImage(std::move(coin));
}

const QImage& SlideShow::blankCoin(QSize size, const QColor& inner, const QColor& outer, int innerSize,
                                   int outerSize) const
{
    const BlankCoinKey key{size.width(), size.height(), inner.rgba64(), outer.rgba64(), innerSize, outerSize};
    auto found = blankCoins.find(key);
    if (found != blankCoins.end())
        return found->second;
    QImage coin(size, QImage::Format_RGB32);
    coin.fill(Qt::white);
    const int width = size.width();
    const int height = size.height();
    QPainter painter(&coin);
    painter.setPen(Qt::NoPen);
    if (outerSize != innerSize) {
        painter.setBrush(outer);
        painter.drawEllipse((width - outerSize) / 2, (height - outerSize) / 2, outerSize, outerSize);
    }
    painter.setBrush(inner);
    painter.drawEllipse((width - innerSize) / 2, (height - innerSize) / 2, innerSize, innerSize);
    painter.end();
    return blankCoins.emplace(key, coin).first->second;
}

const SlideShow::LaidOutName& SlideShow::laidOut(const QString& name) const
{
    if (laidOutFont != font()) {
        laidOutNames.clear();
        laidOutFont = font();
    }
    auto found = laidOutNames.find(name);
    if (found == laidOutNames.end()) {
        LaidOutName laid;
        laid.text.setText(name);
        laid.text.setTextFormat(Qt::PlainText);
        laid.text.prepare(QTransform(), laidOutFont);
        laid.advance = QFontMetrics(laidOutFont).horizontalAdvance(name);
        found = laidOutNames.insert(name, laid);
    }
    return *found;
}

unsigned SlideShow::actualCoinNumber() const
{
    return coin + (country - 1) * NUM_COINS;
}

void SlideShow::nextCoin()
{
    coin = coin >= lastCoin ? 0 : coin + 1;
    changeCoinSide();
    Q_EMIT focusChanged(coin, country);
}

void SlideShow::previousCoin()
{
    coin = coin == 0 ? lastCoin : coin - 1;
    changeCoinSide();
    Q_EMIT focusChanged(coin, country);
}

void SlideShow::nextCountry()
{
    country = country >= lastCountry ? firstCountry : country + 1;
    changeCountrySide();
    Q_EMIT focusChanged(coin, country);
}

void SlideShow::previousCountry()
{
    country = country <= firstCountry ? lastCountry : country - 1;
    changeCountrySide();
    Q_EMIT focusChanged(coin, country);
}

void SlideShow::switchToCoin(unsigned toCoin, unsigned toCountry)
{
    if (toCoin != coin && toCoin <= lastCoin) {
        coin = toCoin;
        changeCoinSide();
    }
    if (toCountry != country && toCountry >= firstCountry && toCountry <= lastCountry) {
        country = toCountry;
        changeCountrySide();
    }
}

void SlideShow::switchToCoinNumber(unsigned coinNumber)
{
    switchToCoin(coinNumber % NUM_COINS, coinNumber / NUM_COINS + 1);
}

void SlideShow::showPicture(QPushButton* button, const QPixmap& picture)
{
    button->setIcon(QIcon(picture));
    fitPicture(button);
}

void SlideShow::fitPicture(QPushButton* button)
{
    const int room = qMin(button->width(), button->height());
    const int side = qMin(picSize.isValid() ? picSize.width() : 0, qMax(room, smallestShownPicture));
    button->setIconSize(QSize(side, side));
}

QSize SlideShow::sizeHint() const
{
    // Room for both pictures at full size when the window allows it.
    const QSize hint = QWidget::sizeHint();
    const int pictures = picSize.isValid() ? picSize.height() : 0;
    return QSize(qMax(hint.width(), picSize.width()), hint.height() + 2 * pictures);
}

void SlideShow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitPicture(coinButton);
    fitPicture(countryButton);
}

void SlideShow::changeCoinSide()
{
    showPicture(coinButton, centeredCoin(int(coin), 0));
    coinLabel->setText(shownCoinName(int(coin)));
    changeCountrySide();
}

void SlideShow::changeCountrySide()
{
    showPicture(countryButton, centeredCoin(int(coin), int(country)));
    countryLabel->setText(shownCountryName(int(country)));
}

void SlideShow::buttonNextCoinPressed()
{
    Q_EMIT Event(IDtexts[nextCoinEvent]);
}

void SlideShow::buttonPreviousCoinPressed()
{
    Q_EMIT Event(IDtexts[previousCoinEvent]);
}

void SlideShow::buttonNextCountryPressed()
{
    Q_EMIT Event(IDtexts[nextCountryEvent]);
}

void SlideShow::buttonPreviousCountryPressed()
{
    Q_EMIT Event(IDtexts[previousCountryEvent]);
}

void SlideShow::CoinPicturePressed()
{
    coinButton->setDown(false);
    Q_EMIT Event(IDtexts[coinPictureClickedEvent]);
}

void SlideShow::CountryPicturePressed()
{
    countryButton->setDown(false);
    Q_EMIT Event(IDtexts[countryPictureClickedEvent]);
}
