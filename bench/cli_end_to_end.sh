#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times tavoric-cli end to end on a survey of about a million slots, next to wc --version, wc -l
# and cp + sync of the same file, for one or more builds side by side (run on the same machine in
# one go):
#
#   bench/cli_end_to_end.sh build/src/cli/tavoric-cli [OTHER/tavoric-cli ...]
#
# Prints the median wall time and peak resident memory of RUNS runs (11 unless set) of: --version
# (start-up), info (open), save, per-place with --txt and --csv, interval over every route of
# 15 minutes, and form --txt. The time is taken of the command alone; the memory of another run
# under /usr/bin/time.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 TAVORIC-CLI [TAVORIC-CLI ...]" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
runs=${RUNS:-11}
"$1" demo survey.par --places 20000 --seed 5 >/dev/null
routes=$(tr -d '\r' <survey.par | sed -n '/^\[Routes\]/,/^\[Secties\]/p' |
    awk 'NF >= 3 && $NF == 15 { print $1 }' | paste -sd,)

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

measure() {
    local label=$1 times=() peaks=() start
    shift
    for _ in $(seq "$runs"); do
        start=$EPOCHREALTIME
        "$@" >/dev/null 2>&1
        times+=("$(awk -v from="$start" -v to="$EPOCHREALTIME" 'BEGIN { print to - from }')")
        /usr/bin/time -f '%M' -o peak "$@" >/dev/null 2>&1
        peaks+=("$(cat peak)")
    done
    printf '%-26s %8.1f ms %9s KB\n' "$label" \
        "$(printf '%s\n' "${times[@]}" | median | awk '{ print $1 * 1000 }')" \
        "$(printf '%s\n' "${peaks[@]}" | median)"
}

echo "survey.par: $(stat -c %s survey.par) bytes"
measure "wc --version" wc --version
measure "wc -l" wc -l survey.par
measure "cp + sync" sh -c 'cp survey.par copy.par && sync copy.par'
for cli in "$@"; do
    echo "== $cli"
    measure "--version" "$cli" --version
    measure "info" "$cli" info survey.par
    measure "save" "$cli" save survey.par saved.par
    measure "per-place --txt --csv" "$cli" per-place survey.par --txt out.txt --csv out.csv
    measure "interval 15 min" "$cli" interval survey.par --routes "$routes" --txt out.txt \
        --csv out.csv
    measure "form --txt" "$cli" form survey.par --txt out.txt
done
