// The sample files under tests/data, byte for byte, the case files there, row by row, and
// random sources a test controls.
#pragma once

#include "importlektion.h"
#include "importtabelle.h"
#include "kartei.h"
#include "zufall.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lexidor {

inline std::string Testdatei(const std::string& name) {
    std::ifstream datei(std::string(LEXIDOR_TESTDATA) + "/" + name, std::ios::binary);
    if (!datei) {
        ADD_FAILURE() << "missing sample file " << name;
    }
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

// A field's parts between the separators; none for an empty text.
inline std::vector<std::string> Teilen(std::string_view text, std::string_view trenner) {
    std::vector<std::string> teile;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t ende = std::min(text.find(trenner, pos), text.size());
        teile.emplace_back(text.substr(pos, ende - pos));
        pos = ende + trenner.size();
    }
    return teile;
}

// ASCII text as UTF-16 LE, with or without its byte-order mark.
inline std::string Utf16Le(std::string_view ascii, bool bom) {
    std::string text = bom ? "\xFF\xFE" : "";
    for (const char c : ascii) {
        text += {c, '\0'};
    }
    return text;
}

// The lessons the import dialog offers, as "Name (entries)".
inline std::vector<std::string> Lektionsnamen(const Importtabelle& tabelle) {
    std::vector<std::string> namen;
    for (const Importlektion& l : ImportLektionen(tabelle)) {
        namen.push_back(l.name + " (" + std::to_string(l.eintraege) + ")");
    }
    return namen;
}

// A box whose compartments 1..6 hold the given numbers of cards "d" / "f".
inline TKartei KarteiMit(std::array<int, 7> anzahl) {
    TKartei k;
    for (int f = 1; f <= 6; ++f) {
        for (int i = 0; i < anzahl[f]; ++i) {
            k.Fach[f].Anhaengen("d", "f", "");
        }
    }
    return k;
}

// The box's cards in list order, each as "compartment German = foreign".
inline std::vector<std::string> Kartenliste(const TKartei& kartei) {
    std::vector<std::string> karten;
    for (int f = 1; f <= 6; ++f) {
        for (int i = 0; i < kartei.Fach[f].Count(); ++i) {
            const std::string karte = std::to_string(f) + " " +
                                      std::string(kartei.Fach[f].Deutsch(i)) + " = " +
                                      std::string(kartei.Fach[f].Fremd(i));
            karten.push_back(karte.ends_with(' ') ? karte.substr(0, karte.size() - 1) : karte);
        }
    }
    return karten;
}

// A case file holds one case a line, its fields split at "|" and stripped of the blanks
// around them; empty lines and lines that start with "#" are comments. \n, \r, \t and \xHH
// stand for bytes a line cannot show: \x20 for a blank at a field's edge, \x7C for "|".
inline std::string Entschluesselt(std::string_view feld) {
    std::string text;
    for (std::size_t i = 0; i < feld.size(); ++i) {
        if (feld[i] != '\\' || i + 1 == feld.size()) {
            text += feld[i];
            continue;
        }
        const char c = feld[++i];
        if (c == 'x') {
            text += static_cast<char>(std::stoi(std::string(feld.substr(i + 1, 2)), nullptr, 16));
            i += 2;
            continue;
        }
        text += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
    return text;
}

inline std::vector<std::vector<std::string>> Testfaelle(const std::string& name) {
    std::vector<std::vector<std::string>> faelle;
    for (const std::string& zeile : Teilen(Testdatei(name), "\n")) {
        if (zeile.empty() || zeile.starts_with('#')) {
            continue;
        }
        auto& feld = faelle.emplace_back();
        for (std::string_view f : Teilen(zeile + "|", "|")) { // a last empty field too
            f.remove_prefix(std::min(f.size(), f.find_first_not_of(' ')));
            f.remove_suffix(f.size() - (f.find_last_not_of(' ') + 1));
            feld.push_back(Entschluesselt(f));
        }
    }
    return faelle;
}

// A random source that hands out scripted values, then 0, and records every range asked.
class SkriptZufall final : public Zufall {
public:
    explicit SkriptZufall(std::vector<std::uint32_t> werte = {}) : werte_(std::move(werte)) {}
    std::uint32_t Unter(std::uint32_t n) override {
        gefragt.push_back(n);
        const std::uint32_t w = gefragt.size() <= werte_.size() ? werte_[gefragt.size() - 1] : 0;
        EXPECT_LT(w, n) << "the script does not fit the range asked";
        return w;
    }
    std::vector<std::uint32_t> gefragt;

private:
    std::vector<std::uint32_t> werte_;
};

// A random source under which a shuffle leaves every card where it is: it always draws the
// highest value.
class Hoechstzufall final : public Zufall {
public:
    std::uint32_t Unter(std::uint32_t n) override { return n - 1; }
};

} // namespace lexidor
