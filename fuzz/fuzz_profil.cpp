// Any bytes as "lexidor.ini": parsing, reading the eleven settings and writing them back must
// never crash; the written file keeps every line and reads back as the settings written.
#include "einstellungen.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lexidor;
    Profildatei ini(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    TEinstellungen e;
    bool start = false;
    EinstellungenLaden(ini, e, start);
    EinstellungenSpeichern(ini, e, start);
    const Profildatei wieder(ini.Daten());
    TEinstellungen gelesen;
    bool startGelesen = false;
    const auto ergebnis = EinstellungenLaden(wieder, gelesen, startGelesen);
    if (wieder.Zeilen() != ini.Zeilen() || !ergebnis.ok || !(gelesen == e) ||
        startGelesen != start) {
        std::abort();
    }
    return 0;
}
