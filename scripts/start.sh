#!/usr/bin/env bash
# Sets everything up and starts the program. Its data files are kept in
# run/ (the program reads and writes them in its working directory).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
zuv_install_missing
zuv_build
mkdir -p "$ZUV_ROOT/run"
cd "$ZUV_ROOT/run"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the program under a virtual X server (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$ZUV_BUILD/src/zuv"
fi
exec "$ZUV_BUILD/src/zuv"
