# Shared by the end-to-end tests: a private X server, a fresh program directory holding a
# copy of the program (when one is named), settings with the query direction 0 and no mapped
# key, card boxes in the file's format, polling with a deadline and clean-up on every exit.
# Sourced with the program's path as $1; afterwards the test runs inside "$ordner". A script
# that sets sitzungsbus=1 first runs again on a session bus of its own, which the AT-SPI bus
# goes with; the runtime folder it puts its socket into is private, so sessions stay apart.
set -euo pipefail
if [ -n "${sitzungsbus:-}" ] && [ -z "${LEXIDOR_SITZUNGSBUS:-}" ]; then
    laufzeit=$(mktemp -d)
    trap 'rm -rf "$laufzeit"' EXIT
    XDG_RUNTIME_DIR=$laufzeit LEXIDOR_SITZUNGSBUS=1 dbus-run-session -- "$0" "$@"
    exit
fi

programm=${1:+$(realpath "$1")}
quelle=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export LC_ALL=C ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb
ordner=$(mktemp -d)
# The private runtime folder a desktop session gives; the single-instance guard lives there.
export XDG_RUNTIME_DIR="$ordner/laufzeit"
# The data folder that a recovery copy goes to.
export XDG_DATA_HOME="$ordner/daten"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb_pid=
wm_pid=
programm_pid=
# Kills the program outright. Not SIGTERM: the program would write its files, perhaps into the
# folder being removed.
beenden() {
    [ -n "$programm_pid" ] && { kill -KILL "$programm_pid" && wait "$programm_pid"; } 2>/dev/null || true
    programm_pid=
}
aufraeumen() {
    beenden
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$ordner"
}
trap aufraeumen EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }
# Polls until the command succeeds, for at most 20 seconds; nothing waits a fixed time.
warten_bis() {
    local frist=$((SECONDS + 20))
    until "$@"; do
        [ "$SECONDS" -lt "$frist" ] || return 1
        sleep 0.02
    done
}

# Xvfb names its display once it takes connections. By default it resets when its last client
# leaves, and drops a client that connected meanwhile ("Can't open display" from xdotool just
# after the program was killed); -noreset keeps it serving.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 3>"$ordner/display" 2>/dev/null &
xvfb_pid=$!
warten_bis test -s "$ordner/display" || fehler "Xvfb startet nicht"
export DISPLAY=":$(cat "$ordner/display")"

# The test of the installed layout names no binary: it installs its own.
[ -z "$programm" ] || cp "$programm" "$ordner/lexidor"
cd "$ordner"
crlf() { printf '%s\r\n' "$@"; }
# The seven compartment markers, as the sample box has them.
mapfile -t marker < <(grep -a '^-----' "$quelle/data/Beispiel.vkd" | tr -d '\r')
karte() { crlf "$1" "$2" "" "true" "<<<<<>>>>>"; }
# A box due since 2020 with the cards (word, solution, word, ...) in compartment 1.
kartei() {
    crlf 01.01.2020 01.01.2020 01.01.2020 01.01.2020 "${marker[0]}"
    while [ $# -gt 1 ]; do karte "$1" "$2" && shift 2; done
    crlf "${marker[@]:1}"
}
crlf "[Optionen]" "Abfragerichtung=0" >lexidor.ini
for _ in $(seq 35); do crlf "(Nichts)"; done >sonderzeichen.ini

# Waits for a visible window whose title matches the pattern and prints its id.
fenster_warten() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1 | grep . ||
        fehler "kein Fenster $1"
}
# Waits for the main window showing the box, keeps its id in $haupt and gives it the focus.
haupt_warten() {
    haupt=$(fenster_warten "^Karvello Lexidor 1.1${1:+   -   $1}$")
    if [ -n "$wm_pid" ]; then
        xdotool windowactivate --sync "$haupt"
    else
        xdotool windowfocus --sync "$haupt"
    fi
}
# The title of the window that has the focus; without a window manager none is "active".
aktiver_titel() {
    xdotool getactivewindow getwindowname 2>/dev/null || xdotool getwindowfocus getwindowname
}
titel_ist() { [[ "$(aktiver_titel)" =~ $1 ]]; }
# Waits until the window with the focus has a title that matches the pattern: a dialog that
# opens or closes moves the focus.
aktiv_warten() {
    warten_bis titel_ist "$1" || fehler "aktiv ist \"$(aktiver_titel)\" statt $1"
}
# Presses the keys, then waits until the window whose title matches has the focus.
taste() {
    xdotool key --delay 80 "${@:2}"
    aktiv_warten "$1"
}
laeuft() { kill -0 "$programm_pid" 2>/dev/null; }
beendet() { ! laeuft; }
# Waits until the program has ended by itself, then checks its exit code.
ende_warten() {
    warten_bis beendet || fehler "das Programm hat sich nicht beendet"
    wait "$programm_pid" || fehler "Exit-Code $?"
    programm_pid=
}
# Starts openbox on the display, with a home of its own, and waits until it activates windows.
fenstermanager_starten() {
    HOME="$ordner/wm" openbox --sm-disable >"$ordner/openbox.log" 2>&1 &
    wm_pid=$!
    wm_bereit() { xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW; }
    warten_bis wm_bereit || fehler "openbox startet nicht: $(cat "$ordner/openbox.log")"
}
# Starts the program's copy, or the binary $start names, with the given arguments; its errors
# go to a file.
starten() {
    "${start:-$ordner/lexidor}" "$@" 2>>"$ordner/stderr" &
    programm_pid=$!
}
# With a folder named in $bilder, the screen is kept there, numbered, for a person to look
# at. Only the pictures need the window drawn, which nothing on the screen announces.
nummer=0
bild() {
    nummer=$((nummer + 1))
    [ -n "${bilder:-}" ] || return 0
    mkdir -p "$bilder"
    sleep 0.4
    import -window root "$bilder/$(printf '%02d-%s' "$nummer" "$1").png"
}
# A state a user meets: presses the keys, then waits as taste does and keeps the picture.
zustand() {
    taste "$1" "${@:3}"
    bild "$2"
}
