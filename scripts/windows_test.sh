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

# The installer, in one prefix, case after case; after each, what it left is checked and listed.
start_virtual_display 640x520
new_wine_prefix "$scratch/install"
trap 'wine_stop; kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; rm -rf "$scratch"' EXIT
drive="$WINEPREFIX/drive_c"
user_dir="$drive/users/$(id -un)"
user_folder="$(installed_folder current)"
machine_folder="$(installed_folder all)"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Vandrel'
shortcuts=("$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vandrel设计.lnk"
    "$user_dir/Desktop/Vandrel设计.lnk"
    "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vandrel设计.lnk"
    "$drive/users/Public/Desktop/Vandrel设计.lnk")
setup="$(realpath "$out/$name-setup.exe")"

# A setup of the next patch version whose folder differs by one file, for the upgrade: the old
# version's file must go.
next_version="$(echo "$version" | awk -F. '{ printf "%d.%d.%d", $1, $2, $3 + 1 }')"
next_stage="$scratch/next/$name"
mkdir -p "$scratch/next"
cp -r "$out/stage/$name" "$next_stage"
mv "$next_stage/licenses/GPL-3.0.txt" "$next_stage/licenses/GPL-3.0-only.txt"
sed -e "s|$(realpath "$out/stage/$name")|$next_stage|; s|\([/\\]\)GPL-3\.0\.txt|\1GPL-3.0-only.txt|" "$out/files.nsh" >"$scratch/next/files.nsh"
next_setup="$scratch/next/vandrel-$next_version-win64-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$next_version" -DFILES="$scratch/next/files.nsh" \
    -DOUTFILE="$next_setup" "$build/app/vandrel.nsi" >/dev/null

next_msi="$scratch/next/vandrel-$next_version-win64.msi"
bash scripts/msi.sh "$next_version" "$next_stage" "$build/app/icons/vandrel.ico" "$build/msi_product_name.exe" "$next_msi"

