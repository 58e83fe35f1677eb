// Any bytes as a text file to import: reading must never crash, every row must become a
// card or a reported refusal, the file read in pieces must give the same cards, and the cards
// taken must export and import back unchanged.
#include "textimport.h"
#include "vokabelexport.h"
#include "vokabelimport.h"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace lexidor;

TKartei Importiert(std::string_view datei, int& zeilen, int& angekommen) {
    const Importtabelle tabelle = TextdateiLesen(datei);
    Importwahl wahl = StandardWahl(tabelle);
    wahl.stufenBehalten = true;
    TKartei kartei;
    const Importergebnis e = Importieren(kartei, tabelle, wahl);
    zeilen = tabelle.Zeilen() - (wahl.kopfzeileUeberspringen ? 1 : 0);
    angekommen = e.uebernommen + e.uebersprungen;
    if (e.uebernommen != kartei.Gesamtzahl() || e.abgelehnt.size() > kGemeldeteZeilen) {
        std::abort();
    }
    return kartei;
}

bool Gleich(const TKartei& a, const TKartei& b) {
    for (int k = 1; k <= 6; ++k) {
        if (a.Fach[k].Count() != b.Fach[k].Count()) {
            return false;
        }
        for (int i = 0; i < a.Fach[k].Count(); ++i) {
            if (a.Fach[k].Deutsch(i) != b.Fach[k].Deutsch(i) ||
                a.Fach[k].Fremd(i) != b.Fach[k].Fremd(i)) {
                return false;
            }
        }
    }
    return true;
}

// As the program reads a large file: a piece of seven bytes at a time.
TKartei Stueckweise(std::string_view datei) {
    const Importtabelle vorlage = TextdateiLesen(datei);
    Importwahl wahl = StandardWahl(vorlage);
    wahl.stufenBehalten = true;
    TKartei kartei;
    Textimport import(kartei, vorlage, wahl, datei.size());
    for (std::size_t pos = 0; pos < datei.size(); pos += 7) {
        import.Stueck(datei.substr(pos, 7), pos + 7 >= datei.size());
    }
    return kartei;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view datei(reinterpret_cast<const char*>(daten), groesse);
    int zeilen = 0;
    int angekommen = 0;
    const TKartei kartei = Importiert(datei, zeilen, angekommen);
    if (angekommen != zeilen || !Gleich(Stueckweise(datei), kartei)) {
        std::abort();
    }
    const TKartei wieder =
        Importiert(VokabelnExportieren(kartei, Exportformat::CsvSemikolon), zeilen, angekommen);
    if (!Gleich(wieder, kartei)) {
        std::abort();
    }
    return 0;
}
