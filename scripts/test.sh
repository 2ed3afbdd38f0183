#!/usr/bin/env bash
# Installs what is missing, then checks everything, one numbered stage at a time. Each stage's
# output goes to build/logs/; the terminal shows one line per stage with the time it took, a line
# of progress every half minute, and the end of the log if a stage fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/progress.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

# What a stage adds to this file is shown under its summary line: test counts, measured figures.
notes=build/logs/notes

check_format() {
    git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
}

build_and_test() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -G Ninja -DBUILD_TESTING=ON "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 600 | tee -a /dev/stderr | grep 'tests passed' >>"$notes"
}

release_build_and_tests() {
    build_and_test build/release -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++
    # Reported, never enforced: the figure depends on the machine as much as on the program.
    build/release/bench/click_to_result >>"$notes"
}

# The calculation built for aarch64 and 32-bit x86, its tests under qemu-user, the same digits.
other_processors() {
    bash scripts/cross_arch.sh build/release | tee -a /dev/stderr >>"$notes"
}

# The Windows zip and installer, and under Wine the tests, the same digits, the installed window.
windows_build_and_tests() {
    bash scripts/windows.sh | tee -a /dev/stderr | grep '^windows: ' >>"$notes"
    bash scripts/windows_test.sh build/release | tee -a /dev/stderr >>"$notes"
}

run_clang_tidy() {
    git ls-files -z -- 'calc/*.cpp' 'ui/*.cpp' 'app/*.cpp' \
        | xargs -0 -n 1 -P "$jobs" sh -c 'echo "clang-tidy $0" && clang-tidy -p build/clang --quiet "$0"'
}

# One stage a line: title, then the command.
stages=(
    "packages :: bash scripts/setup.sh test"
    "format check :: check_format"
    "GCC release build and tests :: release_build_and_tests"
    "Debian package :: bash scripts/check_package.sh build/release"
    "aarch64 and 32-bit x86 builds and tests :: other_processors"
    "Windows build, installer and tests under Wine :: windows_build_and_tests"
    "Clang build and tests :: build_and_test build/clang -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++"
    "clang-tidy :: run_clang_tidy"
    "sanitizer build and tests :: build_and_test build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DVANDREL_SANITIZE=ON"
    "fuzzing :: bash scripts/fuzz.sh 30"
)

mkdir -p build/logs
total=${#stages[@]}
for index in "${!stages[@]}"; do
    number=$((index + 1))
    title="${stages[index]%% :: *}"
    command="${stages[index]#* :: }"
    log="build/logs/$number-${title// /-}.log"
    : >"$log"
    : >"$notes"
    start=$SECONDS
    # shellcheck disable=SC2086 # the command is words, split on purpose
    if ! quietly "$log" "[$number/$total]" $command; then
        echo "!! [$number/$total] $title failed after $(clock $((SECONDS - start))) (log: $log)" >&2
        exit 1
    fi
    echo "== [$number/$total] $title ($(clock $((SECONDS - start))))"
    sed 's/^/   /' "$notes"
done
echo "== all $total stages passed in $(clock "$SECONDS")"
