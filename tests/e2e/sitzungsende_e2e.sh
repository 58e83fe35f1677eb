#!/bin/bash
# SIGTERM (the session ends) with an answer not yet saved: the program ends with 0, writes its
# own files beside itself, leaves the box as it was and the answered cards in a recovery copy.
# The next start offers the copy, opens it as the unsaved box and removes it; saving then
# writes the answers, with the next dates counted from today's.
source "$(dirname "$0")/xsitzung.sh" "$1"
kartei Baum tree >box.vkd
cp box.vkd box.vorher
kopie="$XDG_DATA_HOME/lexidor/Wiederherstellung.vkd"

starten "$ordner/box.vkd"
haupt_warten box.vkd
# The card is judged right by the user: it moves to compartment 2, unsaved.
xdotool key F9 r
kill -TERM "$programm_pid"
ende_warten
[ -s "$kopie" ] || fehler "keine Wiederherstellungskopie"
cmp -s box.vorher box.vkd || fehler "die Kartei wurde ohne Zustimmung überschrieben"
cmp -s box.vorher "$kopie" && fehler "die Kopie hält die Antwort nicht"
grep -q "box.vkd" history.ini || fehler "history.ini nicht geschrieben"

starten
xdotool windowfocus --sync "$(fenster_warten "^Ungesicherte .*gefunden$")"
xdotool key Return
haupt_warten box.vkd
[ -e "$kopie" ] && fehler "die Kopie ist nach der Frage noch da"
cmp -s box.vorher box.vkd || fehler "die Kartei wurde ohne Zustimmung überschrieben"
xdotool key ctrl+s
warten_bis sh -c '! cmp -s box.vorher box.vkd' || fehler "Speichern schrieb nichts"
# Compartment 2 holds the card now, as in the copy.
fach2=$(crlf "${marker[1]}" && karte Baum tree && crlf "${marker[2]}")
[ "$(sed -n '/ENDE Fach1/,/ENDE Fach2/p' box.vkd)" = "$fach2" ] ||
    fehler "die Antwort fehlt in der gespeicherten Kartei: $(cat -A box.vkd)"
[ "$(head -1 box.vkd)" = "$(date -d "+3 days" +%d.%m.%Y)"$'\r' ] ||
    fehler "Datum: $(head -1 box.vkd)"
echo "ok"
