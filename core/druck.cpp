// The cards to print and their page breaks.
#include "druck.h"

#include "verlauf.h"

#include <array>
#include <utility>

namespace lexidor {

namespace {

void FachAnhaengen(std::vector<TDruckkarte>& karten, const TKartei& kartei, int k) {
    for (int i = 0; i < kartei.Fach[k].Count(); ++i) {
        karten.push_back({k, i, false});
    }
}

bool TestFach(const TKartei& kartei, int k, int fach, Datum heute) {
    return fach != 0 ? k == fach : FachHeuteFaellig(kartei, k, heute);
}

} // namespace

std::vector<TDruckkarte> DruckKarten(const TKartei& kartei, TDruckart art, int fach,
                                     int abfragerichtung, Datum heute, Zufall& zufall) {
    std::vector<TDruckkarte> karten;
    for (int k = 1; k <= 6; ++k) {
        const bool gewaehlt =
            art == TDruckart::Liste ? fach == 0 || k == fach : TestFach(kartei, k, fach, heute);
        if (gewaehlt) {
            FachAnhaengen(karten, kartei, k);
        }
    }
    if (art == TDruckart::Liste) {
        return karten;
    }
    // Fisher-Yates, so that every order is equally likely.
    for (std::size_t i = karten.size(); i > 1; --i) {
        std::swap(karten[i - 1], karten[zufall.Unter(static_cast<std::uint32_t>(i))]);
    }
    for (TDruckkarte& karte : karten) {
        karte.FremdGegeben = abfragerichtung == 2 ? zufall.Unter(2) == 1 : abfragerichtung == 1;
    }
    return karten;
}

TSeitenplan::TSeitenplan(int zeilen, int seitenhoehe, std::function<int(int)> zeilenhoehe)
    : zeilen_(zeilen), seitenhoehe_(seitenhoehe), zeilenhoehe_(std::move(zeilenhoehe)),
      fertig_(zeilen == 0) {
    if (fertig_) {
        anfaenge_.push_back(0); // an empty print is one empty page
    }
}

bool TSeitenplan::Weiter(int zeilen) {
    for (int n = 0; n < zeilen && !fertig_; ++n) {
        const int hoehe = zeilenhoehe_(zeile_);
        if (belegt_ > 0 && belegt_ + hoehe > seitenhoehe_) {
            anfaenge_.push_back(zeile_);
            belegt_ = 0;
        }
        belegt_ += hoehe;
        if (++zeile_ == zeilen_) {
            anfaenge_.push_back(zeilen_);
            fertig_ = true;
        }
    }
    return fertig_;
}

std::optional<std::pair<int, int>> TSeitenplan::Seite(int s) {
    // Page s is known once page s + 1 has begun or every row is placed.
    while (static_cast<int>(anfaenge_.size()) <= s + 1 && !fertig_) {
        Weiter(1);
    }
    if (s < 0 || s + 1 >= static_cast<int>(anfaenge_.size())) {
        return std::nullopt;
    }
    return std::pair{anfaenge_[static_cast<std::size_t>(s)],
                     anfaenge_[static_cast<std::size_t>(s) + 1]};
}

} // namespace lexidor
