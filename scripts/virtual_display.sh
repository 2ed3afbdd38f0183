# Sourced by scripts that need the real window on screen without a display: builds the release
# window and starts Xvfb on a free display number, with DISPLAY pointing at it.

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
