#!/bin/bash
# FIFOs in place of files: one named as the card box on the command line and one as
# "history.ini". Neither may hang the program: it starts, the load message comes, and no box is
# open afterwards.
set -euo pipefail

source "$(dirname "$0")/xsitzung.sh"

for _ in $(seq 35); do crlf "(Nichts)"; done >"$ordner/sonderzeichen.ini"
mkfifo "$ordner/box.vkd" "$ordner/history.ini"

starten "$ordner/box.vkd"
# The information message has the application title as its caption.
meldung=$(fenster_warten "^Karvello Lexidor$") ||
    fehler "keine Lademeldung: das Programm hängt an einem FIFO"
xdotool windowfocus --sync "$meldung"
xdotool key Return
fenster_warten "^Karvello Lexidor 1.1$" >/dev/null || fehler "das Hauptfenster fehlt"
[ -p box.vkd ] && [ -p history.ini ] || fehler "ein FIFO wurde ersetzt"
echo "ok"
