// Any bytes as "sonderzeichen.ini": load, save (in code page 1252 or as UTF-8) and load again
// give the same 35 texts, and the key substitution never crashes on them.
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
    // A first text that starts with the mark, or with its bytes read as code page 1252,
    // cannot be told from a mark.
    if (texte[0].starts_with(kBom) || texte[0].starts_with("ï»¿")) {
        return 0;
    }
    if (!ErsatztexteLaden(wieder, gespeichert) || wieder != texte) {
        std::abort();
    }
    return 0;
}
