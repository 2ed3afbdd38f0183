# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Sourced by scripts that need the real window on screen without a display: builds the release
# window, starts Xvfb on a free display number with DISPLAY pointing at it, finds the window and
# clicks its controls.

# build_release TARGET... — installs what is missing and builds the targets in build/release,
# configured as the test command configures it: a different compiler would make CMake wipe the
# folder's cache.
build_release() {
    bash scripts/setup.sh test
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DBUILD_TESTING=ON >/dev/null
    cmake --build build/release --target "$@" -j "$(nproc)" >/dev/null
}

# start_virtual_display WIDTHxHEIGHT — the caller stops it with: kill "$VIRTUAL_DISPLAY_PID".
# Xvfb picks a free display number itself and writes it to -displayfd once it takes clients;
# -noreset keeps it from resetting, and refusing clients for that moment, when the last one leaves.
start_virtual_display() {
    local ready
    ready="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$ready" >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    for _ in $(seq 100); do
        if [ -s "$ready" ]; then
            DISPLAY=":$(head -n 1 "$ready")"
            export DISPLAY
            rm -f "$ready"
            return 0
        fi
        sleep 0.1
    done
    rm -f "$ready"
    echo "Xvfb did not start" >&2
    return 1
}

# find_window TITLE — waits up to 20 seconds for a visible window of that title and prints its id.
find_window() {
    local window
    for _ in $(seq 200); do
        window="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)"
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    echo "the window \"$1\" did not appear" >&2
    return 1
}

# click_control WINDOW NAME [SCALE] — clicks the middle of a control of the calculator's window.
# With no window manager the client area sits at the window's top-left corner; the places are the
# controls' twip rectangles at 15 twips a pixel, times SCALE (QT_SCALE_FACTOR, or dpi / 96).
click_control() {
    local x y scale="${3:-1}"
    case "$2" in
    Command1) x=322 y=430 ;;      # 计算, (4065, 6225) 1575 × 495
    Command2) x=437 y=430 ;;      # 退出, (5790, 6225)
    TxtDead) x=150 y=320 ;;       # 墙板自重, in Frame1 at (120, 3690)
    TxtStressx) x=412 y=223 ;;    # the result boxes in Frame5 at (4770, 2760)
    TxtStressy) x=412 y=259 ;;
    TxtDeflection) x=412 y=294 ;;
    TxtRatio) x=412 y=330 ;;
    TxtDeadweight) x=412 y=366 ;;
    *)
        echo "click_control: no place for $2" >&2
        return 1
        ;;
    esac
    x="$(awk -v v="$x" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }')"
    y="$(awk -v v="$y" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }')"
    xdotool mousemove --window "$1" "$x" "$y" click 1
}
