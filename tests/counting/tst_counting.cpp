// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/boxscript.h"
#include "common/filebytes.h"
#include "common/modaldriver.h"

#include "common/constants.h"
#include "counting/coindrawing.h"
#include "counting/counttable.h"
#include "counting/slideshow.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

QString textOf(const CountTable& table, int row, int column)
{
    const QTableWidgetItem* item = table.grid()->item(row, column);
    return item ? item->text() : QString();
}

unsigned countOf(const CountTable& table, int row, int column)
{
    unsigned count = 99;
    return table.value(row, column, count) ? count : 99;
}

QLineEdit* openEditor(QTableWidget* grid)
{
    for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

// Types into a cell as a participant does (editor, replace, Return); waits until the grid has seen the edit.
void typeInto(CountTable& table, int row, int column, const QString& text)
{
    QTableWidget* grid = table.grid();
    grid->setCurrentCell(row, column);
    grid->edit(grid->model()->index(row, column));
    QLineEdit* editor = openEditor(grid);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!openEditor(grid));
    QTest::qWait(20);
}

PurseArray filledPurse(unsigned count)
{
    return PurseArray(NUM_COINS, std::vector<unsigned>(NUM_NATIONAL_SIDES, count));
}

QColor testColour(size_t coin, size_t country)
{
    return QColor(int(coin * 30), int(country * 15), 77);
}

// Loads the pictures, answers the summary with the tick as given and returns its text (none: no summary).
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

bool drawn(const SlideShow& show, size_t coin, size_t country)
{
    const QImage image = show.pictures()[coin][country].toImage();
    const CoinRGB inner = coincolorInner[coin];
    return image.size() == QSize(170, 170) && image.pixel(85, 85) == qRgb(inner.red, inner.green, inner.blue);
}

// A participant types into a cell of the grid.
struct Typed
{
    int row = 0;
    int column = 0;
    unsigned before = 0; // the cell's count before
    QString text{};
    bool bad = false; // a box, and a "0" that is blanked later
    QString sum{};
    QPoint nextCoin{}; // (row, column) of the cell whose coin is shown next
};

} // namespace

Q_DECLARE_METATYPE(Typed)

class TestCounting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedText_data();
    void typedText();
    void purseArrayRoundTrip();
    void zeroedCellsAreBlankedAfterTheirDelay();
    void steppingAndJumping();
    void picturesAreReadOrDrawn();
    void longLoadingShowsItsProgress();
    void drawnCoinsFollowTheFont();
};

void TestCounting::typedText_data()
{
    QTest::addColumn<Typed>("typed");
    const auto row = [](const char* name, const Typed& typed) { QTest::newRow(name) << typed; };
    // Twelve 50 cent coins of Finland; the slide show moves on down the column.
    row("a count", {.row = 13, .column = 5, .text = "12", .sum = " 6.00 Euro ", .nextCoin = {14, 5}});
    // Typed over the same count, it is still an edit: recorded, and the slide show moves on.
    row("the same count again",
        {.row = 13, .column = 5, .before = 12, .text = "12", .sum = " 6.00 Euro ", .nextCoin = {14, 5}});
    row("the last row", {.row = 14, .column = 3, .text = "1", .sum = " 0.10 Euro ", .nextCoin = {0, 4}});
    row("the last cell", {.row = 14, .column = 7, .text = "2", .sum = " 4.00 Euro ", .nextCoin = {0, 0}});
    // Six significant digits, as the text stream writes a double: 10001.23.
    row("large sum", {.row = 0, .column = 0, .text = "1000123", .sum = " 10001.2 Euro ", .nextCoin = {1, 0}});
    row("cleared", {.row = 6, .column = 6, .before = 3, .text = "", .sum = " 0.00 Euro ", .nextCoin = {7, 6}});
    row("bad",
        {.row = 4, .column = 1, .before = 6, .text = "4x", .bad = true, .sum = " 0.00 Euro ", .nextCoin = {5, 1}});
}

