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

# Wine's menu builder copies every shortcut made in a prefix into the user's own Linux menu,
# with its icons, pointing at a prefix about to be thrown away; it stays off for everything
# the scripts run, as do .NET's and the browser's installers. A command that sets its own
# overrides starts from these.
wine_quiet_overrides="winemenubuilder.exe=d;mscoree,mshtml="

# Makes WINEPREFIX a fresh Wine prefix. With "tahoma" it gets Wine's own Tahoma, the face
# every Windows has and a fresh prefix lacks; with "no-tahoma" it keeps only what Wine
# lends it. A second argument sets the screen's dots per inch (LogPixels). The menu builder is
# off from the prefix's first start on.
wine_prefix() {
    local fonts=${1:-tahoma} dpi=${2:-96}
    export WINEDLLOVERRIDES=$wine_quiet_overrides
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

# The version CMakeLists.txt gives the project: the one place it is written.
project_version() {
    sed -n 's/^project(Lentaro VERSION \([0-9.]*\).*/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt"
}

# Exports SOURCE_DATE_EPOCH, the one date a reproducible build puts in its files: the last
# commit's time unless given. A build TREE made for another date is started afresh, since
# what it does not rebuild (the resources' times) holds that date.
source_date_epoch() {
    local tree=$1
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) ||
            { echo "not a git clone: set SOURCE_DATE_EPOCH" >&2; return 1; }
    fi
    export SOURCE_DATE_EPOCH
    if [ "$(cat "$tree/source-date-epoch" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
        rm -rf "$tree"
        mkdir -p "$tree"
        echo "$SOURCE_DATE_EPOCH" >"$tree/source-date-epoch"
    fi
}

# What the suite needs before it runs, from the repository's root: its packages, both
# build trees (plain and sanitized), and the sanitizers' settings.
prepare_suite() {
    scripts/deps test
    scripts/build plain
    scripts/build san
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}

# In a Thai locale Wine reads keys through the X input method, and sends each key down as
# VK_NONAME (0xFC) that is never released, its key up with the key's own code: no Windows
# does that, and Qt takes every key after the first for a repeat of it. Without the input
# method Wine sends keys as Windows does.
thai_keys() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXIM /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
}

# Everything a Wine run of Lentaro's sets up in a fresh WINEPREFIX, one copy for every script:
# quiet Wine without its menu builder and its .NET and browser installers, the prefix made (with or without
# Tahoma, at DPI dots per inch), keys as Windows sends them under a Thai locale, the
# colours LENTARO_WINE_COLOURS names (standard or high-contrast-black), and Qt's own Windows
# platform. Usage: wine_settings [tahoma|no-tahoma] [DPI]
wine_settings() {
    export WINEDEBUG=-all
    wine_prefix "${1:-tahoma}" "${2:-96}"
    case "${LC_ALL:-${LANG:-}}" in th_*) thai_keys ;; esac
    case "${LENTARO_WINE_COLOURS:-standard}" in
    standard) ;;
    high-contrast-black)
        # As Windows sets them when High Contrast Black is chosen: black page, white text, cyan
        # selection, yellow links (hot-tracking), green disabled text. Wine reads them as the
        # prefix starts, so it is started again after.
        local reg=$WINEPREFIX/high-contrast.reg
        {
            printf 'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\n'
            for colour in Background=0 Window=0 WindowText=255 WindowFrame=255 ButtonFace=0 \
                ButtonText=255 ButtonHilight=255 ButtonLight=255 ButtonShadow=128 ButtonDkShadow=255 \
                Menu=0 MenuBar=0 MenuText=255 InfoWindow=0 InfoText=255 ActiveTitle=0 TitleText=255 \
                InactiveTitle=0 AppWorkspace=0 Scrollbar=0 HilightText=0 \
                Hilight=26,235,255 MenuHilight=26,235,255 HotTrackingColor=255,255,0 \
                GrayText=63,242,63 InactiveTitleText=63,242,63; do
                rgb=${colour#*=}
                [[ $rgb == *,* ]] || rgb=$rgb,$rgb,$rgb
                printf '"%s"="%s"\n' "${colour%%=*}" "${rgb//,/ }"
            done
            printf '\n[HKEY_CURRENT_USER\\Control Panel\\Accessibility\\HighContrast]\n'
            printf '"Flags"="127"\n"High Contrast Scheme"="High Contrast Black"\n'
        } >"$reg"
        wine reg import "Z:$reg" >/dev/null 2>&1
        wineserver -k
        wineserver -w
        ;;
    *) echo "wine-run: unknown LENTARO_WINE_COLOURS '$LENTARO_WINE_COLOURS'" >&2; exit 2 ;;
    esac
    # with-display chose Qt's X11 platform; under Wine it is Windows' own. System DPI
    # awareness: the scale the tests measure is the prefix's one LogPixels, and the one
    # screen has no other to move to.
    export QT_QPA_PLATFORM=windows:dpiawareness=1
}

# Where Wine's menu builder would write menu entries, icons and file types into the user's
# own desktop, one line a file: the Windows tests leave all of it as they found it.
home_wine() {
    { find ~/.local/share/applications ~/.local/share/icons ~/.local/share/mime \
        ~/.local/share/desktop-directories ~/.config/menus -printf '%p %s %T@\n' 2>/dev/null || true; } | sort
}

# Builds one of the Windows tests' helper programs, scripts/windows-tests/NAME.c, into DIR
# (DIR/NAME.exe, or NAME.dll for a library), with any further compiler arguments given.
wine_helper() {
    local name=$1 dir=$2 out
    out=$dir/$name.exe
    case "$name" in planted) out=$dir/$name.dll ;; esac
    x86_64-w64-mingw32-gcc-posix -O2 -Wall -o "$out" \
        "$(dirname "${BASH_SOURCE[0]}")/windows-tests/$name.c" "${@:3}"
}
