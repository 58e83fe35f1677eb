#!/bin/bash
# The real program in a fresh program directory under Xvfb: a box named on the command line,
# one answer checked by the program (typed through a mapped key), one checked by the user,
# a second start that must hand over, Ctrl+S, "Beenden" from the menu, and the files left
# behind. The keys reach one window in order, so none waits for the one before.
set -euo pipefail

source "$(dirname "$0")/xsitzung.sh"

karte() { crlf "$(printf 'H\xe4uschen')" "house" "" "true" "<<<<<>>>>>"; }
{
    crlf 01.01.2020 01.01.2020 01.01.2020 01.01.2020 "${marker[0]}"
    karte
    karte
    for i in 1 2 3 4 5 6; do crlf "${marker[$i]}"; done
} >"$ordner/box.vkd"
# The key "1" types "house"; German is asked, the foreign side is typed.
{
    crlf "house"
    for _ in $(seq 34); do crlf "(Nichts)"; done
} >"$ordner/sonderzeichen.ini"
cp "$ordner/sonderzeichen.ini" "$ordner/sonderzeichen.vorher"
crlf "[Optionen]" "Abfragerichtung=0" >"$ordner/lexidor.ini"

starten "$ordner/box.vkd"
fenster=$(fenster_warten "^Karvello Lexidor 1.1   -   box.vkd$") ||
    fehler "das Hauptfenster zeigt die Kartei nicht"
xdotool windowfocus --sync "$fenster"
xdotool type --delay 50 "1"
xdotool key F10 F9 r

# A second start hands over to the running one and ends at once.
timeout 10 ./lexidor "$ordner/box.vkd" 2>/dev/null || fehler "der zweite Start endete nicht mit 0"
xdotool windowfocus --sync "$fenster"
# Kartei > Beenden by keyboard; the box is saved, so no question comes.
xdotool key ctrl+s alt Down Up Return
ende_warten

erwartet() {
    for tage in 3 10 30 90; do crlf "$(date -d "+$tage days" +%d.%m.%Y)"; done
    crlf "${marker[0]}" "${marker[1]}"
    karte
    karte
    for i in 2 3 4 5 6; do crlf "${marker[$i]}"; done
}
cmp <(erwartet) box.vkd || fehler "box.vkd ist nicht wie erwartet: $(cat -A box.vkd)"
cmp <(crlf "$ordner/box.vkd" none none none) history.ini || fehler "history.ini: $(cat -A history.ini)"
cmp sonderzeichen.vorher sonderzeichen.ini || fehler "sonderzeichen.ini hat sich verändert"
grep -q $'^Abfragerichtung=0\r$' lexidor.ini || fehler "lexidor.ini: $(cat -A lexidor.ini)"
grep -q $'^Form10Sichtbar=' lexidor.ini || fehler "lexidor.ini ohne Form10Sichtbar"
echo "ok"
