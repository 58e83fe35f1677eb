#!/bin/bash
# The binary without any display: --help and --version answer on standard output with exit
# code 0, an unknown option on standard error with exit code 2. Their texts are core's.
set -euo pipefail

programm=$1
fehler() { echo "FEHLER: $*" >&2; exit 1; }
export ASAN_OPTIONS=detect_leaks=0
ohne_anzeige() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programm" "$@"; }

hilfe=$(ohne_anzeige --help) && [[ $hilfe == "Aufruf: lexidor"* ]] || fehler "--help: $hilfe"
[ "$(ohne_anzeige --version)" = "Karvello Lexidor 1.1" ] || fehler "--version"
status=0
meldung=$(ohne_anzeige --unsinn 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] && [ -n "$meldung" ] || fehler "unbekannte Option: $status, $meldung"
echo "ok"
