#!/bin/bash
# What a blind user hears: the real screen reader Orca, speaking through speech-dispatcher and
# espeak-ng into a null audio device, follows the program on a session bus of its own while a
# query, the add dialog, the list's search and the statistics key are used by keyboard.
# Every step waits, with a deadline, for its words in Orca's own record of what it said: the
# "SPEECH OUTPUT" lines of its debug file.
sitzungsbus=1
source "$(dirname "$0")/xsitzung.sh" "$1"
fenstermanager_starten

# Orca and speech-dispatcher start from a home of their own with their defaults; ALSA's null
# device takes the sound.
export HOME="$ordner/heim" XDG_CONFIG_HOME="$ordner/heim/.config"
export XDG_DATA_HOME="$ordner/heim/.local/share"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
printf '%s\n' 'AudioOutputMethod "alsa"' 'DefaultModule espeak-ng' \
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
protokoll="$ordner/orca.log"
# Orca refuses to start while a process named "orca" of this user runs; started through the
# interpreter, this one does not keep a second session of this test from starting.
/usr/bin/python3 /usr/bin/orca --debug-file "$protokoll" >"$ordner/orca.out" 2>&1 &
orca_pid=$!
# Orca takes a moment to end; the next session's Orca would refuse to start beside it.
orca_beenden() {
    kill "$orca_pid" 2>/dev/null || return 0
    warten_bis eval '! kill -0 "$orca_pid" 2>/dev/null' || kill -KILL "$orca_pid" 2>/dev/null
    wait "$orca_pid" 2>/dev/null || true
}
trap 'orca_beenden; aufraeumen' EXIT

