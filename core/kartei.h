// The card box in memory: cards, the six compartments, review dates and due flags,
// and the encoding that keeps every card side on one line.
#pragma once

#include "kurzdatum.h"
#include "zufall.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {

// All texts are UTF-8 in NFC, each line break encoded as "¼" or "¾" as in the file.
struct TVokabel {
    std::string Deutsch;
    std::string Fremd;
    std::string Zusatz;
    bool Flag = true;
    bool operator==(const TVokabel&) const = default;
};

// One compartment. Each card is a small entry pointing into blocks of text that never move:
// millions of cards then cost little more than their text, reading appends without copying
// what is there, and exchanging, shuffling or deleting cards moves only entries. Indices are
// the caller's duty.
class TVokList {
public:
    void Add(const TVokabel& v);
    TVokabel Get(int i) const;
    void Put(int i, const TVokabel& v);
    void Delete(int i);
    int Count() const { return static_cast<int>(eintraege_.size()); }
    void Clear();
    // Every order of the cards is equally likely; the texts stay where they are.
    void Shuffle(Zufall& zufall);

    // Read access without copying, for listing and searching.
    std::string_view Deutsch(int i) const {
        const Eintrag& e = eintraege_[i];
        return {Anfang(e), e.d};
    }
    std::string_view Fremd(int i) const {
        const Eintrag& e = eintraege_[i];
        return {Anfang(e) + e.d, e.f};
    }
    std::string_view Zusatz(int i) const {
        const Eintrag& e = eintraege_[i];
        return {Anfang(e) + e.d + e.f, e.z};
    }
    // After a shuffle the texts of neighbouring cards lie far apart: a walk in list order
    // asks for card i + kVoraus ahead of time, so that waiting for memory overlaps the work.
    static constexpr int kVoraus = 16;
    void Vorausladen(int i) const {
        if (i < Count()) {
            __builtin_prefetch(Anfang(eintraege_[i]));
        }
    }

    // Every text is followed by at least this many bytes of the same block, zeroed where no
    // text lies, so that scans may read whole words past a text's end.
    static constexpr std::size_t kNachlauf = 64;

    // Room for so many more cards, and text of so many bytes in one block.
    void Reservieren(std::size_t karten, std::size_t textBytes);
    // nurCp1252 tells whether the texts fit code page 1252, when the caller knows it.
    void Anhaengen(std::string_view deutsch, std::string_view fremd, std::string_view zusatz,
                   std::optional<bool> nurCp1252 = std::nullopt);
    // The same with texts in code page 1252, as a file holds them.
    void AnhaengenCp1252(std::string_view deutsch, std::string_view fremd, std::string_view zusatz);
    std::size_t Speicherbedarf() const;
    // Whether every card fits code page 1252, so the file can be written in it.
    bool NurCp1252() const { return utf8Karten_ == 0; }
    bool NurCp1252(int i) const { return !eintraege_[i].utf8; }

private:
    struct Eintrag {
        std::uint32_t block : 31, utf8 : 1; // utf8: a text that code page 1252 cannot hold
        std::uint32_t start, d, f, z;
    };
    const char* Anfang(const Eintrag& e) const { return bloecke_[e.block].get() + e.start; }
    Eintrag Ablegen(std::string_view deutsch, std::string_view fremd, std::string_view zusatz,
                    bool nurCp1252);
    char* Platz(std::size_t laenge);
    void NeuerBlock(std::size_t groesse);
    void Verwerfen(const Eintrag& e);
    void Verdichten();

    std::vector<std::unique_ptr<char[]>> bloecke_;
    std::size_t belegt_ = 0;     // bytes used in the last block
    std::size_t frei_ = 0;       // bytes still free in the last block
    std::size_t reserviert_ = 0; // bytes of all blocks
    std::size_t text_ = 0;       // bytes of text put into the blocks
    std::size_t muell_ = 0;      // bytes of that text that no entry points to any more
    std::size_t utf8Karten_ = 0; // entries whose text code page 1252 cannot hold
    std::vector<Eintrag> eintraege_;
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
    bool Utf8Datei = false; // the file was last read or written as UTF-8

    // Whether every card fits code page 1252, so the file is written in it.
    bool NurCp1252() const;

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

inline constexpr std::string_view kKodiertLF = "\xC2\xBC"; // "¼"
inline constexpr std::string_view kKodiertCR = "\xC2\xBE"; // "¾"

std::string UmbruecheKodieren(std::string_view text);
std::string UmbruecheDekodieren(std::string_view text);
std::string_view ErsteZeile(std::string_view text);

// A German side that starts like a marker line would end its compartment when read back.
bool DeutschSpeicherbar(std::string_view deutsch);

// The part of a path after its last "/".
std::string Dateiname(std::string_view pfad);

} // namespace lexidor
