// Any bytes as an Anki export of notes, and as an HTML field: reading must never crash, and
// every row must become a card or a reported refusal.
#include "ankinotizen.h"
#include "vokabelimport.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lexidor;
    const std::string_view datei(reinterpret_cast<const char*>(daten), groesse);
    const Importtabelle tabelle = AnkiLesen(datei);
    Importwahl wahl = StandardWahl(tabelle);
    wahl.deutsch = tabelle.Spalten() - 1; // also a column that many rows lack
    TKartei kartei;
    const Importergebnis e = Importieren(kartei, tabelle, wahl);
    if (e.uebernommen + e.uebersprungen != tabelle.Zeilen() ||
        e.uebernommen != kartei.Fach[1].Count()) {
        std::abort();
    }
    // Markup never adds text: the plain text is at most as long as the HTML.
    if (HtmlNachText(datei).size() > datei.size()) {
        std::abort();
    }
    return 0;
}