void TestCounting::typedText()
{
    QFETCH(Typed, typed);
    BoxScript boxes;
    CountTable table(15, 8);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    if (typed.before > 0)
        table.setValue(typed.row, typed.column, typed.before);
    QSignalSpy coinRequests(&table, &CountTable::pleaseChangeToCoinOfCell);
    QSignalSpy events(&table, &CountTable::Event);
    typeInto(table, typed.row, typed.column, typed.text);
    if (QTest::currentTestFailed())
        return;

    const QString shown = typed.bad ? QStringLiteral("0") : typed.text;
    QCOMPARE(textOf(table, typed.row, typed.column), shown);
    QCOMPARE(countOf(table, typed.row, typed.column), shown.toUInt());
    QCOMPARE(table.isZeroPending(typed.row, typed.column), typed.bad);
    QCOMPARE(table.sumDisplay()->text(), typed.sum);
    QCOMPARE(events.count(QVariantList{QStringLiteral("CellEdited(%1,%2)").arg(typed.column).arg(typed.row)}), 1);
    QCOMPARE(coinRequests.count(), 1);
    QCOMPARE(QPoint(coinRequests.first().at(0).toInt(), coinRequests.first().at(1).toInt()), typed.nextCoin);
    QCOMPARE(boxes.count(), typed.bad ? 1 : 0);
}

void TestCounting::purseArrayRoundTrip()
{
    CountTable table(15, 8);
    PurseArray purse = filledPurse(0);
    unsigned cents = 0;
    for (unsigned c = 0; c < 8; ++c)
        for (unsigned r = 0; r < 15; ++r) {
            purse[c][r] = (c * 15 + r) % 7;
            cents += purse[c][r] * coinvaluesInCents[c];
        }
    purse[7][14] = 4000000000u; // a count is a full 32-bit value; it was 0
    table.setFromVectorArray(purse);
    QCOMPARE(table.toVectorArray(), purse);
    QCOMPARE(countOf(table, 6, 1), purse[1][6]);        // element [column][row]
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("0")); // zero counts show "0" and wait
    QVERIFY(table.isZeroPending(0, 0));
    QVERIFY(!table.isZeroPending(1, 0));
    table.setValue(14, 7, 1);
    QCOMPARE(qRound64(table.sum() * 100), qint64(cents) + 200);

    // Outside the grid nothing is read, written or focussed.
    QSignalSpy events(&table, &CountTable::Event);
    for (const auto& [row, column] : {std::pair{15, 0}, {0, 8}, {-1, 3}, {3, -1}}) {
        unsigned out = 77;
        QVERIFY(!table.value(row, column, out));
        QCOMPARE(out, 77u);
        QVERIFY(!table.setValue(row, column, 4));
        QVERIFY(!table.increaseCell(unsigned(row), unsigned(column)));
        QVERIFY(!table.decreaseCell(unsigned(row), unsigned(column)));
        table.setFocusToCell(unsigned(row), unsigned(column));
    }
    QVERIFY(events.isEmpty());

    // A short array leaves the missing counts empty rather than reading past its end.
    PurseArray shortPurse = filledPurse(3);
    shortPurse[7].resize(10);
    table.setFromVectorArray(shortPurse);
    std::fill_n(std::back_inserter(shortPurse[7]), 5, 0u);
    QCOMPARE(table.toVectorArray(), shortPurse);
}

// The real delay, each blanking timed from its cell's last "0"; the upper bound only has to survive a busy machine.
// None of the program's own writes is an edit. Two waiting cells of one row are told apart by their column.
void TestCounting::zeroedCellsAreBlankedAfterTheirDelay()
{
    constexpr qint64 delay = 5000, lateness = 1500;
    std::map<int, QList<qint64>> blankedAt; // by row
    std::map<int, qint64> zeroedAt;
    QElapsedTimer clock;
    CountTable table(15, 8);
    CountTable resetTable(15, 8);
    resetTable.setFromVectorArray(filledPurse(2));
    QSignalSpy edits(&table, &CountTable::Event);
    QSignalSpy coinRequests(&table, &CountTable::pleaseChangeToCoinOfCell);
    connect(table.grid(), &QTableWidget::cellChanged, &table, [&](int row, int column) {
        if (textOf(table, row, column).isEmpty())
            blankedAt[row] << clock.elapsed();
    });
    const auto waitUntil = [&clock](qint64 ms) { QTest::qWait(int(qMax<qint64>(0, ms - clock.elapsed()))); };

    clock.start();
    table.decreaseCell(0, 0); // an empty cell: "0", then empty again; nothing below 0
    zeroedAt[0] = clock.elapsed();
    QCOMPARE(textOf(table, 0, 0), QStringLiteral("0"));
    table.setValue(0, 1, 0); // increased twice within the delay
    table.setValue(2, 0, 0); // zeroed a second time 3 seconds later
    resetTable.resetButton()->click();
    QCOMPARE(resetTable.sumDisplay()->text(), QStringLiteral(" 0.00 Euro ")); // the total at once
    QCOMPARE(resetTable.toVectorArray(), filledPurse(0));
    QCOMPARE(textOf(resetTable, 14, 7), QStringLiteral("0")); // the blanking later

    waitUntil(1000);
    table.increaseCell(0, 1);
    table.increaseCell(0, 1);
    QVERIFY(!table.isZeroPending(0, 1));
    waitUntil(3000);
    QCOMPARE(textOf(table, 2, 0), QStringLiteral("0"));
    table.setValue(2, 0, 0);
    zeroedAt[2] = clock.elapsed();

    QTRY_COMPARE_WITH_TIMEOUT(blankedAt.count(2), size_t(1), 9000);
    QTest::qWait(300); // room for a second, wrong blanking
    for (const int row : {0, 2}) {
        QCOMPARE(blankedAt[row].size(), 1);
        const qint64 waited = blankedAt[row].first() - zeroedAt[row];
        QCOMPARE_GE(waited, delay - 5);
        QCOMPARE_LT(waited, delay + lateness);
        QVERIFY(!table.isZeroPending(row, 0));
    }
    QCOMPARE(textOf(table, 0, 1), QStringLiteral("2"));
    QCOMPARE(countOf(table, 0, 0), 0u);
    QCOMPARE(edits.count(), 0);
    QCOMPARE(coinRequests.count(), 0);
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 8; ++c)
            QCOMPARE(textOf(resetTable, r, c), QString());
}

