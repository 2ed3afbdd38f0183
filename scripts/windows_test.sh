#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Checks the Windows build of scripts/windows.sh under Wine: the test programs, the same digits as
# the native build (default build/release), the program folder's DLLs, and the installer: silent
# install, the window calculating, silent uninstall.
set -euo pipefail
cd "$(dirname "$0")/.."
native="${1:-build/release}"
out=build/windows
build="$out/build"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="vandrel-$version-win64"
source scripts/virtual_display.sh
source scripts/wine_session.sh
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "windows: $*" >&2
    exit 1
}

# The test programs in one prefix, one at a time: Wine processes started side by side now and
# then lose their connection to the Wine server.
new_wine_prefix "$scratch/tests"
log="$build/ctest.log"
if ! QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --timeout 600 -V >"$log" 2>&1; then
    grep -v '^[0-9]*: PASS ' "$log" | tail -n 80
    fail "tests failed under Wine (log: $log)"
fi
# output_of TEST — what a test printed, from CTest's log, where each line starts with its number.
output_of() {
    local number
    number="$(sed -n "s|^\([0-9]*\): Test command: .*/$1\.exe\".*|\1|p" "$log")"
    sed -n "s/^$number: //p" "$log"
}
echo "windows: $(grep 'tests passed' "$log")"
echo "windows: calc_tests $(output_of calc_tests | sed -n 's/^\[  PASSED  \] \([0-9]*\) tests.*/\1/p') cases passed," \
    "fuzz_corpus_replay $(output_of fuzz_corpus_replay | grep -o '[0-9]* inputs replayed')," \
    "form1_test $(output_of form1_test | sed -n 's/^# pass //p') passed," \
    "monkey_test $(output_of monkey_test | sed -n 's/^# pass //p') passed"

# The same list of generated inputs gives the same output file as the native build.
cmake --build "$native" --target same_digits default_results >/dev/null
"$native/tests/same_digits" "$scratch/linux.txt"
cmake/wine-run.sh "$build/same_digits.exe" "$scratch/windows.txt"
if ! cmp -s "$scratch/linux.txt" "$scratch/windows.txt"; then
    diff "$scratch/linux.txt" "$scratch/windows.txt" | head -n 20
    fail "$(diff "$scratch/linux.txt" "$scratch/windows.txt" | grep -c '^<') of $(wc -l <"$scratch/linux.txt") cases differ from Linux x86-64"
fi
echo "windows: all $(wc -l <"$scratch/windows.txt") generated cases give the same output as Linux x86-64"

# The zip holds the folder the installer installs. Every DLL a file of it imports is in the folder
# or is part of Windows: Wine has its own copy of each, and names of API sets (api-ms-win-...)
# Windows resolves itself. Every DLL in the folder but the platform plugin, which Qt loads by
# name, is imported by another file.
unzip -q "$out/$name.zip" -d "$scratch/zip"
folder="$scratch/zip/$name"
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
imported="$scratch/imported"
: >"$imported"
# Lists read into variables first: a failing command inside `< <(...)` would go unnoticed.
binaries="$(cd "$folder" && find . \( -iname '*.exe' -o -iname '*.dll' \) -printf '%P\n')"
dlls="$(cd "$folder" && find . -maxdepth 1 -iname '*.dll' -printf '%P\n')"
while read -r file; do
    x86_64-w64-mingw32-objdump -p "$folder/$file" | sed -n 's/^\tDLL Name: //p' | while read -r dll; do
        echo "$dll" >>"$imported"
        [[ "${dll,,}" == api-ms-win-* ]] || [ -n "$(find "$folder" "$system_dlls" -maxdepth 1 -iname "$dll" -print -quit)" ] \
            || fail "$file needs $dll, which is neither in the folder nor part of Windows"
    done
done <<<"$binaries"
while read -r dll; do
    grep -qixF "$dll" "$imported" || fail "$dll is in the folder but nothing imports it"
done <<<"$dlls"
[ "$(cd "$folder" && find platforms -type f)" = platforms/qwindows.dll ] \
    || fail "platforms/ must hold qwindows.dll alone"