# setup PROGRAM ARGUMENT... — runs an installer or uninstaller; prints its exit status.
setup() {
    local status=0
    wine_alone "$@" >/dev/null 2>&1 || status=$?
    echo "$status"
}
# grep -q reads no further than its match: fed by a pipe under pipefail, the writer's broken
# pipe would count as a failure. Its input comes from a string instead, here and below.
# entry ROOT — the Add/Remove Programs entry under HKLM or HKCU, one "name"="value" a line.
entry() {
    rm -f "$drive/entry.reg"
    wine_alone reg export "$1\\$key" 'C:\entry.reg' /y >/dev/null 2>&1 || true
    if [ -f "$drive/entry.reg" ]; then iconv -f UTF-16 -t UTF-8 "$drive/entry.reg" | tr -d '\r' | grep '^"'; fi
}
# msi_entries — the Add/Remove Programs entries that Windows Installer made for the MSI: the
# keys and values of the products named Vandrel设计.
msi_entries() {
    rm -f "$drive/all.reg"
    wine_alone reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 'C:\all.reg' /y >/dev/null 2>&1 || true
    [ -f "$drive/all.reg" ] || return 0
    iconv -f UTF-16 -t UTF-8 "$drive/all.reg" | tr -d '\r' | awk '
        /^\[/ { key = $0 }
        /^"DisplayName"="Vandrel设计"$/ && key ~ /\\{[0-9A-F-]+\}\]$/ { named[key] = 1 }
        /^"(DisplayVersion|Publisher|DisplayIcon)"=/ { values[key] = values[key] " " $0 }
        END { for (k in named) print k values[k] }'
}
# left CASE — what the prefix holds of the program now: folders, shortcuts, entries.
left() {
    local what=()
    [ -e "$user_folder" ] && what+=("user folder: $(find "$user_folder" -type f | wc -l) files")
    [ -e "$machine_folder" ] && what+=("Program Files folder: $(find "$machine_folder" -type f | wc -l) files")
    for shortcut in "${shortcuts[@]}"; do
        [ -e "$shortcut" ] && what+=("${shortcut#"$drive/"}")
    done
    [ -n "$(msi_entries)" ] && what+=("MSI entries: $(msi_entries | grep -o '"DisplayVersion"="[^"]*"' | paste -sd ' ')")
    for root in HKCU HKLM; do
        [ -n "$(entry "$root")" ] && what+=("$root entry $(entry "$root" | sed -n 's/^"DisplayVersion"="\(.*\)"$/\1/p')")
    done
    local IFS=';'
    echo "windows: after $1: ${what[*]:-nothing}" | sed 's/;/; /g'
}
# installed_files FOLDER STAGE — the folder holds exactly the stage's files (and, from the setup,
# its uninstaller).
installed_files() {
    diff <(cd "$2" && find . -type f | LC_ALL=C sort) <(cd "$1" && find . -type f ! -name uninstall.exe | LC_ALL=C sort) \
        || fail "$1 holds other files than $2"
}
# installed_as FOLDER ROOT VERSION STAGE — the setup installed the stage's files and the
# uninstaller, and the root's entry names that version and folder.
installed_as() {
    installed_files "$1" "$4"
    [ -f "$1/uninstall.exe" ] || fail "no uninstaller in $1"
    local windows_folder
    windows_folder="$(windows_path "$1")"
    for value in '"DisplayName"="Vandrel设计"' "\"DisplayVersion\"=\"$3\"" '"Publisher"="Vandrel"' \
        "\"DisplayIcon\"=\"${windows_folder//\\/\\\\}\\\\vandrel.exe,0\"" \
        "\"UninstallString\"=\"\\\"${windows_folder//\\/\\\\}\\\\uninstall.exe\\\"\""; do
        grep -qxF "$value" <<<"$(entry "$2")" || fail "the $2 entry lacks $value"
    done
}
nothing_left() {
    [ ! -e "$user_folder" ] || fail "$1 left $user_folder"
    [ ! -e "$machine_folder" ] || fail "$1 left $machine_folder"
    for shortcut in "${shortcuts[@]}"; do
        [ ! -e "$shortcut" ] || fail "$1 left $shortcut"
    done
    [ -z "$(entry HKCU)$(entry HKLM)" ] || fail "$1 left an Add/Remove Programs entry"
}

# For the current user, silently: nothing under Program Files or HKLM.
[ "$(setup "$setup" /S)" = 0 ] || fail "the silent install for the current user failed"
installed_as "$user_folder" HKCU "$version" "$folder"
[ -z "$(entry HKLM)" ] && [ ! -e "$machine_folder" ] || fail "the install for the current user wrote under Program Files or HKLM"
[ -f "${shortcuts[0]}" ] && [ -f "${shortcuts[1]}" ] || fail "no Start-menu or desktop shortcut for the current user"
grep -qi 'Programs\\vandrel\\vandrel.exe' <<<"$(strings -el "${shortcuts[0]}")" || fail "the shortcut does not start vandrel.exe"
left "a silent install"

# The installed program's window calculates the defaults.
expected="$scratch/expected.txt"
"$native/tests/default_results" >"$expected"
[ -s "$expected" ] || fail "no default results from $native/tests/default_results"
start_program windows "$(windows_path "$user_folder/vandrel.exe")"
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
echo "windows: the installed window \"Vandrel设计\" shows $(cut -d= -f2 "$scratch/window.txt" | xargs) after 计算, as on Linux"

# While it runs, neither an upgrade nor the uninstaller touches its files.
before="$(cd "$user_folder" && find . -type f -exec sha256sum {} + | LC_ALL=C sort)"
[ "$(setup "$next_setup" /S)" = 3 ] || fail "an upgrade did not stop, with status 3, while the program ran"
# An uninstaller runs a copy of itself from the temporary folder and returns at once; with _?=
# it runs where it is and returns its own status.
[ "$(setup "$(windows_path "$user_folder/uninstall.exe")" /S "_?=$(windows_path "$user_folder")")" = 3 ] \
    || fail "the uninstaller did not stop, with status 3, while the program ran"
[ "$(cd "$user_folder" && find . -type f -exec sha256sum {} + | LC_ALL=C sort)" = "$before" ] \
    || fail "a refused upgrade or uninstall changed the program folder"
installed_as "$user_folder" HKCU "$version" "$folder"
left "an upgrade and an uninstall refused while the program ran"
click_control "$PROGRAM_WINDOW" Command2
wine_wait

# The next version over this one: one entry, one shortcut of each kind, only its files.
[ "$(setup "$next_setup" /S)" = 0 ] || fail "the upgrade failed"
installed_as "$user_folder" HKCU "$next_version" "$next_stage"
[ ! -e "$user_folder.old" ] && [ ! -e "$user_folder.new" ] || fail "the upgrade left a folder beside the program folder"
left "an upgrade to $next_version"
# The same version again repairs a damaged installation.
rm "$user_folder/Qt6Core.dll"
[ "$(setup "$next_setup" /S)" = 0 ] || fail "installing the same version again failed"
installed_as "$user_folder" HKCU "$next_version" "$next_stage"
left "the same version installed again over a missing DLL"
[ "$(setup "$(windows_path "$user_folder/uninstall.exe")" /S)" = 0 ] || fail "the uninstaller failed"
wine_wait
nothing_left "the uninstaller of the upgraded program"
left "uninstalling it"

# For every user, silently, without the desktop shortcut: Program Files and HKLM.
[ "$(setup "$setup" /S /AllUsers /NoDesktopShortcut)" = 0 ] || fail "the silent install for every user failed"
installed_as "$machine_folder" HKLM "$version" "$folder"
[ -z "$(entry HKCU)" ] && [ ! -e "$user_folder" ] || fail "the install for every user wrote for the current user"
[ -f "${shortcuts[2]}" ] && [ ! -e "${shortcuts[3]}" ] || fail "the install for every user has the wrong shortcuts"
left "a silent install for every user without the desktop shortcut"
[ "$(setup 'C:\Program Files\Vandrel\uninstall.exe' /S)" = 0 ] || fail "the uninstaller failed"
wine_wait
nothing_left "the uninstaller for every user"
left "uninstalling it"

# The MSI, silently: per machine, then replaced by the next version's, then removed.
msi="$(windows_path "$(realpath "$out/$name.msi")")"
[ "$(setup msiexec /i "$msi" /qn)" = 0 ] || fail "msiexec /i failed"
installed_files "$machine_folder" "$folder"
# Windows puts a per-machine package's shortcut in the common Start menu; Wine's Windows Installer
# puts it in the installing user's.
msi_shortcuts=("$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vandrel设计.lnk"
    "$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vandrel设计.lnk")
[ -f "${msi_shortcuts[0]}" ] || [ -f "${msi_shortcuts[1]}" ] || fail "the MSI made no Start-menu shortcut"
[ "$(msi_entries | wc -l)" = 1 ] || fail "the MSI made $(msi_entries | wc -l) Add/Remove Programs entries"
for value in "\"DisplayVersion\"=\"$version\"" '"Publisher"="Vandrel"'; do
    grep -qF "$value" <<<"$(msi_entries)" || fail "the MSI's Add/Remove Programs entry lacks $value"
done
# Windows shows the entry's icon from ARPPRODUCTICON (Wine's entry has no DisplayIcon).
grep -q '^ARPPRODUCTICON	vandrel.ico' <<<"$(msiinfo export "$out/$name.msi" Property)" || fail "the MSI names no icon for its entry"
left "msiexec /i $name.msi /qn"
[ "$(setup msiexec /i "$(windows_path "$next_msi")" /qn)" = 0 ] || fail "the next version's MSI failed"
installed_files "$machine_folder" "$next_stage"
[ "$(msi_entries | wc -l)" = 1 ] && grep -qF "\"DisplayVersion\"=\"$next_version\"" <<<"$(msi_entries)" \
    || fail "after the major upgrade: $(msi_entries)"
left "the $next_version MSI over it"
[ "$(setup msiexec /x "$(windows_path "$next_msi")" /qn)" = 0 ] || fail "msiexec /x failed"
wine_wait
[ ! -e "$machine_folder" ] && [ ! -e "${msi_shortcuts[0]}" ] && [ ! -e "${msi_shortcuts[1]}" ] \
    && [ -z "$(msi_entries)" ] || fail "msiexec /x left $(left "msiexec /x")"
left "msiexec /x"
echo "windows: per-user and per-machine installs, a refused upgrade and uninstall, an upgrade, a repair, the MSI and its major upgrade: each as it must be"
