// Any bytes as a card-box file: the reader must never crash, and what it accepts must
// write and read back to the same cards.
#include "karteidatei.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lexidor;
    const std::string_view datei(reinterpret_cast<const char*>(daten), groesse);
    TKartei kartei;
    kartei.Dateipfad = "/tmp/f.vkd";
    MersenneZufall zufall(1);
    if (!KarteiLesen(kartei, datei, "%d.%m.%Y", DatumAus(2026, 12, 6), zufall)) {
        return 0;
    }
    const std::string geschrieben = KarteiSchreiben(kartei, "%d.%m.%Y");
    TKartei wieder;
    wieder.Dateipfad = "/tmp/f.vkd";
    MersenneZufall zufall2(1);
    if (!KarteiLesen(wieder, geschrieben, "%d.%m.%Y", DatumAus(2026, 12, 6), zufall2)) {
        std::abort();
    }
    for (int c = 1; c <= 6; ++c) {
        if (wieder.Fach[c].Count() != kartei.Fach[c].Count()) {
            std::abort();
        }
    }
    return 0;
}
