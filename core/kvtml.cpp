// The rules of a KVTML import.
#include "kvtml.h"

#include "cp1252.h"
#include "textkodierung.h"
#include "vokabeleingabe.h"
#include "vokabelimport_vorschlag.h"
#include "zeilen.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

namespace lexidor {
namespace {

// KWordQuiz names the language where Parley gives its locale.
bool Deutsch(const KvtmlSprache& sprache) {
    return NenntDeutsch(sprache.locale) || NenntDeutsch(sprache.name);
}

std::string Spaltenname(const KvtmlSprache& sprache, std::size_t i) {
    if (!sprache.name.empty()) {
        return sprache.name;
    }
    return sprache.locale.empty() ? "Sprache " + std::to_string(i + 1) : sprache.locale;
}

// How far into a file its root element is looked for: comments and a document type before it
// are seldom more than a few kilobytes.
constexpr std::size_t kXmlProbe = std::size_t{1} << 20;

constexpr std::string_view kLeerraum = " \t\r\n";

// Past the ">" that closes a document type, its internal subset in brackets and quoted
// values included; npos when it does not close.
std::size_t DoctypeEnde(std::string_view t, std::size_t pos) {
    int tiefe = 0;
    char quote = 0;
    for (; pos < t.size(); ++pos) {
        const char c = t[pos];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[' || c == ']') {
            tiefe += c == '[' ? 1 : -1;
        } else if (c == '>' && tiefe <= 0) {
            return pos + 1;
        }
    }
    return std::string_view::npos;
}

// Where the root element starts: past blanks, the declaration, processing instructions,
// comments and the document type. npos when one of them does not end.
std::size_t Vorspann(std::string_view t) {
    std::size_t pos = 0;
    while ((pos = t.find_first_not_of(kLeerraum, pos)) != std::string_view::npos) {
        const std::string_view rest = t.substr(pos);
        if (rest.starts_with("<?")) {
            pos = t.find("?>", pos + 2);
            pos = pos == std::string_view::npos ? pos : pos + 2;
        } else if (rest.starts_with("<!--")) {
            pos = t.find("-->", pos + 4);
            pos = pos == std::string_view::npos ? pos : pos + 3;
        } else if (rest.starts_with("<!DOCTYPE")) {
            pos = DoctypeEnde(t, pos + 9);
        } else {
            return pos;
        }
    }
    return pos;
}

// "&name;" at pos: the name; empty for a character reference or a lone "&".
std::string_view Referenz(std::string_view t, std::size_t pos) {
    const std::size_t ende = t.find_first_of(";<&\" \t\r\n", pos + 1);
    if (ende == std::string_view::npos || t[ende] != ';' || t[pos + 1] == '#') {
        return {};
    }
    return t.substr(pos + 1, ende - pos - 1);
}

// The general entities the document type declares, each with how long it may grow.
std::unordered_map<std::string_view, std::size_t> Entitaeten(std::string_view t) {
    std::unordered_map<std::string_view, std::size_t> laenge;
    for (std::size_t pos = t.find("<!ENTITY"); pos < t.size(); pos = t.find("<!ENTITY", pos + 1)) {
        const std::size_t name = t.find_first_not_of(kLeerraum, pos + 8);
        if (name == std::string_view::npos || t[name] == '%') {
            continue;
        }
        const std::size_t nachName = t.find_first_of(kLeerraum, name);
        const std::size_t wert = t.find_first_not_of(kLeerraum, nachName);
        if (wert == std::string_view::npos || (t[wert] != '"' && t[wert] != '\'')) {
            continue; // an external entity, which the parser never loads
        }
        const std::size_t wertEnde = t.find(t[wert], wert + 1);
        if (wertEnde == std::string_view::npos) {
            break; // a value never closed declares nothing, nor does anything after it
        }
        const std::string_view w = t.substr(wert + 1, wertEnde - wert - 1);
        pos = wertEnde; // a value may hold "<!ENTITY" too
        std::size_t n = w.size();
        for (std::size_t r = w.find('&'); r != std::string_view::npos; r = w.find('&', r + 1)) {
            n += Referenz(w, r).empty() ? 0 : kEntitaetHoechstens;
        }
        laenge[t.substr(name, nachName - name)] = std::min(n, kEntitaetHoechstens);
    }
    return laenge;
}

// A lesson's name as the dialog lists it: a part of another one after that one's name. However
// deep and long the names of a file, each stays short.
constexpr std::size_t kLektionsname = 200;

std::string Lektionsname(std::string name, const std::string* oben) {
    if (oben) {
        name = *oben + " / " + name;
    }
    if (name.size() <= kLektionsname) {
        return name;
    }
    std::size_t ende = kLektionsname;
    while (ende > 0 && (static_cast<unsigned char>(name[ende]) & 0xC0) == 0x80) {
        --ende; // not within a character
    }
    return name.substr(0, ende) + "…";
}

// The rows of each lesson of the file, by the ids it lists (KVTML 2) and by each entry's
// lesson number (KVTML 1); a number that no lesson of the file has adds a lesson "Lektion N".
struct Lektionsrohbau {
    std::vector<std::string> namen;
    std::vector<std::vector<int>> zeilen;
};

Lektionsrohbau Rohbau(const KvtmlDokument& d) {
    Lektionsrohbau r;
    std::unordered_map<std::string_view, std::size_t> nummer;
    for (std::size_t i = 0; i < d.lektionen.size(); ++i) {
        const KvtmlLektion& l = d.lektionen[i];
        const auto oben = static_cast<std::size_t>(l.oben);
        r.namen.push_back(Lektionsname(l.name.empty() ? "Lektion " + std::to_string(i + 1) : l.name,
                                       oben < i ? &r.namen[oben] : nullptr));
        nummer.emplace(l.nummer.empty() ? std::string_view() : l.nummer, i);
    }
    r.zeilen.resize(r.namen.size());
    std::unordered_map<std::string_view, int> zeileVon;
    for (std::size_t z = 0; z < d.eintraege.size(); ++z) {
        const KvtmlEintrag& e = d.eintraege[z];
        zeileVon.emplace(e.id.empty() ? std::string_view() : e.id, static_cast<int>(z));
        if (e.lektion.empty()) {
            continue;
        }
        const auto [l, neu] = nummer.emplace(e.lektion, r.namen.size());
        if (neu) {
            r.namen.push_back(Lektionsname("Lektion " + e.lektion, nullptr));
            r.zeilen.emplace_back();
        }
        r.zeilen[l->second].push_back(static_cast<int>(z));
    }
    for (std::size_t i = 0; i < d.lektionen.size(); ++i) {
        for (const std::string& id : d.lektionen[i].eintraege) {
            const auto z = id.empty() ? zeileVon.end() : zeileVon.find(id);
            if (z != zeileVon.end()) {
                r.zeilen[i].push_back(z->second);
            }
        }
    }
    return r;
}

// The lessons that hold a row, each row once.
std::vector<Importlektion> Lektionen(const KvtmlDokument& d) {
    Lektionsrohbau r = Rohbau(d);
    std::vector<Importlektion> lektionen;
    for (std::size_t i = 0; i < r.namen.size(); ++i) {
        std::sort(r.zeilen[i].begin(), r.zeilen[i].end());
        Importlektion lektion{std::move(r.namen[i]), {}, 0};
        for (const int z : r.zeilen[i]) {
            if (lektion.zeilen.empty() || lektion.zeilen.back().bis <= z) {
                lektion.Hinzufuegen(z);
            }
        }
        if (!lektion.zeilen.empty()) {
            lektionen.push_back(std::move(lektion));
        }
    }
    return lektionen;
}

} // namespace

