// Any bytes as "sonderzeichen.ini": load, save and load again give the same 35 texts, and
// the key substitution never crashes on them.
#include "sonderzeichen.h"
#include "zeilen.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lexidor;
    Ersatztexte texte;
    ErsatztexteLaden(texte, std::string_view(reinterpret_cast<const char*>(daten), groesse));
    for (const std::string_view taste : Sondertasten) {
        Ersetzung(texte, taste);
    }
    const std::string gespeichert = ErsatztexteSpeichern(texte);
    Ersatztexte wieder;
    // A first text that starts with the mark's characters cannot be told from a mark.
    if (gespeichert.starts_with(kBom)) {
        return 0;
    }
    if (!ErsatztexteLaden(wieder, gespeichert) || wieder != texte) {
        std::abort();
    }
    return 0;
}
