// A card box at the card limit for the benchmarks: 3,200,000 cards of realistic length, most
// of them in compartment 1, some sides on two lines; its file, and the box read from it.
#pragma once

#include "karteidatei.h"

#include <random>
#include <string>
#include <string_view>

namespace lexidor::bench {

inline constexpr int kKarten = 3'200'000;

inline std::string Wort(std::mt19937& gen) {
    static constexpr std::string_view kBuchstaben = "abcdefghijklmnopqrstuvwxyz\xE4\xF6\xFC\xDF";
    std::uniform_int_distribution<int> laenge(5, 30);
    std::uniform_int_distribution<std::size_t> zeichen(0, kBuchstaben.size() - 1);
    std::string w;
    const int n = laenge(gen);
    const bool zweiZeilen = n > 12 && gen() % 10 == 0; // some sides span two lines
    for (int i = 0; i < n; ++i) {
        if (zweiZeilen && i == n / 2) {
            w += "\xBE\xBC";
        }
        w += kBuchstaben[zeichen(gen)];
    }
    return w;
}

// Compartment 1 holds the most, 6 the fewest, as in a box that is being learned.
inline int FachFuer(int i) {
    static constexpr int kAnteil[] = {30, 15, 15, 15, 15, 10};
    int rest = i % 100;
    for (int c = 0; c < 6; ++c) {
        if (rest < kAnteil[c]) {
            return c + 1;
        }
        rest -= kAnteil[c];
    }
    return 6;
}

inline TKartei KarteiErzeugen() {
    TKartei k;
    std::mt19937 gen(42);
    for (int i = 0; i < kKarten; ++i) {
        k.Fach[FachFuer(i)].Anhaengen(Wort(gen), Wort(gen), "");
    }
    for (int c = 2; c <= 5; ++c) {
        k.Termin[c] = DatumAus(2026, 12, static_cast<unsigned>(c));
    }
    return k;
}

inline constexpr std::string_view kMuster = "%d.%m.%Y";

// The file of that box, as the program writes it.
inline const std::string& GrosseDatei() {
    static const std::string datei = KarteiSchreiben(KarteiErzeugen(), kMuster);
    return datei;
}

// The box as the program holds it after reading that file: the cards shuffled, their texts
// where they were read.
inline TKartei KarteiGelesen() {
    TKartei k;
    k.Dateipfad = "/tmp/gross.vkd";
    MersenneZufall zufall(7);
    KarteiLesen(k, GrosseDatei(), kMuster, DatumAus(2026, 12, 6), zufall);
    return k;
}

// One box for all benchmarks that only read it.
inline const TKartei& GrosseKartei() {
    static const TKartei kartei = KarteiGelesen();
    return kartei;
}

} // namespace lexidor::bench
