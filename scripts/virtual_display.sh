# Sourced by scripts that need the real window on screen without a display: builds the release
# window and starts Xvfb on a free display number, with DISPLAY pointing at it.

# build_release TARGET... — installs what is missing and builds the targets in build/release.
build_release() {
    bash scripts/setup.sh
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/release --target "$@" -j "$(nproc)" >/dev/null
}

# start_virtual_display WIDTHxHEIGHT — the caller stops it with: kill "$VIRTUAL_DISPLAY_PID".
start_virtual_display() {
    local number
    for number in $(seq 80 99); do
        [ -e "/tmp/.X11-unix/X$number" ] || break
    done
    Xvfb ":$number" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on :$number" >&2
    return 1
}
