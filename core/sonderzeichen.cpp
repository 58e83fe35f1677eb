// Substitution table: loading, saving and the decision for a typed key.
#include "sonderzeichen.h"

#include "cp1252.h"
#include "zeilen.h"

namespace lexidor {

Ersatztexte ErsatztexteLeer() {
    Ersatztexte t;
    t.fill(std::string(kNichts));
    return t;
}

bool ErsatztexteLaden(Ersatztexte& texte, std::optional<std::string_view> datei) {
    texte = ErsatztexteLeer();
    if (!datei) {
        return false;
    }
    // A byte-order mark says a UTF-8 editor saved the file: its texts are UTF-8 then.
    std::string umgesetzt;
    std::string_view daten = *datei;
    if (daten.starts_with(kBom)) {
        daten = OhneBom(daten);
        if (auto k = Utf8NachCp1252(daten); k.ok()) {
            umgesetzt = std::move(k.text);
            daten = umgesetzt;
        }
    }
    Zeilenleser leser(daten);
    for (auto& text : texte) {
        const auto zeile = leser.Naechste();
        if (!zeile) {
            return false;
        }
        text = *zeile;
    }
    return true;
}

std::string ErsatztexteSpeichern(const Ersatztexte& texte) {
    return ZeilenVerbinden(std::vector<std::string>(texte.begin(), texte.end()));
}

std::string ErsatztextAusFeld(std::string_view feld) {
    return std::string(feld.empty() ? kNichts : feld);
}

std::optional<std::string> Ersetzung(const Ersatztexte& texte, std::string_view zeichen) {
    for (int i = 0; i < kSondertastenAnzahl; ++i) {
        if (zeichen == Sondertasten[i] && texte[i] != kNichts) {
            return texte[i];
        }
    }
    return std::nullopt;
}

} // namespace lexidor
