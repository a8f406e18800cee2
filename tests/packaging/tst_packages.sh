#!/usr/bin/env bash
# Builds the Debian packages from a build folder, unpacks them into a
# throw-away root and checks what they install. Usage: tst_packages.sh BUILD_FOLDER
set -euo pipefail
build=$1
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (scripts/setup.sh installs it)"; exit 77; }
done
work=$(mktemp -d)
server_pid=""
trap '[ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT

cpack -G DEB -B "$work/debs" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
client=$(echo "$work"/debs/zuv_*.deb)
server=$(echo "$work"/debs/zuv-server_*.deb)
root=$work/root
dpkg-deb -x "$client" "$root"
dpkg-deb -x "$server" "$root"

# Each package holds its own program, and its dependencies were computed
# from the libraries that program links.
dpkg-deb -c "$client" | grep -q 'usr/bin/zuv-server' && fail "zuv holds the server"
dpkg-deb -f "$server" Depends | grep -q 'libqt6sql6-sqlite' || fail "zuv-server lacks the SQLite driver"
dpkg-deb -f "$server" Depends | grep -q 'libqt6widgets6' && fail "zuv-server depends on Qt Widgets"

# The installed programs answer with the packages' version.
for program in zuv zuv-server; do
    deb=$client; [ "$program" = zuv ] || deb=$server
    answer=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --version)
    [ "$answer" = "$program $(dpkg-deb -f "$deb" Version)" ] || fail "$program --version says '$answer'"
    [ -s "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
done

# The menu entry and the metainfo pass the freedesktop validators, the entry
# starts the installed program and finds its icon in every size.
entry=$(echo "$root"/usr/share/applications/*.desktop)
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$exec_program" ] || fail "the menu starts '$exec_program', which is not installed"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
for size in 16 24 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" | grep -q "PNG image data, $size x $size" ||
        fail "no $size pixel icon"
done
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$root"/usr/share/metainfo/*.metainfo.xml ||
    fail "the metainfo does not name the desktop file"

# The service unit's command line starts the packaged server with the
# database in the state directory.
unit=$root/usr/lib/systemd/system/zuv-server.service
mkdir -p "$work/state/zuv-server"
command=$(sed -n 's/^ExecStart=//p' "$unit")
command=${command//%S/$work/state}
command=${command/\/usr\/bin\//$root/usr/bin/}
command=${command/\$ZUV_SERVER_OPTIONS/--address 127.0.0.1 --port 0 --http-port 0}
$command >"$work/server.log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do grep -q listening "$work/server.log" && break; sleep 0.1; done
grep -q listening "$work/server.log" || { cat "$work/server.log"; fail "the unit's command does not start the server"; }
[ -f "$work/state/zuv-server/zuvserver.sqlite" ] || fail "no database in the state directory"

# Lintian finds nothing worse than information but the tags in lintian-explained.
lintian --fail-on error,warning --suppress-tags-from-file "$(dirname "$0")/lintian-explained" "$client" "$server" ||
    fail "lintian"
echo "PASS: $(basename "$client") and $(basename "$server")"
