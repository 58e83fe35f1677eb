#!/bin/bash
# Every window in the states a user meets, under Xvfb with the openbox window manager: where
# each window stands, its caption, and the title-bar buttons it asks the window manager for.
#   tests/e2e/fenster_e2e.sh build/lexidor [ordner]
# With a folder, each state is also kept there as a screenshot of the 1024x768 screen.
# Every window is reached by keyboard, a menu item without a key of its own through the menu
# bar (Alt, then the arrow keys), and each step waits until the window it opens or closes
# has the focus.
bilder=${2:+$(realpath -m "$2")}
source "$(dirname "$0")/xsitzung.sh" "$1"
fenstermanager_starten
cp "$quelle/data/Beispiel.vkd" "$quelle/data/sonderzeichen.ini" .

# The active window's frame as "left top width height".
rahmen() {
    local w x y b h
    w=$(xdotool getactivewindow)
    eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/ {print "x=" $4}
        /Absolute upper-left Y/ {print "y=" $4} /Width/ {print "b=" $2} /Height/ {print "h=" $2}')"
    read -r l r o u < <(xprop -id "$w" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
    echo "$((x - l)) $((y - o)) $((b + l + r)) $((h + o + u))"
}
# The active window's frame stands in the middle of the 1024x768 screen, give or take 3 pixels.
mittig() {
    local l o b h
    read -r l o b h < <(rahmen)
    local dx=$((2 * l + b - 1024)) dy=$((2 * o + h - 768))
    [ "${dx#-}" -le 6 ] && [ "${dy#-}" -le 6 ] || fehler "$1 steht nicht mittig: $l $o $b $h"
}
# The title-bar buttons the active window asks for, from its Motif hints: MWM functions
# minimise 8, maximise 16, close 32; without the functions flag the window manager offers all.
knoepfe() {
    local flags funktionen k=""
    read -r flags funktionen _ < <(xprop -id "$(xdotool getactivewindow)" _MOTIF_WM_HINTS |
        sed 's/.*= //; s/,/ /g')
    (((flags & 1) == 0)) && echo "alle" && return
    ((funktionen & 8)) && k+="min "
    ((funktionen & 16)) && k+="max "
    ((funktionen & 32)) && k+="close "
    echo "${k% }"
}
pruefe_knoepfe() {
    [ "$(knoepfe)" = "$2" ] || fehler "$1 fragt nach den Knöpfen \"$(knoepfe)\" statt \"$2\""
}
# Starts the program and waits until the window whose title matches has the focus.
oeffnen() {
    starten "${@:2}"
    aktiv_warten "$1"
}

meldung="^Karvello Lexidor$"
leer="^Karvello Lexidor 1.1$"
haupt="^Karvello Lexidor 1.1   -   Beispiel.vkd$"
liste="^Vokabelliste  \(Doppelklicken zum Bearbeiten\)$"

# A missing card box named on the command line: the load error, then the empty main window.
oeffnen "$meldung" "$ordner/fehlt.vkd"
bild ladefehler
mittig "die Ladefehlermeldung"
zustand "$leer" hauptfenster-ohne-kartei Return
mittig "das Hauptfenster"
pruefe_knoepfe "das Hauptfenster" "min close"
beenden

oeffnen "$haupt" "$ordner/Beispiel.vkd"
bild abfrage-offen
zustand "$haupt" abfrage-aufgedeckt F9
taste "$haupt" f
xdotool type --delay 60 "falsch"
zustand "$haupt" abfrage-abgelehnt F10
taste "$haupt" F10

zustand "^Vokabeln hinzuf.*gen\.\.\.$" hinzufuegen F5
pruefe_knoepfe "der Hinzufügen-Dialog" "close"
zustand "^Vokabeln hinzuf" hinzufuegen-leer-abgelehnt F10
taste "$haupt" alt+F4

zustand "$liste" liste-erstes-mal F6
mittig "die Vokabelliste"
pruefe_knoepfe "die Vokabelliste" ""
erstes_mal=$(rahmen)
zustand "^Vokabel bearbeiten\.\.\.$" bearbeiten Down Tab space
taste "$liste" alt+F4
# From the list, Shift+Tab reaches "Fertig (Fenster schließen)".
taste "$haupt" shift+Tab space
zustand "$liste" liste-zweites-mal F6
[ "$(rahmen)" = "$erstes_mal" ] || fehler "die Liste steht beim zweiten Mal woanders: $(rahmen)"
taste "$haupt" alt+F4

zustand "^Allgemeine Optionen$" einstellungen ctrl+e
taste "$haupt" alt+F4

zustand "^Einen Moment\.\.\.$" hilfehinweis F1
taste "$haupt" alt+F4 # the close box, not the three seconds

# ? > Über...
zustand "^Infos zu diesem Programm$" info alt Right Right Right Down Down Down Return
taste "$haupt" alt+F4

# Optionen > Tastaturbelegung, then the picker for the first key.
zustand "^Tastaturbelegung$" tastaturbelegung alt Right Right Down Down Return
pruefe_knoepfe "die Tastaturbelegung" ""
zustand "^Die Taste . wird ersetzt durch\.\.\.$" zeichenwahl Down Tab space
pruefe_knoepfe "die Zeichenwahl" "close"
taste "^Tastaturbelegung$" alt+F4
taste "$haupt" Tab Tab space

# Kartei > Speichern unter... onto a name that a folder holds, so writing fails.
mkdir ordner.vkd
xdotool key --delay 80 alt Down Down Down Down Return
nicht_mehr() { ! titel_ist "$1"; }
warten_bis nicht_mehr "$haupt" || fehler "kein Dateidialog"
xdotool type --delay 120 "ordner"
zustand "$meldung" speichern-unter-fehler Return
# Qt would show the program's name and openbox "Unnamed Window" for an empty caption.
zustand "^ $" titel-nach-fehler Return
for name in _NET_WM_NAME _NET_WM_VISIBLE_NAME; do
    xprop -id "$(xdotool getactivewindow)" $name | grep -qx "$name(UTF8_STRING) = \" \"" ||
        fehler "die Titelleiste zeigt $(xprop -id "$(xdotool getactivewindow)" $name)"
done

zustand "^Die momentan geöffnete Datei wurde nicht gesichert$" ungesichert-frage ctrl+w
mittig "die Frage nach ungesicherten Änderungen"
taste "^ $" Escape
beenden
echo "ok: $nummer Zustände${bilder:+, Bilder in $bilder}"
