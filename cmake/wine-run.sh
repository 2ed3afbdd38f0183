#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Runs a Windows program under Wine: the emulator of the MinGW cross build, and how the Windows
# test scripts start programs.
#
#     wine-run.sh [--alone] PROGRAM [ARGUMENT...]
#
# A program of the build tree finds the MinGW runtime DLLs, and those of Qt in VANDREL_QT_BIN,
# on Wine's path; with --alone it gets no such help, as an installed program on a clean Windows
# gets none: it must find every DLL in its own folder.
#
# A WINEPREFIX of the caller's is kept; otherwise each run gets a throw-away one, so that no run
# depends on what an earlier one left (a new prefix costs some seconds: scripts that run many
# programs set one).
set -euo pipefail

wine=/usr/lib/wine/wine64 # Debian's wine64 puts no wine64 on PATH
if [ "${1:-}" = --alone ]; then
    shift
else
    # Wine builds the Windows PATH from WINEPATH. The MinGW runtime (libstdc++, libgcc_s_seh)
    # and libwinpthread come with Debian's cross compiler, which knows where it keeps them (the
    # folder is named after its version).
    qt_bin="${VANDREL_QT_BIN:-}"
    runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
    mingw_paths="$runtime;/usr/x86_64-w64-mingw32/lib"
    export WINEPATH="${qt_bin:+$qt_bin;}$mingw_paths${WINEPATH:+;$WINEPATH}"
fi

if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/vandrel-wine.XXXXXX")"
    export WINEPREFIX
    trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
export WINEDEBUG=-all
# Wine names Unix files in the locale's character set; without UTF-8 (a bare root shell, CI) it
# cannot write the Chinese name of the Start-menu shortcut and silently leaves it out.
export LC_ALL=C.UTF-8
# No Mono or Gecko download prompts, no desktop menu entries for what gets installed.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine hands the Windows program none of the QT_ variables of this environment, but passes
# WINEQT_X on as QT_X. A Unix folder is on drive Z: for the Windows program.
if [ -n "${QT_QPA_PLATFORM:-}" ]; then
    export WINEQT_QPA_PLATFORM="$QT_QPA_PLATFORM"
fi
if [ -n "${QT_QPA_FONTDIR:-}" ]; then
    WINEQT_QPA_FONTDIR="Z:$(realpath "$QT_QPA_FONTDIR")"
    export WINEQT_QPA_FONTDIR
fi

"$wine" "$@"
