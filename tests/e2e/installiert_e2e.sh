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
# Alt+F4 goes to the window that has the focus, once the window manager has given it.
schliessen() {
    aktiv_warten "$1"
    xdotool key alt+F4
}

# A window manager, so that Alt+F4 closes the main window as it does for a user.
fenstermanager_starten

starten
titel="^Karvello Lexidor 1.1$"
haupt=$(hauptfenster_warten "$titel")
# X11 takes icons up to 128 pixels; Qt leaves the larger ones out of the window's icon.
symbole=$(xprop -id "$haupt" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for groesse in 16 32 48 128; do
    [[ $symbole == *"($groesse x $groesse)"* ]] || fehler "Fenstersymbol ohne $groesse px: $symbole"
done

aktiv_warten "$titel"
xdotool key F1
warten_bis test -s "$ordner/browser.log" || fehler "F1 gibt dem Browser nichts"
[ "$(cat "$ordner/browser.log")" = "file://$daten/Hilfe.html" ] ||
    fehler "F1 öffnet $(cat "$ordner/browser.log") statt $daten/Hilfe.html"
# The notice closes by itself after three seconds; its close box need not wait for them.
schliessen "^Einen Moment\.\.\.$"
schliessen "$titel"
ende_warten

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
titel="^Karvello Lexidor 1.1   -   Beispiel.vkd$"
hauptfenster_warten "$titel" >/dev/null
schliessen "$titel"
ende_warten
[ "$(head -1 "$konfig/history.ini")" = "$HOME/Beispiel.vkd"$'\r' ] ||
    fehler "history.ini: $(cat -A "$konfig/history.ini")"
echo "ok"
