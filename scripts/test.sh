#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the release build, the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a 30-second fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

build_and_test() {
    local dir="$1"
    shift
    echo "== $dir"
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 300
}

build_and_test build/release -DCMAKE_BUILD_TYPE=Release
build_and_test build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVANDREL_SANITIZE=ON

echo "== fuzzing"
bash scripts/fuzz.sh 30
