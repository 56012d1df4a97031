#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as a distribution would: its contents, lintian, the
# AppStream and desktop files, and a tavoric-cli that runs from an unpacked copy.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rm -f "$build"/tavoric_*.deb
cmake --build "$build" --target package >/dev/null
deb=$(ls "$build"/tavoric_*.deb)
echo "Package: $deb"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
missing=0
for file in usr/bin/tavoric usr/bin/tavoric-cli usr/lib/tavoric/tavoric \
    usr/lib/tavoric/Lng/English.lng usr/lib/tavoric/Hlp/Tavoric_Nederlands.html \
    usr/lib/tavoric/Hlp/Tavoric_English.html usr/lib/tavoric/LeesMij.txt \
    usr/share/applications/tavoric.desktop usr/share/icons/hicolor/scalable/apps/tavoric.svg \
    usr/share/mime/packages/tavoric-project.xml usr/share/man/man1/tavoric.1.gz \
    usr/share/man/man1/tavoric-cli.1.gz usr/share/bash-completion/completions/tavoric-cli \
    usr/share/metainfo/nl.tavoric.Tavoric.metainfo.xml usr/share/doc/tavoric/copyright \
    usr/share/doc/tavoric/changelog.gz; do
    grep -qx "\./$file" <<<"$contents" || { echo "Missing from the package: /$file"; missing=1; }
done
[ "$missing" -eq 0 ]

lintian --fail-on error "$deb"
appstreamcli validate --no-net data/desktop/nl.tavoric.Tavoric.metainfo.xml
desktop-file-validate data/desktop/tavoric.desktop

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
"$root"/usr/bin/tavoric-cli --version
echo "Package checks passed."
