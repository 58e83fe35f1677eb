// Rows of vocabulary brought in from another program's file, as its reader found them and
// before they become cards: UTF-8 cells, line breaks inside a cell as "\n".
#pragma once

#include "textkodierung.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

enum class Importformat { Trennzeichen, Anki, Kvtml, Kartei };

// All cells share one buffer, so that a file at the card limit costs little more than its
// text.
class Importtabelle {
public:
    // Building, as a reader goes through the file: a row, then its cells one by one.
    void Reservieren(std::size_t textBytes) { text_.reserve(textBytes); }
    void ZeileBeginnen(int zeilennummer);
    void FeldBeginnen();
    void Anhaengen(std::string_view text) { text_.append(text); }
    void Anhaengen(char c) { text_.push_back(c); }
    // Drops the end of the cell being built, back to `laenge` bytes of the whole buffer.
    void Kuerzen(std::size_t laenge) { text_.resize(laenge); }
    std::size_t Laenge() const { return text_.size(); }

    int Zeilen() const { return static_cast<int>(zeilen_.size()); }
    int Felder(int zeile) const;
    std::string_view Feld(int zeile, int spalte) const; // "" beyond the row's last cell
    int Zeilennummer(int zeile) const { return static_cast<int>(zeilen_[zeile].nummer); }
    int Spalten() const { return spalten_; } // cells of the longest row

    Importformat format = Importformat::Trennzeichen;
    Textkodierung kodierung = Textkodierung::Utf8;
    char trennzeichen = '\t';
    std::vector<std::string> spaltennamen; // from a header row or the file's own description
    bool kopfzeile = false;                // row 0 names the columns and is no card
    std::optional<int> stufenspalte;       // the column that holds each card's level

private:
    struct Zeile {
        std::uint32_t erstesFeld;
        std::uint32_t nummer; // line of the file where the row starts, from 1
    };
    std::string text_;
    std::vector<std::size_t> feldanfang_; // where each cell starts; it ends where the next does
    std::vector<Zeile> zeilen_;
    int spalten_ = 0;
    int felderDerZeile_ = 0; // of the row being built
};

// The text with every line end (CR LF, a lone CR, a lone LF) as the "\n" that cells hold.
std::string EinheitlicheUmbrueche(std::string_view text);

// The cell without blanks and tabs at either end.
std::string_view Beschnitten(std::string_view zelle);

// A level cell: a number from 1 to 6, blanks around it allowed. nullopt for an empty cell;
// 0 for anything else.
std::optional<int> StufeLesen(std::string_view zelle);

// A column holds levels when each of its cells from row `ab` on is a level or empty and at
// least one is not empty.
bool IstStufenspalte(const Importtabelle& tabelle, int spalte, int ab);

} // namespace lexidor
