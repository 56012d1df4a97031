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
# 15 minutes, form --txt, and import-observations of one row per slot into the survey without
# plates (load, match, save): with --out, and written back into a fresh copy of the project
# (that line includes the copying, timed alone as "cp project"; its backups go to the work
# folder). The time is taken of the command alone; the memory of another run under
# /usr/bin/time.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 TAVORIC-CLI [TAVORIC-CLI ...]" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
runs=${RUNS:-11}
"$1" demo survey.par --places 20000 --seed 5 >/dev/null
routes=$(tr -d '\r' <survey.par | sed -n '/^\[Routes\]/,/^\[Secties\]/p' |
    awk 'NF >= 3 && $NF == 15 { print $1 }' | paste -sd,)

# The survey with every slot line cut to its key, and one row per slot: the survey's plate, or
# X<n> where the slot has none.
awk '/^\[Kentekens\]/ { k = 1; print; next } /^\[/ { k = 0 }
     { if (k && length($0) > 25) print substr($0, 1, 24) "\r"; else print }' survey.par >empty.par
awk 'BEGIN { print "route,sectie,plaats,periode,kenteken\r" } /^\[Kentekens\]/ { k = 1; next }
     /^\[/ { k = 0 }
     k && length($0) > 20 { sub(/\r$/, ""); p = substr($0, 26, 6); gsub(/ +$/, "", p)
       if (p == "") p = "X" (n++ % 100000)
       print substr($0, 1, 4) "," substr($0, 6, 4) "," substr($0, 11, 4) "," substr($0, 16, 9) \
         "," p "\r" }' survey.par >rows.csv
export XDG_STATE_HOME=$work/state

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

echo "survey.par: $(stat -c %s survey.par) bytes; empty.par $(stat -c %s empty.par) bytes," \
    "rows.csv $(stat -c %s rows.csv) bytes, $(($(wc -l <rows.csv) - 1)) rows"
measure "wc --version" wc --version
measure "wc -l" wc -l survey.par
measure "cp + sync" sh -c 'cp survey.par copy.par && sync copy.par'
measure "cp project" cp empty.par project.par
for cli in "$@"; do
    echo "== $cli"
    measure "--version" "$cli" --version
    measure "info" "$cli" info survey.par
    measure "save" "$cli" save survey.par saved.par
    measure "per-place --txt --csv" "$cli" per-place survey.par --txt out.txt --csv out.csv
    measure "interval 15 min" "$cli" interval survey.par --routes "$routes" --txt out.txt \
        --csv out.csv
    measure "form --txt" "$cli" form survey.par --txt out.txt
    measure "import --out" "$cli" import-observations empty.par rows.csv --out new.par
    measure "import, write back" sh -c \
        "cp empty.par project.par && '$cli' import-observations project.par rows.csv"
done
