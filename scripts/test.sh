#!/usr/bin/env bash
# Installs what is missing, then checks everything: formatting, a GCC release build with every
# test and the Debian package, the calculation built for aarch64 and 32-bit x86 and run under
# qemu-user, a Clang build with every test and clang-tidy, the same tests under
# AddressSanitizer + UndefinedBehaviorSanitizer, and 30 seconds of fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

step() { printf '\n== %s\n' "$*"; }

build_and_test() {
    local dir="$1"
    shift
    step "build and test: $dir"
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 600
}

step "clang-format"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "formatted"

build_and_test build/release -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++
step "Debian package"
bash scripts/check_package.sh build/release

step "other processors: aarch64 and 32-bit x86"
bash scripts/cross_arch.sh build/release

build_and_test build/clang -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++
step "clang-tidy"
git ls-files -z -- 'calc/*.cpp' 'ui/*.cpp' 'app/*.cpp' \
    | xargs -0 -n 1 -P "$jobs" clang-tidy -p build/clang --quiet 2>/dev/null
echo "clean"

build_and_test build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DVANDREL_SANITIZE=ON

step "fuzzing"
bash scripts/fuzz.sh 30
