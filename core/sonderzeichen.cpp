// Substitution table: loading, saving and the decision for a typed key.
#include "sonderzeichen.h"

#include "cp1252.h"
#include "unicodetext.h"
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
    // A byte-order mark says a UTF-8 editor (or the program, for a character outside code
    // page 1252) saved the file: its texts are UTF-8 then.
    const std::string_view ohneBom = OhneBom(*datei);
    const bool utf8 = datei->starts_with(kBom) && IstUtf8(ohneBom);
    const std::string daten = utf8 ? Nfc(ohneBom) : Cp1252NachUtf8(ohneBom);
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
    const std::string utf8 = ZeilenVerbinden(std::vector<std::string>(texte.begin(), texte.end()));
    if (!PasstCp1252(utf8)) {
        return std::string(kBom) + utf8;
    }
    std::string cp1252(utf8.size(), '\0');
    cp1252.resize(static_cast<std::size_t>(Cp1252Schreiben(utf8, cp1252.data()) - cp1252.data()));
    return cp1252;
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
