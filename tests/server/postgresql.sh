#!/usr/bin/env bash
# A throw-away PostgreSQL for the server tests: `start STATE` makes a cluster
# in a temporary folder that listens only on a Unix socket in that folder,
# `stop STATE` ends it and removes the folder. STATE is a folder the tests
# read: `cluster` names the socket folder, or `unavailable` says why there is
# no server (the tests then skip and print it). Starting never fails the run:
# a machine without PostgreSQL skips those tests, it does not hide them.
# The tests' cluster does not wait for the disk; `start STATE durable` makes
# one that does, as a deployment would, for the benchmarks.
set -uo pipefail

action="${1:?start or stop}"
state="${2:?state folder}"
mode="${3:-}"
port=5432

as_owner() {
    # initdb and the server refuse to run as root.
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

unavailable() {
    echo "$1" >"$state/unavailable"
    echo "PostgreSQL for the tests: $1"
    exit 0
}

stop_cluster() {
    [ -f "$state/cluster" ] || return 0
    local cluster
    cluster="$(cat "$state/cluster")"
    as_owner "$bindir/pg_ctl" -D "$cluster/data" -m immediate stop >/dev/null 2>&1
    rm -rf "$cluster"
    rm -f "$state/cluster"
}

bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)"

case "$action" in
start)
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
    if ! as_owner "$bindir/initdb" -D "$cluster/data" -U postgres --auth=trust -E UTF8 --locale=C --no-sync \
        >"$cluster/initdb.log" 2>&1; then
        reason="initdb failed: $(tail -3 "$cluster/initdb.log" | tr '\n' ' ')"
        stop_cluster
        unavailable "$reason"
    fi
    if [ "$mode" = durable ]; then
        # Room for a database of a million sessions, and no checkpoint forced every few seconds.
        settings="-c shared_buffers=512MB -c max_wal_size=4GB"
    else
        # Durability settings off: the cluster is thrown away after the run.
        settings="-c fsync=off -c full_page_writes=off"
    fi
    if ! as_owner "$bindir/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -w -t 60 \
        -o "-c listen_addresses= -k $cluster -p $port -c max_connections=200 $settings" \
        start >/dev/null 2>&1; then
        reason="the server did not start: $(tail -3 "$cluster/server.log" | tr '\n' ' ')"
        stop_cluster
        unavailable "$reason"
    fi
    echo "PostgreSQL for the tests listens in $cluster (port $port)"
    ;;
stop)
    stop_cluster
    ;;
*)
    echo "usage: $0 start|stop STATE" >&2
    exit 2
    ;;
esac
