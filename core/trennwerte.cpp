// Records, separator and header of separated values.
#include "trennwerte.h"

#include "cp1252.h"
#include "vokabelimport_vorschlag.h"

#include <algorithm>
#include <array>
#include <span>
#include <tuple>

namespace lexidor {
namespace {

constexpr int kProbesaetze = 100;

// Column names as spreadsheets, school lists and other trainers head their columns.
constexpr auto kSeitennamen =
    std::to_array<std::string_view>({"deutsch",        "german",       "deutsche bedeutung",
                                     "fremd",          "fremdsprache", "fremdsprachliche bedeutung",
                                     "fremdwort",      "übersetzung",  "translation",
                                     "bedeutung",      "meaning",      "vokabel",
                                     "vokabeln",       "wort",         "word",
                                     "begriff",        "term",         "definition",
                                     "frage",          "antwort",      "question",
                                     "answer",         "front",        "back",
                                     "vorderseite",    "rückseite",    "englisch",
                                     "english",        "französisch",  "french",
                                     "spanisch",       "spanish",      "italienisch",
                                     "italian",        "latein",       "latin",
                                     "russisch",       "russian",      "polnisch",
                                     "polish",         "türkisch",     "turkish",
                                     "niederländisch", "dutch"});
// Words that head a column of a word list rather than stand in one.
constexpr auto kKopfwoerter = std::to_array<std::string_view>(
    {"noun",      "nouns",   "nomen",     "substantiv",  "article",    "artikel",     "word",
     "words",     "wort",    "wörter",    "translation", "translated", "übersetzung", "bedeutung",
     "meaning",   "lektion", "lesson",    "unit",        "kapitel",    "chapter",     "plural",
     "genus",     "gender",  "grundform", "infinitiv",   "infinitive", "beispiel",    "example",
     "kommentar", "comment", "vokabel",   "vokabeln",    "term",       "definition"});
constexpr auto kStufennamen =
    std::to_array<std::string_view>({"lernstufe", "stufe", "fach", "level", "box"});

// The cell trimmed, without a trailing colon, in lower case.
std::string Name(std::string_view zelle) {
    zelle = Beschnitten(zelle);
    if (zelle.ends_with(':')) {
        zelle.remove_suffix(1);
    }
    return Utf8Kleinschreibung(zelle);
}

bool Enthaelt(std::span<const std::string_view> namen, std::string_view name) {
    return std::find(namen.begin(), namen.end(), name) != namen.end();
}

// 1 for a column name, 0 for an empty cell, -1 for anything else.
int Kopfzelle(std::string_view zelle) {
    const std::string name = Name(zelle);
    if (name.empty()) {
        return 0;
    }
    return Enthaelt(kSeitennamen, name) || Enthaelt(kStufennamen, name) ? 1 : -1;
}

// The first row's shape: at least two filled cells, none of them a word with its article, and
// one of them a word that heads columns.
bool Kopfwortzeile(const Importtabelle& tabelle) {
    int gefuellt = 0;
    bool kopfwort = false;
    for (int s = 0; s < std::min(tabelle.Felder(0), kSpaltenangebot); ++s) {
        const std::string_view zelle = Beschnitten(tabelle.Feld(0, s));
        if (zelle.empty()) {
            continue;
        }
        if (MitArtikel(zelle)) {
            return false;
        }
        ++gefuellt;
        for (const std::string& wort : Namenswoerter(zelle)) {
            kopfwort = kopfwort || Enthaelt(kKopfwoerter, wort);
        }
    }
    return gefuellt >= 2 && kopfwort;
}

} // namespace

bool Satzleser::Naechster(Importtabelle& tabelle) {
    while (pos_ < text_.size() && Zeilenende()) {
        ZeilenendeUeberspringen();
    }
    if (pos_ >= text_.size()) {
        return false;
    }
    offen_ = false;
    tabelle.ZeileBeginnen(zeile_);
    for (;;) {
        tabelle.FeldBeginnen();
        Feld(tabelle);
        if (pos_ >= text_.size()) {
            return true;
        }
        if (text_[pos_] != trenner_) {
            ZeilenendeUeberspringen();
            return true;
        }
        ++pos_;
    }
}

void Satzleser::Feld(Importtabelle& tabelle) {
    if (pos_ < text_.size() && text_[pos_] == '"') {
        Quotiert(tabelle);
    }
    // What follows a closing quote up to the separator is kept rather than lost.
    const std::size_t anfang = pos_;
    while (pos_ < text_.size() && text_[pos_] != trenner_ && !Zeilenende()) {
        ++pos_;
    }
    tabelle.Anhaengen(text_.substr(anfang, pos_ - anfang));
}

void Satzleser::Quotiert(Importtabelle& tabelle) {
    const std::size_t quote = pos_;
    const std::size_t laenge = tabelle.Laenge();
    const int zeile = zeile_;
    ++pos_;
    while (pos_ < text_.size()) {
        if (text_[pos_] == '"') {
            ++pos_;
            if (pos_ >= text_.size() || text_[pos_] != '"') {
                return;
            }
            tabelle.Anhaengen('"');
            ++pos_;
        } else if (Zeilenende()) {
            ZeilenendeUeberspringen();
            tabelle.Anhaengen('\n');
        } else {
            const std::size_t anfang = pos_;
            while (pos_ < text_.size() && text_[pos_] != '"' && !Zeilenende()) {
                ++pos_;
            }
            tabelle.Anhaengen(text_.substr(anfang, pos_ - anfang));
        }
    }
    tabelle.Kuerzen(laenge);
    pos_ = quote;
    zeile_ = zeile;
    offen_ = true;
}

void Satzleser::ZeilenendeUeberspringen() {
    pos_ += text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n' ? 2 : 1;
    ++zeile_;
}

char TrennzeichenErkennen(std::string_view text, std::size_t ab) {
    char bestes = '\t';
    std::tuple<bool, bool, int> beste{false, false, 0};
    for (const char trenner : kTrennzeichen) {
        Importtabelle probe;
        Satzleser leser(text, trenner, ab);
        int geteilt = 0;
        bool gleich = true;
        while (probe.Zeilen() < kProbesaetze && leser.Naechster(probe)) {
            const int felder = probe.Felder(probe.Zeilen() - 1);
            geteilt += felder >= 2;
            gleich = gleich && felder == probe.Felder(0);
        }
        // Every record split, into as many fields each time; then the most records split.
        const std::tuple<bool, bool, int> wertung{probe.Zeilen() > 0 && geteilt == probe.Zeilen(),
                                                  gleich && geteilt > 0, geteilt};
        if (wertung > beste) {
            bestes = trenner;
            beste = wertung;
        }
    }
    return bestes;
}

bool IstKopfzeile(const Importtabelle& tabelle) {
    if (tabelle.Zeilen() == 0) {
        return false;
    }
    const int erste = Kopfzelle(tabelle.Feld(0, 0));
    const int zweite = Kopfzelle(tabelle.Feld(0, 1));
    if ((erste >= 0 && zweite >= 0 && erste + zweite > 0) || Kopfwortzeile(tabelle)) {
        return true;
    }
    // A word above a column of levels names it; a 0 is the first card of a list from 0 to 5.
    const auto stufe = StufeLesen(tabelle.Feld(0, 2), Stufenskala::NullBisSechs);
    return stufe == 0 && IstStufenspalte(tabelle, 2, 1);
}

void KopfUndStufenErkennen(Importtabelle& tabelle) {
    tabelle.kopfzeile = IstKopfzeile(tabelle);
    const int ab = tabelle.kopfzeile ? 1 : 0;
    if (tabelle.kopfzeile) {
        for (int s = 0; s < tabelle.Felder(0); ++s) {
            tabelle.spaltennamen.emplace_back(tabelle.Feld(0, s));
        }
    }
    // The first two columns are the sides a list usually starts with.
    for (int s = 2; s < AngeboteneSpalten(tabelle); ++s) {
        if (IstStufenspalte(tabelle, s, ab) ||
            (tabelle.kopfzeile && Enthaelt(kStufennamen, Name(tabelle.Feld(0, s))))) {
            tabelle.stufenspalte = s;
            return;
        }
    }
}

Importtabelle TrennwerteLesen(std::string_view text, std::optional<char> trenner,
                              const Fortschritt& fortschritt) {
    Importtabelle tabelle;
    tabelle.trennzeichen = trenner ? *trenner : TrennzeichenErkennen(text);
    tabelle.Reservieren(text.size()); // the cells never need more than the file
    Satzleser leser(text, tabelle.trennzeichen);
    while (leser.Naechster(tabelle)) {
        if (fortschritt && tabelle.Zeilen() % kFortschrittZeilen == 0 &&
            !fortschritt(leser.Position(), text.size())) {
            break;
        }
    }
    KopfUndStufenErkennen(tabelle);
    return tabelle;
}

} // namespace lexidor
