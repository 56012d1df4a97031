#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tavoric-cli links neither Qt's GUI libraries nor OpenSSL (nor libxlsxwriter, which brings it),
# and hands drawings, workbooks and pseudonyms to tavoric-cli-full beside it, with the same
# result; without the full program it says so and fails.
#   light_cli_test.sh CLI-FOLDER DEMO-PROJECT
set -uo pipefail
cli=$1/tavoric-cli
demo=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=
failed=0
fail() { echo "FAILED: $*"; failed=1; }

needed=$(readelf -d "$cli" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
heavy=$(grep -E 'Qt6(Gui|Widgets|Charts|PrintSupport|Svg)|libcrypto|libssl|xlsxwriter' <<<"$needed")
[ -z "$heavy" ] || fail "tavoric-cli needs $heavy"

cd "$work"
"$cli" chart "$demo" --kind occupancy --png light.png --csv light.csv || fail "chart via tavoric-cli"
"$1/tavoric-cli-full" chart "$demo" --kind occupancy --png full.png --csv full.csv
cmp -s light.png full.png && cmp -s light.csv full.csv || fail "the drawing differs"
"$cli" per-place "$demo" --xlsx places.xlsx || fail "workbook via tavoric-cli"
[ -s places.xlsx ] || fail "no workbook"

mkdir alone && cp "$cli" alone/
alone/tavoric-cli chart "$demo" --kind occupancy --png alone.png 2>error.txt
status=$?
[ "$status" -eq 1 ] || fail "without the full program: exit status $status"
grep -q "tavoric-cli-full" error.txt || fail "without the full program: $(cat error.txt)"
[ ! -e alone.png ] || fail "without the full program an image was written"
alone/tavoric-cli info "$demo" >/dev/null || fail "info without the full program"
exit $failed
