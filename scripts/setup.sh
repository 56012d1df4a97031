#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Tavoric needs on Debian 12 (only what is missing), then configures and builds.
#   scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build git pkg-config ccache
          qt6-base-dev libgl-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-translations-l10n
          libssl-dev nlohmann-json3-dev fonts-liberation
          libgtest-dev libgmock-dev libbenchmark-dev poppler-utils xvfb xauth
          clang libclang-rt-14-dev
          libxlsxwriter-dev python3-openpyxl odt2txt
          help2man librsvg2-bin debhelper devscripts lintian appstream desktop-file-utils
          bash-completion)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

build_dir=${1:-build}
shift || true
if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
fi
cmake --build "$build_dir"
