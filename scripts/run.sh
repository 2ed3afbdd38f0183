#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Installs what building and running the window need, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/progress.sh

bash scripts/setup.sh run
# Its own build folder, configured without the tests, so that it needs none of their packages.
build=build/run
mkdir -p build
: >"$build.log"
echo "build: $build (log: $build.log)"
quietly "$build.log" "build:" cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
quietly "$build.log" "build:" cmake --build "$build" --target vandrel -j "$(nproc)"
exec "$build/app/vandrel"
