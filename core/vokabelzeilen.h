// The rows of the vocabulary list, its search and its delete. Row r is a card of the box in
// compartment order; its position follows from the compartment counts, so the list keeps
// eight numbers instead of one object per card.
#pragma once

#include "kartei.h"

#include <array>
#include <string_view>

namespace lexidor {

enum class Suchausgang { Treffer, KeinTreffer, NichtGesucht };

struct Suchlauf {
    Suchausgang ausgang;
    int zeile = -1; // with Suchausgang::Treffer
};

class TVokabelliste {
public:
    explicit TVokabelliste(TKartei& kartei) : kartei_(kartei) {}

    // Rebuild: the rows follow the box as it is now. Positions of earlier rows are void.
    void Aufbauen();
    int Zeilen() const { return anfang_[7]; }
    TPosInfo Position(int zeile) const;
    // What the row shows: the first line of each side.
    std::string_view Deutsch(int zeile) const;
    std::string_view Fremd(int zeile) const;

    // Search text in UTF-8, as typed. "Suchen" scans from row 0; "Weitersuchen" from the row
    // after the last hit, and only while a search is to be continued.
    Suchlauf Suchen(std::string_view suchtext);
    Suchlauf Weitersuchen(std::string_view suchtext);
    void SuchtextGeaendert() { Suchposition = -1; }

    // Deletes the row's card and rebuilds; returns the row to select afterwards, or -1.
    int Loeschen(int zeile);

    int Suchposition = 0; // -1: no search to continue
    TPosInfo Bearb;       // BearbStufe and BearbIndex of the row last deleted or edited

private:
    int ErsterTreffer(std::string_view suchtext, int ab) const;
    Suchlauf Gefunden(int zeile);

    TKartei& kartei_;
    std::array<int, 8> anfang_{}; // first row of compartment k; anfang_[7] is the row count
};

} // namespace lexidor
