#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Builds the calculator and its tests for 64-bit Windows with MinGW-w64 and packs the program:
#
#     build/windows/vandrel-<version>-win64.zip        the program folder, to unzip and run
#     build/windows/vandrel-<version>-win64-setup.exe  its installer
#     build/windows/vandrel-<version>-win64.msi        its MSI package, for company IT
#
# Qt for MinGW and the host tools of the same Qt (moc, rcc, uic and their CMake packages) are
# unpacked from third_party/qt-6.4.2/; VANDREL_QT_MINGW (a prefix) may name another Qt for MinGW.
#
#     windows.sh             with the test programs, for scripts/windows_test.sh
#     windows.sh --release   the program alone, into build/windows-release (scripts/release.sh)
#
# Every file's time is SOURCE_DATE_EPOCH (by default the commit's time), so that the same source
# gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/windows
tests=ON
if [ "${1:-}" = --release ]; then
    out=build/windows-release
    tests=OFF
fi
build="$out/build"
jobs="$(nproc)"
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"

bash scripts/setup.sh test

# Unpacked once; again only when an archive changes.
toolchain=third_party/qt-6.4.2
stamp="$out/qt-archives.sha256"
if ! cmp -s "$toolchain/SHA256SUMS" "$stamp" || [ ! -d "$out/qt-6.4.2-mingw64" ] || [ ! -d "$out/qt-6.4.2-host" ]; then
    (cd "$toolchain" && sha256sum --quiet -c SHA256SUMS)
    # A new Qt: configure afresh, or the cache keeps the old one's paths.
    rm -rf "$out/qt-6.4.2-mingw64" "$out/qt-6.4.2-host" "$build"
    mkdir -p "$out"
    tar -xJf "$toolchain/qt-6.4.2-mingw64.tar.xz" -C "$out"
    tar -xJf "$toolchain/qt-6.4.2-host-linux-x86_64.tar.xz" -C "$out"
    cp "$toolchain/SHA256SUMS" "$stamp"
fi
qt="$(realpath "${VANDREL_QT_MINGW:-$out/qt-6.4.2-mingw64}")"
host="$(realpath "$out/qt-6.4.2-host")"
[ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] || { echo "windows: $qt is no Qt 6 prefix" >&2; exit 1; }

# The linker orders a program's import table by the paths of the import libraries: Qt's, inside
# this folder, against Windows' and the GCC runtime's, under /usr, would come out in another order
# in a clone that sits elsewhere, and the program in other bytes. Linked through this folder of
# links, both lie under $out and keep one order wherever the clone is.
libraries="$out/link-libraries"
rm -rf "$libraries"
mkdir -p "$libraries"
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++.dll.a)")"
ln -s /usr/x86_64-w64-mingw32/lib/*.a "$libraries/"
ln -sf "$runtime"/*.a "$libraries/" # the compiler's own first, as it searches them
libraries="$(realpath "$libraries")"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING="$tests" \
    -DCMAKE_EXE_LINKER_FLAGS="-L$libraries" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH="$host" -DQT_HOST_PATH_CMAKE_DIR="$host/lib/cmake"
# The icon export runs under Wine while building: one prefix for the build rather than one per run.
WINEPREFIX="$(realpath -m "$out/wine-build")" nice cmake --build "$build" -j "$jobs"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="vandrel-$version-win64"
stage="$out/stage/$name"
rm -rf "$out/stage"
cmake --install "$build" --prefix "$stage" --strip >/dev/null
# Whatever the umask and the clock were, every file and folder gets the same modes and time.
chmod -R u=rwX,go=rX "$stage"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

# The zip: the program folder under its own name, files in a fixed order without extra fields.
# Zip stores local times: in UTC, the time is the same wherever it is made.
zip="$out/$name.zip"
rm -f "$zip"
(cd "$out/stage" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -q -X -9 "../$name.zip" -@)

# The installer writes exactly the files of the folder and its uninstaller deletes exactly those:
# both lists come from the folder itself. Paths inside the installer are Windows paths.
# windows_path BASE PATH — PATH below the folder in the variable BASE, as Windows writes it.
windows_path() {
    local path="$2"
    echo "\$$1${path:+\\${path//\//\\}}"
}
lists="$(realpath -m "$out/files.nsh")"
stage_path="$(realpath "$stage")"
# Read into a variable first: a failing command inside `< <(...)` would go unnoticed.
folders="$(find "$stage" -type d -printf '%P\n' | LC_ALL=C sort)"
{
    echo "!define ESTIMATED_KB $(du -sk "$stage" | cut -f 1)"
    echo '!macro InstallFiles'
    while read -r dir; do
        echo "    SetOutPath \"$(windows_path R0 "$dir")\""
        find "$stage/$dir" -mindepth 1 -maxdepth 1 -type f -printf '%P\n' | LC_ALL=C sort | while read -r file; do
            echo "    File \"$stage_path/${dir:+$dir/}$file\""
        done
    done <<<"$folders"
    echo '!macroend'
    echo '!macro UninstallFiles'
    find "$stage" -type f -printf '%P\n' | LC_ALL=C sort | while read -r file; do
        echo "    Delete \"$(windows_path INSTDIR "$file")\""
    done
    # Subfolders deepest first; the program folder itself goes after the uninstaller.
    find "$stage" -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r | while read -r dir; do
        echo "    RMDir \"$(windows_path INSTDIR "$dir")\""
    done
    echo '!macroend'
} >"$lists"
setup="$out/$name-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DFILES="$lists" -DOUTFILE="$(realpath -m "$setup")" "$build/app/vandrel.nsi"

msi="$out/$name.msi"
WINEPREFIX="$(realpath -m "$out/wine-build")" bash scripts/msi.sh "$version" "$stage" "$build/app/icons/vandrel.ico" "$build/msi_product_name.exe" "$msi"

echo "windows: $zip ($(stat -c %s "$zip") bytes)"
echo "windows: $setup ($(stat -c %s "$setup") bytes)"
echo "windows: $msi ($(stat -c %s "$msi") bytes)"
