#!/bin/bash
# The Debian package as apt sees it: its control data, what the Debian build adds to the
# installation (everything below /usr, compressed documentation, Debian's changelog) and the
# hardened, optimised program inside. The desktop entry, the AppStream file and the icons
# (same install rules) are validated by daten_pruefen.sh, the stripping by lintian.
# $1: the .deb file.
set -euo pipefail

deb=$1
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

feld() { dpkg-deb --field "$deb" "$1"; }
[ "$(feld Package) $(feld Section)" = "lexidor education" ] ||
    fehler "Package, Section: $(feld Package) $(feld Section)"
[[ "$(feld Version)" == 1.1* ]] || fehler "Version: $(feld Version)"
# From the linked libraries (shlibs), plus the platform plugin Qt loads at run time.
abhaengig=$(feld Depends | tr ',' '\n' | awk '{ print $1 }')
for paket in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6network6 libx11-6 qt6-qpa-plugins; do
    grep -Fqx "$paket" <<<"$abhaengig" || fehler "Depends ohne $paket: $(feld Depends)"
done
# Debian's descriptions are English.
grep -q 'vocabulary trainer' <(feld Description) || fehler "keine englische Beschreibung"
grep -Pq '[äöüßÄÖÜ]|Vokabel|Karte\b' <(feld Description) && fehler "Deutsch in der Beschreibung"

dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$ordner/inhalt"
grep -v -e '^/usr/' -e '^/$' -e '^/usr$' "$ordner/inhalt" && fehler "Dateien außerhalb von /usr"
for datei in /usr/bin/lexidor /usr/share/man/{,de/}man1/lexidor.1.gz \
    /usr/share/lexidor/{Hilfe.html,Connect.html,Beispiel.vkd,sonderzeichen.ini} \
    /usr/share/doc/lexidor/{README.md.gz,copyright,changelog.Debian.gz}; do
    grep -qx "$datei" "$ordner/inhalt" || fehler "$datei fehlt im Paket"
done

dpkg-deb -x "$deb" "$ordner/wurzel"
programm="$ordner/wurzel/usr/bin/lexidor"
readelf -d "$programm" | grep -q -e libasan -e libubsan && fehler "das Paket enthält den Testbau"
# Every hardening feature of dpkg-buildflags (Debian 12 knows no control-flow protection yet).
hardening-check --nocfprotection "$programm" >/dev/null || fehler "nicht gehärtet"
echo "ok"
