// Rows of vocabulary brought in from another program's file, as its reader found them and
// before they become cards: UTF-8 cells, line breaks inside a cell as "\n".
#pragma once

#include "importlektion.h"
#include "textkodierung.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

enum class Importformat { Trennzeichen, Anki, Kvtml, Kartei };

// Told now and then how far a long step has come (erledigt of gesamt), so that the shell can
// show it; false stops the step where it is.
using Fortschritt = std::function<bool(std::size_t erledigt, std::size_t gesamt)>;
inline constexpr int kFortschrittZeilen = 1 << 16; // rows between two reports

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
    // Drops the row built last, as if it had never begun.
    void LetzteZeileVerwerfen();

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
    bool zweiseitig = false;               // most rows fill two cells or more
    bool htmlErkannt = false;              // the cells hold HTML
    bool htmlUmgewandelt = false;          // and it has been turned into plain text
    bool ankiKarten = false; // Anki's cards as text: the answers no longer repeat the question
    std::optional<int> stufenspalte;      // the column that holds each card's level
    std::vector<Importlektion> lektionen; // the lessons a KVTML file names
    std::vector<Zellbeigabe> beigaben;    // by row, what cells of a KVTML file hold besides
    bool nurAnfang = false;               // the rows of the file's start only, the rest not read

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

// The columns a user is offered one by one: those of the longest row, at least two (a file of
// one column still has an empty other side), at most kSpaltenangebot. A row of thousands of
// cells is no vocabulary, and offering each of them would keep the dialog busy for minutes.
inline constexpr int kSpaltenangebot = 40;
int AngeboteneSpalten(const Importtabelle& tabelle);

// A table with the same description (format, names, header, levels, ...) and no rows yet.
Importtabelle LeereKopie(const Importtabelle& tabelle);

// The table again, each cell as zelle(zeile, spalte) gives it.
template <typename Zelle> Importtabelle Umgebaut(const Importtabelle& tabelle, Zelle zelle) {
    Importtabelle neu = LeereKopie(tabelle);
    neu.Reservieren(tabelle.Laenge());
    for (int z = 0; z < tabelle.Zeilen(); ++z) {
        neu.ZeileBeginnen(tabelle.Zeilennummer(z));
        for (int s = 0; s < tabelle.Felder(z); ++s) {
            neu.FeldBeginnen();
            neu.Anhaengen(zelle(z, s));
        }
    }
    return neu;
}

// The filled cells of a row (not blank), among the columns offered.
int GefuellteZellen(const Importtabelle& tabelle, int zeile);

// Sets zweiseitig: four in five rows of the first thousand fill two cells or more.
void ZweiseitigErkennen(Importtabelle& tabelle);

// A row that heads a lesson rather than holds a card: its only filled cell starts with "#"
// ("### Lektion 3"), or stands alone in a file whose rows otherwise fill two cells.
bool IstUeberschrift(const Importtabelle& tabelle, int zeile);

// The text with every line end (CR LF, a lone CR, a lone LF) as the "\n" that cells hold.
std::string EinheitlicheUmbrueche(std::string_view text);

// The cell without blanks and tabs at either end.
std::string_view Beschnitten(std::string_view zelle);

// How a file counts its levels: as the compartments 1 to 6, or from 0, where 0 to 5 are the
// compartments 1 to 6 and of 0 to 6 both 0 and 1 are compartment 1 (a card not yet learned).
enum class Stufenskala { EinsBisSechs, NullBisFuenf, NullBisSechs };

// A level cell as a compartment from 1 to 6: a number on the scale, blanks around it allowed.
// nullopt for an empty cell; 0 for anything else.
std::optional<int> StufeLesen(std::string_view zelle,
                              Stufenskala skala = Stufenskala::EinsBisSechs);

// The scale of a column whose cells from row `ab` on are numbers from 0 to 6 or empty, at
// least one not empty: from 0 when a 0 is among them, to 5 or 6 as the highest is. nullopt for
// any other column, such as one of lesson numbers beyond 6.
std::optional<Stufenskala> StufenskalaErkennen(const Importtabelle& tabelle, int spalte, int ab);
bool IstStufenspalte(const Importtabelle& tabelle, int spalte, int ab);

} // namespace lexidor
