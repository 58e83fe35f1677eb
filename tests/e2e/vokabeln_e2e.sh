#!/bin/bash
# The real program under Xvfb: two cards added through the add dialog, one of them found and
# deleted in the vocabulary list, the box saved and its file checked; then Ctrl+Alt+W pressed
# while another program's window has the focus must start the effect (the window blinks).
set -euo pipefail

source "$(dirname "$0")/xsitzung.sh"

karte() { crlf "$1" "$2" "" "true" "<<<<<>>>>>"; }
{
    crlf 01.01.2020 01.01.2020 01.01.2020 01.01.2020 "${marker[0]}"
    karte Haus house
    for i in 1 2 3 4 5 6; do crlf "${marker[$i]}"; done
} >"$ordner/box.vkd"
for _ in $(seq 35); do crlf "(Nichts)"; done >"$ordner/sonderzeichen.ini"
crlf "[Optionen]" "Abfragerichtung=0" >"$ordner/lexidor.ini"

cd "$ordner"
./lexidor "$ordner/box.vkd" 2>"$ordner/stderr" &
programm_pid=$!
haupt=$(fenster_warten "^Karvello Lexidor 1.1   -   box.vkd$") ||
    fehler "das Hauptfenster zeigt die Kartei nicht"
sleep 0.3

# Without a window manager the focus does not return by itself when a dialog closes.
tippen_in() {
    xdotool windowfocus --sync "$1"
    xdotool key "${@:2}"
}
klicken() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

tippen_in "$haupt" F5
dialog=$(fenster_warten "^Vokabeln hinzuf.*gen\.\.\.$") || fehler "F5 öffnet den Dialog nicht"
sleep 0.3
for paar in "tree Baum" "cat Katze"; do
    set -- $paar
    xdotool type --delay 30 "$1"
    xdotool key Tab
    xdotool type --delay 30 "$2"
    xdotool key F10
    sleep 0.3
done
klicken "$dialog" 468 247 # "Fertig (Fenster schließen)"

tippen_in "$haupt" F6
liste=$(fenster_warten "^Vokabelliste  \(Doppelklicken zum Bearbeiten\)$") ||
    fehler "F6 öffnet die Liste nicht"
sleep 0.3
klicken "$liste" 380 497 # the search field
xdotool type --delay 30 "Baum"
xdotool key Return
sleep 0.3
klicken "$liste" 143 497 # "Löschen"
klicken "$liste" 668 497 # "Fertig (Fenster schließen)"
tippen_in "$haupt" ctrl+s
sleep 0.5

fach1=$(awk -v von="${marker[0]}"$'\r' -v bis="${marker[1]}"$'\r' \
    '$0 == von { drin = 1 } drin { print } $0 == bis { exit }' box.vkd)
erwartet=$({
    crlf "${marker[0]}"
    karte Haus house
    karte Katze cat
    crlf "${marker[1]}"
})
[ "$fach1" = "$erwartet" ] || fehler "Fach 1 ist nicht wie erwartet: $(cat -A box.vkd)"

xmessage -geometry +700+600 "Ein anderes Programm" 2>/dev/null &
anderes=$(fenster_warten "^xmessage$") || fehler "xmessage startet nicht"
xdotool windowfocus --sync "$anderes"
xdotool key ctrl+alt+w
for _ in $(seq 100); do
    xwininfo -id "$haupt" | grep -q IsUnMapped && { echo "ok"; exit 0; }
    sleep 0.02
done
fehler "Strg+Alt+W in einem anderen Fenster startet den Wirbel nicht"
