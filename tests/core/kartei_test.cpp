// The compartment list, the card box operations, the line-break encoding of card sides and
// code page 1252, in which card texts come.
#include "cp1252.h"
#include "kartei.h"
#include "testdatei.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace lexidor {
namespace {

TVokabel Karte(std::string d, std::string z = "") {
    return {d, d + "-f", std::move(z), true};
}

std::string Reihe(const TVokList& l) {
    std::string out;
    for (int i = 0; i < l.Count(); ++i) {
        out += l.Get(i).Deutsch;
    }
    return out;
}

// Edits and deletes, at the front too, leave dead text behind until the list compacts itself;
// every card must come through that unchanged and in order.
TEST(TVokList, ManyEditsAndDeletesKeepEveryCardIntact) {
    TVokList l;
    std::vector<TVokabel> modell;
    for (int i = 0; i < 100; ++i) { // 60 of them are deleted
        modell.push_back(Karte("d" + std::to_string(i), "z"));
        l.Add(modell.back());
    }
    for (int r = 0; r < 3000; ++r) {
        const int i = (r * 7) % static_cast<int>(modell.size());
        if (r % 50 == 49) {
            l.Delete(i);
            modell.erase(modell.begin() + i);
        } else {
            // Lengths on both sides of what a card's short head holds (64 and 256 bytes), and
            // texts that code page 1252 cannot hold among them.
            const std::string text = std::string((r * 37) % 300, 'x') + std::to_string(r);
            modell[i] = Karte(r % 3 == 0 ? text + "\u0436" : text);
            l.Put(i, modell[i]);
        }
    }
    ASSERT_EQ(l.Count(), static_cast<int>(modell.size()));
    for (int i = 0; i < l.Count(); ++i) {
        EXPECT_EQ(l.Get(i), modell[i]) << i;
        EXPECT_EQ(l.NurCp1252(i), PasstCp1252(modell[i].Deutsch)) << i;
    }
    l.Clear();
    l.Add(Karte("neu"));
    EXPECT_EQ(Reihe(l), "neu");
}

// Code page 1252 is converted in place: a text of n bytes may take up to 3n, so the room and
// the head are chosen for that and cut back after.
TEST(TVokList, TextsInCodePage1252OfEveryLengthComeInAsUtf8) {
    TVokList l;
    std::vector<std::string> seiten;
    for (std::size_t n = 0; n < 300; n += 7) {
        seiten.push_back(std::string(n, n % 2 == 0 ? 'a' : '\xE4') + (n % 3 == 0 ? "\x80" : ""));
        l.AnhaengenCp1252(seiten.back(), std::string(n / 2, '\x9F'), n % 5 == 0 ? "z" : "");
    }
    for (int i = 0; i < l.Count(); ++i) {
        const std::size_t n = static_cast<std::size_t>(i) * 7;
        EXPECT_EQ(l.Deutsch(i), Cp1252NachUtf8(seiten[static_cast<std::size_t>(i)])) << n;
        EXPECT_EQ(l.Fremd(i), Cp1252NachUtf8(std::string(n / 2, '\x9F'))) << n;
        EXPECT_EQ(l.Zusatz(i), n % 5 == 0 ? "z" : "") << n;
        EXPECT_TRUE(l.NurCp1252(i));
    }
}

TEST(TVokList, ShuffleOfFewCardsMakesEveryOrderEquallyLikely) {
    TVokList l;
    SkriptZufall keiner;
    l.Shuffle(keiner);
    l.Add(Karte("a"));
    l.Shuffle(keiner);
    EXPECT_EQ(Reihe(l), "a");
    EXPECT_TRUE(keiner.gefragt.empty());
    l.Add(Karte("b"));
    l.Add(Karte("c"));
    std::map<std::string, int> reihen;
    MersenneZufall zufall(11);
    for (int r = 0; r < 6000; ++r) {
        l.Shuffle(zufall);
        ++reihen[Reihe(l)];
    }
    EXPECT_EQ(reihen.size(), 6u);
    for (const auto& [reihe, anzahl] : reihen) {
        EXPECT_NEAR(anzahl, 1000, 150) << reihe; // five standard deviations
    }
}

// More cards than one bucket of the shuffle holds: every card stays and each can land anywhere.
TEST(TVokList, ShuffleOfManyCardsKeepsThemAllAndMovesThemFar) {
    constexpr int kAnzahl = 50000;
    TVokList l;
    for (int i = 0; i < kAnzahl; ++i) {
        l.Anhaengen(std::to_string(i), "", "");
    }
    MersenneZufall zufall(5);
    l.Shuffle(zufall);
    std::vector<int> stelle(kAnzahl, -1);
    double weg = 0;
    for (int i = 0; i < kAnzahl; ++i) {
        const int karte = std::stoi(std::string(l.Deutsch(i)));
        ASSERT_EQ(stelle[karte], -1) << karte;
        stelle[karte] = i;
        weg += std::abs(i - karte);
    }
    // In a random order a card moves a third of the list on average.
    EXPECT_NEAR(weg / kAnzahl, kAnzahl / 3.0, kAnzahl / 100.0);
}

TEST(TKartei, SchliessenEmptiesTheListsButKeepsNameAndSavedFlag) {
    TKartei k;
    k.NeuAnlegen(DatumAus(2026, 1, 1), {0, 0, 3, 10, 30, 90});
    k.Geoeffnet = true;
    k.Gesichert = false;
    k.Fach[1].Add(Karte("a"));
    k.Fach[6].Add(Karte("b"));
    k.Schliessen();
    EXPECT_EQ(k.Gesamtzahl(), 0);
    EXPECT_FALSE(k.Geoeffnet || k.Gesichert);
    EXPECT_EQ(k.Dateipfad + " " + k.Anzeigename, "?none? Neu");
    EXPECT_EQ(k.Termin[5], DatumAus(2026, 4, 1));
}

TEST(Cp1252, EveryByteSurvivesTheWayThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8NachCp1252(Cp1252NachUtf8(byte)).text, byte) << b;
    }
    EXPECT_EQ(Cp1252NachUtf8("\x80\x9F\xE4\xBC"), "\xE2\x82\xAC\xC5\xB8\xC3\xA4\xC2\xBC");
}

} // namespace
} // namespace lexidor
