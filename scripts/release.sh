#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Makes the release files from the committed source, into build/dist/:
#
#     vandrel_<version>_amd64.deb             the Debian package
#     vandrel-<version>-win64.zip             the Windows program folder
#     vandrel-<version>-win64-setup.exe       its installer
#     vandrel-<version>-win64.msi             its MSI package, for company IT
#     vandrel-<version>-web.html              the web page, one file
#     SHA256SUMS                              their checksums, as sha256sum -c reads them
#
# The same commit gives the same bytes, wherever and whenever it is built: every time stamp is
# the commit's time (SOURCE_DATE_EPOCH), and neither the folder, the umask, the time zone nor the
# locale reaches the files. Refuses a tree with changes that are not committed.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "$(git status --porcelain)" ]; then
    echo "release: the tree has changes that are not committed; a release must match a commit." >&2
    echo "release: commit or stash them first:" >&2
    git status --short >&2
    exit 1
fi
bash scripts/setup.sh test

export SOURCE_DATE_EPOCH="$(git log -1 --format=%ct)"
export TZ=UTC LC_ALL=C.UTF-8
umask 022
dist=build/dist
rm -rf "$dist"
mkdir -p "$dist"

# The Debian package, from a build folder of its own, configured without the tests.
build=build/release-dist
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
rm -f "$build"/vandrel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
cp "$build"/vandrel_*.deb "$dist/"

bash scripts/windows.sh --release >/dev/null
cp build/windows-release/vandrel-*-win64.zip build/windows-release/vandrel-*-win64-setup.exe \
    build/windows-release/vandrel-*-win64.msi "$dist/"

bash scripts/web.sh build/web-release >/dev/null
cp build/web-release/vandrel-*-web.html "$dist/"

(cd "$dist" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
echo "release: $(git rev-parse --short HEAD) ($(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M UTC')) in $dist:"
cat "$dist/SHA256SUMS"
