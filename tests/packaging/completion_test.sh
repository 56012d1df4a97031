#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of tavoric-cli offers its commands, the options each command takes, the
# words of enumerated options, and files only where a file is asked for.
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
expect occupancy tavoric-cli chart Zwolle.par --kind o
expect bezetting tavoric-cli chart Zwolle.par --kind b
expect motief-secties tavoric-cli chart Zwolle.par --kind motief-
expect piek tavoric-cli map Zwolle.par --measure p
expect peak tavoric-cli map Zwolle.par --measure p
expect kentekens tavoric-cli input Zwolle.par --include k
refuse --txt tavoric-cli chart Zwolle.par --
refuse --csv tavoric-cli map Zwolle.par --
refuse --classes tavoric-cli motive Zwolle.par --
refuse matrix tavoric-cli compare Zwolle.par Zwolle.par --kind m

# Every command: each option offered is one the program takes, and after an option whose value
# is not a file (or is a file of another type) no text file is offered.
commands=$(offered tavoric-cli "")
[[ $commands == *per-place*rapport*help* ]] || { echo "commands offered: '$commands'"; failed=1; }
for command in $commands; do
    [[ $command == -* ]] && continue
    for option in $(offered tavoric-cli "$command" Zwolle.par --); do
        [[ $option == --help ]] && continue
        refused=$(tavoric-cli "$command" Zwolle.par "$option" waarde 2>&1 >/dev/null)
        [[ $refused != *"Onbekende optie"* ]] || { echo "$command offers $option: $refused"; failed=1; }
        case $option in
            --txt | --report | --key-file) ;;
            *) refuse notities.txt tavoric-cli "$command" Zwolle.par "$option" "" ;;
        esac
    done
done
rm -rf "$HOME"
exit $failed
