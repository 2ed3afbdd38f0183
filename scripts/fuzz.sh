#!/usr/bin/env bash
# Builds the calculation fuzzer with clang and runs it for the given number of seconds (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build=build/fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVANDREL_FUZZ=ON -DVANDREL_WITH_UI=OFF >/dev/null
cmake --build "$build" --target fuzz_calculation

# New inputs go to the first directory; the checked-in seeds and crash inputs in tests/fuzz/corpus
# (first byte the support mode, then the twelve box texts separated by 0x1F) are read from the second.
corpus="$build/corpus"
mkdir -p "$corpus"

log="$build/fuzz.log"
if ! "$build/tests/fuzz/fuzz_calculation" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -dict=tests/fuzz/input_rule.dict -artifact_prefix="$build/" \
    -print_final_stats=1 "$corpus" tests/fuzz/corpus >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "fuzz: FAILED (the crashing input is saved as $build/crash-*; once fixed, add it to tests/fuzz/corpus)" >&2
    exit 1
fi
grep -E '^(Done|stat::)' "$log"
