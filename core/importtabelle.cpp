// The rows of an import.
#include "importtabelle.h"

#include "zeilen.h"

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

void Importtabelle::LetzteZeileVerwerfen() {
    const std::uint32_t erstes = zeilen_.back().erstesFeld;
    zeilen_.pop_back();
    if (erstes < feldanfang_.size()) {
        text_.resize(feldanfang_[erstes]);
        feldanfang_.resize(erstes);
    }
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

int AngeboteneSpalten(const Importtabelle& tabelle) {
    return std::clamp(tabelle.Spalten(), 2, kSpaltenangebot);
}

Importtabelle LeereKopie(const Importtabelle& t) {
    Importtabelle neu;
    neu.format = t.format;
    neu.kodierung = t.kodierung;
    neu.trennzeichen = t.trennzeichen;
    neu.spaltennamen = t.spaltennamen;
    neu.kopfzeile = t.kopfzeile;
    neu.stufenspalte = t.stufenspalte;
    neu.zweiseitig = t.zweiseitig;
    neu.htmlErkannt = t.htmlErkannt;
    neu.htmlUmgewandelt = t.htmlUmgewandelt;
    neu.ankiKarten = t.ankiKarten;
    neu.lektionen = t.lektionen;
    neu.beigaben = t.beigaben;
    neu.nurAnfang = t.nurAnfang;
    return neu;
}

int GefuellteZellen(const Importtabelle& tabelle, int zeile) {
    int gefuellt = 0;
    for (int s = 0; s < std::min(tabelle.Felder(zeile), kSpaltenangebot); ++s) {
        gefuellt += !Beschnitten(tabelle.Feld(zeile, s)).empty();
    }
    return gefuellt;
}

void ZweiseitigErkennen(Importtabelle& tabelle) {
    const int zeilen = std::min(tabelle.Zeilen(), 1000);
    int zwei = 0;
    for (int z = 0; z < zeilen; ++z) {
        zwei += GefuellteZellen(tabelle, z) >= 2;
    }
    tabelle.zweiseitig = zeilen > 0 && zwei * 5 >= zeilen * 4;
}

bool IstUeberschrift(const Importtabelle& tabelle, int zeile) {
    if (tabelle.format != Importformat::Trennzeichen && tabelle.format != Importformat::Anki) {
        return false;
    }
    if (GefuellteZellen(tabelle, zeile) != 1) {
        return false;
    }
    for (int s = 0; s < tabelle.Felder(zeile); ++s) {
        const std::string_view zelle = Beschnitten(tabelle.Feld(zeile, s));
        if (!zelle.empty()) {
            return zelle.starts_with('#') || tabelle.zweiseitig;
        }
    }
    return false;
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
    return OhneRaender(zelle, [](char c) { return c == ' ' || c == '\t'; });
}

std::optional<int> StufeLesen(std::string_view zelle, Stufenskala skala) {
    zelle = Beschnitten(zelle);
    if (zelle.empty()) {
        return std::nullopt;
    }
    const int wert = zelle.size() == 1 && zelle[0] >= '0' && zelle[0] <= '6' ? zelle[0] - '0' : -1;
    switch (skala) {
    case Stufenskala::EinsBisSechs:
        return wert >= 1 ? wert : 0;
    case Stufenskala::NullBisFuenf:
        return wert >= 0 && wert <= 5 ? wert + 1 : 0;
    case Stufenskala::NullBisSechs:
        return wert >= 0 ? std::max(wert, 1) : 0;
    }
    return 0;
}

std::optional<Stufenskala> StufenskalaErkennen(const Importtabelle& tabelle, int spalte, int ab) {
    int kleinste = 7;
    int groesste = -1;
    for (int z = ab; z < tabelle.Zeilen(); ++z) {
        const std::string_view zelle = Beschnitten(tabelle.Feld(z, spalte));
        if (zelle.empty()) {
            continue;
        }
        if (zelle.size() != 1 || zelle[0] < '0' || zelle[0] > '6') {
            return std::nullopt;
        }
        kleinste = std::min(kleinste, zelle[0] - '0');
        groesste = std::max(groesste, zelle[0] - '0');
    }
    if (groesste < 0) {
        return std::nullopt;
    }
    if (kleinste > 0) {
        return Stufenskala::EinsBisSechs;
    }
    return groesste <= 5 ? Stufenskala::NullBisFuenf : Stufenskala::NullBisSechs;
}

bool IstStufenspalte(const Importtabelle& tabelle, int spalte, int ab) {
    return StufenskalaErkennen(tabelle, spalte, ab).has_value();
}

} // namespace lexidor
