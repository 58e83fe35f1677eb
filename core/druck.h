// What goes on paper: the cards of a printed list or test sheet in their order, and the page
// breaks, found page by page as the pages are asked for.
#pragma once

#include "kartei.h"
#include "zufall.h"

#include <functional>
#include <optional>
#include <vector>

namespace lexidor {

enum class TDruckart { Liste, Testbogen };

struct TDruckkarte {
    int Fach = 0;
    int Index = 0;
    bool FremdGegeben = false; // on a test sheet: the foreign side is given, the German asked
    bool operator==(const TDruckkarte&) const = default;
};

// fach 1..6 chooses one compartment; 0 means every card for a list and the cards due today
// for a test sheet. A list keeps the list's order; a test sheet is shuffled and gives the side
// the query direction names (2: drawn for every card).
std::vector<TDruckkarte> DruckKarten(const TKartei& kartei, TDruckart art, int fach,
                                     int abfragerichtung, Datum heute, Zufall& zufall);

// Page breaks for rows of different heights. A page takes rows while they fit; a row taller
// than a page stands alone on its page. Heights are asked for only as far as pages are laid.
class TSeitenplan {
public:
    TSeitenplan(int zeilen, int seitenhoehe, std::function<int(int)> zeilenhoehe);

    // The first row of page s (0-based) and the row after its last; nullopt past the end.
    std::optional<std::pair<int, int>> Seite(int s);
    // Lays out up to so many more rows; true once every row has its page.
    bool Weiter(int zeilen);
    // Pages whose rows are all known.
    int BekannteSeiten() const { return static_cast<int>(anfaenge_.size()) - 1; }
    bool Fertig() const { return fertig_; }
    int GesetzteZeilen() const { return zeile_; }

private:
    int zeilen_;
    int seitenhoehe_;
    std::function<int(int)> zeilenhoehe_;
    std::vector<int> anfaenge_{0}; // first row of every page laid out, then the next one's
    int zeile_ = 0;                // the next row to place
    int belegt_ = 0;               // height used on the page being filled
    bool fertig_ = false;
};

} // namespace lexidor
