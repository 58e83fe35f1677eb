// The leading lines of an Anki export, and its HTML fields.
#include "ankinotizen.h"

#include "cp1252.h"
#include "trennwerte.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>
#include <vector>

namespace lexidor {
namespace {

constexpr auto kKopfschluessel = std::to_array<std::string_view>(
    {"separator", "html", "tags", "columns", "notetype", "deck", "guid column", "notetype column",
     "deck column", "tags column", "if matches"});

struct Angabe {
    std::string schluessel; // lower case
    std::string_view wert;
};

std::optional<Angabe> AngabeLesen(std::string_view zeile) {
    const auto doppelpunkt = zeile.find(':');
    if (!zeile.starts_with('#') || doppelpunkt == std::string_view::npos) {
        return std::nullopt;
    }
    return Angabe{Utf8Kleinschreibung(zeile.substr(1, doppelpunkt - 1)),
                  zeile.substr(doppelpunkt + 1)};
}

std::optional<char> Trenner(std::string_view wert) {
    static constexpr std::pair<std::string_view, char> kNamen[] = {
        {"tab", '\t'},  {"comma", ','}, {"semicolon", ';'},
        {"space", ' '}, {"pipe", '|'},  {"colon", ':'}};
    const std::string name = Utf8Kleinschreibung(Beschnitten(wert));
    for (const auto& [n, c] : kNamen) {
        if (name == n) {
            return c;
        }
    }
    if (wert.size() == 1) {
        return wert[0];
    }
    return std::nullopt;
}

void Eintragen(Ankikopf& b, const Angabe& k) {
    if (k.schluessel == "separator") {
        b.trenner = Trenner(k.wert);
    } else if (k.schluessel == "html") {
        b.html = Utf8Kleinschreibung(Beschnitten(k.wert)) == "true";
    } else if (k.schluessel == "columns") {
        b.spalten = k.wert;
    } else if (k.schluessel.ends_with(" column")) {
        int spalte = 0;
        const std::string_view wert = Beschnitten(k.wert);
        std::from_chars(wert.data(), wert.data() + wert.size(), spalte);
        if (spalte >= 1) {
            b.ankispalten.push_back(spalte - 1);
        }
    }
}

std::vector<std::string> Spaltennamen(const Ankikopf& b, char trenner) {
    Importtabelle kopf;
    Satzleser(b.spalten, trenner).Naechster(kopf);
    std::vector<std::string> namen;
    for (int s = 0; kopf.Zeilen() > 0 && s < kopf.Felder(0); ++s) {
        if (std::find(b.ankispalten.begin(), b.ankispalten.end(), s) == b.ankispalten.end()) {
            namen.emplace_back(kopf.Feld(0, s));
        }
    }
    return namen;
}

bool Blockelement(std::string_view name) {
    static constexpr std::string_view kBloecke[] = {"div", "p",     "li", "ul",         "ol",
                                                    "tr",  "table", "h1", "h2",         "h3",
                                                    "h4",  "h5",    "h6", "blockquote", "pre"};
    return std::find(std::begin(kBloecke), std::end(kBloecke), name) != std::end(kBloecke);
}

std::optional<char32_t> Entitaet(std::string_view name) {
    static constexpr std::pair<std::string_view, char32_t> kNamen[] = {
        {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},    {"apos", '\''},
        {"nbsp", 0xA0},    {"auml", 0xE4},    {"ouml", 0xF6},    {"uuml", 0xFC},   {"Auml", 0xC4},
        {"Ouml", 0xD6},    {"Uuml", 0xDC},    {"szlig", 0xDF},   {"euro", 0x20AC}, {"shy", 0xAD},
        {"ndash", 0x2013}, {"mdash", 0x2014}, {"hellip", 0x2026}};
    if (name.starts_with('#')) {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const std::string_view ziffern = name.substr(hex ? 2 : 1);
        std::uint32_t cp = 0;
        const auto [ende, fehler] =
            std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), cp, hex ? 16 : 10);
        if (fehler != std::errc() || ende != ziffern.data() + ziffern.size() || cp == 0 ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return std::nullopt;
        }
        return cp;
    }
    for (const auto& [n, cp] : kNamen) {
        if (n == name) {
            return cp;
        }
    }
    return std::nullopt;
}

