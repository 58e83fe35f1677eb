#!/bin/bash
# --help and --version answer in German on standard output without any display; an unknown
# option gets a German error and exit code 2.
set -euo pipefail

programm=$1
fehler() { echo "FEHLER: $*" >&2; exit 1; }
export ASAN_OPTIONS=detect_leaks=0
ohne_anzeige() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programm" "$@"; }

for option in --help -h; do
    ausgabe=$(ohne_anzeige "$option") || fehler "$option endete mit $?"
    grep -q "^Aufruf: lexidor" <<<"$ausgabe" || fehler "$option: $ausgabe"
    grep -q "Strg+Alt+W" <<<"$ausgabe" || fehler "$option nennt die Tastenkombination nicht"
done
[ "$(ohne_anzeige --version)" = "Karvello Lexidor 1.1" ] || fehler "--version"
status=0
meldung=$(ohne_anzeige --unsinn 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] || fehler "unbekannte Option: Exit-Code $status"
grep -q "unbekannte Option „--unsinn“" <<<"$meldung" || fehler "unbekannte Option: $meldung"
echo "ok"
