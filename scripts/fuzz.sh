#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Builds the fuzzers with clang and runs them: whole runs for the given number of seconds
# (default 30), then the powers against MPFR for half as long.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build=build/fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVANDREL_FUZZ=ON -DVANDREL_WITH_UI=OFF >/dev/null
cmake --build "$build" --target fuzz_calculation fuzz_powers >/dev/null

# fuzz TARGET SECONDS [libFuzzer options and corpus directories...]
fuzz() {
    local target="$1" time="$2"
    shift 2
    local log="$build/$target.log"
    if ! "$build/tests/fuzz/$target" -max_total_time="$time" -timeout=10 -artifact_prefix="$build/$target-" \
        -print_final_stats=1 "$@" >"$log" 2>&1; then
        tail -n 80 "$log"
        echo "fuzz: $target FAILED (the crashing input is saved as $build/$target-crash-*;" \
            "once fixed, add it to tests/fuzz/corpus under a name of its own)" >&2
        exit 1
    fi
    echo "$target: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{ print $2 }') runs in $time s, no failure"
}

# New inputs go to the first directory; the checked-in seeds and crash inputs in tests/fuzz/corpus
# (first byte the support mode, then the twelve box texts separated by 0x1F) are read from the second.
corpus="$build/corpus"
mkdir -p "$corpus"
fuzz fuzz_calculation "$seconds" -max_len=4096 -dict=tests/fuzz/input_rule.dict "$corpus" tests/fuzz/corpus

# Seeds: an exponent selector byte, then the eight bytes of a double (little-endian): 4^1.5 = 8,
# a cube and a fourth power of ordinary sizes.
powers="$build/powers-corpus"
mkdir -p "$powers"
printf '\x03\x00\x00\x00\x00\x00\x00\x10\x40' >"$powers/four-to-three-halves"
printf '\x01\x00\x00\x00\x00\x00\x00\x79\x40' >"$powers/cube-of-400"
printf '\x02\x00\x00\x00\x00\x00\x00\x22\x40' >"$powers/fourth-power-of-9"
fuzz fuzz_powers "$((seconds / 2))" -max_len=9 "$powers"
