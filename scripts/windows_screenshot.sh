#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Installs the Windows program (scripts/windows.sh) into a fresh Wine prefix on a virtual display,
# presses "计算" and saves the window to docs/windows.png (or the path given).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/windows.png}"

bash scripts/windows.sh >/dev/null
source scripts/virtual_display.sh
source scripts/wine_session.sh
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
start_virtual_display 640x520
new_wine_prefix "$scratch/prefix"
trap 'wine_stop; kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; rm -rf "$scratch"' EXIT
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/build/CMakeCache.txt)"
wine_alone "$(realpath "build/windows/vandrel-$version-win64-setup.exe")" /S
wine_wait

# Qt's own FreeType engine instead of Windows' font drawing: the 宋体 boxes are drawn without
# smoothing, and Wine's one-bit drawing of the AR PL UMing face standing in for SimSun drops
# strokes ("0.4" reads "U 4", the full-width colon vanishes). Windows draws SimSun from its own
# one-bit strokes; FreeType's drawing of the stand-in is the nearer likeness.
start_program windows:fontengine=freetype "$(windows_path "$(installed_folder current)/vandrel.exe")"
sleep 0.5
click_control "$PROGRAM_WINDOW" Command1
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window "$PROGRAM_WINDOW" "$out"
echo "screenshot: $out"
