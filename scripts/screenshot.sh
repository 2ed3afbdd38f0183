#!/usr/bin/env bash
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
window=""
for _ in $(seq 50); do
    window="$(xdotool search --onlyvisible --name 'Vandrel' 2>/dev/null | head -n 1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
sleep 0.5

# With no window manager the client area sits at the screen's top-left corner; "计算" is the
# button whose twip rectangle starts at (4065, 6225), 105 × 33 pixels.
xdotool mousemove --window "$window" 322 430 click 1
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "screenshot: $out"
