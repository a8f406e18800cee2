// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <sys/types.h>

// The display the start-up benchmark's programs draw on. A real X server
// makes the figures those of a participant's desktop: the one of $DISPLAY
// when there is one, else a virtual one (Xvfb) started here for the run and
// ended with it. Without either the programs draw offscreen, and the label
// says so.
class BenchDisplay
{
public:
    BenchDisplay();
    ~BenchDisplay();
    BenchDisplay(const BenchDisplay&) = delete;
    BenchDisplay& operator=(const BenchDisplay&) = delete;

    // Sets QT_QPA_PLATFORM (and DISPLAY) for the programs started from now on.
    void applyToEnvironment() const;
    // "Xvfb :3", "X server :0" or "offscreen (no X server could be started)".
    const std::string& label() const { return description; }

private:
    bool startVirtualServer();

    std::string display; // empty: offscreen
    std::string description;
    pid_t serverPid = -1;
};
