#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from a build folder, unpacks them into a
# throw-away root and checks what they install. Usage: tst_packages.sh BUILD_FOLDER
set -euo pipefail
build=$1
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate appstreamcli hardening-check; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (scripts/setup.sh installs it)"; exit 77; }
done
grep -q '^ZUV_DEBIAN_BUILD_FLAGS:BOOL=ON' "$build/CMakeCache.txt" ||
    { echo "SKIP: $build is not built with Debian's flags (ZUV_DEBIAN_BUILD_FLAGS, on in optimised builds)"; exit 77; }
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

# The installed programs answer with the packages' version and licence,
# which each package states machine-readably; they are hardened as Debian's.
for program in zuv zuv-server; do
    deb=$client; [ "$program" = zuv ] || deb=$server
    answer=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --version)
    [ "$(head -n 1 <<<"$answer")" = "$program $(dpkg-deb -f "$deb" Version)" ] || fail "$program --version says '$answer'"
    grep -q '^License GPLv3+: GNU GPL version 3 or later' <<<"$answer" || fail "$program --version names no licence"
    [ -s "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
    copyright=$root/usr/share/doc/$program/copyright
    [ "$(head -n 1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
        fail "$program's copyright file is not machine-readable"
    grep -q '^License: GPL-3+$' "$copyright" || fail "$program's copyright file does not say GPL-3+"
    # Debian 12's flags have no control-flow protection; fortifying leaves no
    # trace in programs that make no checkable C library call (see below).
    stack=""; [ "$program" = zuv ] && stack=--nostackprotector # main() alone: its code is in its libraries
    hardening-check --nocfprotection --nofortify $stack "$root/usr/bin/$program" || fail "$program is not hardened"
done
# The program's own libraries hold all of its code but main().
libraries=$(find "$root/usr/lib" -name 'libzuv*.so*')
[ -n "$libraries" ] || fail "the program's libraries are not packaged"
for library in $libraries; do
    hardening-check --nocfprotection --nofortify --nopie "$library" || fail "$library is not hardened"
done
grep '"command"' "$build/compile_commands.json" | grep -v -q -- '-D_FORTIFY_SOURCE=2' && fail "a file is not fortified"

# The menu entry and the metainfo pass the freedesktop validators, the entry
# starts the installed program and finds its icon in every size.
entry=$(echo "$root"/usr/share/applications/*.desktop)
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root"/usr/share/metainfo/*.metainfo.xml ||
    fail "the metainfo names another licence than the copyright files"
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

# Lintian finds nothing but the informational tags in lintian-explained
# (it fails on information only when it shows it).
lintian --display-info --fail-on error,warning,info --suppress-tags-from-file "$(dirname "$0")/lintian-explained" "$client" "$server" ||
    fail "lintian"
echo "PASS: $(basename "$client") and $(basename "$server")"
