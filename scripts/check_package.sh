#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Builds the Debian package from a configured build folder (default build/release), unpacks it
# into a scratch root and checks that a desktop will find the program, its menu entry and icons.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"

(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls -t "$build"/vandrel_*.deb | head -n 1)"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

fail() {
    echo "package: $*" >&2
    exit 1
}

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 fonts-arphic-uming fonts-wqy-microhei; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Every dependency resolves on this Debian release.
apt-get install --simulate --no-install-recommends "$(realpath "$deb")" >/dev/null 2>&1 \
    || fail "apt cannot resolve the dependencies of $deb"

[ -x "$root/usr/bin/vandrel" ] || fail "no /usr/bin/vandrel"
desktop="$root/usr/share/applications/vandrel.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -qx 'Name=Vandrel设计' "$desktop" || fail "desktop entry has the wrong name"
grep -qx 'Icon=vandrel' "$desktop" || fail "desktop entry names no icon"
for size in 16 32 48 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/vandrel.png"
    [ -f "$icon" ] || fail "no ${size}px icon"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "${size}px icon has the wrong size"
done

# Debian's own checks: lintian finds no error and no warning; the AppStream metainfo validates
# and names the desktop entry the package installs, under the same name.
status=0
lintian --tag-display-limit 0 --fail-on error,warning "$deb" >"$root.lintian" 2>&1 || status=$?
grep -v '^running with root privileges' "$root.lintian" || true
rm -f "$root.lintian"
[ "$status" -eq 0 ] || fail "lintian reports errors or warnings"
metainfo="$root/usr/share/metainfo/org.vandrel.designer.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "the AppStream metainfo does not validate"
grep -qF '<launchable type="desktop-id">vandrel.desktop</launchable>' "$metainfo" || fail "the metainfo names another desktop entry"
grep -qF '<name>Vandrel设计</name>' "$metainfo" || fail "the metainfo and the desktop entry name the program differently"

# The unpacked program starts and keeps running until stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/vandrel" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed program exited with status $status instead of running"

echo "package: $(basename "$deb") checked: binary, desktop entry, icons at 16, 32, 48 and 256 px, lintian clean, AppStream metainfo valid"
