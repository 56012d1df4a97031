#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of tavoric-cli offers its commands, each command's options (with the
# selection options of per-place where its help refers to them) and project files.
#   completion_test.sh COMPLETION-SCRIPT CLI-FOLDER
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"
export PATH=$(cd "$2" && pwd):$PATH HOME=$(mktemp -d) XDG_CONFIG_HOME=
cd "$HOME" && touch Zwolle.par notities.txt werkmap.xlsx

offered() {
    COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE} COMPREPLY=()
    _tavoric_cli
    echo "${COMPREPLY[*]}"
}
failed=0
expect() {
    local want=$1; shift
    local got; got=$(offered "$@")
    [[ " $got " == *" $want "* ]] || { echo "[$*] offers '$got', not '$want'"; failed=1; }
}
refuse() {
    local unwanted=$1; shift
    local got; got=$(offered "$@")
    [[ " $got " != *" $unwanted "* ]] || { echo "[$*] offers '$unwanted'"; failed=1; }
}
expect per-place tavoric-cli pe
expect --version tavoric-cli --
expect --exclude-illegal-ppe tavoric-cli per-place Zwolle.par --ex
expect --routes tavoric-cli interval Zwolle.par --ro
expect --detail tavoric-cli interval Zwolle.par --de
refuse --detail tavoric-cli per-place Zwolle.par --de
expect interval tavoric-cli help in
expect --summary-csv tavoric-cli rapport Zwolle.par --su
expect --morning tavoric-cli rapport Zwolle.par --mo
expect --routes tavoric-cli rapport Zwolle.par --ro
expect Zwolle.par tavoric-cli info Z
expect notities.txt tavoric-cli notes Zwolle.par --txt n
refuse notities.txt tavoric-cli info n
expect --xlsx tavoric-cli export-observations Zwolle.par --xl
expect --xlsx tavoric-cli motive Zwolle.par --xl
expect werkmap.xlsx tavoric-cli chart Zwolle.par --xlsx w
refuse notities.txt tavoric-cli per-place Zwolle.par --xlsx n
expect Zwolle.par tavoric-cli compare Zwolle.par Z
expect --morning tavoric-cli compare Zwolle.par Zwolle.par --mo
expect --routes tavoric-cli compare Zwolle.par Zwolle.par --ro
expect durations tavoric-cli compare Zwolle.par Zwolle.par --kind du
rm -rf "$HOME"
exit $failed
