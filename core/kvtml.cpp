// The rules of a KVTML import.
#include "kvtml.h"

#include "cp1252.h"

#include <algorithm>

namespace lexidor {
namespace {

bool Deutsch(const KvtmlSprache& sprache) {
    const std::string locale = Utf8Kleinschreibung(sprache.locale);
    return locale == "de" || locale.starts_with("de_") || locale.starts_with("de-");
}

std::string Spaltenname(const KvtmlSprache& sprache, std::size_t i) {
    if (!sprache.name.empty()) {
        return sprache.name;
    }
    return sprache.locale.empty() ? "Sprache " + std::to_string(i + 1) : sprache.locale;
}

const KvtmlUebersetzung* Uebersetzung(const KvtmlEintrag& eintrag, const std::string& id) {
    const auto u = std::find_if(eintrag.uebersetzungen.begin(), eintrag.uebersetzungen.end(),
                                [&](const KvtmlUebersetzung& x) { return x.id == id; });
    return u == eintrag.uebersetzungen.end() ? nullptr : &*u;
}

} // namespace

bool IstKvtml(std::string_view datei) {
    return datei.substr(0, 4096).find("<kvtml") != std::string_view::npos;
}

std::size_t DeutscheSprache(const std::vector<KvtmlSprache>& sprachen) {
    const auto d = std::find_if(sprachen.begin(), sprachen.end(), Deutsch);
    return d == sprachen.end() ? 0 : static_cast<std::size_t>(d - sprachen.begin());
}

int KvtmlFach(std::optional<int> grad) {
    const int g = grad.value_or(0);
    if (g >= 7) {
        return 6;
    }
    return std::clamp(g + 1, 1, 5);
}

Importtabelle KvtmlTabelle(const KvtmlDokument& dokument) {
    const auto& sprachen = dokument.sprachen;
    const std::size_t deutsch = DeutscheSprache(sprachen);
    std::vector<std::size_t> folge;
    for (std::size_t k = 0; k < sprachen.size(); ++k) {
        folge.push_back((deutsch + k) % sprachen.size());
    }
    Importtabelle tabelle;
    tabelle.format = Importformat::Kvtml;
    for (const std::size_t i : folge) {
        tabelle.spaltennamen.push_back(Spaltenname(sprachen[i], i));
    }
    tabelle.spaltennamen.emplace_back("Lernstufe");
    tabelle.stufenspalte = static_cast<int>(folge.size());
    for (const KvtmlEintrag& eintrag : dokument.eintraege) {
        tabelle.ZeileBeginnen(eintrag.zeile);
        std::optional<int> grad;
        for (std::size_t k = 0; k < folge.size(); ++k) {
            const KvtmlUebersetzung* u = Uebersetzung(eintrag, sprachen[folge[k]].id);
            tabelle.FeldBeginnen();
            if (u) {
                tabelle.Anhaengen(
                    EinheitlicheUmbrueche(u->text)); // a CR that slipped past the parser
            }
            if (k < 2 && u && u->grad) {
                grad = std::max(grad.value_or(0), *u->grad);
            }
        }
        tabelle.FeldBeginnen();
        tabelle.Anhaengen(static_cast<char>('0' + KvtmlFach(grad)));
    }
    return tabelle;
}

} // namespace lexidor
