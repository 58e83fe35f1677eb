#!/bin/bash
# SIGTERM (the session ends) with an answer not yet saved: the program ends with 0, writes its
# own files, leaves the box as it was and the answered cards in a recovery copy. The next start
# offers the copy, opens it as the unsaved box and removes it; saving then writes the answers.
set -euo pipefail

source "$(dirname "$0")/xsitzung.sh"

for _ in $(seq 35); do crlf "(Nichts)"; done >"$ordner/sonderzeichen.ini"
crlf "[Optionen]" "Abfragerichtung=0" >"$ordner/lexidor.ini"
{
    crlf 01.01.2020 01.01.2020 01.01.2020 01.01.2020 "${marker[0]}"
    crlf "Baum" "tree" "" "true" "<<<<<>>>>>"
    for i in 1 2 3 4 5 6; do crlf "${marker[$i]}"; done
} >"$ordner/box.vkd"
cp "$ordner/box.vkd" "$ordner/box.vorher"
kopie="$XDG_DATA_HOME/lexidor/Wiederherstellung.vkd"

starten "$ordner/box.vkd"
fenster=$(fenster_warten "^Karvello Lexidor 1.1   -   box.vkd$") || fehler "die Kartei fehlt"
xdotool windowfocus --sync "$fenster"
# The card is judged right by the user: it moves to compartment 2, unsaved.
xdotool key F9 r
kill -TERM "$programm_pid"
ende_warten
[ -s "$kopie" ] || fehler "keine Wiederherstellungskopie"
cmp -s box.vorher box.vkd || fehler "die Kartei wurde ohne Zustimmung überschrieben"
cmp -s box.vorher "$kopie" && fehler "die Kopie hält die Antwort nicht"
cp "$kopie" kopie.vorher
[ -s history.ini ] && grep -q "box.vkd" history.ini || fehler "history.ini nicht geschrieben"

starten
frage=$(fenster_warten "^Ungesicherte .*gefunden$") || fehler "keine Frage beim Start"
xdotool windowfocus --sync "$frage"
xdotool key Return
fenster=$(fenster_warten "^Karvello Lexidor 1.1   -   box.vkd$") || fehler "nicht wiederhergestellt"
[ -e "$kopie" ] && fehler "die Kopie ist nach der Frage noch da"
cmp -s box.vorher box.vkd || fehler "die Kartei wurde ohne Zustimmung überschrieben"
xdotool windowfocus --sync "$fenster"
xdotool key ctrl+s
warten_bis sh -c '! cmp -s box.vorher box.vkd' || fehler "Speichern schrieb nichts"
# Compartment 2 holds the card now, as in the copy.
grep -qx $'Baum\r' <(sed -n '/ENDE Fach1/,/ENDE Fach2/p' box.vkd) ||
    fehler "die Antwort fehlt in der gespeicherten Kartei: $(cat -A box.vkd)"
echo "ok"
