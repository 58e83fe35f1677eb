#!/bin/bash
# Two starts in quick succession at a first start, while the first still shows "Fehler beim
# Laden der Sonderzeichen": one hands over and ends, one main window appears. Then a run
# killed with SIGKILL leaves its socket and lock behind, and the next start still runs.
set -euo pipefail

source "$(dirname "$0")/xsitzung.sh"

crlf "[Optionen]" "Abfragerichtung=0" >"$ordner/lexidor.ini"
cd "$ordner"

# Waits for the loading message of the running instance, confirms it and waits for the
# main window; prints the main window's id.
meldung_bestaetigen() {
    local meldung
    meldung=$(fenster_warten "^Karvello Lexidor$") || fehler "keine Meldung beim Start"
    xdotool windowfocus --sync "$meldung"
    xdotool key Return
    fenster_warten "^Karvello Lexidor 1.1$" || fehler "kein Hauptfenster"
}

./lexidor 2>/dev/null &
erster=$!
./lexidor 2>/dev/null &
zweiter=$!
# One of the two ends by itself, with exit code 0; the other keeps running.
einer_endet() { ! kill -0 "$erster" 2>/dev/null || ! kill -0 "$zweiter" 2>/dev/null; }
programm_pid=$erster
warten_bis einer_endet || { kill "$zweiter"; fehler "beide Starts laufen"; }
if kill -0 "$erster" 2>/dev/null; then beendet=$zweiter; else beendet=$erster programm_pid=$zweiter; fi
wait "$beendet" || fehler "der übergebende Start endete mit $?"
meldung_bestaetigen >/dev/null
[ "$(xdotool search --onlyvisible --name "^Karvello Lexidor 1.1$" | wc -l)" -eq 1 ] ||
    fehler "mehr als ein Hauptfenster"
kill -0 "$programm_pid" || fehler "das laufende Programm ist fort"

kill -9 "$programm_pid"
wait "$programm_pid" 2>/dev/null || true
ls "$XDG_RUNTIME_DIR"/lexidor-* >/dev/null || fehler "der getötete Lauf hinterließ nichts"
./lexidor 2>/dev/null &
programm_pid=$!
meldung_bestaetigen >/dev/null
echo "ok"
