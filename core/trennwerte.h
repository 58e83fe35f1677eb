// Text with separated values, as spreadsheets and other programs save it: the separator
// (tab, semicolon, "|" or comma) found in the file, quoting as RFC 4180, a header row recognised.
#pragma once

#include "importtabelle.h"

#include <optional>
#include <string_view>

namespace lexidor {

// Reads one record after the other. A field that starts with a quote runs to the next lone
// quote and may hold separators, line breaks and doubled quotes; a line break in it becomes
// "\n" whatever the file's line ends (CR LF, LF or CR). Empty lines between records are no
// records. A quote that is never closed is taken as an ordinary character, so one stray
// quote cannot swallow the rest of the file.
class Satzleser {
public:
    Satzleser(std::string_view text, char trenner, std::size_t ab = 0, int zeile = 1)
        : text_(text), trenner_(trenner), pos_(ab), zeile_(zeile) {}

    // Appends the next record to the table as a row; false after the last one.
    bool Naechster(Importtabelle& tabelle);
    std::size_t Position() const { return pos_; }
    int Zeile() const { return zeile_; } // line of the file at Position()
    // The last record had a quote that the text ended before closing: read from a piece of a
    // file, it may close in the next piece.
    bool Offen() const { return offen_; }

private:
    void Feld(Importtabelle& tabelle);
    void Quotiert(Importtabelle& tabelle);
    bool Zeilenende() const { return text_[pos_] == '\r' || text_[pos_] == '\n'; }
    void ZeilenendeUeberspringen();

    std::string_view text_;
    char trenner_;
    std::size_t pos_;
    int zeile_;
    bool offen_ = false;
};

// The separators a file is read with, in the order they are tried and offered.
inline constexpr char kTrennzeichen[] = {'\t', ';', '|', ','};

// Of the first hundred records (from `ab` on), the separator that splits every one of them
// into two or more fields, as many each time; failing that, one that splits every one; failing
// that, the one that splits the most. The earlier in kTrennzeichen wins a tie; tab when none
// splits any.
char TrennzeichenErkennen(std::string_view text, std::size_t ab = 0);

// Row 0 is a header row when its first two cells are known column names or empty, and at
// least one of them is a name ("Deutsch", "Englisch", "Front", "Lernstufe", ...; any case, a
// trailing colon allowed); or when it has the shape of a header: two or more filled cells, no
// word with its article, and a word that heads columns ("noun", "Übersetzung", "Lektion",
// "Plural", ...; also inside "deutsch_translated"); or when its third cell is neither empty nor a
// level while that column holds levels in every row below it.
bool IstKopfzeile(const Importtabelle& tabelle);

// Sets kopfzeile, spaltennamen and stufenspalte: the first column from the third on that
// holds levels below a header (on any scale StufenskalaErkennen knows), or that the header
// names so ("Lernstufe", "Stufe", "Fach", "Level", "Box").
void KopfUndStufenErkennen(Importtabelle& tabelle);

// The whole text (UTF-8) as separated values, split by `trenner` or the one found; the rows
// up to where fortschritt stopped it.
Importtabelle TrennwerteLesen(std::string_view text, std::optional<char> trenner = {},
                              const Fortschritt& fortschritt = {});

} // namespace lexidor
