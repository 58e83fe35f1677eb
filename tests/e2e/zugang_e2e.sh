#!/bin/bash
# Assistive tools under Xvfb with a session bus and an AT-SPI bus of their own: the real
# program read over AT-SPI as a screen reader reads it (zugang_atspi.py).
set -euo pipefail

# The session bus lives as long as this script; the AT-SPI bus and its registry go with it.
if [ -z "${LEXIDOR_SITZUNGSBUS:-}" ]; then
    LEXIDOR_SITZUNGSBUS=1 exec dbus-run-session -- "$0" "$@"
fi
hier=$(cd "$(dirname "$0")" && pwd)
source "$hier/xsitzung.sh"
# Starts the AT-SPI bus (D-Bus activation) and waits for its address.
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress >/dev/null || fehler "kein AT-SPI-Bus"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

crlf 01.01.2020 01.01.2020 01.01.2020 01.01.2020 "${marker[0]}" "Haus" "house" "" "true" \
    "<<<<<>>>>>" "${marker[@]:1}" >"$ordner/box.vkd"
crlf "[Optionen]" "Abfragerichtung=0" >"$ordner/lexidor.ini"
for _ in $(seq 35); do crlf "(Nichts)"; done >"$ordner/sonderzeichen.ini"
starten "$ordner/box.vkd"
fenster=$(fenster_warten "^Karvello Lexidor 1.1   -   box.vkd$") ||
    fehler "das Hauptfenster zeigt die Kartei nicht"
xdotool windowfocus --sync "$fenster"
/usr/bin/python3 "$hier/zugang_atspi.py" "$programm_pid" Haus house
