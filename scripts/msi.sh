#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Packs a Windows program folder as an MSI with Debian's wixl (app/vandrel.wxs):
#
#     msi.sh VERSION PROGRAM_FOLDER ICON NAMER OUTPUT.msi
#
# NAMER is the build's msi_product_name.exe, which gives the product its Chinese name under Wine.
#
# The same folder gives the same bytes: the product and package codes follow from the version,
# and the database's times are SOURCE_DATE_EPOCH (wixl and msibuild run under faketime, since
# they write the clock's time and know no other).
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
version="$1" folder="$(realpath "$2")" icon="$(realpath "$3")" namer="$(realpath "$4")" output="$(realpath -m "$5")"
epoch="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
# The cabinet inside stores its files' times as local times: in UTC they are the same everywhere.
export TZ=UTC
# faketime would shift the files' times read by stat() as well, by however far the clock is set back.
export NO_FAKE_STAT=1

# guid NAME — a GUID of its own for each name, the same every time.
guid() {
    local h
    h="$(printf 'vandrel %s' "$1" | sha1sum | cut -c 1-32)"
    echo "${h:0:8}-${h:8:4}-5${h:13:3}-a${h:17:3}-${h:20:12}" | tr a-f A-F
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# wixl takes file names relative to where it runs.
ln -s "$folder" "$work/folder"
cp "$icon" "$work/vandrel.ico"
# wixl-heat names folders by a hash of their absolute path: numbered in order instead, they are
# named alike wherever the build runs.
(cd "$work" && find folder/ -type f | LC_ALL=C sort \
    | wixl-heat --prefix folder/ --directory-ref INSTALLDIR --component-group ProgramFiles --var var.SourceDir \
    | awk '{ while (match($0, /Id="dir[0-9A-F]+"/)) { $0 = substr($0, 1, RSTART - 1) "Id=\"folder" ++n "\"" substr($0, RSTART + RLENGTH) } print }' \
        >files.wxs)
(cd "$work" && faketime "@$epoch" wixl --arch x64 -D Version="$version" -D ProductCode="$(guid "product $version")" \
    -D SourceDir=folder -D Icon=vandrel.ico -o package.msi "$repo/app/vandrel.wxs" files.wxs)
# The package code in the summary information, which wixl draws at random.
faketime "@$epoch" msibuild "$work/package.msi" -s "Vandrel $version" Vandrel "x64;2052" "{$(guid "package $version")}"
# wixl and msibuild crash on Chinese text; Windows Installer itself, under Wine, writes it.
printf '\r\n\r\n936\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
cmake/wine-run.sh --alone "$namer" "Z:$work/package.msi" "Z:$work" "$(sed -n 's/^set(VANDREL_PRODUCT_NAME "\(.*\)")$/\1/p' CMakeLists.txt)"
mv "$work/package.msi" "$output"
