// The lessons of a file to import, and what its entries hold beyond what a card can: the
// parts of a table that a reader fills in where the file has them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// Rows von up to bis (not included) of an import table.
struct Zeilenbereich {
    int von = 0;
    int bis = 0;
};

// A lesson: its name and its rows, ascending and apart; a row may be in several lessons.
struct Importlektion {
    std::string name;
    std::vector<Zeilenbereich> zeilen;
    int eintraege = 0;           // its rows but a heading, as the dialog counts them
    void Hinzufuegen(int zeile); // a row after all it holds so far, counted as an entry
};

// The rows of a file that are in no lesson of it.
inline constexpr std::string_view kOhneLektion = "Ohne Lektion";

// What an entry may hold besides its word and a card cannot.
enum class Beigabe : std::uint8_t {
    Kommentar,
    Aussprache,
    Beispiel,
    Umschreibung,
    Konjugation,
    Steigerung,
    Auswahl,
    Bild,
    Ton,
};
inline constexpr std::size_t kBeigaben = 9;

// One of them, in the cell of a row and column of the table.
struct Zellbeigabe {
    int zeile = 0;
    int spalte = 0;
    Beigabe art = Beigabe::Kommentar;
};

// What an import left out of the cards it made: the counts by Beigabe, and the columns
// beside the two sides that are further languages of the file.
struct Nichtuebernommen {
    std::array<int, kBeigaben> beigaben{};
    std::vector<std::string> sprachen;
};

class Importtabelle;

// The lessons offered: those a KVTML file names, or one for each heading row of a text file
// with the rows up to the next; last, where lessons leave rows out, kOhneLektion with them.
// None for a file without lessons, nor for a large text file of which only the start is read.
std::vector<Importlektion> ImportLektionen(const Importtabelle& tabelle);

// Which rows the chosen lessons hold (gewaehlt[i] for lektionen[i]); a row in several of them
// counts once. Empty, for every row, when no lesson is left out.
std::vector<bool> GewaehlteZeilen(const Importtabelle& tabelle,
                                  const std::vector<Importlektion>& lektionen,
                                  const std::vector<bool>& gewaehlt);

} // namespace lexidor