void TestCounting::steppingAndJumping()
{
    SlideShow show;
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
    click("next country");
    click("next coin");
    click("next coin");
    click("next country");
    QVERIFY(shows(2, 2, "5c", "Belgium"));
    QCOMPARE(focus.last(), (QVariantList{2u, 2u}));

    // Jumps tell nobody; values out of range are ignored, country 0 is the common side. Asked for; shown.
    const QList<std::array<unsigned, 4>> jumps = {{3, 0, 3, 2}, {5, 16, 5, 2}, {8, 9, 5, 9}, {7, 15, 7, 15}};
    for (const auto& [coin, country, shownCoin, shownCountry] : jumps) {
        show.switchToCoin(coin, country);
        QCOMPARE(show.coinIndex(), shownCoin);
        QCOMPARE(show.countryIndex(), shownCountry);
    }
    QCOMPARE(show.countryNameLabel()->text(), QStringLiteral("Vatican"));
    for (const auto& [number, shown] : {std::pair{10u, 10u}, {119u, 119u}, {120u, 112u}}) {
        show.switchToCoinNumber(number); // 120 would be country 16: only the coin changes
        QCOMPARE(show.actualCoinNumber(), shown);
    }
    QCOMPARE(focus.count(), 7);
}

// One folder: pictures read by content (PNG under a .gif name), one damaged and one missing.
void TestCounting::picturesAreReadOrDrawn()
{
    QTemporaryDir dir;
    const auto file = [&dir](size_t coin, size_t country) {
        return dir.filePath(coinnames[coin] + countrynames[country] + QStringLiteral(".gif"));
    };
    for (size_t coin = 0; coin < 8; ++coin)
        for (size_t country = 0; country < 16; ++country) {
            QImage picture(100, 100, QImage::Format_RGB32);
            picture.fill(testColour(coin, country));
            QVERIFY(picture.save(file(coin, country), "PNG"));
        }
    QVERIFY(QFile::remove(file(6, 5)));
    QVERIFY(writeAll(file(2, 7), "GIF89a and then nothing")); // drawn like a missing one, and the summary tells

    BoxScript boxes;
    SlideShow show;
    QCOMPARE(show.pictureSize(), QSize(-1, -1));
    bool dontNag = false;
    QCOMPARE(load(show, dir.path(), QStringLiteral("gif"), dontNag, true),
             QStringLiteral("Of 128 total coins:126 files loaded,2 pictures could not be read.\nTo have a nicer "
                            "program, you might want to check the website for more pictures?"));
    QVERIFY(dontNag); // "Don't show this again" was ticked
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(show.pictures()[5][9].toImage().pixel(50, 50), testColour(5, 9).rgb());
    QVERIFY(drawn(show, 2, 7)); // the missing one is the 1 Euro coin below
    // The 1 Euro coin: a silver centre of 105 (from x = 32) in a golden ring of 150 (from x = 10).
    const QImage euro = show.centeredCoin(6, 5).toImage();
    const QRgb silver = qRgb(214, 214, 214), gold = qRgb(231, 206, 148), white = qRgb(255, 255, 255);
    for (const auto& [x, colour] :
         {std::pair{85, silver}, {35, silver}, {29, gold}, {13, gold}, {145, gold}, {7, white}, {165, white}})
        QCOMPARE(euro.pixel(x, 85), colour);
    // A smaller picture sits in the middle of a white square.
    const QImage small = show.centeredCoin(0, 0).toImage();
    QCOMPARE(small.pixel(35, 35), testColour(0, 0).rgb());
    QCOMPARE(small.pixel(34, 85), white);
    // A coin outside the table is a white square, never a read past the pictures.
    for (const auto& [coin, country] : {std::pair{8, 0}, {0, 16}, {-1, 3}})
        QCOMPARE(show.centeredCoin(coin, country).toImage().pixel(85, 85), white);

    // Repaired, the pictures are all there: no summary.
    dontNag = false;
    QImage large(200, 180, QImage::Format_RGB32);
    large.fill(Qt::gray);
    QVERIFY(large.save(file(2, 7), "PNG"));
    QVERIFY(large.save(file(6, 5), "PNG"));
    QVERIFY(load(show, dir.path(), QStringLiteral("gif"), dontNag).isEmpty());

    // The common side above, the national one below.
    show.switchToCoin(2, 3);
    QCOMPARE(show.coinPictureButton()->icon().pixmap(QSize(170, 170)).toImage().pixel(85, 85), testColour(2, 0).rgb());
    QCOMPARE(show.countryPictureButton()->icon().pixmap(QSize(170, 170)).toImage().pixel(85, 85),
             testColour(2, 3).rgb());

    // Once ticked the summary stays away. A suffix Qt cannot read is explained, and the coins are drawn.
    dontNag = true;
    QVERIFY(load(show, dir.path(), QStringLiteral("xyz"), dontNag, false).isEmpty());
    QVERIFY(dontNag);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Picture format not supported by Qt"));
    QVERIFY(boxes.last().text.contains(QStringLiteral("support 'xyz' files, only these filetypes are supported:\n")));
    QVERIFY(drawn(show, 7, 15));
    // Coins of one colour keep their own sizes: 1 cent 106 wide (from x = 32), 5 cent 138 (from x = 16).
    QCOMPARE(show.pictures()[0][3].toImage().pixel(20, 85), white);
    QCOMPARE(show.pictures()[2][3].toImage().pixel(20, 85), qRgb(239, 181, 148));
}

