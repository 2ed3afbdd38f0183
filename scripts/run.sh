#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target vandrel -j "$(nproc)"
exec build/release/app/vandrel
