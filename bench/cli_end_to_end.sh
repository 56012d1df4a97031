#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times tavoric-cli end to end on a survey of about a million slots, next to wc -l and cp + sync
# of the same file, for one or more builds side by side (run on the same machine in one go):
#
#   bench/cli_end_to_end.sh build/src/cli/tavoric-cli [OTHER/tavoric-cli ...]
#
# Prints the median wall time and peak resident memory of five runs of: info (open), save,
# per-place with --txt and --csv, and interval over every route of 15 minutes.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 TAVORIC-CLI [TAVORIC-CLI ...]" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$1" demo survey.par --places 20000 >/dev/null
routes=$(tr -d '\r' <survey.par | sed -n '/^\[Routes\]/,/^\[Secties\]/p' |
    awk 'NF >= 3 && $NF == 15 { print $1 }' | paste -sd,)

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

measure() {
    local label=$1 times=() peaks=()
    shift
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f '%e %M' -o timing "$@" >/dev/null 2>&1
        read -r seconds kilobytes <timing
        times+=("$seconds")
        peaks+=("$kilobytes")
    done
    printf '%-26s %6s s %9s KB\n' "$label" "$(printf '%s\n' "${times[@]}" | median)" \
        "$(printf '%s\n' "${peaks[@]}" | median)"
}

echo "survey.par: $(stat -c %s survey.par) bytes"
measure "wc -l" wc -l survey.par
measure "cp + sync" sh -c 'cp survey.par copy.par && sync copy.par'
for cli in "$@"; do
    echo "== $cli"
    measure "info" "$cli" info survey.par
    measure "save" "$cli" save survey.par saved.par
    measure "per-place --txt --csv" "$cli" per-place survey.par --txt out.txt --csv out.csv
    measure "interval 15 min" "$cli" interval survey.par --routes "$routes" --txt out.txt \
        --csv out.csv
done
