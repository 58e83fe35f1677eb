// Which rows belong to which lesson, and which of them the user chose.
#include "importlektion.h"

#include "importtabelle.h"

#include <algorithm>

namespace lexidor {
namespace {

// "### Vocabularium 2" is the lesson "Vocabularium 2".
std::string Ueberschrift(const Importtabelle& tabelle, int zeile) {
    for (int s = 0; s < tabelle.Felder(zeile); ++s) {
        const std::string_view zelle = Beschnitten(tabelle.Feld(zeile, s));
        if (zelle.empty()) {
            continue;
        }
        const std::string_view name = Beschnitten(zelle.substr(zelle.find_first_not_of('#')));
        return std::string(name.empty() ? zelle : name);
    }
    return {};
}

std::vector<Importlektion> UeberschriftLektionen(const Importtabelle& tabelle, int ab) {
    std::vector<Importlektion> lektionen;
    for (int z = ab; z < tabelle.Zeilen(); ++z) {
        if (IstUeberschrift(tabelle, z)) {
            lektionen.push_back({Ueberschrift(tabelle, z), {{z, z + 1}}, 0});
        } else if (!lektionen.empty()) {
            lektionen.back().Hinzufuegen(z);
        }
    }
    return lektionen;
}

// The rows from ab on that no lesson holds, as a lesson of their own.
Importlektion OhneLektion(const Importtabelle& tabelle, const std::vector<Importlektion>& lektionen,
                          int ab) {
    std::vector<bool> inLektion(static_cast<std::size_t>(tabelle.Zeilen()));
    for (const Importlektion& l : lektionen) {
        for (const Zeilenbereich& b : l.zeilen) {
            std::fill(inLektion.begin() + b.von, inLektion.begin() + b.bis, true);
        }
    }
    Importlektion ohne{std::string(kOhneLektion), {}, 0};
    for (int z = ab; z < tabelle.Zeilen(); ++z) {
        if (!inLektion[static_cast<std::size_t>(z)]) {
            ohne.Hinzufuegen(z);
        }
    }
    return ohne;
}

} // namespace

void Importlektion::Hinzufuegen(int zeile) {
    ++eintraege;
    if (!zeilen.empty() && zeilen.back().bis == zeile) {
        ++zeilen.back().bis;
    } else {
        zeilen.push_back({zeile, zeile + 1});
    }
}

std::vector<Importlektion> ImportLektionen(const Importtabelle& tabelle) {
    // Of a large text file only the start has been read: headings further on are not known,
    // and its pieces come in one by one, each without the others' headings.
    if (tabelle.nurAnfang) {
        return {};
    }
    const int ab = tabelle.kopfzeile ? 1 : 0;
    std::vector<Importlektion> lektionen = tabelle.format == Importformat::Kvtml
                                               ? tabelle.lektionen
                                               : UeberschriftLektionen(tabelle, ab);
    if (lektionen.empty()) {
        return lektionen;
    }
    Importlektion ohne = OhneLektion(tabelle, lektionen, ab);
    if (!ohne.zeilen.empty()) {
        lektionen.push_back(std::move(ohne));
    }
    return lektionen;
}

std::vector<bool> GewaehlteZeilen(const Importtabelle& tabelle,
                                  const std::vector<Importlektion>& lektionen,
                                  const std::vector<bool>& gewaehlt) {
    const std::size_t n = std::min(lektionen.size(), gewaehlt.size());
    if (std::all_of(gewaehlt.begin(), gewaehlt.begin() + static_cast<std::ptrdiff_t>(n),
                    [](bool g) { return g; })) {
        return {};
    }
    std::vector<bool> zeilen(static_cast<std::size_t>(tabelle.Zeilen()));
    for (std::size_t i = 0; i < lektionen.size(); ++i) {
        if (i < n && !gewaehlt[i]) {
            continue;
        }
        for (const Zeilenbereich& b : lektionen[i].zeilen) {
            std::fill(zeilen.begin() + b.von, zeilen.begin() + b.bis, true);
        }
    }
    return zeilen;
}

} // namespace lexidor