# The line of the record from which the next thing heard is looked for.
marke=0
# Whether Orca has said the text since the mark; moves the mark behind the line.
gesagt() {
    local zeile
    zeile=$(awk -v ab="$marke" -v text="$1" \
        'NR > ab && index($0, "SPEECH OUTPUT: ") && index($0, text) { print NR; exit }' \
        "$protokoll" 2>/dev/null)
    [ -n "$zeile" ] && marke=$zeile
}
hoeren() {
    warten_bis gesagt "$1" || fehler "Orca hat nicht „$1“ gesagt; gesagt wurde:
$(tail -n +"$((marke + 1))" "$protokoll" | grep "SPEECH OUTPUT: " | cut -c1-200)"
}
# Under load the screen reader answers the program's question about a key late, and a key
# sent before then can overtake the one before it (a letter before Alt is down, say). So each
# key goes only after Orca has handled the one before, as its record shows: the press of a
# modifier, the release of any other key (a shortcut's press never reaches Orca).
gedrueckt=0
behandelt() {
    tail -n +"$((gedrueckt + 1))" "$protokoll" | grep -qF "PROCESS ATSPI_KEY_$1_EVENT: '$2'"
}
einzeln() {
    gedrueckt=$(wc -l <"$protokoll")
    xdotool "$1" "$2"
    warten_bis behandelt "$3" "$2" || fehler "Orca hat die Taste $2 nicht gesehen, nur:
$(tail -n +"$((gedrueckt + 1))" "$protokoll" | grep "PROCESS ATSPI_KEY" | sort -u)"
}
# Keys pressed from here on, each a key or modifiers and a key ("Alt_L+k"): what Orca says
# next counts.
tasten() {
    marke=$(wc -l <"$protokoll")
    local kombination teil i
    for kombination in "$@"; do
        IFS=+ read -ra teil <<<"$kombination"
        for ((i = 0; i < ${#teil[@]} - 1; i++)); do einzeln keydown "${teil[i]}" PRESSED; done
        einzeln key "${teil[i]}" RELEASED
        for ((i = ${#teil[@]} - 2; i >= 0; i--)); do einzeln keyup "${teil[i]}" RELEASED; done
    done
}
# A key that opens or closes a window: its release goes to a window Orca does not follow yet,
# and the words that follow are what is waited for.
fenstertaste() {
    marke=$(wc -l <"$protokoll")
    xdotool key "$1"
}
# Types into the named field letter by letter: under load a key that overtakes the one before
# it on its way through the screen reader gets lost, so each waits for the field to have
# taken the one before, as Orca records it.
eingefuegt() {
    tail -n +"$((marke + 1))" "$protokoll" |
        grep -F "object:text-changed:insert for [text | $1] in" | grep -qF ", 1, $2)"
}
tippen() {
    local i
    for ((i = 0; i < ${#2}; i++)); do
        marke=$(wc -l <"$protokoll")
        xdotool type "${2:i:1}"
        warten_bis eingefuegt "$1" "${2:i:1}" || fehler "„$1“ hat „${2:i:1}“ nicht erhalten"
    done
}

declare -A loesung=([Haus]=house [Baum]=tree [Buch]=book [Stuhl]=chair)
# Waits for the next card, after its level, and keeps the word asked in $frage.
frage_hoeren() {
    hoeren "${1:-}Gefragte Vokabel: "
    frage=$(sed -n "${marke}p" "$protokoll" | sed -E 's/.*Gefragte Vokabel: ([[:alpha:]]+).*/\1/')
    [ -n "${loesung[$frage]:-}" ] || fehler "unbekannte Frage: $(sed -n "${marke}p" "$protokoll")"
}

warten_bis gesagt "" || fehler "Orca spricht nicht: $(cat "$ordner/orca.out")"
kartei Haus house Baum tree Buch book Stuhl chair >box.vkd
marke=$(wc -l <"$protokoll")
starten "$ordner/box.vkd"
fenster_warten "^Karvello Lexidor 1.1   -   box.vkd$" >/dev/null

# The query: the first card with its level, a wrong answer with its verdict and solution, and
# the next card. What each announcement says is the window tests'.
frage_hoeren "Stufe 1, "
tippen Eingabe "falsch"
tasten F10
hoeren "Falsch! Richtig wäre gewesen... ${loesung[$frage]}"
tasten F10
frage_hoeren

# Each row: keys, then what Orca says next (no keys: what it says after the row before). The
# statistics without leaving the answer field; Tab reaches them after the solution field, a
# caption with its value each; the menus name each item's key, and the rules around the
# recent files take no focus.
while IFS='|' read -r keys text; do
    [ -z "$keys" ] || tasten $keys
    hoeren "$(printf '%b' "$text")"
done <<'EOF'
F8|Bereits abgefragte Vokabeln: 1, Davon richtig beantwortet: 0, Davon falsch beantwortet: 1
Tab Tab|Aktuelle Abfragestatistik
|Vergangene Zeit:
Tab|Bereits abgefragte Vokabeln: 1
Alt_L+k|Neu
Up|Beenden
Up|box.vkd
Right|Hinzufügen...\tF5
Escape Escape|Bereits abgefragte Vokabeln: 1
EOF

# The add dialog names itself and the field the cursor is in, then the card added.
fenstertaste F5
hoeren "Vokabeln hinzufügen"
hoeren "Fremdsprachliche Bedeutung: text"
tippen "Fremdsprachliche Bedeutung" "table"
tasten Tab
tippen "Deutsche Bedeutung" "Tisch"
tasten F10
hoeren "Vokabel wurde hinzugefügt"
fenstertaste Escape
aktiv_warten "^Karvello Lexidor"

# The list with the focus on its table; Tab goes from control to control to the search field,
# and a search without a hit.
fenstertaste F6
hoeren "Vokabelliste"
hoeren "Vokabeln"
for teil in "Bearbeiten" "Löschen" "Suchen" "Suchtext"; do
    tasten Tab
    hoeren "$teil"
done
tippen Suchtext "xyz"
fenstertaste Return
hoeren 'Die Suche nach "xyz" verlief Ergebnislos'
echo "ok: Orca hat jede Ansage gesprochen"
