#!/bin/bash
# Printing and the learning history in the real program, under Xvfb with openbox: a short
# query on the sample box, its list and a test sheet printed to PDF through the system's print
# dialog and read back, then the learning-progress window and the history it shows.
#   tests/e2e/druck_e2e.sh build/lexidor [ordner]
# With a folder, the print preview, the print dialog and the progress window are kept there
# as screenshots.
set -euo pipefail

programm=$(realpath "$1")
bilder=
[ -z "${2:-}" ] || bilder=$(realpath -m "$2")
quelle=$(cd "$(dirname "$0")/../.." && pwd)
[ -z "$bilder" ] || mkdir -p "$bilder"

source "$(dirname "$0")/xsitzung.sh" "$programm"
fenstermanager_starten
cp "$quelle/data/Beispiel.vkd" "$quelle/data/sonderzeichen.ini" "$ordner/"
crlf "[Optionen]" "Abfragerichtung=0" >"$ordner/lexidor.ini"

# Only the pictures need the window drawn, which nothing on the screen announces.
bild() {
    [ -n "$bilder" ] || return 0
    sleep 0.5
    import -window root "$bilder/$1.png"
}
taste() { xdotool key --delay 80 "$@"; }
# The print dialog names its PDF after the document, in the working folder below the home.
export HOME="$ordner"
starten "$ordner/Beispiel.vkd"
fenster=$(fenster_warten "^Karvello Lexidor 1.1   -   Beispiel.vkd$") ||
    fehler "das Hauptfenster zeigt die Kartei nicht"
xdotool windowactivate --sync "$fenster"
aktiv_warten "^Karvello Lexidor"
# One answer right, one wrong.
taste F9 r F9 f

pdf_warten() {
    warten_bis test -s "$ordner/$1" || fehler "$1 entsteht nicht"
    aktiv_warten "^Drucken - Beispiel.vkd$"
    pdftotext -layout "$ordner/$1" "$ordner/$1.txt"
}
taste ctrl+p
aktiv_warten "^Drucken - Beispiel.vkd$"
bild vorschau-liste
taste alt+d
aktiv_warten "^(Drucken|Print)$"
bild druckdialog
taste Return
pdf_warten Beispiel-Liste.pdf
for text in "Beispiel.vkd - Vokabelliste, Alle Fächer" "vergessen +to forget +1" "Seite 1 von"; do
    grep -Eq "$text" "$ordner/Beispiel-Liste.pdf.txt" || fehler "in der Liste fehlt \"$text\""
done

# The test sheet of the cards due today: German given, the foreign side to write.
taste alt+a Down
bild vorschau-testbogen
taste alt+d
aktiv_warten "^(Drucken|Print)$"
taste Return
pdf_warten Beispiel-Testbogen.pdf
grep -q "Beispiel.vkd - Testbogen, Heute fällige" "$ordner/Beispiel-Testbogen.pdf.txt" ||
    fehler "der Testbogen hat keine Überschrift"
grep -q "Ihre Antwort" "$ordner/Beispiel-Testbogen.pdf.txt" || fehler "der Testbogen hat keine Antwortspalte"
grep -q "to forget" "$ordner/Beispiel-Testbogen.pdf.txt" && fehler "der Testbogen verrät die Lösung"
grep -q "vergessen" "$ordner/Beispiel-Testbogen.pdf.txt" || fehler "dem Testbogen fehlen Karten"
taste Escape
aktiv_warten "^Karvello Lexidor"

# Vokabeln > Lernverlauf... through the menu bar.
taste alt Right Down Down Down Down Down Return
aktiv_warten "^Lernverlauf - Beispiel.vkd$"
bild lernverlauf
if [ -n "$bilder" ]; then
    for seite in c a t; do
        taste "alt+$seite"
        bild "lernverlauf-$seite"
    done
fi
verlauf=("$ordner"/lernverlauf/*.txt)
grep -q "^$(date +%Y-%m-%d);1;1;" "${verlauf[0]}" ||
    fehler "der Lernverlauf zählt die Antworten nicht: $(cat "${verlauf[@]}")"
taste Escape
aktiv_warten "^Karvello Lexidor"
# Saved first, so no question comes.
taste ctrl+s alt Down Up Return
ende_warten
echo "ok"
