#!/bin/bash
# Assistive tools under Xvfb with a session bus and an AT-SPI bus of their own: the real
# program read over AT-SPI as a screen reader reads it (zugang_atspi.py).
sitzungsbus=1
source "$(dirname "$0")/xsitzung.sh" "$1"
# Starts the AT-SPI bus (D-Bus activation) and waits for its address.
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress >/dev/null || fehler "kein AT-SPI-Bus"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
kartei Haus house >box.vkd
starten "$ordner/box.vkd"
haupt_warten box.vkd
/usr/bin/python3 "$quelle/tests/e2e/zugang_atspi.py" "$programm_pid" Haus house
