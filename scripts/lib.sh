# SPDX-License-Identifier: GPL-3.0-or-later
# Pieces the scripts share, sourced by them: one copy of each, so a fix lands everywhere.

# Runs a command as root: directly when we are root, through sudo otherwise.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Prints the id of the first visible window whose title matches the regular expression,
# waiting up to SECONDS (default 30) for it to be mapped. Fails when none appears.
wait_for_window() {
    local name=$1 seconds=${2:-30} win
    for _ in $(seq $((seconds * 10))); do
        win=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1) || true
        if [ -n "$win" ]; then
            echo "$win"
            return 0
        fi
        sleep 0.1
    done
    echo "no window named '$name' within ${seconds}s" >&2
    return 1
}

# Makes WINEPREFIX a fresh Wine prefix. With "tahoma" it gets Wine's own Tahoma, the face
# every Windows has and a fresh prefix lacks; with "no-tahoma" it keeps only what Wine
# lends it. A second argument sets the screen's dots per inch (LogPixels).
wine_prefix() {
    local fonts=${1:-tahoma} dpi=${2:-96}
    wineboot -i >/dev/null 2>&1
    wineserver -w
    if [ "$fonts" = tahoma ]; then
        cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    if [ "$dpi" != 96 ]; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
        wineserver -w
    fi
}
