// The compartment list, the card box operations and the line-break encoding of card sides.
#include "kartei.h"
#include "skriptzufall.h"

#include <gtest/gtest.h>

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

TEST(TVokList, DeletePutAndExchangeKeepTheOtherCardsInOrder) {
    TVokList l;
    for (const char* d : {"a", "b", "c", "d"}) {
        l.Add(Karte(d));
    }
    l.Delete(0);
    EXPECT_EQ(Reihe(l), "bcd");
    l.Put(1, Karte("C", "z"));
    l.Exchange(0, 2);
    l.Exchange(1, 1);
    EXPECT_EQ(Reihe(l), "dCb");
    EXPECT_EQ(l.Get(1), Karte("C", "z"));
    l.Clear();
    l.Add(Karte("neu"));
    EXPECT_EQ(Reihe(l), "neu");
}

// Edits and deletes leave dead text behind until the list compacts itself; every card must
// come through that unchanged.
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
            modell[i] = Karte(std::string(r % 13, 'x') + std::to_string(r));
            l.Put(i, modell[i]);
        }
    }
    ASSERT_EQ(l.Count(), static_cast<int>(modell.size()));
    for (int i = 0; i < l.Count(); ++i) {
        EXPECT_EQ(l.Get(i), modell[i]) << i;
    }
}

TEST(TVokList, ShuffleMakesTwoNPlusOneExchangesOfDrawnPositions) {
    TVokList l;
    SkriptZufall keiner;
    l.Shuffle(keiner);
    EXPECT_TRUE(keiner.gefragt.empty());
    for (const char* d : {"a", "b", "c"}) {
        l.Add(Karte(d));
    }
    SkriptZufall zufall({0, 1, 2, 1}); // exchange 0 and 1, then 1 and 2, then five no-ops
    l.Shuffle(zufall);
    EXPECT_EQ(Reihe(l), "bca");
    EXPECT_EQ(zufall.gefragt, std::vector<std::uint32_t>(14, 3));
}

TEST(TKartei, DueFromTheReviewDayOnAndFortschreibenCountsFromToday) {
    TKartei k;
    const Datum heute = DatumAus(2026, 3, 1);
    k.Termin = {Datum{}, Datum{}, heute, PlusTage(heute, 1), PlusTage(heute, -30), Datum{}};
    k.FaelligkeitBestimmen(heute);
    EXPECT_EQ(k.Faellig, (std::array<bool, 6>{false, false, true, false, true, true}));
    k.TerminFortschreiben(4, heute, 30);
    EXPECT_FALSE(k.Faellig[4]);
    EXPECT_EQ(k.Termin[4], DatumAus(2026, 3, 31));
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
    EXPECT_FALSE(k.Geoeffnet);
    EXPECT_FALSE(k.Gesichert);
    EXPECT_EQ(k.Dateipfad, "?none?");
    EXPECT_EQ(k.Anzeigename, "Neu");
    EXPECT_EQ(k.Termin[5], DatumAus(2026, 4, 1));
}

TEST(Umbrueche, TwoLineSideIsStoredOnOneLineAndListedByItsFirstLine) {
    const std::string feld = "Haus\r\nH\xE4user";
    const std::string kodiert = UmbruecheKodieren(feld);
    EXPECT_EQ(kodiert, "Haus\xBE\xBCH\xE4user");
    EXPECT_EQ(UmbruecheDekodieren(kodiert), feld);
    EXPECT_EQ(ErsteZeile(kodiert), "Haus");
    EXPECT_EQ(UmbruecheKodieren("a\ng\rh"), "a\xBCg\xBEh");
    // Only the carriage-return marker ends the first line.
    EXPECT_EQ(ErsteZeile("a\xBCg"), "a\xBCg");
}

} // namespace
} // namespace lexidor
