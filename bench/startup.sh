#!/usr/bin/env bash
# Start-up time (launch to window mapped) and peak memory of the calculator against a bare Qt
# window of the same size, side by side on one virtual display. Usage: bench/startup.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-30}"
build=build/release

source scripts/virtual_display.sh
build_release vandrel bare_window startup_probe
start_virtual_display 800x600
trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT

results="$(mktemp)"
probe="$build/bench/startup_probe"
# One unmeasured start of each warms the disk cache and fontconfig's cache.
"$probe" "$build/app/vandrel" >/dev/null
"$probe" "$build/bench/bare_window" >/dev/null
for _ in $(seq "$rounds"); do
    echo "calculator $("$probe" "$build/app/vandrel")" >>"$results"
    echo "bare $("$probe" "$build/bench/bare_window")" >>"$results"
done

median() { # program column
    awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$results" | sort -g | awk '{ v[NR] = $1 } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
calc_ms="$(median calculator 2)"
bare_ms="$(median bare 2)"
calc_kb="$(median calculator 3)"
bare_kb="$(median bare 3)"
rm -f "$results"

printf '%-12s %16s %16s\n' "" "start (ms)" "peak RSS (KiB)"
printf '%-12s %16s %16s\n' calculator "$calc_ms" "$calc_kb" bare "$bare_ms" "$bare_kb"
awk -v a="$calc_ms" -v b="$bare_ms" -v c="$calc_kb" -v d="$bare_kb" -v n="$rounds" \
    'BEGIN { printf "ratio        %16.3f %16.3f   (medians of %d starts each)\n", a / b, c / d, n }'
