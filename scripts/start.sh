#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts the program. Its data files are kept in
# run/ (the program reads and writes them in its working directory).
# Unless a server already listens on 127.0.0.1:4554, a local project server
# runs next to the program (database run/zuvserver.sqlite, log
# run/zuv-server.log), so an upload to the default server host localhost
# works out of the box and the project's results are on
# http://localhost:4580/; it is stopped when the program ends.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
zuv_install_missing
zuv_build
mkdir -p "$ZUV_ROOT/run"
cd "$ZUV_ROOT/run"

zuv_server_listening() {
    (exec 3<>/dev/tcp/127.0.0.1/4554) 2>/dev/null
}

zuv_server_pid=""
zuv_display_pid=""
zuv_stop_helpers() {
    for pid in $zuv_server_pid $zuv_display_pid; do
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap zuv_stop_helpers EXIT

if [ -x "$ZUV_BUILD/server/zuv-server" ] && ! zuv_server_listening; then
    "$ZUV_BUILD/server/zuv-server" --address 127.0.0.1 --port 4554 \
        --database "$ZUV_ROOT/run/zuvserver.sqlite" >>"$ZUV_ROOT/run/zuv-server.log" 2>&1 &
    zuv_server_pid=$!
    for _ in $(seq 50); do
        zuv_server_listening && break
        sleep 0.1
    done
    zuv_server_listening || echo "The local server did not start; see run/zuv-server.log."
fi

# A virtual X server (Xvfb) on the first free display, in a session of its
# own: Ctrl+C in the terminal is for the program, which saves and ends, and
# must not take its display away first.
zuv_start_display() {
    local number=99
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
        number=$((number + 1))
    done
    export XAUTHORITY="$ZUV_ROOT/run/.Xauthority"
    touch "$XAUTHORITY"
    xauth -q -f "$XAUTHORITY" add ":$number" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
    setsid Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -auth "$XAUTHORITY" >/dev/null 2>&1 &
    zuv_display_pid=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && return 0
        sleep 0.1
    done
    echo "The virtual X server did not start."
    return 1
}

status=0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the program on a virtual X server (Xvfb)."
    zuv_start_display
fi
"$ZUV_BUILD/src/zuv" || status=$?
exit "$status"
