#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Builds the web page with Debian's emscripten: build/web/vandrel-<version>-web.html (or the
# same file in the folder given), one file with everything inline.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build/web}"
# emscripten's JavaScript tools find acorn among Debian's node modules, whichever node runs them.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF >/dev/null
cmake --build "$dir"
ls "$dir"/vandrel-*-web.html
