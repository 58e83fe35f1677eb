// The rows of an import.
#include "importtabelle.h"

#include <algorithm>

namespace lexidor {

void Importtabelle::ZeileBeginnen(int zeilennummer) {
    zeilen_.push_back(
        {static_cast<std::uint32_t>(feldanfang_.size()), static_cast<std::uint32_t>(zeilennummer)});
    felderDerZeile_ = 0;
}

void Importtabelle::FeldBeginnen() {
    feldanfang_.push_back(text_.size());
    spalten_ = std::max(spalten_, ++felderDerZeile_);
}

int Importtabelle::Felder(int zeile) const {
    const std::size_t ende =
        zeile + 1 < Zeilen() ? zeilen_[zeile + 1].erstesFeld : feldanfang_.size();
    return static_cast<int>(ende - zeilen_[zeile].erstesFeld);
}

std::string_view Importtabelle::Feld(int zeile, int spalte) const {
    if (spalte < 0 || spalte >= Felder(zeile)) {
        return {};
    }
    const std::size_t i = zeilen_[zeile].erstesFeld + spalte;
    const std::size_t ende = i + 1 < feldanfang_.size() ? feldanfang_[i + 1] : text_.size();
    return std::string_view(text_).substr(feldanfang_[i], ende - feldanfang_[i]);
}

std::string EinheitlicheUmbrueche(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        i += i + 1 < text.size() && text[i + 1] == '\n';
    }
    return out;
}

std::string_view Beschnitten(std::string_view zelle) {
    const auto anfang = zelle.find_first_not_of(" \t");
    if (anfang == std::string_view::npos) {
        return {};
    }
    return zelle.substr(anfang, zelle.find_last_not_of(" \t") + 1 - anfang);
}

std::optional<int> StufeLesen(std::string_view zelle) {
    zelle = Beschnitten(zelle);
    if (zelle.empty()) {
        return std::nullopt;
    }
    if (zelle.size() == 1 && zelle[0] >= '1' && zelle[0] <= '6') {
        return zelle[0] - '0';
    }
    return 0;
}

bool IstStufenspalte(const Importtabelle& tabelle, int spalte, int ab) {
    bool gefunden = false;
    for (int z = ab; z < tabelle.Zeilen(); ++z) {
        const auto stufe = StufeLesen(tabelle.Feld(z, spalte));
        if (stufe == 0) {
            return false;
        }
        gefunden = gefunden || stufe.has_value();
    }
    return gefunden;
}

} // namespace lexidor
