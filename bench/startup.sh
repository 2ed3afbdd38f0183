#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Start-up time (launch to window mapped), processor time and peak memory of the calculator against a bare Qt
# window of the same size and against the floor, a bare window with one label in each of the
# calculator's three faces; taken in turn on one virtual display. Usage: bench/startup.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-30}"
build=build/release

source scripts/virtual_display.sh
build_release vandrel bare_window floor_window startup_probe
start_virtual_display 800x600
trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT

results="$(mktemp)"
probe="$build/bench/startup_probe"
declare -A programs=([calculator]="$build/app/vandrel" [bare]="$build/bench/bare_window"
    [floor]="$build/bench/floor_window")
# One unmeasured start of each warms the disk cache and fontconfig's cache.
for program in "${programs[@]}"; do
    "$probe" "$program" >/dev/null
done
for _ in $(seq "$rounds"); do
    for program in calculator bare floor; do
        figures="$("$probe" "${programs[$program]}")"
        echo "$program $figures" >>"$results"
    done
done

median() { # program column
    awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$results" | sort -g | awk '{ v[NR] = $1 } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
printf '%-22s %12s %12s %16s\n' "" "start (ms)" "CPU (ms)" "peak RSS (KiB)"
for program in calculator bare floor; do
    printf '%-22s %12s %12s %16s\n' "$program" "$(median "$program" 2)" "$(median "$program" 4)" "$(median "$program" 3)"
done
for base in bare floor; do
    awk -v name="calculator / $base" -v a="$(median calculator 2)" -v b="$(median "$base" 2)" \
        -v c="$(median calculator 4)" -v d="$(median "$base" 4)" \
        -v e="$(median calculator 3)" -v f="$(median "$base" 3)" \
        'BEGIN { printf "%-22s %12.3f %12.3f %16.3f\n", name, a / b, c / d, e / f }'
done
echo "(medians of $rounds starts each)"
rm -f "$results"
