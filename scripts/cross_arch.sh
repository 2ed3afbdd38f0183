#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# The calculation on other processors: builds calc/ and its tests for aarch64 and for 32-bit
# x86 with Debian's cross compilers, runs the tests under qemu-user, and checks that the list of
# generated inputs gives the same output file there as in the native build (default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."
native="${1:-build/release}"
jobs="$(nproc)"

cmake --build "$native" --target same_digits >/dev/null
reference="$native/same_digits.txt"
"$native/tests/same_digits" "$reference"

for arch in aarch64 i686; do
    build="build/cross-$arch"
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$arch-linux-gnu.cmake" -DVANDREL_WITH_UI=OFF >/dev/null
    cmake --build "$build" -j "$jobs" >/dev/null
    # The summary line only, or the whole output where a test fails. calc_tests runs as one test
    # under the emulator; its own summary counts the cases.
    if ! ctest --test-dir "$build" -j "$jobs" -V --timeout 600 >"$build/ctest.log" 2>&1; then
        cat "$build/ctest.log"
        exit 1
    fi
    echo "$arch: $(grep 'tests passed' "$build/ctest.log"), calc_tests $(sed -n 's/.*\[  PASSED  \] \([0-9]*\) tests.*/\1/p' "$build/ctest.log") cases"

    emulator=qemu-aarch64
    [ "$arch" = i686 ] && emulator=qemu-i386
    output="$build/same_digits.txt"
    "$emulator" -L "/usr/$arch-linux-gnu" "$build/tests/same_digits" "$output"
    if ! cmp -s "$reference" "$output"; then
        diff "$reference" "$output" | head -n 20
        echo "$arch: $(diff "$reference" "$output" | grep -c '^<') of $(wc -l <"$reference") cases differ from x86-64" >&2
        exit 1
    fi
    echo "$arch: all $(wc -l <"$output") generated cases give the same output as x86-64"
done
