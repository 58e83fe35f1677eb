#!/bin/bash
# Every window in the states a user meets, under Xvfb with the openbox window manager: where
# each window stands, its caption, and the title-bar buttons it asks the window manager for.
#   tests/e2e/fenster_e2e.sh build/lexidor [ordner]
# With a folder, each state is also kept as a screenshot of the 1024x768 screen, for a person
# to look at, and fenster.txt beside them lists each window's frame, caption and hints.
# Windows are reached by keyboard where the program offers a key; a menu or toolbar button
# without one is clicked at its place in the main window.
set -euo pipefail

programm=$(realpath "$1")
bilder=
[ -z "${2:-}" ] || bilder=$(realpath -m "$2")
quelle=$(cd "$(dirname "$0")/../.." && pwd)
if [ -n "$bilder" ]; then
    mkdir -p "$bilder"
    rm -f "$bilder"/*.png "$bilder/fenster.txt"
fi

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
    [ -n "$bilder" ] || return 0
    local name
    name=$(printf '%02d-%s' "$nummer" "$1")
    import -window root "$bilder/$name.png"
    local w
    w=$(xdotool getactivewindow)
    {
        echo "== $name: $(xprop -id "$w" _NET_WM_NAME | sed 's/^[^=]*= //')"
        xwininfo -id "$w" | grep -E 'Absolute|Width|Height' | tr -s ' '
        xprop -id "$w" _NET_FRAME_EXTENTS _MOTIF_WM_HINTS _NET_WM_ALLOWED_ACTIONS
    } >>"$bilder/fenster.txt"
}

# The active window's frame as "left top width height".
rahmen() {
    local w x y b h
    w=$(xdotool getactivewindow)
    eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/ {print "x=" $4}
        /Absolute upper-left Y/ {print "y=" $4} /Width/ {print "b=" $2} /Height/ {print "h=" $2}')"
    read -r l r o u < <(xprop -id "$w" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
    echo "$((x - l)) $((y - o)) $((b + l + r)) $((h + o + u))"
}
# The active window's frame stands in the middle of the 1024x768 screen, give or take 3 pixels.
mittig() {
    local l o b h
    read -r l o b h < <(rahmen)
    local dx=$((2 * l + b - 1024)) dy=$((2 * o + h - 768))
    [ "${dx#-}" -le 6 ] && [ "${dy#-}" -le 6 ] || fehler "$1 steht nicht mittig: $l $o $b $h"
}
# The title-bar buttons the active window asks for, from its Motif hints: MWM functions
# minimise 8, maximise 16, close 32; without the functions flag the window manager offers all.
knoepfe() {
    local flags funktionen
    read -r flags funktionen _ < <(xprop -id "$(xdotool getactivewindow)" _MOTIF_WM_HINTS |
        sed 's/.*= //; s/,/ /g')
    if (((flags & 1) == 0)); then
        echo "alle"
        return
    fi
    local k=""
    ((funktionen & 8)) && k+="min "
    ((funktionen & 16)) && k+="max "
    ((funktionen & 32)) && k+="close "
    echo "${k% }"
}
pruefe_knoepfe() {
    [ "$(knoepfe)" = "$2" ] || fehler "$1 fragt nach den Knöpfen \"$(knoepfe)\" statt \"$2\""
}
aktiv_ist() {
    local name
    name=$(xdotool getactivewindow getwindowname)
    [ "$name" = "$1" ] || fehler "aktiv ist \"$name\" statt \"$1\""
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
aktiv_ist "Karvello Lexidor"
mittig "die Ladefehlermeldung"
taste Return
bild hauptfenster-ohne-kartei
aktiv_ist "Karvello Lexidor 1.1"
mittig "das Hauptfenster"
pruefe_knoepfe "das Hauptfenster" "min close"
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
pruefe_knoepfe "der Hinzufügen-Dialog" "close"
taste F10
bild hinzufuegen-leer-abgelehnt
taste alt+F4

taste F6
bild liste-erstes-mal
aktiv_ist "Vokabelliste  (Doppelklicken zum Bearbeiten)"
mittig "die Vokabelliste"
pruefe_knoepfe "die Vokabelliste" ""
erstes_mal=$(rahmen)
taste Down Tab space
bild bearbeiten
aktiv_ist "Vokabel bearbeiten..."
taste alt+F4
taste Tab Tab Tab Tab Tab Tab space
taste F6
bild liste-zweites-mal
[ "$(rahmen)" = "$erstes_mal" ] || fehler "die Liste steht beim zweiten Mal woanders: $(rahmen)"
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
aktiv_ist "Tastaturbelegung"
pruefe_knoepfe "die Tastaturbelegung" ""
taste Down Tab space
bild zeichenwahl
pruefe_knoepfe "die Zeichenwahl" "close"
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
# Qt would show the program's name and openbox "Unnamed Window" for an empty caption.
fenster=$(xdotool getactivewindow)
xprop -id "$fenster" _NET_WM_NAME | grep -qx '_NET_WM_NAME(UTF8_STRING) = " "' ||
    fehler "die Titelleiste zeigt $(xprop -id "$fenster" _NET_WM_NAME)"
xprop -id "$fenster" _NET_WM_VISIBLE_NAME | grep -qx '_NET_WM_VISIBLE_NAME(UTF8_STRING) = " "' ||
    fehler "openbox zeigt $(xprop -id "$fenster" _NET_WM_VISIBLE_NAME)"

taste ctrl+w
bild ungesichert-frage
aktiv_ist "Die momentan geöffnete Datei wurde nicht gesichert"
mittig "die Frage nach ungesicherten Änderungen"
taste Escape
beenden
echo "ok: $nummer Zustände${bilder:+, Bilder in $bilder}"
