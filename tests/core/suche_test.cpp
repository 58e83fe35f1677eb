// The search hit rule of the vocabulary list.
#include "suche.h"

#include "kartei.h"
#include "unicodetext.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace lexidor {
namespace {

bool Naiv(std::string_view muster, std::string_view seite) {
    return Gefaltet(ErsteZeile(seite)).find(Gefaltet(muster)) != std::string::npos;
}

// The scan over a compartment reads whole words past a side's end; it must find what the
// rule finds, for sides of every length around the word and the window it takes at once,
// with capitals in several scripts, forms of different length ("K" and the Kelvin sign),
// line ends and near-misses at every place.
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
    for (const std::string_view suchtext : {"a", "Ä", "ab", "ÄB", "aab", "Bäq", "2", "k", "Ka",
                                            "σς", "Σa", "дД", "о", "aK", "İa", "ai"}) {
        const TSuchmuster muster(suchtext);
        TVokList fach;
        std::vector<int> treffer;
        for (int i = 0; i < 4000; ++i) {
            const std::string deutsch = text();
            const std::string fremd = text();
            fach.Anhaengen(deutsch, fremd, "");
            const bool erwartet = Naiv(suchtext, deutsch) || Naiv(suchtext, fremd);
            EXPECT_EQ(muster.Treffer(deutsch, fremd, 1), erwartet) << deutsch << " " << fremd;
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
    }
}

} // namespace
} // namespace lexidor
