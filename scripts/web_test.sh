#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# The web page: built with emscripten (scripts/web.sh), then driven in Debian's Chromium and
# Firefox ESR against what the native build (default build/release) writes for the generated
# cases; then measured beside a static page of the same form (bench/web_bench.mjs, reported only).
set -euo pipefail
cd "$(dirname "$0")/.."
native="${1:-build/release}"

bash scripts/web.sh build/web >/dev/null
page="$(ls build/web/vandrel-*-web.html)"
cmake --build "$native" --target same_digits >/dev/null
"$native/tests/same_digits" "$native/same_digits.txt"
# puppeteer-core and axe-core, as package-lock.json pins them; no browser is downloaded.
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)

export VANDREL_WEB_PAGE="$page" VANDREL_SAME_DIGITS="$native/same_digits.txt"
node --test --test-reporter=tap tests/web/page_test.mjs
node bench/web_bench.mjs 20
