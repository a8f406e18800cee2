#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/zuv-main-window.png, the README's picture of the main window
# with a counted purse, as the program draws it on an X server: a virtual
# one (Xvfb) with the screen of a small laptop, 1024x768.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
zuv_install_missing
zuv_build
mkdir -p "$ZUV_ROOT/docs"
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
    "$ZUV_BUILD/tools/zuv-screenshot" "$ZUV_ROOT/docs/zuv-main-window.png"
echo "Written: docs/zuv-main-window.png"
