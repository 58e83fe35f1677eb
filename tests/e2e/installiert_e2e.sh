#!/bin/bash
# The installed program: staged with cmake --install into a fresh prefix and started from its
# bin/ folder by a user with a fresh home. The first start shows no message and the program
# icon, F1 hands the staged help to the browser, the first close writes the user's three
# files into $XDG_CONFIG_HOME/lexidor and nothing into the prefix; the next start finds them.
# $1: the build folder to install from.
set -euo pipefail

build=$1
source "$(dirname "$0")/xsitzung.sh" ""

prefix="$ordner/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
programm="$prefix/bin/lexidor"
daten="$prefix/share/lexidor"
find "$prefix" | sort >"$ordner/prefix.vorher"

export HOME="$ordner/home" XDG_CONFIG_HOME="$ordner/konfig"
mkdir -p "$HOME"
konfig="$XDG_CONFIG_HOME/lexidor"

# Qt hands a file to xdg-open; this one on PATH only notes what it was given.
mkdir -p "$ordner/werkzeug"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$ordner/browser.log" >"$ordner/werkzeug/xdg-open"
chmod +x "$ordner/werkzeug/xdg-open"
export PATH="$ordner/werkzeug:$PATH"

starten() {
    "$programm" "$@" 2>>"$ordner/stderr" &
    programm_pid=$!
}
# A message at start is shown before the main window, which then never comes.
hauptfenster_warten() {
    fenster_warten "$1" && return
    xdotool search --onlyvisible --name "^Karvello Lexidor$" >/dev/null &&
        fehler "beim Start erscheint eine Meldung"
    fehler "das Hauptfenster erscheint nicht"
}
# Polls until the command succeeds, for at most ten seconds.
warten_bis() {
    for _ in $(seq 100); do "$@" && return; sleep 0.1; done
    return 1
}
kein_hinweis() { ! xdotool search --onlyvisible --name "^Einen Moment\.\.\.$" >/dev/null; }
wm_bereit() { xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW; }
beendet() { ! kill -0 "$programm_pid" 2>/dev/null; }
# On a busy machine a key press can come before the window manager has given the window the
# focus; it is pressed again while the program still runs.
schliessen() {
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$1" 2>/dev/null || true
        xdotool key alt+F4
        warten_bis beendet && break
    done
    ende_warten
}

# A window manager, so that Alt+F4 closes the main window as it does for a user.
HOME="$ordner/wm" openbox --sm-disable >/dev/null 2>&1 &
warten_bis wm_bereit || warten_bis wm_bereit || fehler "openbox startet nicht"

starten
haupt=$(hauptfenster_warten "^Karvello Lexidor 1.1$")
# X11 takes icons up to 128 pixels; Qt leaves the larger ones out of the window's icon.
symbole=$(xprop -id "$haupt" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for groesse in 16 32 48 128; do
    [[ $symbole == *"($groesse x $groesse)"* ]] || fehler "Fenstersymbol ohne $groesse px: $symbole"
done

xdotool windowactivate --sync "$haupt"
xdotool key F1
warten_bis test -s "$ordner/browser.log" || fehler "F1 gibt dem Browser nichts"
[ "$(cat "$ordner/browser.log")" = "file://$daten/Hilfe.html" ] ||
    fehler "F1 öffnet $(cat "$ordner/browser.log") statt $daten/Hilfe.html"
warten_bis kein_hinweis || fehler "der Hinweis schließt sich nicht"
schliessen "$haupt"

for datei in lexidor.ini history.ini sonderzeichen.ini; do
    [ -s "$konfig/$datei" ] || fehler "$konfig/$datei fehlt nach dem Schließen"
done
[ "$(stat -c %a "$konfig")" = 700 ] || fehler "$konfig ist für andere lesbar"
cmp "$daten/sonderzeichen.ini" "$konfig/sonderzeichen.ini" ||
    fehler "sonderzeichen.ini ist nicht die mitgelieferte"
[ ! -e "$HOME/.config" ] || fehler "trotz XDG_CONFIG_HOME wurde ~/.config angelegt"
cmp <(find "$prefix" | sort) "$ordner/prefix.vorher" || fehler "im Installationsordner hat sich etwas geändert"

# The next start reads the user's files: no message, and the box opened goes into history.ini.
cp "$daten/Beispiel.vkd" "$HOME/"
starten "$HOME/Beispiel.vkd"
haupt=$(hauptfenster_warten "^Karvello Lexidor 1.1   -   Beispiel.vkd$")
schliessen "$haupt"
[ "$(head -1 "$konfig/history.ini")" = "$HOME/Beispiel.vkd"$'\r' ] ||
    fehler "history.ini: $(cat -A "$konfig/history.ini")"
echo "ok"
