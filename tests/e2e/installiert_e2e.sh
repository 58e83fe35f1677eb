#!/bin/bash
# The installed program: staged with cmake --install into a fresh prefix and started from its
# bin/ folder by a user with a fresh home. The first start shows no message and the program
# icon, F1 hands the staged help to the browser, the first close writes the user's three
# files into $XDG_CONFIG_HOME/lexidor and nothing into the prefix; the next start finds them.
# $1: the build folder to install from.
build=$(realpath "$1")
source "$(dirname "$0")/xsitzung.sh" ""
prefix="$ordner/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
start="$prefix/bin/lexidor"
daten="$prefix/share/lexidor"
find "$prefix" | sort >prefix.vorher

export HOME="$ordner/home" XDG_CONFIG_HOME="$ordner/konfig"
mkdir -p "$HOME" werkzeug
konfig="$XDG_CONFIG_HOME/lexidor"
# Qt hands a file to xdg-open; this one on PATH only notes what it was given.
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$ordner/browser.log" >werkzeug/xdg-open
chmod +x werkzeug/xdg-open
export PATH="$ordner/werkzeug:$PATH"
# A window manager, so that Alt+F4 closes the main window as it does for a user.
fenstermanager_starten

# A message at start would come before the main window, which then never comes.
starten
haupt_warten
# X11 takes icons up to 128 pixels; Qt leaves the larger ones out of the window's icon.
symbole=$(xprop -id "$haupt" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for groesse in 16 32 48 128; do
    [[ $symbole == *"($groesse x $groesse)"* ]] || fehler "Fenstersymbol ohne $groesse px: $symbole"
done
xdotool key F1
warten_bis test -s browser.log || fehler "F1 gibt dem Browser nichts"
[ "$(cat browser.log)" = "file://$daten/Hilfe.html" ] ||
    fehler "F1 öffnet $(cat browser.log) statt $daten/Hilfe.html"
# The notice closes by itself after three seconds; its close box need not wait for them.
aktiv_warten "^Einen Moment\.\.\.$"
taste "^Karvello Lexidor 1.1$" alt+F4
xdotool key alt+F4
ende_warten

for datei in lexidor.ini history.ini sonderzeichen.ini; do
    [ -s "$konfig/$datei" ] || fehler "$konfig/$datei fehlt nach dem Schließen"
done
[ "$(stat -c %a "$konfig")" = 700 ] || fehler "$konfig ist für andere lesbar"
cmp "$daten/sonderzeichen.ini" "$konfig/sonderzeichen.ini" ||
    fehler "sonderzeichen.ini ist nicht die mitgelieferte"
[ ! -e "$HOME/.config" ] || fehler "trotz XDG_CONFIG_HOME wurde ~/.config angelegt"
cmp <(find "$prefix" | sort) prefix.vorher ||
    fehler "im Installationsordner hat sich etwas geändert"

# The next start reads the user's files: no message, and the box opened goes into history.ini.
cp "$daten/Beispiel.vkd" "$HOME/"
starten "$HOME/Beispiel.vkd"
haupt_warten Beispiel.vkd
xdotool key alt+F4
ende_warten
[ "$(head -1 "$konfig/history.ini")" = "$HOME/Beispiel.vkd"$'\r' ] ||
    fehler "history.ini: $(cat -A "$konfig/history.ini")"
echo "ok"
