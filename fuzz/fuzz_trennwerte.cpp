// Any bytes as a text file to import: reading must never crash, every row must become a
// card or a reported refusal, and the cards taken must export and import back unchanged.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view datei(reinterpret_cast<const char*>(daten), groesse);
    int zeilen = 0;
    int angekommen = 0;
    const TKartei kartei = Importiert(datei, zeilen, angekommen);
    if (angekommen != zeilen) {
        std::abort();
    }
    const TKartei wieder =
        Importiert(VokabelnExportieren(kartei, Exportformat::CsvSemikolon), zeilen, angekommen);
    for (int k = 1; k <= 6; ++k) {
        if (wieder.Fach[k].Count() != kartei.Fach[k].Count()) {
            std::abort();
        }
        for (int i = 0; i < kartei.Fach[k].Count(); ++i) {
            if (wieder.Fach[k].Deutsch(i) != kartei.Fach[k].Deutsch(i) ||
                wieder.Fach[k].Fremd(i) != kartei.Fach[k].Fremd(i)) {
                std::abort();
            }
        }
    }
    return 0;
}
