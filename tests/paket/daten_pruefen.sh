#!/bin/bash
# What an installation puts into the desktop, checked with the desktop's own tools: the
# entry and the AppStream file validate, card boxes are recognised by name and by content
# and open in Lexidor, every icon size is there, the man pages format without a warning.
# $1: the build folder to install from.
set -euo pipefail

build=$1
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

prefix="$ordner/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
id=org.example.karvello.Lexidor

desktop-file-validate "$share/applications/$id.desktop" || fehler "Menüeintrag ungültig"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fehler "AppStream ungültig"

for art in apps/lexidor mimetypes/application-x-lexidor-kartei; do
    [ -f "$share/icons/hicolor/scalable/$art.svg" ] || fehler "$art.svg fehlt"
    for groesse in 16 22 24 32 48 64 128 256; do
        png="$share/icons/hicolor/${groesse}x${groesse}/$art.png"
        [ "$(identify -format '%wx%h' "$png")" = "${groesse}x${groesse}" ] || fehler "$png"
    done
done

for seite in man1/lexidor.1.gz de/man1/lexidor.1.gz; do
    warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/$seite" 2>&1 >/dev/null)
    [ -z "$warnungen" ] || fehler "$seite: $warnungen"
done
for datei in README.md LICENSE copyright; do
    [ -s "$share/doc/lexidor/$datei" ] || fehler "doc/lexidor/$datei fehlt"
done

# Only the staged prefix is asked, with a home that knows nothing.
export HOME="$ordner/home" XDG_CONFIG_HOME="$ordner/home/.config"
export XDG_DATA_HOME="$ordner/home/.local/share" XDG_DATA_DIRS="$share"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
mkdir -p "$HOME"
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
cp "$share/lexidor/Beispiel.vkd" "$ordner/box.vkd"
cp "$share/lexidor/Beispiel.vkd" "$ordner/ohne-endung"
for datei in box.vkd ohne-endung; do
    typ=$(xdg-mime query filetype "$ordner/$datei")
    [ "$typ" = application/x-lexidor-kartei ] || fehler "$datei gilt als $typ"
done
standard=$(xdg-mime query default application/x-lexidor-kartei)
[ "$standard" = "$id.desktop" ] || fehler "Karteien öffnet $standard"
echo "ok"
