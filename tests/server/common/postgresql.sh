#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A throw-away PostgreSQL for the server tests. `start STATE` makes a cluster in a temporary folder,
# listening only on a Unix socket there, and writes its folder to STATE/cluster, or why there is none to
# STATE/unavailable (the tests then skip and say it). `stop STATE` ends it, as does the next start.
# `start STATE durable` makes one that waits for the disk, as a deployment would, for the benchmarks.
# `down STATE` and `up STATE` stop and start it again, as an operator's restart of the database would.
set -uo pipefail

action="${1:?start or stop}"
state="${2:?state folder}"
mode="${3:-}"
port=5432
bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)"

as_owner() { # initdb and the server refuse to run as root
    if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

stop_cluster() {
    [ -f "$state/cluster" ] || return 0
    local cluster
    cluster="$(cat "$state/cluster")"
    as_owner "$bindir/pg_ctl" -D "$cluster/data" -m immediate stop >/dev/null 2>&1
    rm -rf "$cluster" "$state/cluster"
}

unavailable() {
    stop_cluster
    echo "$1" >"$state/unavailable"
    echo "PostgreSQL for the tests: $1"
    exit 0
}

case "$action" in
start)
    stop_cluster # one that a killed run left behind
    rm -rf "$state"
    mkdir -p "$state"
    [ -x "$bindir/initdb" ] || unavailable "PostgreSQL is not installed (Debian package postgresql)"
    if [ "$(id -u)" -eq 0 ] && ! id postgres >/dev/null 2>&1; then
        unavailable "running as root and there is no postgres user to run the server as"
    fi
    # Short, so that the socket path stays within the 107 bytes a socket name may have.
    cluster="$(mktemp -d /tmp/zuvpg.XXXXXX)" || unavailable "no temporary folder"
    [ "$(id -u)" -eq 0 ] && chown postgres "$cluster"
    echo "$cluster" >"$state/cluster"
    as_owner "$bindir/initdb" -D "$cluster/data" -U postgres --auth=trust -E UTF8 --locale=C --no-sync \
        >"$cluster/initdb.log" 2>&1 || unavailable "initdb failed: $(tail -3 "$cluster/initdb.log" | tr '\n' ' ')"
    # Durable: room for a million sessions without forced checkpoints; otherwise thrown away after the run.
    settings="-c fsync=off -c full_page_writes=off"
    [ "$mode" = durable ] && settings="-c shared_buffers=512MB -c max_wal_size=4GB"
    echo "$settings -c listen_addresses= -k $cluster -p $port -c max_connections=200" >"$cluster/options"
    "$0" up "$state" || unavailable "the server did not start: $(tail -3 "$cluster/server.log" | tr '\n' ' ')"
    echo "PostgreSQL for the tests listens in $cluster (port $port)"
    ;;
stop) stop_cluster ;;
down) as_owner "$bindir/pg_ctl" -D "$(cat "$state/cluster")/data" -m fast -w stop >/dev/null ;;
up)
    cluster="$(cat "$state/cluster")"
    as_owner "$bindir/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -w -t 60 -o "$(cat "$cluster/options")" \
        start >/dev/null 2>&1
    ;;
*)
    echo "usage: $0 start|stop|down|up STATE [durable]" >&2
    exit 2
    ;;
esac