// The tag's name in lower case, without a leading "/"; empty for comments and the like.
std::string Tagname(std::string_view tag) {
    if (tag.starts_with('/')) {
        tag.remove_prefix(1);
    }
    const char erstes = tag.empty() ? ' ' : static_cast<char>(tag[0] | 0x20);
    if (erstes < 'a' || erstes > 'z') {
        return {};
    }
    const auto ende =
        tag.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    return Utf8Kleinschreibung(tag.substr(0, ende));
}

class Htmlleser {
public:
    explicit Htmlleser(std::string_view html) : html_(html) {}

    std::string Text() && {
        while (pos_ < html_.size()) {
            if (html_[pos_] == '<' && Tag()) {
                continue;
            }
            if (html_[pos_] == '&' && Zeichenreferenz()) {
                continue;
            }
            Schreiben(html_.substr(pos_, 1));
            ++pos_;
        }
        text_ = EinheitlicheUmbrueche(text_); // "&#13;" ends a line as any line end does
        while (!text_.empty() && text_.back() == '\n') {
            text_.pop_back();
        }
        return std::move(text_);
    }

private:
    bool Tag() {
        // The next ">" serves every "<" before it, so a field full of "<" is read in one pass.
        if (tagende_ <= pos_) {
            tagende_ = html_.find('>', pos_);
        }
        const auto ende = tagende_;
        const std::string name =
            ende == std::string_view::npos ? "" : Tagname(html_.substr(pos_ + 1, ende - pos_ - 1));
        const char danach = pos_ + 1 < html_.size() ? html_[pos_ + 1] : ' ';
        if (ende == std::string_view::npos || (name.empty() && danach != '!')) {
            return false; // a "<" that opens no tag stands for itself
        }
        if (name == "br") {
            text_ += '\n';
            absatz_ = false;
        } else if (Blockelement(name)) {
            absatz_ = true;
        }
        pos_ = ende + 1;
        return true;
    }

    bool Zeichenreferenz() {
        // No reference is longer, and looking no further keeps a field of "&" linear.
        const auto ende = html_.substr(0, pos_ + 11).find(';', pos_);
        if (ende == std::string_view::npos) {
            return false;
        }
        const auto cp = Entitaet(html_.substr(pos_ + 1, ende - pos_ - 1));
        if (!cp) {
            return false;
        }
        std::string zeichen;
        Utf8Anhaengen(zeichen, *cp == 0xA0 ? ' ' : *cp);
        Schreiben(zeichen);
        pos_ = ende + 1;
        return true;
    }

    // Text after the edge of a block starts on a new line.
    void Schreiben(std::string_view zeichen) {
        if (absatz_ && !text_.empty() && text_.back() != '\n') {
            text_ += '\n';
        }
        absatz_ = false;
        text_ += zeichen;
    }

    std::string_view html_;
    std::size_t pos_ = 0;
    std::size_t tagende_ = 0;
    std::string text_;
    bool absatz_ = false;
};

} // namespace

Ankikopf AnkikopfLesen(std::string_view text) {
    Ankikopf b;
    while (b.ab < text.size() && text[b.ab] == '#') {
        const std::size_t ende = std::min(text.find_first_of("\r\n", b.ab), text.size());
        if (const auto k = AngabeLesen(text.substr(b.ab, ende - b.ab))) {
            Eintragen(b, *k);
        }
        b.ab = std::min(ende + (text.substr(ende, 2) == "\r\n" ? 2 : 1), text.size());
        ++b.zeile;
    }
    return b;
}

void AnkiZeilenUebernehmen(const Importtabelle& roh, const std::vector<int>& ohne, bool html,
                           Importtabelle& tabelle) {
    for (int z = 0; z < roh.Zeilen(); ++z) {
        tabelle.ZeileBeginnen(roh.Zeilennummer(z));
        for (int s = 0; s < roh.Felder(z); ++s) {
            if (std::find(ohne.begin(), ohne.end(), s) == ohne.end()) {
                tabelle.FeldBeginnen();
                // A browser shows no blanks at either end of a field, so neither does a card.
                tabelle.Anhaengen(html ? Beschnitten(HtmlNachText(roh.Feld(z, s)))
                                       : roh.Feld(z, s));
            }
        }
    }
}

