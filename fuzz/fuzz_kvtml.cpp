// Any bytes through the program's KVTML reader and into cards: it must never crash, overflow
// its stack or abort for memory, and what it reads stays within the bounds core sets.
#include "kvtml.h"
#include "kvtmlleser.h"
#include "vokabelimport.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lexidor;
    const std::string_view datei(reinterpret_cast<const char*>(daten), groesse);
    IstKvtml(datei);
    QString fehler;
    const auto dokument = KvtmlLesen(datei, fehler);
    if (!dokument) {
        if (fehler.isEmpty()) {
            std::abort(); // a refusal always says why
        }
        return 0;
    }
    std::size_t text = 0;
    for (const KvtmlEintrag& e : dokument->eintraege) {
        for (const KvtmlUebersetzung& u : e.uebersetzungen) {
            text += u.text.size();
        }
    }
    // The reader counts characters, of up to three bytes each.
    const std::size_t sprachen = dokument->sprachen.size();
    if (text > 3 * (4 * groesse + (std::size_t{1} << 20)) || sprachen < 2 ||
        sprachen > kKvtmlSprachen) {
        std::abort();
    }
    const Importtabelle tabelle = KvtmlTabelle(*dokument);
    TKartei kartei;
    const Importergebnis e = Importieren(kartei, tabelle, StandardWahl(tabelle));
    if (e.uebernommen + e.uebersprungen != tabelle.Zeilen()) {
        std::abort();
    }
    return 0;
}
