#!/bin/bash
# The backdrop under a native Wayland compositor (weston, headless, drawing in memory): started
# with the backdrop on, the program shows its main window and no screen-sized red area above
# it, since a Wayland client cannot keep a window below its others.
source "$(dirname "$0")/xsitzung.sh" "$1"

# Only Wayland: without an X display the program cannot go to XWayland.
unset DISPLAY QT_QPA_PLATFORM
# --debug lets weston-screenshooter take pictures; pixman draws into memory. The compositor
# stands where the window manager would, and goes with it at the end.
weston --backend=headless-backend.so --use-pixman --socket=lexidor-test --debug \
    --idle-time=0 --width=1024 --height=768 >"$ordner/weston.log" 2>&1 &
wm_pid=$!
export WAYLAND_DISPLAY=lexidor-test
warten_bis test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fehler "weston startet nicht"

crlf "[Sonstiges]" "Hintergrundfarbe=clRed" "Form10Sichtbar=1" >lexidor.ini
starten

# Share of the screen in one colour, in per cent, from a screenshot.
anteil() {
    rm -f wayland-screenshot-*.png
    timeout 10 weston-screenshooter >/dev/null 2>&1 || return 1
    convert wayland-screenshot-*.png -fill black +opaque "#$1" -fill white -opaque "#$1" \
        -format '%[fx:int(100*mean)]' info:
}
# Qt's window colour (Fusion, light) shows once the main window is drawn.
fenster_da() { [ "$(anteil EFEFEF)" -ge 10 ]; }
warten_bis fenster_da || fehler "kein Hauptfenster zu sehen: $(cat stderr)"
laeuft || fehler "das Programm ist fort: $(cat stderr)"
# What must not happen has no moment to wait for: a few pictures over a second.
for _ in $(seq 5); do
    [ "$(anteil FF0000)" -lt 5 ] || fehler "der Hintergrund verdeckt das Hauptfenster"
    sleep 0.2
done
fenster_da || fehler "das Hauptfenster ist verschwunden"
echo "ok"
