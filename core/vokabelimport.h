// Vocabulary from other programs' files into the open card box: which columns become which
// side, what a row becomes, the rows refused and why, and the report at the end.
#pragma once

#include "ankinotizen.h"
#include "importtabelle.h"
#include "kartei.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// No vocabulary list needs more: a file beyond it is refused before it is read.
inline constexpr std::uint64_t kImportHoechstgroesse = std::uint64_t{512} << 20;
std::string ZuGrossText();

enum class Importdatei {
    Kartei,     // a card-box file of this program
    Kvtml,      // XML whose root element is "kvtml"
    AnderesXml, // XML of some other kind
    Binaer,     // not text: it holds NUL bytes in its encoding
    Text,       // an Anki export or separated values
};
Importdatei ImportdateiErkennen(std::string_view datei);
// Why a file of this kind gives no cards, in German; empty for the kinds that are read.
std::string_view ImportdateiAblehnung(Importdatei art);

// The bytes of a text file: an Anki export of notes, otherwise separated values. HTML found
// in the cells is turned into plain text unless `art` says otherwise.
Importtabelle TextdateiLesen(std::string_view datei, const Leseart& art = {});

// So much of a larger text file is read for the dialog: enough rows to find how it is
// written and what its columns hold; Textimport reads the rest as the cards come in.
inline constexpr std::size_t kTextanfang = std::size_t{1} << 20;

// The start of a larger text file, up to its last whole line, read as TextdateiLesen reads a
// whole one; the table says that it holds the first rows only.
Importtabelle TextanfangLesen(std::string_view anfang, const Leseart& art = {});

// The bytes are a card-box file of this program: its first marker line comes first, after
// the review dates.
bool IstKarteidatei(std::string_view datei);

// The cards of another box as rows Deutsch, Fremd, Lernstufe in the order of its vocabulary
// list, numbered as the list's rows from 1; each side's line breaks as "\n".
Importtabelle KarteiTabelle(const TKartei& kartei);

// What the user chooses in the import dialog.
struct Importwahl {
    int deutsch = 0; // columns, from 0
    int fremd = 1;
    bool stufenBehalten = false; // otherwise every card goes to compartment 1
    bool kopfzeileUeberspringen = false;
    std::optional<int> stufenspalte; // where the levels are kept, when they are
    Stufenskala skala = Stufenskala::EinsBisSechs;
    std::vector<bool> lektionen; // chosen, as ImportLektionen lists them; empty for all
};

// The levels from that column, on the scale its cells show (1 to 6 where they show none).
void StufenspalteWaehlen(Importwahl& wahl, const Importtabelle& tabelle, int spalte);

// The columns SpaltenVorschlagen proposes, all to compartment 1 (the file's level column
// ready to be chosen), a recognised header skipped.
Importwahl StandardWahl(const Importtabelle& tabelle);

enum class Ablehnung {
    Leer,           // both sides blank
    Markerzeile,    // a German side beginning with "----"
    Umbruchzeichen, // "¼" or "¾", which a card can hold only as a line break
    Stufe,          // a level that is no number from 1 to 6, when levels are kept
    Kodierung,      // bytes that are no character of the file's encoding
    Ueberschrift,   // a row that heads a lesson
    Abgewaehlt,     // a row in no lesson chosen, which the preview shows and the import leaves
};

struct Abgelehnt {
    int zeile = 0; // line of the file
    Ablehnung grund = Ablehnung::Leer;
    std::string zeichen; // UTF-8: the level cell that was refused
    bool operator==(const Abgelehnt&) const = default;
};

// What one row becomes: a card for a compartment, or the reason it is refused. Line breaks
// become the card's "¾¼".
struct Zeilenkarte {
    TVokabel karte;
    int fach = 1;
    std::optional<Abgelehnt> abgelehnt;
};
Zeilenkarte KarteAusZeile(const Importtabelle& tabelle, int zeile, const Importwahl& wahl);

// The first rows as they will become cards, for the dialog to show with every column offered.
struct Vorschauzeile {
    int zeile = 0;
    std::vector<std::string_view> zellen; // the table's cells: UTF-8, lines separated by "\n"
    int fach = 1;
    std::optional<Abgelehnt> abgelehnt;
    bool seiteLeer = false; // a card with one blank side, as the add dialog allows it
};
std::vector<Vorschauzeile> ImportVorschau(const Importtabelle& tabelle, const Importwahl& wahl,
                                          int anzahl);

inline constexpr std::size_t kGemeldeteZeilen = 20;

struct Importergebnis {
    int uebernommen = 0;
    int uebersprungen = 0;
    std::vector<Abgelehnt> abgelehnt;       // the first kGemeldeteZeilen of them
    std::optional<int> limitAbZeile;        // the line at which the card limit stopped the import
    std::optional<int> abgebrochenAbZeile;  // the line at which the user stopped it
    Nichtuebernommen nichtUebernommen = {}; // of the rows that became cards
};

// Appends every row of the chosen lessons that becomes a card to the end of its compartment, in
// file order, until the box holds the card limit or fortschritt stops it. The box counts as changed
// when a card came in.
Importergebnis Importieren(TKartei& kartei, const Importtabelle& tabelle, const Importwahl& wahl,
                           const Fortschritt& fortschritt = {});

// The German texts for the user: why a row is refused, the same with its line, and the whole
// import.
std::string AblehnungGrund(const Abgelehnt& abgelehnt);
std::string AblehnungText(const Abgelehnt& abgelehnt);
std::string ImportMeldung(const Importergebnis& ergebnis);

// "Nicht übernommen: 12 Kommentare, 4 Beispiele, 1 weitere Sprache (Französisch)"; empty
// when nothing was left out.
std::string NichtuebernommenText(const Nichtuebernommen& n);

} // namespace lexidor
