#!/bin/bash
# The real program under Xvfb and openbox: two cards added through the add dialog, one of
# them found and deleted in the vocabulary list, the box saved and its file checked; then
# Ctrl+Alt+W pressed while another program's window has the focus must start the effect (the
# window blinks). Every control is reached by keyboard.
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

fenstermanager_starten
starten "$ordner/box.vkd"
titel="^Karvello Lexidor 1.1   -   box.vkd$"
haupt=$(fenster_warten "$titel") || fehler "das Hauptfenster zeigt die Kartei nicht"
xdotool windowactivate --sync "$haupt"
aktiv_warten "$titel"

xdotool key F5
aktiv_warten "^Vokabeln hinzuf.*gen\.\.\.$"
for paar in "tree Baum" "cat Katze"; do
    set -- $paar
    xdotool type --delay 30 "$1"
    xdotool key Tab
    xdotool type --delay 30 "$2"
    xdotool key F10
done
# "Fertig" takes no focus; the close box does the same.
xdotool key alt+F4
aktiv_warten "$titel"

xdotool key F6
aktiv_warten "^Vokabelliste  \(Doppelklicken zum Bearbeiten\)$"
# The list has the focus: four Tabs reach the search field, Enter puts the focus on the hit,
# two Tabs reach "Löschen", and Shift+Tab from the list reaches "Fertig".
xdotool key Tab Tab Tab Tab
xdotool type --delay 30 "Baum"
xdotool key Return Tab Tab space shift+Tab space
aktiv_warten "$titel"
xdotool key ctrl+s

fach1() {
    awk -v von="${marker[0]}"$'\r' -v bis="${marker[1]}"$'\r' \
        '$0 == von { drin = 1 } drin { print } $0 == bis { exit }' box.vkd
}
erwartet=$({
    crlf "${marker[0]}"
    karte Haus house
    karte Katze cat
    crlf "${marker[1]}"
})
gespeichert() { [ "$(fach1)" = "$erwartet" ]; }
warten_bis gespeichert || fehler "Fach 1 ist nicht wie erwartet: $(cat -A box.vkd)"

xmessage -geometry +700+600 "Ein anderes Programm" 2>/dev/null &
anderes=$(fenster_warten "^xmessage$") || fehler "xmessage startet nicht"
xdotool windowactivate --sync "$anderes"
xdotool key ctrl+alt+w
versteckt() { xwininfo -id "$haupt" | grep -q IsUnMapped; }
warten_bis versteckt || fehler "Strg+Alt+W in einem anderen Fenster startet den Wirbel nicht"
echo "ok"
