#!/bin/bash
# The Debian package as apt sees it: its control data, its file list and the hardened, optimised program
# inside. The files it ships are validated once, from an installation, by daten_pruefen.sh.
# $1: the .deb file.
set -euo pipefail

deb=$1
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

dpkg-deb --info "$deb" >"$ordner/info"
feld() { dpkg-deb --field "$deb" "$1"; }
[ "$(feld Package)" = lexidor ] || fehler "Package: $(feld Package)"
[[ "$(feld Version)" == 1.1* ]] || fehler "Version: $(feld Version)"
[ "$(feld Section)" = education ] || fehler "Section: $(feld Section)"
# From the linked libraries (shlibs), plus the platform plugin Qt loads at run time.
abhaengig=$(feld Depends | tr ',' '\n' | awk '{ print $1 }')
for paket in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6network6 libx11-6 qt6-qpa-plugins; do
    grep -Fqx "$paket" <<<"$abhaengig" || fehler "Depends ohne $paket: $(feld Depends)"
done
# Debian's descriptions are English.
grep -q 'vocabulary trainer' "$ordner/info" || fehler "keine englische Beschreibung"
grep -Pq '[äöüßÄÖÜ]|Vokabel|Karte\b' <(feld Description) && fehler "Deutsch in der Beschreibung"

dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$ordner/inhalt"
grep -v -e '^/usr/' -e '^/$' -e '^/usr$' "$ordner/inhalt" && fehler "Dateien außerhalb von /usr"
erwartet=(
    /usr/bin/lexidor
    /usr/share/lexidor/{Hilfe.html,Connect.html,Beispiel.vkd,sonderzeichen.ini}
    /usr/share/applications/org.example.karvello.Lexidor.desktop
    /usr/share/metainfo/org.example.karvello.Lexidor.metainfo.xml
    /usr/share/mime/packages/lexidor.xml
    /usr/share/icons/hicolor/scalable/{apps/lexidor,mimetypes/application-x-lexidor-kartei}.svg
    /usr/share/man/man1/lexidor.1.gz /usr/share/man/de/man1/lexidor.1.gz
    /usr/share/doc/lexidor/{README.md.gz,copyright,changelog.Debian.gz}
)
for groesse in 16 22 24 32 48 64 128 256; do
    erwartet+=("/usr/share/icons/hicolor/${groesse}x${groesse}/"{apps/lexidor,mimetypes/application-x-lexidor-kartei}.png)
done
for datei in "${erwartet[@]}"; do
    grep -qx "$datei" "$ordner/inhalt" || fehler "$datei fehlt im Paket"
done

dpkg-deb -x "$deb" "$ordner/wurzel"
wurzel="$ordner/wurzel"
readelf -d "$wurzel/usr/bin/lexidor" | grep -q -e libasan -e libubsan && fehler "das Paket enthält den Testbau"
readelf -S "$wurzel/usr/bin/lexidor" | grep -q '\.debug_info' && fehler "das Programm ist nicht gestrippt"
# Every hardening feature of dpkg-buildflags (Debian 12 knows no control-flow protection yet).
hardening-check --nocfprotection "$wurzel/usr/bin/lexidor" >/dev/null || fehler "nicht gehärtet"
echo "ok"
