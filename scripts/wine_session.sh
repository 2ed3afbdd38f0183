# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Sourced by the scripts that install the Windows program under Wine: a fresh Wine prefix with
# the Chinese faces, the silent installer, the installed program started on the virtual display
# (scripts/virtual_display.sh) and stopped again. Programs run through cmake/wine-run.sh --alone,
# so that the installed program finds nothing outside its own folder.

wine_alone() {
    cmake/wine-run.sh --alone "$@"
}

# Waits until every program of the prefix has ended, such as the copy of itself that an NSIS
# uninstaller starts from the temporary folder and leaves running after it returns.
wine_wait() {
    if ! timeout 120 /usr/lib/wine/wineserver -w; then
        echo "Wine programs still running after two minutes" >&2
        return 1
    fi
}

# Ends every program of the prefix.
wine_stop() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    wine_wait
}

# new_wine_prefix FOLDER — a fresh prefix, its Windows folder under drive_c; exports WINEPREFIX.
# Wine has no 宋体 (SimSun) or 黑体 (SimHei): the faces the Linux build uses are installed as
# Windows installs a font, into the Fonts folder and the registry's list of font files, and stand
# in under the Windows names, in this test prefix only. The list of files is what Qt's FreeType
# engine reads to find a face's file (scripts/windows_screenshot.sh).
new_wine_prefix() {
    rm -rf "$1"
    mkdir -p "$1"
    WINEPREFIX="$(realpath "$1")"
    export WINEPREFIX
    if ! wine_alone wineboot --init >"$1.log" 2>&1; then
        cat "$1.log" >&2
        return 1
    fi
    # Wine links the user's Desktop, Documents and the like to the Unix home: folders of their own
    # keep what the installer writes there inside the prefix.
    local link
    for link in "$WINEPREFIX/drive_c/users/$(id -un)"/*; do
        if [ -L "$link" ]; then
            rm "$link"
            mkdir "$link"
        fi
    done
    cp /usr/share/fonts/truetype/arphic/uming.ttc /usr/share/fonts/truetype/wqy/wqy-microhei.ttc \
        "$WINEPREFIX/drive_c/windows/Fonts/"
    local reg="$WINEPREFIX/drive_c/faces.reg"
    # regedit reads UTF-16 with a byte-order mark.
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]' \
        '"AR PL UMing CN (TrueType)"="uming.ttc"' '"宋体 & SimSun (TrueType)"="uming.ttc"' \
        '"WenQuanYi Micro Hei (TrueType)"="wqy-microhei.ttc"' '"黑体 & SimHei (TrueType)"="wqy-microhei.ttc"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"SimSun"="AR PL UMing CN"' '"宋体"="AR PL UMing CN"' \
        '"SimHei"="WenQuanYi Micro Hei"' '"黑体"="WenQuanYi Micro Hei"' \
        | iconv -f UTF-8 -t UTF-16 >"$reg"
    wine_alone regedit /S 'C:\faces.reg'
    wine_wait
}

# installed_folder current|all — where the installer puts the program for the current user or
# for every user, as a Unix path.
installed_folder() {
    if [ "$1" = all ]; then
        echo "$WINEPREFIX/drive_c/Program Files/Vandrel"
    else
        echo "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Vandrel"
    fi
}

# windows_path PATH — a Unix path inside the prefix as the Windows program sees it.
windows_path() {
    wine_alone winepath -w "$1" 2>/dev/null | tr -d '\r'
}

# start_program PLATFORM PROGRAM — starts an installed program (a Windows path) with the Qt
# platform given (such as "windows") and sets PROGRAM_WINDOW to its window.
start_program() {
    QT_QPA_PLATFORM="$1" wine_alone "$2" >/dev/null 2>&1 &
    PROGRAM_WINDOW="$(find_window 'Vandrel设计')"
}
