#!/usr/bin/env bash
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
zuv_stop_server() {
    if [ -n "$zuv_server_pid" ]; then
        kill -TERM "$zuv_server_pid" 2>/dev/null || true
        wait "$zuv_server_pid" 2>/dev/null || true
    fi
}

if [ -x "$ZUV_BUILD/server/zuv-server" ] && ! zuv_server_listening; then
    "$ZUV_BUILD/server/zuv-server" --address 127.0.0.1 --port 4554 \
        --database "$ZUV_ROOT/run/zuvserver.sqlite" >>"$ZUV_ROOT/run/zuv-server.log" 2>&1 &
    zuv_server_pid=$!
    trap zuv_stop_server EXIT
    for _ in $(seq 50); do
        zuv_server_listening && break
        sleep 0.1
    done
    zuv_server_listening || echo "The local server did not start; see run/zuv-server.log."
fi

status=0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the program under a virtual X server (xvfb-run)."
    xvfb-run -a -s "-screen 0 1024x768x24" "$ZUV_BUILD/src/zuv" || status=$?
else
    "$ZUV_BUILD/src/zuv" || status=$?
fi
exit "$status"
