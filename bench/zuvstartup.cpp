// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own entry, with the start-up probe watching: the time until
// the main window is painted while enabled is the start-up time. Run in a
// working directory that holds the data file (and pics/ when wanted).

#include "shownprobe.h"

#include "app/application.h"

const char* const probedWindowName = "ZUVWindow";

int main(int argc, char* argv[])
{
    startProbeClock();
    return runZuv(argc, argv);
}
