#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The engine tests once more under AddressSanitizer and UndefinedBehaviorSanitizer, then each
# libFuzzer target for a bounded time. Needs what scripts/setup.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
CC=clang CXX=clang++ scripts/setup.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DTAVORIC_SANITIZE=ON -DTAVORIC_FUZZ=ON -DTAVORIC_DESKTOP=OFF -DTAVORIC_BENCHMARKS=OFF
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -L engine -j2)
for fuzzer in build-sanitize/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus=build-sanitize/fuzz-corpus/$name
    mkdir -p "$corpus"
    echo "Fuzzing $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        "$corpus" fuzz/seeds/"${name#fuzz_}" >/dev/null 2>build-sanitize/"$name".log \
        || { tail -50 build-sanitize/"$name".log; exit 1; }
done
echo "Sanitizer tests and fuzzing: no findings."
