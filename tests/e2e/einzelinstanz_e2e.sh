#!/bin/bash
# One program at a time. Two starts in quick succession at a first start, while the first
# still shows "Fehler beim Laden der Sonderzeichen": one hands over and ends, one main window
# appears. A run killed with SIGKILL leaves its socket and lock behind, and the next start
# still runs. A start with a card box, from another folder and with a relative name, hands
# the box to the running program, which opens it; that start ends at once with 0.
source "$(dirname "$0")/xsitzung.sh" "$1"
rm sonderzeichen.ini

# Confirms the loading message of the running instance and waits for the main window.
meldung_bestaetigen() {
    xdotool windowfocus --sync "$(fenster_warten "^Karvello Lexidor$")"
    xdotool key Return
    fenster_warten "^Karvello Lexidor 1.1$" >/dev/null
}

./lexidor 2>/dev/null &
erster=$!
./lexidor 2>/dev/null &
zweiter=$!
# One of the two ends by itself, with exit code 0; the other keeps running.
einer_endet() { ! kill -0 "$erster" 2>/dev/null || ! kill -0 "$zweiter" 2>/dev/null; }
programm_pid=$erster
warten_bis einer_endet || { kill "$zweiter"; fehler "beide Starts laufen"; }
if laeuft; then beendet=$zweiter; else beendet=$erster programm_pid=$zweiter; fi
wait "$beendet" || fehler "der übergebende Start endete mit $?"
meldung_bestaetigen
[ "$(xdotool search --onlyvisible --name "^Karvello Lexidor 1.1$" | wc -l)" -eq 1 ] ||
    fehler "mehr als ein Hauptfenster"
laeuft || fehler "das laufende Programm ist fort"

beenden
ls "$XDG_RUNTIME_DIR"/lexidor-* >/dev/null || fehler "der getötete Lauf hinterließ nichts"
starten
meldung_bestaetigen

mkdir anderswo
kartei Baum tree >"anderswo/Zweite Kartei.vkd"
(cd anderswo && timeout 10 ../lexidor "Zweite Kartei.vkd") ||
    fehler "der zweite Start endete nicht mit 0"
fenster_warten "^Karvello Lexidor 1.1   -   Zweite Kartei.vkd$" >/dev/null
laeuft || fehler "das laufende Programm ist fort"
echo "ok"
