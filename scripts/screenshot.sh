#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Starts the real window on a virtual display, presses "计算" with xdotool and saves what the
# user sees to docs/form1.png (or the path given).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/form1.png}"

source scripts/virtual_display.sh
build_release vandrel
start_virtual_display 640x520
build/release/app/vandrel &
app=$!
trap 'kill "$app" "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
window="$(find_window 'Vandrel')"
sleep 0.5
click_control "$window" Command1
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "screenshot: $out"
