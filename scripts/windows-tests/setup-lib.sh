# SPDX-License-Identifier: GPL-3.0-or-later
# What the installer cases share, sourced by scripts/windows-tests/setup, which sets WORK
# (its work folder, with probe.exe and the 0.9 installer), VERSION and THAI first.
setup=$(ls build-win/lentaro-*-setup.exe)
old=$WORK/setup-0.9.exe
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lentaro'
failed=0
result() { if [ "$2" = 0 ]; then echo "passed $1"; else echo "FAILED $1"; failed=1; fi; }
fail() { echo "$*"; return 1; }
# A prefix of its own for each case, with one server for all its programs.
fresh() {
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null
    export WINEPREFIX=$WORK/$1
    mkdir -p "$WINEPREFIX"
    wine_settings
    wineserver -p
    c=$WINEPREFIX/drive_c
    dir="$c/Program Files/Kestrano"
    link="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Lentaro.lnk"
}
# The entry under Installed apps, one NAME=VALUE a line.
entry() {
    wine reg query "$key" 2>/dev/null | tr -d '\r' | sed -nE 's/^    (\w+)    REG_\w+    (.*)$/\1=\2/p' | LC_ALL=C sort
}
value() { entry | sed -n "s/^$1=//p"; }
# What an installer or uninstaller could change: the files, the shortcut and the entry.
state() {
    (cd "$dir" 2>/dev/null && sha256sum -- *)
    [ -e "$link" ] && echo shortcut
    entry
}
# Waits, up to two minutes (a fresh prefix's first window is slow on a busy machine), for the
# visible windows to show every TEXT at once, in their titles or controls.
shows() {
    local texts= want
    for _ in $(seq 120); do
        sleep 0.5
        texts=$(wine "Z:$WORK/probe.exe" texts 2>/dev/null | tr -d '\r')
        for want in "$@"; do grep -qF -- "$want" <<<"$texts" || continue 2; done
        return 0
    done
    fail "no window showed all of: $*; the short texts shown: $(grep -vE '^.{80}|^ |^$' <<<"$texts" | tr '\n' '|')"
}
# Starts the installed Lentaro and waits for its window; stop_lentaro ends it as a user does.
start_lentaro() {
    wine "C:\\Program Files\\Kestrano\\lentaro.exe" >/dev/null 2>&1 &
    lentaro=$!
    wait_for_window '^Lentaro$' 60 >/dev/null
}
stop_lentaro() {
    xdotool windowactivate --sync "$(wait_for_window '^Lentaro$' 5)" key ctrl+x
    wait "$lentaro"
}
# Waits up to a minute for the program started in the background as PID to end, and
# returns its exit code.
ended() {
    for _ in $(seq 120); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return; }
        sleep 0.5
    done
    echo "still running after a minute"
    wineserver -k
    return 124
}
# Presses KEY in the installer's or uninstaller's window.
press() {
    xdotool windowactivate --sync "$(wait_for_window '^Lentaro [0-9.]+ ' 10)" key "$1"
}
# Runs PROGRAM (with ARGS) for a user, waits for it to show TEXT, answers with KEY and
# checks that it ended with exit code 2 and had changed nothing.
answered() {
    local text=$1 key=$2 before pid code=0
    before=$(state)
    wine "${@:3}" >/dev/null 2>&1 &
    pid=$!
    shows "$text" || { wineserver -k; return 1; }
    press "$key"
    ended "$pid" || code=$?
    [ "$code" = 2 ] || fail "$* ended with $code after $key" || return 1
    [ "$(state)" = "$before" ] || fail "$* changed the installation"
}
# Runs PROGRAM (with ARGS, /S among them) and checks that it ended with exit code 2 and
# changed nothing.
refused() {
    local before code=0
    before=$(state)
    wine "$@" || code=$?
    [ "$code" = 2 ] || fail "$* ended with $code" || return 1
    [ "$(state)" = "$before" ] || fail "$* changed the installation"
}