std::optional<Beigabe> KvtmlBeigabe(std::string_view element) {
    static constexpr std::pair<std::string_view, Beigabe> kElemente[] = {
        {"comment", Beigabe::Kommentar},
        {"pronunciation", Beigabe::Aussprache},
        {"example", Beigabe::Beispiel},
        {"paraphrase", Beigabe::Umschreibung},
        {"conjugation", Beigabe::Konjugation},
        {"comparison", Beigabe::Steigerung},
        {"multiplechoice", Beigabe::Auswahl},
        {"image", Beigabe::Bild},
        {"sound", Beigabe::Ton},
    };
    for (const auto& [name, beigabe] : kElemente) {
        if (name == element) {
            return beigabe;
        }
    }
    return std::nullopt;
}

std::optional<Beigabe> Kvtml1Beigabe(std::string_view attribut) {
    if (attribut == "r") {
        return Beigabe::Kommentar;
    }
    if (attribut == "p") {
        return Beigabe::Aussprache;
    }
    if (attribut == "x") {
        return Beigabe::Beispiel;
    }
    return std::nullopt;
}

std::size_t EntitaetenZuwachs(std::string_view xml) {
    const std::size_t doctype = xml.substr(0, Vorspann(xml)).find("<!DOCTYPE");
    if (doctype == std::string_view::npos) {
        return 0;
    }
    const std::size_t ende = std::min(DoctypeEnde(xml, doctype + 9), xml.size());
    const auto laenge = Entitaeten(xml.substr(doctype, ende - doctype));
    std::size_t zuwachs = 0;
    for (std::size_t r = xml.find('&', ende); !laenge.empty() && r != std::string_view::npos;
         r = xml.find('&', r + 1)) {
        const auto e = laenge.find(Referenz(xml, r));
        zuwachs += e == laenge.end() ? 0 : e->second;
    }
    return zuwachs;
}

