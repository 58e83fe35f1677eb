// Reader and writer of card-box files.
#include "karteidatei.h"

#include "zeilen.h"

namespace lexidor {
namespace {

void ZeileAnhaengen(std::string& out, std::string_view zeile) {
    out.append(zeile);
    out.append("\r\n");
}

std::size_t DateiGroesse(const TKartei& kartei) {
    std::size_t groesse = 4 * 12 + 7 * 54;
    for (int c = 1; c <= 6; ++c) {
        const TVokList& fach = kartei.Fach[c];
        for (int i = 0; i < fach.Count(); ++i) {
            groesse += fach.Deutsch(i).size() + fach.Fremd(i).size() + fach.Zusatz(i).size();
        }
        groesse += std::size_t(fach.Count()) * (3 * 2 + 6 + 12);
    }
    return groesse;
}

} // namespace

std::string KarteiSchreiben(const TKartei& kartei, std::string_view datumsmuster) {
    std::string out;
    out.reserve(DateiGroesse(kartei));
    for (int k = 2; k <= 5; ++k) {
        ZeileAnhaengen(out, KurzdatumFormatieren(kartei.Termin[k], datumsmuster));
    }
    ZeileAnhaengen(out, kMarker[0]);
    for (int c = 1; c <= 6; ++c) {
        const TVokList& fach = kartei.Fach[c];
        for (int i = 0; i < fach.Count(); ++i) {
            ZeileAnhaengen(out, fach.Deutsch(i));
            ZeileAnhaengen(out, fach.Fremd(i));
            ZeileAnhaengen(out, fach.Zusatz(i));
            ZeileAnhaengen(out, "true");
            ZeileAnhaengen(out, kKartenende);
        }
        ZeileAnhaengen(out, kMarker[c]);
    }
    return out;
}

bool KarteiLesen(TKartei& kartei, std::optional<std::string_view> datei,
                 std::string_view datumsmuster, Datum heute, Zufall& zufall) {
    kartei.Anzeigename = Dateiname(kartei.Dateipfad);
    if (!datei) {
        return false;
    }
    Zeilenleser zeilen(*datei);
    for (int k = 2; k <= 5; ++k) {
        const auto zeile = zeilen.Naechste();
        const auto datum = zeile ? KurzdatumLesen(*zeile, datumsmuster) : std::nullopt;
        if (!datum) {
            return false;
        }
        kartei.Termin[k] = *datum;
    }
    kartei.FaelligkeitBestimmen(heute);
    if (!zeilen.Naechste()) { // the start marker, whatever it says
        return false;
    }
    // Lines are taken strictly in order, so walking them once is the same as counting
    // positions 5n + b: a card is five lines, a compartment ends at a "----" line.
    for (int c = 1; c <= 6; ++c) {
        TVokList& fach = kartei.Fach[c];
        for (;;) {
            const auto deutsch = zeilen.Naechste();
            if (!deutsch) {
                return false;
            }
            if (deutsch->starts_with("----")) {
                break;
            }
            const auto fremd = zeilen.Naechste();
            const auto zusatz = fremd ? zeilen.Naechste() : std::nullopt;
            if (!zusatz) {
                return false;
            }
            fach.Anhaengen(*deutsch, *fremd, *zusatz);
            // The flag and end-of-card lines are not looked at; missing ones mean the next
            // card or marker lies beyond the end, which the next round finds.
            zeilen.Naechste();
            zeilen.Naechste();
        }
    }
    for (int c = 1; c <= 5; ++c) {
        kartei.Fach[c].Shuffle(zufall);
    }
    return true;
}

} // namespace lexidor
