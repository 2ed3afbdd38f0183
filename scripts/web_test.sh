#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# The web page: built with emscripten (scripts/web.sh); its script and style checked against the
# browsers it supports (.browserslistrc); then driven in Debian's Chromium (also as a bare
# interpreter), Firefox ESR and WebKitGTK, and in Chromium 85 and 109 from npm, against what the
# native build (default build/release) writes for the generated cases; then measured beside a
# static page of the same form (bench/web_bench.mjs, reported only).
set -euo pipefail
cd "$(dirname "$0")/.."
native="${1:-build/release}"

bash scripts/web.sh build/web >/dev/null
page="$(ls build/web/vandrel-*-web.html)"
cmake --build "$native" --target same_digits >/dev/null
"$native/tests/same_digits" "$native/same_digits.txt"
# puppeteer-core of three ages, the two npm Chromiums, axe-core and the checkers, as
# package-lock.json pins them; no browser is downloaded.
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)

# What no browser here can show: features the oldest supported browsers lack.
bin=tests/web/node_modules/.bin
"$bin/eslint" --no-eslintrc --resolve-plugins-relative-to tests/web -c tests/web/compat.eslintrc.json web/page.js
"$bin/stylelint" --config tests/web/compat.stylelintrc.json web/page.css
echo "web: page.js (eslint-plugin-compat) and page.css (stylelint-no-unsupported-browser-features) use nothing that" \
    "$(grep -v '^#' .browserslistrc | grep . | paste -sd, - | sed 's/,/, /g') lack"

# WebKit's MiniBrowser needs a display.
source scripts/virtual_display.sh
start_virtual_display 1280x1024
trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT

export VANDREL_WEB_PAGE="$page" VANDREL_SAME_DIGITS="$native/same_digits.txt" VANDREL_BROWSERS=build/browsers
# A browser that stops answering fails the stage within these limits, long before CI's own.
timeout --kill-after=30 30m node --test --test-reporter=tap tests/web/page_test.mjs
timeout --kill-after=30 5m node bench/web_bench.mjs 20
