// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/constants.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <array>
#include <bitset>
#include <future>
#include <map>
#include <tuple>

class QLabel;
class QPushButton;

// Shows the coin about to be counted: the common side of the current coin
// value above, the national side of the current country below, each with its
// name, and buttons to step through coin values and countries. A picture
// that cannot be loaded from its file is replaced by a drawn coin.
class SlideShow : public QWidget
{
    Q_OBJECT

public:
    // Indexed [coin index][country index]; country 0 is the common side.
    using PictureTable = std::array<std::array<QPixmap, NUM_COUNTRIES>, NUM_COINS>;

    explicit SlideShow(QWidget* parent = nullptr, const QString& name = QString());

    // Loads the 128 pictures from path + coin name + country name + "." +
    // suffix; every one that cannot be read is drawn instead, when it is
    // first needed. Tells the user about missing pictures unless dontNag is
    // set; dontNag then takes the state of the dialog's "Don't show this again".
    void loadPictures(const QString& path, const QString& suffix, bool& dontNag);
    // Takes over the pictures of another slide show.
    void setPics(const PictureTable& pictures, QSize size);
    // All pictures, the drawn ones included.
    const PictureTable& pictures() const;
    // (-1, -1) until the pictures are loaded, then 170 by 170.
    QSize pictureSize() const { return picSize; }

    // A white picture of the shown size with the coin's picture in its
    // centre; a larger picture is clipped to its middle.
    QPixmap centeredCoin(int coin, int country) const;
    static QColor RGB2Color(uchar red, uchar green, uchar blue);
    // Draws a fallback coin: white background, the outer ring and the centre
    // as filled circles, the coin's name above and the country below the middle.
    void DrawCoin(QPixmap& target, const QString& countryText, const QString& coinText, const QColor& inner,
                  const QColor& outer, QSize size, int innerSize, int outerSize) const;

    // The national coin's number 0..119: coin + (country - 1) * 8.
    unsigned actualCoinNumber() const;
    unsigned coinIndex() const { return coin; }
    unsigned countryIndex() const { return country; }

    QPushButton* coinPictureButton() const { return coinButton; }
    QPushButton* countryPictureButton() const { return countryButton; }
    QLabel* coinNameLabel() const { return coinLabel; }
    QLabel* countryNameLabel() const { return countryLabel; }

    QSize sizeHint() const override;

public Q_SLOTS:
    void nextCoin();
    void previousCoin();
    void nextCountry();
    void previousCountry();
    // Jumps without focusChanged; values out of range are ignored.
    void switchToCoin(unsigned toCoin, unsigned toCountry);
    void switchToCoinNumber(unsigned coinNumber);
    void changeCoinSide();
    void changeCountrySide();

Q_SIGNALS:
    void focusChanged(unsigned coin, unsigned country);
    void Event(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;

private Q_SLOTS:
    void buttonNextCoinPressed();
    void buttonPreviousCoinPressed();
    void buttonNextCountryPressed();
    void buttonPreviousCountryPressed();
    void CoinPicturePressed();
    void CountryPicturePressed();

private:
    // The picture of a coin side, drawn first if its file could not be read.
    const QPixmap& picture(size_t coinIdx, size_t countryIdx) const;
    void showPicture(QPushButton* button, const QPixmap& picture);
    void fitPicture(QPushButton* button);

    // A name written on a drawn coin, laid out once: every coin value's name
    // is written on 16 coins and every country's on 8.
    struct LaidOutName
    {
        QStaticText text;
        int advance = 0;
    };
    const LaidOutName& laidOut(const QString& name) const;
    // A drawn coin without its names: the 16 coins of a value share it.
    const QImage& blankCoin(QSize size, const QColor& inner, const QColor& outer, int innerSize, int outerSize) const;

    // The picture formats the toolkit reads, listed on a thread of its own
    // from construction on.
    std::shared_future<QList<QByteArray>> readableFormats;
    mutable PictureTable pics;
    // Pictures whose file could not be read and that are not drawn yet,
    // by number (country * 8 + coin).
    mutable std::bitset<size_t(NUM_COINS) * NUM_COUNTRIES> undrawn;
    QSize picSize{-1, -1};
    unsigned coin = 0;    // 0 ("1c") .. 7 ("2e")
    unsigned country = 1; // 1 ("Austria") .. 15 ("Vatican"), never the common side
    QPushButton* coinButton = nullptr;
    QPushButton* countryButton = nullptr;
    QLabel* coinLabel = nullptr;
    QLabel* countryLabel = nullptr;
    // Laid out in laidOutFont; forgotten when the slide show's font changes.
    mutable QHash<QString, LaidOutName> laidOutNames;
    mutable QFont laidOutFont;
    // By size, inner and outer colour, inner and outer diameter; kept while
    // pictures remain to be drawn.
    using BlankCoinKey = std::tuple<int, int, quint64, quint64, int, int>;
    mutable std::map<BlankCoinKey, QImage> blankCoins;
};
