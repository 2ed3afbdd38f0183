#!/usr/bin/env bash
# Builds the fuzzers with clang and runs them: whole runs for the given number of seconds
# (default 30), then the powers against MPFR for half as long.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build=build/fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVANDREL_FUZZ=ON -DVANDREL_WITH_UI=OFF >/dev/null
cmake --build "$build" --target fuzz_calculation fuzz_powers >/dev/null

# fuzz TARGET SECONDS CORPUS [libFuzzer options...]
fuzz() {
    local target="$1" time="$2" corpus="$3"
    shift 3
    local log="$build/$target.log"
    if ! "$build/tests/fuzz/$target" -max_total_time="$time" -timeout=10 -artifact_prefix="$build/$target-" \
        -print_final_stats=1 "$@" "$corpus" >"$log" 2>&1; then
        tail -n 80 "$log"
        echo "fuzz: $target FAILED (the crashing input is saved as $build/$target-crash-*)" >&2
        exit 1
    fi
    echo "$target: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{ print $2 }') runs in $time s, no failure"
}

corpus="$build/corpus"
mkdir -p "$corpus"
# Seeds: the first byte is the support mode, then the twelve box texts separated by 0x1F.
seed() {
    local mode="$1"
    shift
    local IFS=$'\x1f'
    printf "$mode%s" "$*"
}
seed '\x01' 0.4 6 0.3 235 215 125 200 400 10 6 9 6 >"$corpus/defaults"
seed '\x02' "０。４" "&H6" ".3E0" 235 abc "" 200 "4 0 0" 10 6 9m "&O6" >"$corpus/typed"
fuzz fuzz_calculation "$seconds" "$corpus" -max_len=4096 -dict=tests/fuzz/input_rule.dict

# Seeds: an exponent selector byte, then the eight bytes of a double (little-endian): 4^1.5 = 8,
# a cube and a fourth power of ordinary sizes.
powers="$build/powers-corpus"
mkdir -p "$powers"
printf '\x03\x00\x00\x00\x00\x00\x00\x10\x40' >"$powers/four-to-three-halves"
printf '\x01\x00\x00\x00\x00\x00\x00\x79\x40' >"$powers/cube-of-400"
printf '\x02\x00\x00\x00\x00\x00\x00\x22\x40' >"$powers/fourth-power-of-9"
fuzz fuzz_powers "$((seconds / 2))" "$powers" -max_len=9
