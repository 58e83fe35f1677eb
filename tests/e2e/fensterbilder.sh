#!/bin/bash
# Screenshots of every window in the states a user meets, under Xvfb with openbox, to be
# looked at by a person: tests/e2e/fensterbilder.sh build/lexidor ordner-fuer-die-bilder
# Each picture is the whole 1024x768 screen; fenster.txt beside them lists every window's
# frame, caption and window-manager hints. Reached by keyboard where the program offers a
# key; menus and toolbar buttons without one are clicked at their place in the window.
set -euo pipefail

programm=$(realpath "$1")
bilder=$(realpath -m "$2")
quelle=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$bilder"
rm -f "$bilder"/*.png "$bilder/fenster.txt"

source "$(dirname "$0")/xsitzung.sh" "$programm"
openbox >/dev/null 2>&1 &
wm_pid=$!
trap 'kill $wm_pid 2>/dev/null || true; aufraeumen' EXIT
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

cp "$quelle/data/Beispiel.vkd" "$quelle/data/sonderzeichen.ini" "$ordner/"
cd "$ordner"

nummer=0
bild() {
    sleep 0.4
    nummer=$((nummer + 1))
    local name
    name=$(printf '%02d-%s' "$nummer" "$1")
    import -window root "$bilder/$name.png"
    local w
    w=$(xdotool getactivewindow)
    {
        echo "== $name: \"$(xprop -id "$w" _NET_WM_NAME | sed 's/^[^=]*= //')\""
        xwininfo -id "$w" | grep -E 'Absolute|Width|Height' | tr -s ' '
        xprop -id "$w" _NET_FRAME_EXTENTS _MOTIF_WM_HINTS _NET_WM_ALLOWED_ACTIONS
    } >>"$bilder/fenster.txt"
}
taste() {
    xdotool key --delay 80 "$@"
    sleep 0.3
}
# A point in the main window's client area.
klick() {
    xdotool mousemove --window "$(xdotool search --name '^Karvello Lexidor 1.1' | head -1)" \
        "$1" "$2" click 1
    sleep 0.4
}
starten() {
    ./lexidor "$@" 2>>"$ordner/stderr" &
    programm_pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name "Karvello Lexidor" >/dev/null
    sleep 0.8
}
beenden() {
    kill "$programm_pid" 2>/dev/null || true
    wait "$programm_pid" 2>/dev/null || true
    programm_pid=
}

# A missing card box named on the command line: the load error, then the empty main window.
starten "$ordner/fehlt.vkd"
bild ladefehler
taste Return
bild hauptfenster-ohne-kartei
beenden

# Every card learned: nothing to ask.
{
    for _ in 1 2 3 4; do printf '01.01.2020\r\n'; done
    printf '%s\r\n' "-----------Anfang der Datei / Anfang Fach1----------" \
        "----------------ENDE Fach1 / Anfang Fach2-----------" \
        "---------------ENDE Fach2 / Anfang Fach3 -----------" \
        "--------------ENDE Fach3 / Anfang Fach4-------------" \
        "-------------ENDE Fach4 / Anfang Fach5--------------" \
        "-----------ENDE Fach5 / Anfang Fach6 -------------" \
        "Haus" "house" "" "true" "<<<<<>>>>>" \
        "----------ENDE Fach6 / ENDE DER DATEI --------------"
} >gelernt.vkd
starten "$ordner/gelernt.vkd"
bild nichts-zu-lernen
beenden

starten "$ordner/Beispiel.vkd"
bild abfrage-offen
taste F9
bild abfrage-aufgedeckt
taste f
xdotool type --delay 60 "falsch"
taste F10
bild abfrage-abgelehnt
taste F10

taste F5
bild hinzufuegen
taste F10
bild hinzufuegen-leer-abgelehnt
taste alt+F4

taste F6
bild liste-erstes-mal
taste Down Tab space
bild bearbeiten
taste alt+F4
taste Tab Tab Tab Tab Tab Tab space
taste F6
bild liste-zweites-mal
taste alt+F4

taste ctrl+e
bild einstellungen
taste alt+F4

taste F1
bild hilfehinweis
sleep 3

klick 556 48
bild info
taste alt+F4

# Optionen > Tastaturbelegung, then the picker for the first key.
klick 152 9
taste Down Down Return
bild tastaturbelegung
taste Down Tab space
bild zeichenwahl
taste alt+F4
taste Tab Tab space

# Kartei > Speichern unter... onto a name that a folder holds, so writing fails.
mkdir ordner.vkd
klick 16 9
taste Down Down Down Down Return
sleep 1
xdotool type --delay 120 "ordner"
taste Return
bild speichern-unter-fehler
taste Return
bild titel-nach-fehler

taste ctrl+w
bild ungesichert-frage
taste Escape
beenden
echo "ok: $nummer Bilder in $bilder"
