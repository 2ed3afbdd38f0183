#!/usr/bin/env bash
# Builds the part of Qt 6.4.2 the calculator needs (qtbase: Core, Gui, Widgets, Test; the windows
# and offscreen platforms) for 64-bit Windows with Debian 12's MinGW-w64 GCC, from Debian's own
# qt6-base source package and with Debian's Qt 6.4.2 as the host tools (moc, rcc, uic), and packs
# it as qt-6.4.2-mingw64.tar.xz, which scripts/windows.sh takes through VANDREL_QT_MINGW once
# unpacked. About an hour on two cores; run as root.
#
#     build-qt-mingw64.sh [WORK_FOLDER]     (default ./qt-mingw64-build)
set -euo pipefail
repo="$(realpath "$(dirname "$0")/..")"
work="$(realpath -m "${1:-qt-mingw64-build}")"
prefix="$work/qt-6.4.2-mingw64"
mkdir -p "$work"
cd "$work"
export DEBIAN_FRONTEND=noninteractive

# apt-get source needs a deb-src entry; Debian 12 ships only the binary one.
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    uri="$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources)"
    printf 'Types: deb-src\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$uri" >/etc/apt/sources.list.d/debian-src.sources
fi
apt-get update -q
apt-get install -y -q --no-install-recommends g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools \
    cmake ninja-build dpkg-dev xz-utils perl python3

source=qtbase-everywhere-src-6.4.2
if [ ! -d "$source" ]; then
    apt-get source --download-only qt6-base
    tar -xJf qt6-base_6.4.2+dfsg.orig.tar.xz
fi

# Debian's tarball leaves out the tablet (wintab) header Qt's Windows platform includes. Wine's
# development package has one; it needs two of Wine's own macros and the calling convention.
wintab="$source/src/3rdparty/wintab"
mkdir -p "$wintab"
if [ ! -f "$wintab/wine_wintab.h" ]; then
    apt-get download libwine-dev
    dpkg-deb -x libwine-dev_*.deb libwine-dev
    cp "$(find libwine-dev -name wintab.h | head -n 1)" "$wintab/wine_wintab.h"
    cp "$(find libwine-dev -name pktdef.h | head -n 1)" "$wintab/pktdef.h"
    cat >"$wintab/wintab.h" <<'HEADER'
#ifndef QT_WINTAB_SHIM_H
#define QT_WINTAB_SHIM_H
#include <windows.h>
#ifndef DECL_WINELIB_TYPE_AW
#  ifdef UNICODE
#    define DECL_WINELIB_TYPE_AW(type) typedef type##W type;
#    define WINELIB_NAME_AW(func) func##W
#  else
#    define DECL_WINELIB_TYPE_AW(type) typedef type##A type;
#    define WINELIB_NAME_AW(func) func##A
#  endif
#endif
#ifndef API
#  define API WINAPI
#endif
#include "wine_wintab.h"
#endif
HEADER
fi

# Only what the calculator and its tests use: no OpenGL, network, SQL, XML or D-Bus; the third
# party libraries built in, so that the DLLs need nothing but Windows and the MinGW runtime.
mkdir -p build
cd build
"../$source/configure" \
    -prefix "$prefix" -release -shared \
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
    -qt-host-path /usr -nomake tests -nomake examples \
    -no-opengl -no-dbus -no-feature-vulkan \
    -no-feature-network -no-feature-sql -no-feature-concurrent -no-feature-xml \
    -qt-zlib -qt-pcre -qt-harfbuzz -qt-freetype -qt-libpng -no-libjpeg \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
nice cmake --build . --parallel "$(nproc)"
cmake --install .

cd "$work"
tar -cJf qt-6.4.2-mingw64.tar.xz qt-6.4.2-mingw64
echo "built: $work/qt-6.4.2-mingw64.tar.xz; use it with VANDREL_QT_MINGW=$prefix"
