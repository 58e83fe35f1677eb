// Proposing the columns of an import.
#include "vokabelimport_vorschlag.h"

#include "cp1252.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace lexidor {
namespace {

// Enough rows to see what a column holds.
constexpr int kProbezeilen = 200;

constexpr auto kDeutschNamen =
    std::to_array<std::string_view>({"deutsch", "german", "de", "deu", "ger", "deutsche"});
constexpr auto kFremdNamen = std::to_array<std::string_view>({"englisch",
                                                              "english",
                                                              "en",
                                                              "eng",
                                                              "französisch",
                                                              "french",
                                                              "fr",
                                                              "fra",
                                                              "spanisch",
                                                              "spanish",
                                                              "es",
                                                              "spa",
                                                              "italienisch",
                                                              "italian",
                                                              "it",
                                                              "ita",
                                                              "latein",
                                                              "latin",
                                                              "la",
                                                              "lat",
                                                              "russisch",
                                                              "russian",
                                                              "ru",
                                                              "polnisch",
                                                              "polish",
                                                              "pl",
                                                              "türkisch",
                                                              "turkish",
                                                              "tr",
                                                              "niederländisch",
                                                              "dutch",
                                                              "nl",
                                                              "portugiesisch",
                                                              "portuguese",
                                                              "pt",
                                                              "schwedisch",
                                                              "swedish",
                                                              "griechisch",
                                                              "greek",
                                                              "japanisch",
                                                              "japanese",
                                                              "chinesisch",
                                                              "chinese",
                                                              "fremd",
                                                              "fremdsprache",
                                                              "fremdwort",
                                                              "fremdsprachlich",
                                                              "fremdsprachliche",
                                                              "übersetzung",
                                                              "translation",
                                                              "translated",
                                                              "vokabel",
                                                              "foreign",
                                                              "back",
                                                              "rückseite",
                                                              "antwort",
                                                              "answer"});
// Columns that describe a word rather than give it: never proposed as a side.
constexpr auto kNebennamen = std::to_array<std::string_view>(
    {"article", "artikel", "plural", "genus", "gender", "lektion", "lesson", "unit", "kapitel",
     "chapter", "kommentar", "comment", "beispiel", "example", "notiz", "note", "tags"});
constexpr auto kArtikel = std::to_array<std::string_view>(
    {"der ", "die ", "das ", "ein ", "eine ", "sich ", "den ", "dem "});
constexpr auto kFunktionswoerter = std::to_array<std::string_view>(
    {" und ", " oder ", " nicht ", " zu ", " mit ", " von ", " für ", " auf ", " etw.", " jdn"});

} // namespace

std::vector<std::string> Namenswoerter(std::string_view name) {
    std::vector<std::string> woerter(1);
    for (const char c : Utf8Kleinschreibung(name)) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            woerter.back() += c;
        } else if (!woerter.back().empty()) {
            woerter.emplace_back();
        }
    }
    if (woerter.back().empty()) {
        woerter.pop_back();
    }
    return woerter;
}

bool MitArtikel(std::string_view zelle) {
    const std::string klein = Utf8Kleinschreibung(zelle.substr(0, 8));
    return std::any_of(kArtikel.begin(), kArtikel.end(),
                       [&](std::string_view a) { return klein.starts_with(a); });
}