# The notices: every licence file that THIRD-PARTY.txt names is there, and every DLL is named in it.
notices=(LICENSE.txt THIRD-PARTY.txt $(grep -o 'licenses/[A-Za-z0-9.-]*\.txt' "$folder/THIRD-PARTY.txt" | sort -u))
[ ${#notices[@]} -ge 8 ] || fail "THIRD-PARTY.txt names only ${notices[*]}"
for notice in "${notices[@]}"; do
    [ -s "$folder/$notice" ] || fail "the program folder lacks $notice"
done
while read -r dll; do
    grep -qF "$dll" "$folder/THIRD-PARTY.txt" || fail "THIRD-PARTY.txt does not name $dll"
done <<<"$(cd "$folder" && find . -iname '*.dll' -printf '%P\n')"
echo "windows: $name.zip: $(find "$folder" -type f | wc -l) files, each DLL imported, every import present," \
    "the licence texts of ${#notices[@]} notices, every DLL named in THIRD-PARTY.txt"

# Installed silently into a fresh prefix, the program's window calculates the defaults.
start_virtual_display 640x520
new_wine_prefix "$scratch/install"
trap 'wine_stop; kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; rm -rf "$scratch"' EXIT
wine_alone "$(realpath "$out/$name-setup.exe")" /S
wine_wait
installed="$(program_folder)"
diff <(cd "$folder" && find . -type f | LC_ALL=C sort) \
    <(cd "$installed" && find . -type f ! -name uninstall.exe | LC_ALL=C sort) \
    || fail "the installer installed other files than the zip holds"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vandrel设计.lnk"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
strings -el "$shortcut" | grep -qi 'vandrel\\vandrel.exe' || fail "the shortcut does not start vandrel.exe"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vandrel'
wine_alone reg export "$key" 'C:\uninstall.reg' /y >/dev/null
iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/uninstall.reg" | tr -d '\r' >"$scratch/uninstall.reg"
for entry in '"DisplayName"="Vandrel设计"' "\"DisplayVersion\"=\"$version\"" '"Publisher"="Vandrel"' \
    '"DisplayIcon"="C:\\Program Files\\Vandrel\\vandrel.exe,0"' \
    '"UninstallString"="\"C:\\Program Files\\Vandrel\\uninstall.exe\""'; do
    grep -qxF "$entry" "$scratch/uninstall.reg" || fail "Add/Remove Programs lacks $entry"
done

expected="$scratch/expected.txt"
"$native/tests/default_results" >"$expected"
[ -s "$expected" ] || fail "no default results from $native/tests/default_results"
start_program windows
click_control "$PROGRAM_WINDOW" Command1
# Each result box read through the clipboard: select all, copy. A marker in the clipboard first,
# so that a copy that has not arrived yet is not taken for the result.
: >"$scratch/window.txt"
while IFS='=' read -r box _; do
    printf 'none' | xclip -selection clipboard
    click_control "$PROGRAM_WINDOW" "$box"
    xdotool key ctrl+a ctrl+c
    text=none
    for _ in $(seq 50); do
        text="$(xclip -o -selection clipboard 2>/dev/null || true)"
        [ "$text" != none ] && break
        sleep 0.1
    done
    echo "$box=$text" >>"$scratch/window.txt"
done <"$expected"
if ! diff "$expected" "$scratch/window.txt"; then
    fail "the installed program's window shows other results than the native calculation"
fi
echo "windows: installed silently; the window \"Vandrel设计\" shows $(cut -d= -f2 "$scratch/window.txt" | xargs) after 计算, as on Linux"
click_control "$PROGRAM_WINDOW" Command2
wine_wait

wine_alone 'C:\Program Files\Vandrel\uninstall.exe' /S
wine_wait
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed" | sed "s|$installed|Program Files/Vandrel|" | paste -sd ' ')"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
wine_alone reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left the Add/Remove Programs entry"
echo "windows: uninstalled silently; no program file, shortcut or registry entry left"
