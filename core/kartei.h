// The card box in memory: cards, the six compartments, review dates and due flags,
// and the encoding that keeps every card side on one line.
#pragma once

#include "kurzdatum.h"
#include "zufall.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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
        const Karte k = Lesen(eintraege_[i]);
        return {k.text, k.d};
    }
    std::string_view Fremd(int i) const {
        const Karte k = Lesen(eintraege_[i]);
        return {k.text + k.d, k.f};
    }
    // Both sides at once, the foreign one right after the German, for a scan of both.
    std::string_view Seiten(int i) const {
        const Karte k = Lesen(eintraege_[i]);
        return {k.text, k.d + k.f};
    }
    std::string_view Zusatz(int i) const {
        const Karte k = Lesen(eintraege_[i]);
        return {k.text + k.d + k.f, k.z};
    }
    // After a shuffle the texts of neighbouring cards lie far apart. A walk in list order calls
    // this at each card i, so that waiting for memory overlaps the work: the head of card
    // i + 2 * kVoraus is asked for, and the rest of card i + kVoraus, whose head has arrived by
    // then and tells how far its text reaches. A card of two cache lines would otherwise still
    // wait once for its second.
    static constexpr int kVoraus = 16;
    void Vorausladen(int i) const {
        if (i + 2 * kVoraus < Count()) {
            __builtin_prefetch(Anfang(eintraege_[i + 2 * kVoraus]));
        }
        if (i + kVoraus < Count()) {
            RestVorausladen(Anfang(eintraege_[i + kVoraus]));
        }
    }

    // Every stored card in the order its text lies in memory, cards given up by an edit or a
    // delete included: a scan of all cards then reads memory front to back instead of jumping
    // from card to card. f gets the card's place, as Stelle tells it for card i, both sides at
    // once and the German side's length.
    template <typename F> void InSpeicherfolge(F&& f) const {
        for (std::size_t b = 0; b < bloecke_.size(); ++b) {
            const char* p = bloecke_[b].get();
            const char* const ende = p + (b < enden_.size() ? enden_[b] : belegt_);
            while (p < ende) {
                const Karte k = KarteAb(p);
                f(static_cast<const void*>(p), std::string_view(k.text, k.d + k.f),
                  std::size_t{k.d});
                p = k.text + k.d + k.f + k.z;
            }
        }
    }
    const void* Stelle(int i) const { return Anfang(eintraege_[i]); }

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

    // How the platform may back a new block of whole large pages, aligned to one, before it is
    // first touched: with large memory pages, a walk over millions of shuffled cards no longer
    // waits on a translation of each card's address. Core itself knows no such pages.
    using Blockrat = void (*)(char* anfang, std::size_t laenge);
    static void BlockratSetzen(Blockrat rat) { blockrat_ = rat; }
    // Whether every card fits code page 1252, so the file can be written in it.
    bool NurCp1252() const { return utf8Karten_ == 0; }
    bool NurCp1252(int i) const { return !Lesen(eintraege_[i]).utf8; }

private:
    // An entry is only where a card lies: a place in the blocks' common span of addresses,
    // each block taking whole windows of it. The lengths of the card's three texts, and whether
    // code page 1252 can hold them, head the card in its block, where a reader of its text
    // finds them in the same cache line. A short head is three bytes: the first holds that
    // mark and the German length below 64, the others the foreign and the extra length; a long
    // one is the mark, 0x80, and three 32-bit lengths. So a card of short words costs seven
    // bytes beside its text, not twenty.
    using Eintrag = std::uint32_t;
    static constexpr int kFensterBits = 21;
    static constexpr std::size_t kFenster = std::size_t{1} << kFensterBits;
    struct Karte {
        const char* text;
        std::uint32_t d, f, z;
        bool utf8; // a text that code page 1252 cannot hold
    };
    static constexpr std::size_t kKopfKurz = 3;
    static constexpr std::size_t kKopfLang = 13;
    static constexpr unsigned char kLang = 0x80;
    static constexpr unsigned char kUtf8 = 0x40;
    static bool KurzerKopf(std::size_t d, std::size_t f, std::size_t z) {
        return d < kUtf8 && f <= 0xFF && z <= 0xFF;
    }
    static Karte KarteAb(const char* kopf) {
        const auto* b = reinterpret_cast<const unsigned char*>(kopf);
        const bool utf8 = (b[0] & kUtf8) != 0;
        if ((b[0] & kLang) == 0) {
            return {kopf + kKopfKurz, b[0] & (kUtf8 - 1u), b[1], b[2], utf8};
        }
        std::uint32_t l[3];
        std::memcpy(l, kopf + 1, sizeof l);
        return {kopf + kKopfLang, l[0], l[1], l[2], utf8};
    }
    Karte Lesen(Eintrag e) const { return KarteAb(Anfang(e)); }
    static void RestVorausladen(const char* kopf) {
        constexpr std::uintptr_t kZeile = 64;
        const Karte k = KarteAb(kopf);
        const auto ende = reinterpret_cast<std::uintptr_t>(k.text + k.d + k.f + k.z);
        auto zeile = (reinterpret_cast<std::uintptr_t>(kopf) | (kZeile - 1)) + 1;
        for (; zeile < ende; zeile += kZeile) {
            __builtin_prefetch(reinterpret_cast<const char*>(zeile));
        }
    }
    Eintrag Ort(const char* p) const;
    static char* KopfSchreiben(char* p, bool kurz, bool utf8, std::size_t d, std::size_t f,
                               std::size_t z);
    static const char* Anfang(const std::vector<const char*>& fenster, Eintrag e) {
        return fenster[e >> kFensterBits] + (e & (kFenster - 1));
    }
    const char* Anfang(Eintrag e) const { return Anfang(fenster_, e); }
    Eintrag Ablegen(std::string_view deutsch, std::string_view fremd, std::string_view zusatz,
                    bool nurCp1252);
    char* Platz(std::size_t laenge);
    void NeuerBlock(std::size_t groesse);
    void Verwerfen(Eintrag e);
    void Verdichten();

    struct Freigabe {
        void operator()(char* p) const { std::free(p); }
    };
    static inline Blockrat blockrat_ = nullptr;
    std::vector<std::unique_ptr<char[], Freigabe>> bloecke_;
    std::vector<const char*> fenster_; // where each window of the span lies
    std::vector<std::size_t> enden_;   // the bytes used in each block but the last
    std::size_t ort_ = 0;              // where the last block starts in the span
    std::size_t belegt_ = 0;           // bytes used in the last block
    std::size_t frei_ = 0;             // bytes still free in the last block
    std::size_t reserviert_ = 0;       // bytes of all blocks
    std::size_t text_ = 0;             // bytes of text put into the blocks
    std::size_t muell_ = 0;            // bytes of that text that no entry points to any more
    std::size_t utf8Karten_ = 0;       // entries whose text code page 1252 cannot hold
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
