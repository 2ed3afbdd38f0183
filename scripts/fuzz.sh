#!/usr/bin/env bash
# Builds the calculation fuzzer with clang and runs it for the given number of seconds (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build=build/fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVANDREL_FUZZ=ON -DVANDREL_WITH_UI=OFF >/dev/null
cmake --build "$build" --target fuzz_calculation

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

log="$build/fuzz.log"
if ! "$build/tests/fuzz/fuzz_calculation" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -dict=tests/fuzz/input_rule.dict -artifact_prefix="$build/" \
    -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "fuzz: FAILED (the crashing input is saved as $build/crash-*)" >&2
    exit 1
fi
grep -E '^(Done|stat::)' "$log"