// Pictures that take longer than a frame to read bring up the progress
// dialog; the window waits behind it.
void TestCounting::longLoadingShowsItsProgress()
{
    QTemporaryDir dir;
    QImage picture(400, 400, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    for (size_t coin = 0; coin < 8; ++coin)
        for (size_t country = 0; country < 16; ++country)
            QVERIFY(
                picture.save(dir.filePath(coinnames[coin] + countrynames[country] + QStringLiteral(".gif")), "PNG"));

    SlideShow show;
    QString label;
    QString cancel;
    int steps = 0;
    whenModalAppears(QStringLiteral("progress"), [&](QWidget* modal) {
        auto* progress = static_cast<QProgressDialog*>(modal);
        label = progress->labelText();
        cancel = progress->findChild<QPushButton*>()->text();
        steps = progress->maximum();
    });
    bool dontNag = false;
    show.loadPictures(dir.path() + QLatin1Char('/'), QStringLiteral("gif"), dontNag);
    QCOMPARE(label, QStringLiteral("Loading pictures..."));
    QCOMPARE(cancel, QStringLiteral("Abort not possible"));
    QCOMPARE(steps, 128);
    QCOMPARE(show.pictures()[7][15].toImage().pixel(200, 200), QColor(Qt::darkCyan).rgb());
    QVERIFY(!QApplication::activeModalWidget()); // closed once the pictures are there
}

// A drawn coin's names are written, centred, in the slide show's font of the moment.
void TestCounting::drawnCoinsFollowTheFont()
{
    const auto draw = [](const SlideShow& show, const QString& country) {
        QPixmap coin;
        show.DrawCoin(coin, country, QStringLiteral("2e"), Qt::gray, Qt::yellow, QSize(170, 170), 118, 167);
        return coin.toImage();
    };
    SlideShow show;
    const QImage named = draw(show, QStringLiteral("Vatican"));
    QVERIFY(named != draw(show, QString()));
    QFont larger = show.font();
    larger.setPointSize(larger.pointSize() * 2);
    show.setFont(larger);
    SlideShow fresh;
    fresh.setFont(larger);
    const QImage enlarged = draw(show, QStringLiteral("Vatican"));
    QVERIFY(enlarged != named);
    QCOMPARE(enlarged, draw(fresh, QStringLiteral("Vatican")));
}

QTEST_MAIN(TestCounting)
#include "tst_counting.moc"
