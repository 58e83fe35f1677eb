// The search hit rule of the vocabulary list.
#include "suche.h"

#include "kartei.h"
#include "unicodetext.h"
#include "zufall.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace lexidor {
namespace {

bool Naiv(std::string_view muster, std::string_view seite) {
    return Gefaltet(ErsteZeile(seite)).find(Gefaltet(muster)) != std::string::npos;
}

// The scan over a compartment reads whole words past a side's end and, past the first cards,
// goes through the texts in memory order; it must find what the rule finds, in list order,
// for sides of every length around the word and the window it takes at once, with capitals
// in several scripts, forms of different length ("K" and the Kelvin sign), line ends and
// near-misses at every place, in a shuffled compartment of several blocks whose edited and
// deleted cards still lie in memory, before and after they are compacted.
TEST(TSuchmuster, TheScanOfACompartmentFindsWhatTheRuleFinds) {
    std::mt19937 gen(3);
    const std::vector<std::string> zeichen = {"a", "A", "ä", "Ä", "b", "B", "¾", "¼", "q", "k",
                                              "K", "K", "σ", "Σ", "ς", "д", "Д", "о", "i", "İ"};
    const auto text = [&] {
        std::string t;
        for (std::size_t n = gen() % 30; n > 0; --n) {
            t += zeichen[gen() % zeichen.size()];
        }
        return t;
    };
    // A rare word, sure to lie beyond the first cards of the list: on either side, or only
    // in the extra text, where it is no hit.
    const auto karten = [&](TVokList& fach, int n) {
        for (int i = 0; i < n; ++i) {
            const auto selten = [i](int rest) { return i % 1500 == rest ? "Xylophon" : ""; };
            fach.Anhaengen(selten(0) + text(), selten(500) + text(), selten(1000) + text());
        }
    };
    const auto pruefen = [&](const TVokList& fach, std::string_view suchtext) {
        const TSuchmuster muster(suchtext);
        std::vector<int> treffer;
        for (int i = 0; i < fach.Count(); ++i) {
            const bool erwartet = Naiv(suchtext, fach.Deutsch(i)) || Naiv(suchtext, fach.Fremd(i));
            EXPECT_EQ(muster.Treffer(fach.Deutsch(i), fach.Fremd(i), 1), erwartet) << i;
            if (erwartet) {
                treffer.push_back(i);
            }
        }
        std::vector<int> gefunden;
        for (int ab = 0; (ab = muster.ErsterTreffer(fach, 1, ab)) >= 0; ++ab) {
            gefunden.push_back(ab);
        }
        EXPECT_EQ(gefunden, treffer) << suchtext;
        if (suchtext == "2") { // in compartment 2, a hit on every card
            EXPECT_EQ(muster.ErsterTreffer(fach, 2, 17), 17);
        }
    };
    TVokList fach;
    karten(fach, 9000);
    MersenneZufall zufall(5);
    fach.Shuffle(zufall);
    for (int i = 0; i < fach.Count(); i += 3) {
        fach.Put(i, {text(), text(), "", true});
    }
    for (int i = 0; i < 600; ++i) {
        fach.Delete(i * 5);
    }
    for (const std::string_view suchtext : {"a", "Ä", "ab", "ÄB", "aab", "Bäq", "2", "k", "Ka",
                                            "σς", "Σa", "дД", "о", "aK", "İa", "ai", "xYLO"}) {
        pruefen(fach, suchtext);
    }
    for (int i = 0; i < fach.Count(); ++i) { // compacts the texts on the way
        fach.Put(i, {text(), text(), "", true});
    }
    karten(fach, 9000);
    pruefen(fach, "xylo");
}

} // namespace
} // namespace lexidor