bool IstAnkiExport(std::string_view text) {
    const auto k = AngabeLesen(text.substr(0, text.find_first_of("\r\n")));
    return k && std::find(kKopfschluessel.begin(), kKopfschluessel.end(), k->schluessel) !=
                    kKopfschluessel.end();
}

Importtabelle AnkiLesen(std::string_view text, const Leseart& art) {
    const Ankikopf b = AnkikopfLesen(text);
    Importtabelle tabelle;
    tabelle.format = Importformat::Anki;
    tabelle.trennzeichen = art.trenner ? *art.trenner
                           : b.trenner ? *b.trenner
                                       : TrennzeichenErkennen(text, b.ab);
    Importtabelle roh;
    Satzleser leser(text, tabelle.trennzeichen, b.ab, b.zeile);
    while (leser.Naechster(roh)) {
        if (art.fortschritt && roh.Zeilen() % kFortschrittZeilen == 0 &&
            !art.fortschritt(leser.Position(), text.size())) {
            break;
        }
    }
    tabelle.htmlErkannt = b.html.value_or(HatHtml(text.substr(b.ab)));
    tabelle.htmlUmgewandelt = art.html.value_or(tabelle.htmlErkannt);
    AnkiZeilenUebernehmen(roh, b.ankispalten, tabelle.htmlUmgewandelt, tabelle);
    tabelle.spaltennamen = Spaltennamen(b, tabelle.trennzeichen);
    return tabelle;
}

bool HatHtml(std::string_view text) {
    static constexpr std::string_view kZeichen[] = {
        "<br>",  "<br/>",  "<br />", "<div", "</div>", "<p>",    "</p>",    "<b>",
        "</b>",  "<i>",    "</i>",   "<u>",  "</u>",   "<span",  "</span>", "<li>",
        "<font", "&nbsp;", "&amp;",  "&lt;", "&gt;",   "&quot;", "&#"};
    const std::string klein = Utf8Kleinschreibung(text.substr(0, std::size_t{1} << 20));
    return std::any_of(std::begin(kZeichen), std::end(kZeichen),
                       [&](std::string_view z) { return klein.find(z) != std::string::npos; });
}

Importtabelle HtmlAlsText(const Importtabelle& roh) {
    std::string text;
    Importtabelle tabelle = Umgebaut(roh, [&](int z, int s) {
        text = HtmlNachText(roh.Feld(z, s));
        return std::string(Beschnitten(text));
    });
    tabelle.htmlErkannt = true;
    tabelle.htmlUmgewandelt = true;
    return tabelle;
}

std::optional<std::string_view> Antwortteil(std::string_view frage, std::string_view antwort) {
    frage = Beschnitten(frage);
    antwort = Beschnitten(antwort);
    if (frage.empty() || !antwort.starts_with(frage) ||
        !antwort.substr(frage.size()).starts_with("\n\n")) {
        return std::nullopt;
    }
    return antwort.substr(antwort.find_first_not_of('\n', frage.size()));
}

void AnkiKartenErkennen(Importtabelle& tabelle) {
    const int zeilen = std::min(tabelle.Zeilen(), 1000);
    int karten = 0;
    for (int z = 0; z < zeilen; ++z) {
        karten += Antwortteil(tabelle.Feld(z, 0), tabelle.Feld(z, 1)).has_value();
    }
    if (zeilen == 0 || karten * 5 < zeilen * 4) {
        return;
    }
    tabelle = OhneFragen(tabelle);
    tabelle.ankiKarten = true;
}

Importtabelle OhneFragen(const Importtabelle& tabelle) {
    return Umgebaut(tabelle, [&](int z, int s) {
        const auto antwort =
            s == 1 ? Antwortteil(tabelle.Feld(z, 0), tabelle.Feld(z, 1)) : std::nullopt;
        return antwort ? *antwort : tabelle.Feld(z, s);
    });
}

std::string HtmlNachText(std::string_view html) {
    return Htmlleser(html).Text();
}

} // namespace lexidor
