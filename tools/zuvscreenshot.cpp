// SPDX-License-Identifier: GPL-3.0-or-later
// zuv-screenshot: draws the main window with a counted purse into a PNG file
// for the README and the software centres (scripts/screenshot.sh runs it on
// a virtual X server). The window is the real one, started in an empty
// folder with the stored geometry of a first start, so the picture shows
// what a new participant sees once he has counted his purse. With
// "settings" it draws the settings dialog instead. It speaks the language
// of the locale it is started in, as the program does (LANG=de_DE.UTF-8).

#include "app/zuvwindow.h"
#include "common/constants.h"
#include "common/languages.h"
#include "counting/counttable.h"
#include "settings/dialogs.h"
#include "settings/settingsdialog.h"
#include "storage/clientstorage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Long enough for the window to be laid out and painted.
constexpr int settleMs = 1000;

struct CountedCoins
{
    const char* country;
    int coin; // 0 = 1 cent ... 7 = 2 Euro
    unsigned count;
};

// An everyday purse in Germany some months after the changeover.
constexpr CountedCoins purse[] = {
    {"Germany", 0, 4}, {"Germany", 1, 3}, {"Germany", 2, 2},     {"Germany", 3, 3}, {"Germany", 4, 1},
    {"Germany", 5, 2}, {"Germany", 6, 2}, {"Germany", 7, 1},     {"France", 0, 1},  {"France", 4, 1},
    {"Spain", 1, 1},   {"Italy", 6, 1},   {"Netherlands", 3, 1}, {"Austria", 2, 1},
};

int countryRow(const char* name)
{
    const auto found = std::find(countrynamesWords.begin(), countrynamesWords.end(), QLatin1String(name));
    return int(found - countrynamesWords.begin()) - 1; // the grid has no row for the common side
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    installSystemLanguage();
    const bool settings = argc == 3 && QByteArray(argv[2]) == "settings";
    if (argc != 2 && !settings) {
        std::fputs("usage: zuv-screenshot FILE.png [settings]\n", stderr);
        return 2;
    }
    const QString target = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        return 1;

    ClientStorage state;
    state.setDefaultValues();
    state.SettingsFlags |= ClientStorage::NoLoadPicsNagger; // no picture summary over the window
    state.NumFullPurses = 3;
    // Where a participant in Munich is, as the settings dialog shows it.
    state.Country = 5;
    state.PostalCode = QStringLiteral("80331");
    state.CityPopulation = 9;
    if (state.saveToDisk(DATAFILE_NAME) != ZUV_NO_ERROR)
        return 1;

    ZUVWindow window(nullptr, QStringLiteral("ZUVWindow"), ZUVWindow::mainWindowFlags());
    window.resize(600, 440);
    window.initializeEverything();
    auto* table = window.findChild<CountTable*>();
    for (const CountedCoins& coins : purse)
        table->setValue(countryRow(coins.country), coins.coin, coins.count);
    window.changeToCoinOfCell(countryRow("Germany"), 7);

    Dialogs dialogs(&state, nullptr, QStringLiteral("dialogs"));
    QWidget* shown = &window;
    if (settings) {
        dialogs.SettingsCopyFromStorage(state);
        shown = dialogs.settingsDialog();
        shown->show();
    }
    int status = 1;
    QTimer::singleShot(settleMs, [&] {
        status = shown->grab().save(target, "PNG") ? 0 : 1;
        if (status != 0)
            std::fputs("zuv-screenshot: cannot write the picture\n", stderr);
        QCoreApplication::quit();
    });
    QApplication::exec();
    return status;
}
