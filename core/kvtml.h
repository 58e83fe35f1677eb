// Vocabulary files of KDE's Parley and KWordQuiz (KVTML 2). The shell reads the XML with a
// real parser and hands over what matters here; the rules for turning it into rows live here.
#pragma once

#include "importtabelle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
    // What it holds besides, such as a comment or an example: a bit for each kind of Beigabe,
    // since a vector for each translation of a big file would cost more than its text.
    std::uint16_t beigaben = 0;
};

// One <entry>.
struct KvtmlEintrag {
    int zeile = 0; // line of the file where it starts
    std::vector<KvtmlUebersetzung> uebersetzungen;
    std::string id = {};      // KVTML 2: how the lessons name it
    std::string lektion = {}; // KVTML 1: the number of its lesson ("m")
};

// A lesson: a <container> of <lessons> (KVTML 2) or a <desc> of <lesson> (KVTML 1).
struct KvtmlLektion {
    std::string name;
    std::vector<std::string> eintraege; // the ids of its entries (KVTML 2)
    std::string nummer = {};            // its number (KVTML 1)
    int oben = -1;                      // the lesson it is part of, if any
};

struct KvtmlDokument {
    std::vector<KvtmlSprache> sprachen;
    std::vector<KvtmlEintrag> eintraege;
    std::vector<KvtmlLektion> lektionen = {};
};

// What a child element of a <translation> (KVTML 2) or an attribute of <o> and <t> (KVTML 1)
// holds that a card cannot; nullopt for everything else.
std::optional<Beigabe> KvtmlBeigabe(std::string_view element);
std::optional<Beigabe> Kvtml1Beigabe(std::string_view attribut);

// Its bit in KvtmlUebersetzung::beigaben: the closing message counts the translations that
// hold such a thing, however many conjugations or examples each has.
constexpr std::uint16_t Bit(Beigabe b) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(b));
}

// The name of the root element of XML in UTF-8 or UTF-16, with or without a byte-order mark:
// the first element after the declaration, comments, processing instructions and a document
// type, however long they are. nullopt for bytes that neither start with an XML declaration
// nor have "kvtml" as their first element, so that a list whose first cell is HTML stays
// text.
std::optional<std::string> XmlWurzel(std::string_view datei);

// The bytes are a KVTML file: XML whose root element is "kvtml".
bool IstKvtml(std::string_view datei);

// The XML as UTF-8 for the parser, its declared encoding then no longer in the way: a view
// into `datei` or into `puffer`.
std::string_view XmlText(std::string_view datei, std::string& puffer);

// What an XML reader may take from a file before it stops: its elements nested no deeper
// than kKvtmlTiefe, and its text, languages and cells as KvtmlGrenze allows. Entities that
// refer to each other may blow up a small file to gigabytes, each of them small.
inline constexpr int kKvtmlTiefe = 64;
inline constexpr std::size_t kKvtmlSprachen = 100;

struct KvtmlUmfang {
    std::size_t text = 0; // bytes of every text taken so far
    std::size_t sprachen = 0;
    std::size_t eintraege = 0;
};

// nullopt while the reader may go on; otherwise why the file is refused, in German. Text may
// grow to four times the file (entities, character references) and a megabyte more; the
// table may hold four cells per card of the card limit.
std::optional<std::string> KvtmlGrenze(const KvtmlUmfang& umfang, std::size_t dateigroesse);
std::string KvtmlZuTief();

// At most how many bytes the references to the entities that the document type declares add
// to the text of the UTF-8 XML. A parser hands the whole expansion over as one piece, so it is
// counted before parsing. Each entity counts with its value, and an entity it refers to with
// the most a parser lets one entity grow to (kEntitaetHoechstens).
inline constexpr std::size_t kEntitaetHoechstens = 4096 * 3;
std::size_t EntitaetenZuwachs(std::string_view xml);

// Why a read file cannot give cards: no languages, or only one. nullopt when it can.
std::optional<std::string> KvtmlFehler(const KvtmlDokument& dokument);

// Index of the German language: the first whose locale or name is German ("de", "de_AT",
// "deu", "German", "Deutsch"), otherwise the first of all. 0 for a file without languages.
std::size_t DeutscheSprache(const std::vector<KvtmlSprache>& sprachen);

// Parley grades a translation from 0 (not practised yet) through the levels 1 to 7. Levels 1
// to 4 step through the review compartments 2 to 5 as four right answers in a row would;
// levels 5 and 6, still being reviewed there, stay in compartment 5, and only level 7, where
// Parley stops raising a card, counts as learned (compartment 6, never asked again). No grade,
// or 0, is compartment 1.
int KvtmlFach(std::optional<int> grad);

// A word's grade is the highest it holds: Parley keeps one <currentgrade> per direction a
// translation was practised in, and the row takes the higher of its two languages'. A grade
// missing leaves the one so far.
std::optional<int> HoechsterGrad(std::optional<int> bisher, std::optional<int> grad);

// A <currentgrade>'s text as a number, blanks around it allowed; nullopt when it is none.
std::optional<int> GradLesen(std::string_view text);

// Columns: the German language, then the others from the next one in the file on, wrapping
// round to the first, and last "Lernstufe" with the compartment of the higher grade of the
// first two columns, since a learner who practised one direction has brought the card that
// far. Line ends inside a text become "\n". Of several translations into one language, the
// first counts. The lessons hold the rows of their entries, a part of another one named
// "Teil / Kapitel"; the cells' Beigaben come along for the closing message.
Importtabelle KvtmlTabelle(const KvtmlDokument& dokument);

} // namespace lexidor
