// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every date and time the program keeps is local time, converted by the C
// library. While TZ is unset, the library looks for /etc/localtime again at
// every single conversion (a file system lookup each time; reading a data
// file of thousands of sessions spent half its time there). Naming that same
// file in TZ makes the library read it once. A TZ the user has set, even an
// empty one, is left as it is; the local time itself does not change.
// Call it first thing in main(), before any other thread exists.
void settleLocalTimeZone();
