// Card boxes at the card limit for the benchmarks: 3,200,000 cards of realistic length, most
// of them in compartment 1, some sides on two lines; their files, and the boxes read from them.
#pragma once

#include "karteidatei.h"

#include <array>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor::bench {

inline constexpr int kKarten = 3'200'000;

// A box of German words on both sides, written in code page 1252, and one whose foreign sides
// are Russian and Greek, written as UTF-8.
enum class Schrift { Westlich = 0, KyrillischGriechisch = 1 };

using Buchstaben = std::vector<std::string_view>;

inline const Buchstaben& Deutsch() {
    static const Buchstaben b = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j",
                                 "k", "l", "m", "n", "o", "p", "q", "r", "s", "t",
                                 "u", "v", "w", "x", "y", "z", "ä", "ö", "ü", "ß"};
    return b;
}

inline const Buchstaben& Kyrillisch() {
    static const Buchstaben b = {"а", "б", "в", "г", "д", "е", "ё", "ж", "з", "и", "й",
                                 "к", "л", "м", "н", "о", "п", "р", "с", "т", "у", "ф",
                                 "х", "ц", "ч", "ш", "щ", "ъ", "ы", "ь", "э", "ю", "я"};
    return b;
}

inline const Buchstaben& Griechisch() {
    static const Buchstaben b = {"α", "β", "γ", "δ", "ε", "ζ", "η", "θ", "ι", "κ",
                                 "λ", "μ", "ν", "ξ", "ο", "π", "ρ", "σ", "ς", "τ",
                                 "υ", "φ", "χ", "ψ", "ω", "ά", "έ", "ή", "ί", "ό"};
    return b;
}

inline std::string Wort(std::mt19937& gen, const Buchstaben& buchstaben = Deutsch()) {
    std::uniform_int_distribution<int> laenge(5, 30);
    std::uniform_int_distribution<std::size_t> zeichen(0, buchstaben.size() - 1);
    std::string w;
    const int n = laenge(gen);
    const bool zweiZeilen = n > 12 && gen() % 10 == 0; // some sides span two lines
    for (int i = 0; i < n; ++i) {
        if (zweiZeilen && i == n / 2) {
            w += "¾¼";
        }
        w += buchstaben[zeichen(gen)];
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

inline const Buchstaben& Fremdsprache(Schrift schrift, int i) {
    if (schrift == Schrift::Westlich) {
        return Deutsch();
    }
    return i % 2 == 0 ? Kyrillisch() : Griechisch();
}

inline TKartei KarteiErzeugen(Schrift schrift = Schrift::Westlich) {
    TKartei k;
    std::mt19937 gen(42);
    for (int i = 0; i < kKarten; ++i) {
        std::string deutsch = Wort(gen);
        k.Fach[FachFuer(i)].Anhaengen(deutsch, Wort(gen, Fremdsprache(schrift, i)), "");
    }
    for (int c = 2; c <= 5; ++c) {
        k.Termin[c] = DatumAus(2026, 12, static_cast<unsigned>(c));
    }
    return k;
}

inline constexpr std::string_view kMuster = "%d.%m.%Y";

// The file of that box, as the program writes it.
inline const std::string& GrosseDatei(Schrift schrift = Schrift::Westlich) {
    static std::array<std::string, 2> dateien;
    std::string& datei = dateien[static_cast<std::size_t>(schrift)];
    if (datei.empty()) {
        datei = KarteiSchreiben(KarteiErzeugen(schrift), kMuster);
    }
    return datei;
}

// The box as the program holds it after reading that file: the cards shuffled, their texts
// where they were read.
inline TKartei KarteiGelesen(Schrift schrift = Schrift::Westlich) {
    TKartei k;
    k.Dateipfad = "/tmp/gross.vkd";
    MersenneZufall zufall(7);
    KarteiLesen(k, GrosseDatei(schrift), kMuster, DatumAus(2026, 12, 6), zufall);
    return k;
}

// One box of each script for all benchmarks that only read it.
inline const TKartei& GrosseKartei(Schrift schrift = Schrift::Westlich) {
    static std::array<std::optional<TKartei>, 2> karteien;
    auto& kartei = karteien[static_cast<std::size_t>(schrift)];
    if (!kartei) {
        kartei.emplace(KarteiGelesen(schrift));
    }
    return *kartei;
}

// A search text that no card holds ("#"), starting with a letter of the box's foreign side.
inline std::string_view Fehlsuche(Schrift schrift) {
    return schrift == Schrift::Westlich ? "Äq#z" : "Жq#z";
}

} // namespace lexidor::bench
