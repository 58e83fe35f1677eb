#!/bin/bash
# A second start with a card box, from another folder and with a relative name, hands the box
# to the running program, which opens it; the second start ends at once with 0.
set -euo pipefail

source "$(dirname "$0")/xsitzung.sh"

for _ in $(seq 35); do crlf "(Nichts)"; done >"$ordner/sonderzeichen.ini"
mkdir "$ordner/anderswo"
{
    crlf 01.01.2020 01.01.2020 01.01.2020 01.01.2020 "${marker[0]}"
    crlf "Baum" "tree" "" "true" "<<<<<>>>>>"
    for i in 1 2 3 4 5 6; do crlf "${marker[$i]}"; done
} >"$ordner/anderswo/Zweite Kartei.vkd"

starten
fenster_warten "^Karvello Lexidor 1.1$" >/dev/null || fehler "kein Hauptfenster"
(cd "$ordner/anderswo" && timeout 10 "$ordner/lexidor" "Zweite Kartei.vkd") ||
    fehler "der zweite Start endete nicht mit 0"
fenster_warten "^Karvello Lexidor 1.1   -   Zweite Kartei.vkd$" >/dev/null ||
    fehler "die übergebene Kartei ist nicht geöffnet"
laeuft || fehler "das laufende Programm ist fort"
echo "ok"
