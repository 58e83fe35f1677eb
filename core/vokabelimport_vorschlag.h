// What the import dialog proposes before the user touches it: which column is German and
// which its translation, judged by the column names and by what the cells hold.
#pragma once

#include "importtabelle.h"

#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// A column or language name that means German: "Deutsch", "German", "deutsche Bedeutung",
// "Wort (DE)", a locale "de", "de_AT", "de-CH", or the codes "deu" and "ger"; any case.
bool NenntDeutsch(std::string_view name);

// A column name that means the other side: a language other than German, "Übersetzung",
// "translation", "Fremdwort" and the like.
bool NenntFremdsprache(std::string_view name);

// The words of a column name in lower case, split at everything but letters and digits:
// "deutsch_translated" is "deutsch" and "translated".
std::vector<std::string> Namenswoerter(std::string_view name);

// A cell that starts with a German article or "sich", as a word of vocabulary may.
bool MitArtikel(std::string_view zelle);

// How German a cell looks, from 0 on: umlauts and "ß", a German article or reflexive pronoun
// in front, German function words, a capital letter at the start as nouns have.
double DeutschPunkte(std::string_view zelle);

struct Spaltenvorschlag {
    int deutsch = 0;
    int fremd = 1;
};

// German is the column whose name says so, else the one whose cells look most German; the
// foreign side the column named as a language or translation, else the one of short texts
// (words, not example sentences) nearest to it. Neither is ever the level column, a column
// of numbers, an empty one unless its name says it is a side, or one named for what describes a
// word ("Artikel", "Plural", "Lektion", "Beispiel", ...) where another is left.
Spaltenvorschlag SpaltenVorschlagen(const Importtabelle& tabelle);

} // namespace lexidor
