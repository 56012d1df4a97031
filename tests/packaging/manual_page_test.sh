#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page of tavoric-cli names every command and option its help names, and its
# examples use only commands and options that exist.
#   manual_page_test.sh TAVORIC-CLI MANUAL-PAGE.1.gz EXAMPLES.h2m
set -euo pipefail
cli=$1 page=$2 examples=$3
export HOME=$(mktemp -d) XDG_CONFIG_HOME=
trap 'rm -rf "$HOME"' EXIT

text=$(zcat "$page" | sed 's/\\-/-/g')
commands=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\)\( .*\)\{0,1\}$/\1/p')
all_options=
failed=0
for command in $commands; do
    grep -qw -- "$command" <<<"$text" || { echo "manual page lacks command $command"; failed=1; }
    options=$("$cli" help "$command" | { grep -o -- '--[a-z][a-z-]*' || true; } | sort -u)
    all_options+=" $options"
    for option in $options; do
        grep -q -- "$option" <<<"$text" || { echo "manual page lacks $command $option"; failed=1; }
    done
done
for used in $(sed 's/\\-/-/g' "$examples" | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qw -- "$used" <<<"$all_options --help --version" \
        || { echo "examples use $used, which no command has"; failed=1; }
done
for used in $(sed -n 's/^\.B tavoric\\-cli \([a-z\\-]*\).*/\1/p' "$examples" | sed 's/\\-/-/g'); do
    grep -qx -- "$used" <<<"$commands" || { echo "examples use unknown command $used"; failed=1; }
done
for command in $commands; do
    [ "$command" = help ] && continue
    # grep reads to the end: quitting at the first match would break sed's pipe under pipefail.
    sed 's/\\-/-/g' "$examples" | grep "^\.B tavoric-cli $command " >/dev/null \
        || { echo "examples lack command $command"; failed=1; }
done
exit $failed
