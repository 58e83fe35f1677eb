#!/bin/bash
# Under a real window manager (openbox). The backdrop: a click on it, at a point the main
# window does not cover, leaves the main window on top and active; the backdrop is no entry
# of the task bar or the window list, and Alt+Tab does not bring it up. Ctrl+Alt+W pressed
# while another program's window has the focus starts the effect (the main window blinks).
source "$(dirname "$0")/xsitzung.sh" "$1"
fenstermanager_starten
crlf "[Sonstiges]" "Hintergrundfarbe=clRed" "Form10Sichtbar=1" >lexidor.ini
starten
haupt_warten

read -r breite hoehe < <(xdpyinfo | awk '/dimensions:/ { split($2, g, "x"); print g[1], g[2] }')
# The backdrop: the program's window that covers the whole screen.
hintergrund=
hintergrund_finden() {
    for id in $(xdotool search --onlyvisible --pid "$programm_pid" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -eq "$breite" ] && [ "$HEIGHT" -eq "$hoehe" ] && hintergrund=$id
    done
    [ -n "$hintergrund" ]
}
warten_bis hintergrund_finden || fehler "kein Hintergrund"

# Colour of one screen pixel as RRGGBB.
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}
# Watches for half a second that the main window stays active and uncovered: what must not
# happen has no moment to wait for.
pruefen() {
    for _ in $(seq 10); do
        [ "$(xdotool getactivewindow)" = "$haupt" ] || fehler "$1: das Hauptfenster ist nicht aktiv"
        [ "$(pixel "$mitte_x" "$mitte_y")" != "FF0000" ] ||
            fehler "$1: der Hintergrund verdeckt das Hauptfenster"
        sleep 0.05
    done
}
eval "$(xdotool getwindowgeometry --shell "$haupt")"
mitte_x=$((X + WIDTH / 2))
mitte_y=$((Y + HEIGHT / 2))
# Halfway between the screen's left edge and the main window, or its right edge and the window.
if [ "$X" -gt 20 ]; then klick_x=$((X / 2)); else klick_x=$(((X + WIDTH + breite) / 2)); fi
[ "$(pixel "$klick_x" "$mitte_y")" = "FF0000" ] ||
    fehler "der Klickpunkt liegt nicht auf dem Hintergrund"
xdotool windowactivate --sync "$haupt"
pruefen "vor dem Klick"
xdotool mousemove "$klick_x" "$mitte_y" click 1
pruefen "nach dem Klick"

xprop -id "$hintergrund" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
    fehler "der Hintergrund steht in der Taskleiste"
xprop -id "$hintergrund" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DESKTOP ||
    fehler "der Hintergrund ist kein Schreibtischfenster"
xdotool key alt+Tab
pruefen "nach Alt+Tab"

xmessage -geometry +700+600 "Ein anderes Programm" 2>/dev/null &
xdotool windowactivate --sync "$(fenster_warten "^xmessage$")"
xdotool key ctrl+alt+w
versteckt() { xwininfo -id "$haupt" | grep -q IsUnMapped; }
warten_bis versteckt || fehler "Strg+Alt+W in einem anderen Fenster startet den Wirbel nicht"
echo "ok"
