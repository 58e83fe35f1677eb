// The card box in memory: cards, the six compartments, review dates and due flags,
// and the encoding that keeps every card side on one line.
#pragma once

#include "kurzdatum.h"
#include "zufall.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// All texts are code page 1252 bytes.
struct TVokabel {
    std::string Deutsch;
    std::string Fremd;
    std::string Zusatz;
    bool Flag = true;
    bool operator==(const TVokabel&) const = default;
};

// One compartment. The texts of all cards live in one buffer and each card is a small
// entry pointing into it: millions of cards then cost little more than their text, and
// exchanging or deleting cards moves only entries. Indices are the caller's duty.
class TVokList {
public:
    void Add(const TVokabel& v);
    TVokabel Get(int i) const;
    void Put(int i, const TVokabel& v);
    void Delete(int i);
    int Count() const { return static_cast<int>(eintraege_.size()); }
    void Clear();
    void Exchange(int i, int j);
    void Shuffle(Zufall& zufall);

    // Read access without copying, for listing and searching.
    std::string_view Deutsch(int i) const { return Text(eintraege_[i].start, eintraege_[i].d); }
    std::string_view Fremd(int i) const {
        return Text(eintraege_[i].start + eintraege_[i].d, eintraege_[i].f);
    }
    std::string_view Zusatz(int i) const {
        const auto& e = eintraege_[i];
        return Text(e.start + e.d + e.f, e.z);
    }

    void Reservieren(std::size_t karten, std::size_t textBytes);
    void Anhaengen(std::string_view deutsch, std::string_view fremd, std::string_view zusatz);
    std::size_t Speicherbedarf() const;

private:
    struct Eintrag {
        std::uint64_t start;
        std::uint32_t d, f, z;
    };
    std::string_view Text(std::uint64_t start, std::uint32_t laenge) const {
        return std::string_view(text_.data() + start, laenge);
    }
    Eintrag Ablegen(std::string_view deutsch, std::string_view fremd, std::string_view zusatz);
    void Verwerfen(const Eintrag& e);
    void NeuOrdnen(const std::vector<std::uint32_t>& reihenfolge);

    std::vector<char> text_;
    std::vector<Eintrag> eintraege_;
    std::size_t muell_ = 0; // bytes of text_ that no entry points to any more
};

inline constexpr std::string_view kKeineDatei = "?none?";
inline constexpr std::string_view kNeuName = "Neu";

// The review intervals of compartments 2 to 5, in days; index 2..5 is used.
using Intervalle = std::array<int, 6>;

class TKartei {
public:
    std::array<TVokList, 7> Fach;  // index 1..6
    std::array<Datum, 6> Termin{}; // index 2..5
    std::array<bool, 6> Faellig{}; // index 2..5
    std::string Dateipfad;
    std::string Anzeigename;
    bool Geoeffnet = false;
    bool Gesichert = true;

    void Schliessen();
    void NeuAnlegen(Datum heute, const Intervalle& intervalle);
    void FaelligkeitBestimmen(Datum heute);
    void TerminFortschreiben(int k, Datum heute, int intervall);
    void Verschieben(int von, int index, int nach);
    int Gesamtzahl() const;
};

// A row of the vocabulary list: compartment and 0-based place in it.
struct TPosInfo {
    int Stufe = 0;
    int Index = 0;
    bool operator==(const TPosInfo&) const = default;
};

inline constexpr char kKodiertLF = '\xBC'; // "¼"
inline constexpr char kKodiertCR = '\xBE'; // "¾"

std::string UmbruecheKodieren(std::string_view text);
std::string UmbruecheDekodieren(std::string_view text);
std::string_view ErsteZeile(std::string_view text);

// A German side that starts like a marker line would end its compartment when read back.
bool DeutschSpeicherbar(std::string_view deutsch);

// The part of a path after its last "/".
std::string Dateiname(std::string_view pfad);

} // namespace lexidor
