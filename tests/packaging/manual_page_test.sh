#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A manual page of tavoric-cli has the sections a reader looks for, names every command in its
# OPTIONS section with every option that command's help names, keeps its letters (no "?" where
# an accented letter should be), and its examples use only commands and options that exist.
#   manual_page_test.sh TAVORIC-CLI MANUAL-PAGE.1.gz EXAMPLES.h2m
set -euo pipefail
cli=$1 page=$2 examples=$3
export HOME=$(mktemp -d) XDG_CONFIG_HOME=
trap 'rm -rf "$HOME"' EXIT

text=$(zcat "$page" | sed 's/\\-/-/g')
failed=0
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS '"EXIT STATUS"' FILES EXAMPLES; do
    grep -q "^\.SH $heading\$" <<<"$text" || { echo "manual page lacks section $heading"; failed=1; }
done
for file in Tavoric.ini pseudoniem.key backups/ recovery/; do
    grep -q -- "$file" <<<"$text" || { echo "manual page lacks the file $file"; failed=1; }
done
if LC_ALL=C grep -n -e '??' -e '[[:alpha:]]?[[:alpha:]]' -e $'\xef\xbf\xbd' <<<"$text"; then
    echo "manual page has replacement characters"
    failed=1
fi

options_section=$(sed -n '/^\.SH OPTIONS$/,/^\.SH /p' <<<"$text")
commands=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\)\( .*\)\{0,1\}$/\1/p')
all_options=
for command in $commands; do
    own=$(sed -n "/^\.SS $command\$/,/^\.S[SH] /p" <<<"$options_section")
    [ -n "$own" ] || { echo "manual page lacks command $command under OPTIONS"; failed=1; }
    options=$("$cli" help "$command" | { grep -o -- '--[a-z][a-z-]*' || true; } | sort -u)
    all_options+=" $options"
    for option in $options; do
        grep -q -- "$option" <<<"$own" || { echo "manual page lacks $command $option"; failed=1; }
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
