#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs (when missing) and builds into
# build/. Sourced by start.sh and test.sh.
set -euo pipefail

ZUV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ZUV_BUILD="${ZUV_BUILD:-$ZUV_ROOT/build}"

# postgresql: the server tests run once more against a throw-away PostgreSQL.
# Qt's HTTP server module finds itself only with the WebSockets module's
# development files, which its Debian package does not pull in. The results
# page is tested in a real browser (chromium). Qt Charts' CMake files need the
# OpenGL ones, which qt6-charts-dev does not pull in. The server fits the
# mixing model with the GNU Scientific Library, and writes rows through SQLite's and libpq's own interfaces.
zuv_packages=(cmake make g++ libgsl-dev libsqlite3-dev libpq-dev qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6sql6-sqlite
              libqt6sql6-psql postgresql qt6-httpserver-dev qt6-charts-dev libqt6opengl6-dev qt6-websockets-dev libgl-dev xvfb xauth
              libbenchmark-dev chromium qt6-tools-dev qt6-l10n-tools
              # icons and manual pages; the Debian packages and their checks (devscripts: hardening-check)
              librsvg2-bin help2man dpkg-dev file desktop-file-utils appstream lintian devscripts)

zuv_install_missing() {
    local missing=()
    for package in "${zuv_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

zuv_build() {
    cmake -S "$ZUV_ROOT" -B "$ZUV_BUILD" -DCMAKE_BUILD_TYPE="${ZUV_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
    cmake --build "$ZUV_BUILD" -j"$(nproc)"
}
