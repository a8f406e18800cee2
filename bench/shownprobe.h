// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up probe, linked into the two start-up programs (the real program's
// entry and the minimal window). As soon as the application object exists it
// watches every event; the first time the window named by
// `probedWindowName` is painted while it is visible and enabled, the probe
// prints one line on stdout and ends the event loop: "shown" and five times in
// milliseconds since main(): now, when the window was first shown, when the
// picture loader's progress dialog was shown and hidden, and when the window
// was last enabled (-1 for what did not happen); then the window's width and
// height, and the processor time the process has used so far (in
// milliseconds). The harness times from before it starts the process to the
// moment that line arrives.

// Defined by each program: the object name of the window that counts.
extern const char* const probedWindowName;

// Called first thing in main(): the in-process clock starts here.
void startProbeClock();
