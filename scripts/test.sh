#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

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
export notes jobs

# The code as .clang-format lays it out; every file of the tree with its copyright and licence.
check_format_and_licences() {
    git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
    reuse lint | tee -a /dev/stderr | grep -E '^\* Files with (copyright|license) information' >>"$notes"
}

build_and_test() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -G Ninja -DBUILD_TESTING=ON "$@"
    cmake --build "$dir" -j "$jobs"
    run_tests "$dir"
}

# A build folder's suite: its summary line goes under the stage's line; a failing test fails the
# stage, whose log then ends with the names of the failed tests.
run_tests() {
    ctest --test-dir "$1" -j "$jobs" --output-on-failure --timeout 600 | tee -a /dev/stderr | grep 'tests passed' >>"$notes"
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

# The web page's script and style against .browserslistrc, then the page in six browser engines:
# the native digits, typed cases, cut results, layout, requests, axe-core; then its benchmark.
web_page_tests() {
    bash scripts/web_test.sh build/release | tee -a /dev/stderr | grep -E '^(# )?(web|web page): |^# (pass|fail) ' \
        | sed 's/^# //' >>"$notes"
}

# The Windows zip, installer and MSI, and under Wine the tests, the same digits, the installers.
windows_build_and_tests() {
    bash scripts/windows.sh | tee -a /dev/stderr | grep '^windows: ' >>"$notes"
    bash scripts/windows_test.sh build/release | tee -a /dev/stderr >>"$notes"
}

# The release made twice from the same source, in two folders at different depths, with a
# different umask, time zone and locale: every file must come out byte for byte the same. The
# source is the working tree as it stands, as a commit of its own when it has changes.
release_twice() {
    local source="HEAD" index
    if [ -n "$(git status --porcelain)" ]; then
        index="$(mktemp)"
        cp "$(git rev-parse --git-path index)" "$index"
        GIT_INDEX_FILE="$index" git add -A
        source="$(GIT_INDEX_FILE="$index" git write-tree | xargs git -c user.name=test -c user.email=test@invalid \
            commit-tree -p HEAD -m "the working tree, for the reproducibility check")"
        rm -f "$index"
    fi
    local first=build/reproducible/first second=build/reproducible/second/copy
    git worktree remove --force "$first" 2>/dev/null || true
    git worktree remove --force "$second" 2>/dev/null || true
    git worktree prune
    git worktree add --detach "$first" "$source" >/dev/null
    git worktree add --detach "$second" "$source" >/dev/null
    (cd "$first" && umask 022 && TZ=UTC LC_ALL=C.UTF-8 bash scripts/release.sh) >&2
    (cd "$second" && umask 077 && TZ=Asia/Shanghai LANG=zh_CN.UTF-8 bash scripts/release.sh) >&2
    if ! cmp -s "$first/build/dist/SHA256SUMS" "$second/build/dist/SHA256SUMS"; then
        diff "$first/build/dist/SHA256SUMS" "$second/build/dist/SHA256SUMS" >&2 || true
        echo "the two builds differ; diffoscope $first/build/dist/<file> $second/build/dist/<file> tells where" >&2
        return 1
    fi
    sed 's/^/same in both builds: /' "$first/build/dist/SHA256SUMS" >>"$notes"
    git worktree remove --force "$first"
    git worktree remove --force "$second"
}

run_clang_tidy() {
    git ls-files -z -- 'calc/*.cpp' 'form/*.cpp' 'ui/*.cpp' 'app/*.cpp' ':!app/msi_product_name.cpp' \
        | xargs -0 -n 1 -P "$jobs" sh -c 'echo "clang-tidy $0" && clang-tidy -p build/clang --quiet "$0"'
}

# Every stage runs in a fresh shell that stops at its first failing command and names it. Called
# from `if`, a function would run with `set -e` switched off (bash ignores it in anything called from
# a condition), and a stage would report only its last command's status.
in_stage() {
    set -Eeuo pipefail
    # The first failure only: the trap fires again in each function the failure returns through.
    # Of a pipeline, bash names only the last command; the statuses show which one failed.
    trap 'status=$? statuses="${PIPESTATUS[*]}"
        what="\"$BASH_COMMAND\" failed"
        [ "$statuses" = "${statuses% *}" ] || what="the pipeline ending in $what (statuses: $statuses)"
        [ -n "${named:-}" ] || echo "stage: $what with status $status" >&2
        named=1' ERR
    "$@"
}
# run_stage LOG LABEL COMMAND... — a stage that hangs is stopped after 40 minutes (status 124), so
# that the run ends with the stage named, inside CI's 90 minutes; the longest takes about 16.
run_stage() {
    local log="$1" label="$2"
    shift 2
    quietly "$log" "$label" timeout --kill-after=30 40m bash -c 'in_stage "$@"' stage "$@"
}

# The runner checks itself: a stage whose first command fails and whose last succeeds, and a stage
# whose tests fail, must both fail.
first_command_fails() {
    false
    true
}
a_test_fails() {
    local dir=build/logs/failing-suite
    mkdir -p "$dir"
    echo 'add_test(fails false)' >"$dir/CTestTestfile.cmake"
    run_tests "$dir"
    true
}
# check_runner — each failing stage must fail, for its own reason: the log names the failure.
check_runner() {
    local check log=build/logs/runner-check.log
    for check in 'first_command_fails:stage: "false" failed' "a_test_fails:tests failed out of 1"; do
        : >"$log"
        if notes=/dev/null run_stage "$log" "runner check" "${check%%:*}" 2>/dev/null; then
            echo "the stage runner reported the failing stage ${check%%:*} as passed" >&2
            return 1
        fi
        grep -qF "${check#*:}" "$log" || { echo "${check%%:*} failed, but not on \"${check#*:}\":" >&2; cat "$log" >&2; return 1; }
        echo "runner check: ${check%%:*} fails as it must" >&2
    done
}

# One stage a line: title, then the command.
stages=(
    "packages :: bash scripts/setup.sh test"
    "stage runner :: check_runner"
    "format and licence check :: check_format_and_licences"
    "GCC release build and tests :: release_build_and_tests"
    "Debian package :: bash scripts/check_package.sh build/release"
    "aarch64 and 32-bit x86 builds and tests :: other_processors"
    "web page in six browser engines :: web_page_tests"
    "Windows build, installer and tests under Wine :: windows_build_and_tests"
    "release built twice, byte for byte :: release_twice"
    "Clang build and tests :: build_and_test build/clang -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++"
    "clang-tidy :: run_clang_tidy"
    "sanitizer build and tests :: build_and_test build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DVANDREL_SANITIZE=ON"
    "fuzzing :: bash scripts/fuzz.sh 30"
)

export -f $(compgen -A function)
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
    if ! run_stage "$log" "[$number/$total]" $command; then
        echo "!! [$number/$total] $title failed after $(clock $((SECONDS - start))) (log: $log)" >&2
        exit 1
    fi
    echo "== [$number/$total] $title ($(clock $((SECONDS - start))))"
    sed 's/^/   /' "$notes"
done
echo "== all $total stages passed in $(clock "$SECONDS")"
