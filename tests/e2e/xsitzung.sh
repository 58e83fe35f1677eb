# Shared by the end-to-end tests: a private X server, a fresh program directory holding a
# copy of the program (when one is named), the card-box file's lines and clean-up on every
# exit.
# Sourced with the program's path as $1; afterwards the test runs inside "$ordner".

programm=$1
export LC_ALL=C ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb
ordner=$(mktemp -d)
# The private runtime folder a desktop session gives; the single-instance guard lives there.
export XDG_RUNTIME_DIR="$ordner/laufzeit"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb_pid=
wm_pid=
programm_pid=
aufraeumen() {
    [ -n "$programm_pid" ] && kill "$programm_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$ordner"
}
trap aufraeumen EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$ordner/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$ordner/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$ordner/display")"

# The test of the installed layout names no binary: it installs its own.
[ -z "$programm" ] || cp "$programm" "$ordner/lexidor"
crlf() { printf '%s\r\n' "$@"; }
marker=(
    "-----------Anfang der Datei / Anfang Fach1----------"
    "----------------ENDE Fach1 / Anfang Fach2-----------"
    "---------------ENDE Fach2 / Anfang Fach3 -----------"
    "--------------ENDE Fach3 / Anfang Fach4-------------"
    "-------------ENDE Fach4 / Anfang Fach5--------------"
    "-----------ENDE Fach5 / Anfang Fach6 -------------"
    "----------ENDE Fach6 / ENDE DER DATEI --------------"
)

# Waits for a window whose title matches the pattern and prints its id.
fenster_warten() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1
}
# Waits until the program has ended by itself, then checks its exit code.
ende_warten() {
    for _ in $(seq 100); do kill -0 "$programm_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$programm_pid" 2>/dev/null && fehler "das Programm hat sich nicht beendet"
    wait "$programm_pid" || fehler "Exit-Code $?"
    programm_pid=
}
# Starts openbox on the display and waits until it manages windows.
fenstermanager_starten() {
    openbox --sm-disable >"$ordner/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 400); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        kill -0 "$wm_pid" 2>/dev/null || break
        sleep 0.05
    done
    fehler "openbox startet nicht: $(cat "$ordner/openbox.log")"
}
