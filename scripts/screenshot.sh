#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Starts the real window on a virtual display, presses "计算" with xdotool and saves what the
# user sees to docs/form1.png (or the path given). A scale, such as 1.25, shows the window as a
# screen of that many device pixels to a pixel does (QT_SCALE_FACTOR), on a screen as much larger.
# BOX=TEXT types a text into a box before the press, and focus=BOX then clicks a result box, for
# example TxtDead=9.2838E199 focus=TxtStressy.
#
#     screenshot.sh [OUT] [SCALE] [BOX=TEXT…] [focus=BOX]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/form1.png}"
scale="${2:-1}"
settings=("${@:3}")

source scripts/virtual_display.sh
build_release vandrel
start_virtual_display "$(awk -v s="$scale" 'BEGIN { printf "%dx%d", 640 * s + 0.5, 520 * s + 0.5 }')"
QT_SCALE_FACTOR="$scale" build/release/app/vandrel &
app=$!
trap 'kill "$app" "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
window="$(find_window 'Vandrel')"
sleep 0.5
focus=
for setting in "${settings[@]}"; do
    box="${setting%%=*}"
    if [ "$box" = focus ]; then
        focus="${setting#*=}"
        continue
    fi
    click_control "$window" "$box" "$scale"
    xdotool key --window "$window" ctrl+a
    xdotool type --window "$window" "${setting#*=}"
done
click_control "$window" Command1 "$scale"
sleep 0.5
if [ -n "$focus" ]; then
    click_control "$window" "$focus" "$scale"
    sleep 2
fi
mkdir -p "$(dirname "$out")"
# A tooltip is a window of its own: with one asked for, the whole screen.
import -window "$([ -n "$focus" ] && echo root || echo "$window")" "$out"
echo "screenshot: $out"
