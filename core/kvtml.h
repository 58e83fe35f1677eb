// Vocabulary files of KDE's Parley and KWordQuiz (KVTML 2). The shell reads the XML with a
// real parser and hands over what matters here; the rules for turning it into rows live here.
#pragma once

#include "importtabelle.h"

#include <optional>
#include <string>
#include <vector>

namespace lexidor {

// One <identifier>: a language of the file.
struct KvtmlSprache {
    std::string id;
    std::string name;   // <name>, UTF-8
    std::string locale; // <locale>, such as "de" or "en_GB"
};

// One <translation> of an entry.
struct KvtmlUebersetzung {
    std::string id;          // the identifier it belongs to
    std::string text;        // <text>, UTF-8
    std::optional<int> grad; // the highest <currentgrade> it holds, if any
};

// One <entry>.
struct KvtmlEintrag {
    int zeile = 0; // line of the file where it starts
    std::vector<KvtmlUebersetzung> uebersetzungen;
};

struct KvtmlDokument {
    std::vector<KvtmlSprache> sprachen;
    std::vector<KvtmlEintrag> eintraege;
};

// The bytes look like a KVTML file: XML whose start names the element "kvtml".
bool IstKvtml(std::string_view datei);

// Index of the German language: the first whose locale is German ("de", "de_AT", "de-CH"),
// otherwise the first of all. 0 for a file without languages.
std::size_t DeutscheSprache(const std::vector<KvtmlSprache>& sprachen);

// Parley grades a translation from 0 (not practised yet) through the levels 1 to 7. Levels 1
// to 4 step through the review compartments 2 to 5 as four right answers in a row would;
// levels 5 and 6, still being reviewed there, stay in compartment 5, and only level 7, where
// Parley stops raising a card, counts as learned (compartment 6, never asked again). No grade,
// or 0, is compartment 1.
int KvtmlFach(std::optional<int> grad);

// Columns: the German language, then the others from the next one in the file on, wrapping
// round to the first, and last "Lernstufe" with the compartment of the higher grade of the
// first two columns, since a learner who practised one direction has brought the card that
// far. Line ends inside a text become "\n".
Importtabelle KvtmlTabelle(const KvtmlDokument& dokument);

} // namespace lexidor
