#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from debian/ with Debian's build flags and checks it as a
# distribution would: its contents, lintian without errors or warnings, the hardening of the
# programs, the AppStream and desktop files, and a tavoric-cli that runs from an unpacked copy
# and finds its language files and its full program there. The package and its .changes end up in BUILD_DIR/package.
#   scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build}/package
mkdir -p "$out"
rm -f "$out"/tavoric*
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
# debhelper gives the build a home of its own; the compiler cache stays the user's, so that a
# second run takes unchanged objects from it.
export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}
if ! dpkg-buildpackage -us -uc -b >"$out/build.log" 2>&1; then
    tail -n 40 "$out/build.log"
    exit 1
fi
# dpkg-buildpackage writes beside the source folder.
mv ../tavoric_"${version}"_"${arch}".{deb,changes,buildinfo} ../tavoric-dbgsym_"${version}"_*.*deb \
    "$out"/ 2>/dev/null || true
deb=$out/tavoric_${version}_${arch}.deb
echo "Package: $deb"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
missing=0
for file in usr/bin/tavoric usr/bin/tavoric-cli usr/libexec/tavoric/tavoric-cli-full \
    usr/share/tavoric/Lng/English.lng usr/share/tavoric/Hlp/Tavoric_Nederlands.html \
    usr/share/tavoric/Hlp/Tavoric_English.html usr/share/doc/tavoric/LeesMij.txt \
    usr/share/doc/tavoric/ReadMe.txt usr/share/doc/tavoric/README.md.gz \
    usr/share/applications/tavoric.desktop usr/share/icons/hicolor/scalable/apps/tavoric.svg \
    usr/share/icons/hicolor/48x48/apps/tavoric.png usr/share/icons/hicolor/256x256/apps/tavoric.png \
    usr/share/mime/packages/tavoric-project.xml usr/share/man/man1/tavoric.1.gz \
    usr/share/man/man1/tavoric-cli.1.gz usr/share/bash-completion/completions/tavoric-cli \
    usr/share/metainfo/nl.tavoric.Tavoric.metainfo.xml usr/share/doc/tavoric/copyright \
    usr/share/doc/tavoric/changelog.gz; do
    grep -qx "\./$file" <<<"$contents" || { echo "Missing from the package: /$file"; missing=1; }
done
if grep -q '^\./usr/lib/tavoric' <<<"$contents"; then
    echo "Files in /usr/lib/tavoric: data belongs in /usr/share/tavoric"
    missing=1
fi
[ "$missing" -eq 0 ]
dpkg-deb --field "$deb" Recommends | grep -qw qt6-translations-l10n

lintian --fail-on error,warning "$out/tavoric_${version}_${arch}.changes"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
# Control flow integrity is not asked: Debian 12's C library start files carry no IBT/SHSTK
# marker, so no program linked on Debian 12 can show it, whatever its own flags.
hardening-check --nocfprotection "$root"/usr/bin/tavoric "$root"/usr/bin/tavoric-cli \
    "$root"/usr/libexec/tavoric/tavoric-cli-full
appstreamcli validate --no-net data/desktop/nl.tavoric.Tavoric.metainfo.xml
desktop-file-validate data/desktop/tavoric.desktop

"$root"/usr/bin/tavoric-cli --version
# A drawing: the unpacked tool must find its full program in libexec/tavoric.
"$root"/usr/bin/tavoric-cli chart data/demo/Demodorp.par --kind occupancy --png "$root/chart.png"
# English in the settings: the unpacked tool must find its language file in share/tavoric.
home=$root/home
mkdir -p "$home/Tavoric"
printf '[Tavoric settings]\r\n\r\n[**General variables**]\r\nLanguage=English\r\n' \
    >"$home/Tavoric/Tavoric.ini"
help=$(XDG_CONFIG_HOME=$home "$root"/usr/bin/tavoric-cli --help)
grep -q "on the command line" <<<"$help" || {
    echo "The unpacked tavoric-cli does not find its language file"
    exit 1
}
echo "Package checks passed."
