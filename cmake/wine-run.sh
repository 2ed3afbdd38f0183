#!/usr/bin/env bash
# Runs a Windows program built here under Wine: the emulator of the MinGW cross build, and what
# the Windows test scripts start programs with.
#
#     wine-run.sh PROGRAM.exe [ARGUMENT...]
#
# VANDREL_QT_BIN names the folder of the Qt DLLs for programs that have none beside them. A
# WINEPREFIX of the caller's is kept; otherwise each run gets a throw-away one, so that no run
# depends on what an earlier one left (a new prefix costs some seconds: scripts running many
# programs set one).
set -euo pipefail

wine=/usr/lib/wine/wine64 # Debian's wine64 puts no wine64 on PATH
qt_bin="${VANDREL_QT_BIN:-}"

# A Windows program finds its DLLs beside itself or on PATH; Wine builds that PATH from WINEPATH.
# The MinGW runtime (libstdc++, libgcc_s_seh) and libwinpthread come from Debian's cross compiler.
mingw_paths="/usr/lib/gcc/x86_64-w64-mingw32/12-posix;/usr/x86_64-w64-mingw32/lib"
export WINEPATH="${qt_bin:+$qt_bin;}$mingw_paths${WINEPATH:+;$WINEPATH}"

if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/vandrel-wine.XXXXXX")"
    export WINEPREFIX
    trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
export WINEDEBUG=-all
# No Mono or Gecko download prompts, no desktop menu entries for what gets installed.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine hands the Windows program none of the QT_ variables of this environment, but passes
# WINEQT_X on as QT_X. A Unix folder is on drive Z: for the Windows program.
if [ -n "${QT_QPA_PLATFORM:-}" ]; then
    export WINEQT_QPA_PLATFORM="$QT_QPA_PLATFORM"
fi
if [ -n "${QT_QPA_FONTDIR:-}" ]; then
    export WINEQT_QPA_FONTDIR="Z:$(realpath "$QT_QPA_FONTDIR")"
fi

"$wine" "$@"
