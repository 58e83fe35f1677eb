// Rows, search and delete of the vocabulary list.
#include "vokabelzeilen.h"

#include "suche.h"

#include <algorithm>

namespace lexidor {

void TVokabelliste::Aufbauen() {
    anfang_[1] = 0;
    for (int k = 1; k <= 6; ++k) {
        anfang_[k + 1] = anfang_[k] + kartei_.Fach[k].Count();
    }
}

TPosInfo TVokabelliste::Position(int zeile) const {
    // The last compartment that starts at or before the row; empty ones start where the
    // next one does and are passed over.
    const auto nach = std::upper_bound(anfang_.begin() + 1, anfang_.end(), zeile);
    const int stufe = static_cast<int>(nach - anfang_.begin()) - 1;
    return {stufe, zeile - anfang_[stufe]};
}

std::string_view TVokabelliste::Deutsch(int zeile) const {
    const TPosInfo p = Position(zeile);
    return ErsteZeile(kartei_.Fach[p.Stufe].Deutsch(p.Index));
}

std::string_view TVokabelliste::Fremd(int zeile) const {
    const TPosInfo p = Position(zeile);
    return ErsteZeile(kartei_.Fach[p.Stufe].Fremd(p.Index));
}

int TVokabelliste::ErsterTreffer(std::string_view suchtext, int ab) const {
    if (ab >= Zeilen()) {
        return -1;
    }
    const TSuchmuster muster(suchtext);
    const TPosInfo start = Position(std::max(ab, 0));
    for (int k = start.Stufe; k <= 6; ++k) {
        const int i = muster.ErsterTreffer(kartei_.Fach[k], k, k == start.Stufe ? start.Index : 0);
        if (i >= 0) {
            return anfang_[k] + i;
        }
    }
    return -1;
}

Suchlauf TVokabelliste::Gefunden(int zeile) {
    if (zeile < 0) {
        return {Suchausgang::KeinTreffer};
    }
    Suchposition = zeile + 1;
    return {Suchausgang::Treffer, zeile};
}

Suchlauf TVokabelliste::Suchen(std::string_view suchtext) {
    Suchposition = -1;
    return Gefunden(ErsterTreffer(suchtext, 0));
}

Suchlauf TVokabelliste::Weitersuchen(std::string_view suchtext) {
    if (Suchposition == -1) {
        return {Suchausgang::NichtGesucht};
    }
    const Suchlauf lauf = Gefunden(ErsterTreffer(suchtext, Suchposition));
    if (lauf.ausgang == Suchausgang::KeinTreffer) {
        Suchposition = -1;
    }
    return lauf;
}

int TVokabelliste::Loeschen(int zeile) {
    Bearb = Position(zeile);
    kartei_.Fach[Bearb.Stufe].Delete(Bearb.Index);
    Aufbauen();
    kartei_.Gesichert = false;
    return zeile < Zeilen() ? zeile : -1;
}

} // namespace lexidor