std::optional<std::string> XmlWurzel(std::string_view datei) {
    const std::string_view probe = datei.substr(0, kXmlProbe);
    std::string puffer;
    const std::string_view t = AlsUtf8(probe, KodierungErkennen(probe), puffer);
    const bool deklaration =
        t.starts_with("<?xml") && t.size() > 5 && kLeerraum.find(t[5]) != std::string_view::npos;
    const std::size_t pos = Vorspann(t);
    if (pos == std::string_view::npos || t[pos] != '<') {
        return std::nullopt;
    }
    const std::size_t ende = t.find_first_of(" \t\r\n/>", pos + 1);
    std::string name(t.substr(pos + 1, ende == std::string_view::npos ? 0 : ende - pos - 1));
    if (!deklaration && name != "kvtml") {
        return std::nullopt;
    }
    return name;
}

bool IstKvtml(std::string_view datei) {
    return XmlWurzel(datei) == "kvtml";
}

std::string_view XmlText(std::string_view datei, std::string& puffer) {
    return AlsUtf8(datei, KodierungErkennen(datei), puffer);
}

std::optional<std::string> KvtmlGrenze(const KvtmlUmfang& u, std::size_t dateigroesse) {
    if (u.sprachen > kKvtmlSprachen) {
        return "Die Datei nennt mehr als " + std::to_string(kKvtmlSprachen) + " Sprachen.";
    }
    if (u.text > 4 * dateigroesse + (std::size_t{1} << 20)) {
        return "Die Datei ergibt entpackt mehr als das Vierfache ihrer Größe an Text: ihre "
               "Entitäten vervielfachen sich.";
    }
    const std::size_t spalten = std::max<std::size_t>(u.sprachen, 2) + 1;
    if (u.eintraege * spalten > 4 * static_cast<std::size_t>(kKartenlimit)) {
        return "Die Datei hat mehr Einträge in mehr Sprachen, als eine Kartei mit höchstens " +
               std::to_string(kKartenlimit) + " Vokabeln je aufnehmen könnte.";
    }
    return std::nullopt;
}

std::string KvtmlZuTief() {
    return "Die Elemente der Datei sind tiefer als " + std::to_string(kKvtmlTiefe) +
           " Ebenen ineinander verschachtelt.";
}

std::optional<std::string> KvtmlFehler(const KvtmlDokument& d) {
    if (d.sprachen.empty()) {
        return std::string("Die Datei nennt keine Sprachen (<identifiers>), also ist "
                           "unklar, welcher Text welche Bedeutung ist.");
    }
    if (d.sprachen.size() == 1) {
        return "Die Datei enthält Wörter in nur einer Sprache („" + Spaltenname(d.sprachen[0], 0) +
               "“); eine Vokabel braucht zwei Bedeutungen.";
    }
    return std::nullopt;
}

std::optional<int> HoechsterGrad(std::optional<int> bisher, std::optional<int> grad) {
    if (!grad) {
        return bisher;
    }
    return std::max(bisher.value_or(0), *grad);
}

std::optional<int> GradLesen(std::string_view text) {
    text = OhneRaender(text, [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    int grad = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), grad);
    if (text.empty() || fehler != std::errc() || ende != text.data() + text.size()) {
        return std::nullopt;
    }
    return grad;
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
    std::unordered_map<std::string_view, std::size_t> spalteZu;
    for (std::size_t k = folge.size(); k-- > 0;) {
        spalteZu[sprachen[folge[k]].id] = k;
    }
    std::vector<const KvtmlUebersetzung*> zeile(folge.size());
    for (const KvtmlEintrag& eintrag : dokument.eintraege) {
        tabelle.ZeileBeginnen(eintrag.zeile);
        std::fill(zeile.begin(), zeile.end(), nullptr);
        for (const KvtmlUebersetzung& u : eintrag.uebersetzungen) {
            const auto s = spalteZu.find(u.id);
            if (s != spalteZu.end() && !zeile[s->second]) {
                zeile[s->second] = &u;
            }
        }
        std::optional<int> grad;
        for (std::size_t k = 0; k < folge.size(); ++k) {
            const KvtmlUebersetzung* u = zeile[k];
            tabelle.FeldBeginnen();
            if (u) {
                tabelle.Anhaengen(
                    EinheitlicheUmbrueche(u->text)); // a CR that slipped past the parser
                for (std::size_t b = 0; b < kBeigaben; ++b) {
                    if (u->beigaben & Bit(static_cast<Beigabe>(b))) {
                        tabelle.beigaben.push_back(
                            {tabelle.Zeilen() - 1, static_cast<int>(k), static_cast<Beigabe>(b)});
                    }
                }
            }
            if (k < 2 && u) {
                grad = HoechsterGrad(grad, u->grad);
            }
        }
        tabelle.FeldBeginnen();
        tabelle.Anhaengen(static_cast<char>('0' + KvtmlFach(grad)));
    }
    tabelle.lektionen = Lektionen(dokument);
    return tabelle;
}

} // namespace lexidor
