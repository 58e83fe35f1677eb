// Any bytes as "lexidor.ini": parsing, reading the settings and writing them back must
// never crash, and a written setting must read back as written.
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
    if (!ergebnis.ok || gelesen.Fach2 != e.Fach2 ||
        gelesen.Hintergrundfarbe != e.Hintergrundfarbe || gelesen.Enterab != e.Enterab ||
        startGelesen != start) {
        std::abort();
    }
    return 0;
}