namespace {

template <std::size_t N>
bool NenntEinen(std::string_view name, const std::array<std::string_view, N>& liste) {
    const auto woerter = Namenswoerter(name);
    return std::any_of(woerter.begin(), woerter.end(), [&](const std::string& w) {
        return std::find(liste.begin(), liste.end(), w) != liste.end();
    });
}

bool NurZiffern(std::string_view zelle) {
    return zelle.find_first_not_of("0123456789., ") == std::string_view::npos;
}

std::size_t Zeichen(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

struct Spalte {
    std::string name;
    double deutsch = 0;   // mean DeutschPunkte of the filled cells
    double laenge = 0;    // mean characters of the filled cells
    double gefuellt = 0;  // share of the rows with a filled cell
    bool nutzbar = false; // some cell holds more than a number
};

std::vector<Spalte> Spaltenbild(const Importtabelle& t) {
    const int ab = t.kopfzeile ? 1 : 0;
    const int ende = std::min(t.Zeilen(), ab + kProbezeilen);
    std::vector<Spalte> spalten(static_cast<std::size_t>(AngeboteneSpalten(t)));
    for (std::size_t s = 0; s < spalten.size(); ++s) {
        Spalte& sp = spalten[s];
        sp.name = s < t.spaltennamen.size() ? t.spaltennamen[s] : "";
        int gefuellt = 0;
        for (int z = ab; z < ende; ++z) {
            const std::string_view zelle = Beschnitten(t.Feld(z, static_cast<int>(s)));
            if (zelle.empty()) {
                continue;
            }
            ++gefuellt;
            sp.deutsch += DeutschPunkte(zelle);
            sp.laenge += static_cast<double>(Zeichen(zelle));
            sp.nutzbar = sp.nutzbar || !NurZiffern(zelle);
        }
        sp.deutsch /= std::max(gefuellt, 1);
        sp.laenge /= std::max(gefuellt, 1);
        sp.gefuellt = static_cast<double>(gefuellt) / std::max(ende - ab, 1);
        // A column named as a side is one, however empty its first rows are.
        sp.nutzbar = (sp.nutzbar || NenntDeutsch(sp.name) || NenntFremdsprache(sp.name)) &&
                     !NenntEinen(sp.name, kNebennamen) &&
                     (!t.stufenspalte || *t.stufenspalte != static_cast<int>(s));
    }
    return spalten;
}

// The first column for which wertung is highest; -1 when none is usable.
template <typename Wertung>
int Beste(const std::vector<Spalte>& spalten, int ausser, Wertung wertung) {
    int beste = -1;
    double hoechste = 0;
    for (int s = 0; s < static_cast<int>(spalten.size()); ++s) {
        if (s == ausser || !spalten[static_cast<std::size_t>(s)].nutzbar) {
            continue;
        }
        const double w = wertung(spalten[static_cast<std::size_t>(s)], s);
        if (beste < 0 || w > hoechste) {
            beste = s;
            hoechste = w;
        }
    }
    return beste;
}

} // namespace

bool NenntDeutsch(std::string_view name) {
    return NenntEinen(name, kDeutschNamen);
}

bool NenntFremdsprache(std::string_view name) {
    return !NenntDeutsch(name) || Namenswoerter(name).size() > 1 ? NenntEinen(name, kFremdNamen)
                                                                 : false;
}

double DeutschPunkte(std::string_view zelle) {
    const std::string klein = Utf8Kleinschreibung(zelle);
    double punkte = 0;
    for (const std::string_view umlaut : {"\xC3\xA4", "\xC3\xB6", "\xC3\xBC", "\xC3\x9F"}) {
        punkte += klein.find(umlaut) != std::string::npos ? 1 : 0;
    }
    punkte += MitArtikel(zelle) ? 2 : 0;
    punkte += std::any_of(kFunktionswoerter.begin(), kFunktionswoerter.end(),
                          [&](std::string_view w) { return klein.find(w) != std::string::npos; })
                  ? 1
                  : 0;
    punkte += zelle[0] >= 'A' && zelle[0] <= 'Z' ? 0.5 : 0;
    return punkte;
}

Spaltenvorschlag SpaltenVorschlagen(const Importtabelle& t) {
    const std::vector<Spalte> spalten = Spaltenbild(t);
    // A name that says German outweighs any content; "Deutsch" alone outweighs
    // "deutsch_translated".
    int deutsch = Beste(spalten, -1, [](const Spalte& s, int) {
        const double name =
            NenntDeutsch(s.name) ? (Namenswoerter(s.name).size() == 1 ? 200.0 : 100.0) : 0.0;
        return name + s.deutsch * s.gefuellt;
    });
    deutsch = std::max(deutsch, 0);
    int fremd = Beste(spalten, deutsch, [&](const Spalte& s, int nr) {
        const double name = NenntFremdsprache(s.name) ? 1000.0 : 0.0;
        // Words rather than sentences, near the German column, and filled.
        return name - s.laenge - 8.0 * std::abs(nr - deutsch) - 50.0 * (1.0 - s.gefuellt);
    });
    if (fremd < 0) {
        fremd = deutsch == 0 ? 1 : 0;
    }
    return {deutsch, fremd};
}

} // namespace lexidor
