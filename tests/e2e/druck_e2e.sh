#!/bin/bash
# Printing in the real program, under Xvfb with openbox: after a short query on the sample box,
# its list and a test sheet printed to PDF through the system's print dialog and read back.
#   tests/e2e/druck_e2e.sh build/lexidor [ordner]
# With a folder, the print previews, the print dialog and the progress window are kept there
# as screenshots.
bilder=${2:+$(realpath -m "$2")}
source "$(dirname "$0")/xsitzung.sh" "$1"
fenstermanager_starten
cp "$quelle/data/Beispiel.vkd" "$quelle/data/sonderzeichen.ini" .
# The print dialog names its PDF after the document, in the working folder below the home.
export HOME="$ordner"
starten "$ordner/Beispiel.vkd"
haupt_warten Beispiel.vkd
# One answer right, one wrong.
taste "^Karvello Lexidor" F9 r F9 f

vorschau="^Drucken - Beispiel.vkd$"
# From the preview through the print dialog into the PDF; the preview comes back.
drucken() {
    zustand "^(Drucken|Print)$" "druckdialog-$1" alt+d
    xdotool key Return
    warten_bis test -s "$ordner/$1.pdf" || fehler "$1.pdf entsteht nicht"
    aktiv_warten "$vorschau"
    pdftotext -layout "$ordner/$1.pdf" "$ordner/$1.txt"
}
zustand "$vorschau" vorschau-liste ctrl+p
drucken Beispiel-Liste
for text in "Beispiel.vkd - Vokabelliste, Alle Fächer" "vergessen +to forget +1" "Seite 1 von"; do
    grep -Eq "$text" Beispiel-Liste.txt || fehler "in der Liste fehlt \"$text\""
done

# The test sheet of the cards due today: German given, the foreign side to write.
zustand "$vorschau" vorschau-testbogen alt+a Down
drucken Beispiel-Testbogen
for text in "Beispiel.vkd - Testbogen, Heute fällige" "Ihre Antwort" "vergessen"; do
    grep -q "$text" Beispiel-Testbogen.txt || fehler "im Testbogen fehlt \"$text\""
done
grep -q "to forget" Beispiel-Testbogen.txt && fehler "der Testbogen verrät die Lösung"
taste "^Karvello Lexidor" Escape

# Vokabeln > Lernverlauf... through the menu bar, for the picture.
zustand "^Lernverlauf - Beispiel.vkd$" lernverlauf alt Right Down Down Down Down Down Return
taste "^Karvello Lexidor" Escape
# Kartei > Beenden, saved first, so no question comes.
xdotool key --delay 80 ctrl+s alt Down Up Return
ende_warten
echo "ok"
