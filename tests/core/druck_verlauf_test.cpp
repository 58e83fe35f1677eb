// What the box is shown as on paper and over time. Printing: which cards in which order, with
// which side given, and which go on which page; the learning history's day records and file,
// and the forecast.
#include "druck.h"
#include "testdatei.h"
#include "verlauf.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

const Datum kHeute = DatumAus(2026, 12, 7);

// Compartments 1..6 hold 2, 1, 1, 0, 1, 1 cards; 2 is due by its date, 3 by its flag, 5 not.
TKartei Beispiel() {
    TKartei k = KarteiMit({0, 2, 1, 1, 0, 1, 1});
    k.Termin = {Datum{}, Datum{}, kHeute, PlusTage(kHeute, 3), kHeute, PlusTage(kHeute, 1)};
    k.Faellig[3] = true;
    return k;
}

// Rows of tests/data/druckauswahl.txt.
TEST(Druckauswahl, TakesTheChosenCards) {
    for (const auto& f : Testfaelle("druckauswahl.txt")) {
        const TDruckart art = f[0] == "Liste" ? TDruckart::Liste : TDruckart::Testbogen;
        Hoechstzufall zufall; // leaves the order as it is
        std::vector<std::string> karten;
        for (const TDruckkarte& k :
             DruckKarten(Beispiel(), art, std::stoi(f[1]), 0, kHeute, zufall)) {
            karten.push_back(std::to_string(k.Fach) + "." + std::to_string(k.Index));
        }
        EXPECT_EQ(karten, Teilen(f[2], " ")) << f[0] << " " << f[1];
    }
}

TEST(Testbogen, IsShuffledAndGivesTheSideOfTheQueryDirection) {
    MersenneZufall zufall(3);
    std::array<int, 3> fremd{};
    bool gemischt = false;
    for (int runde = 0; runde < 20; ++runde) {
        for (int richtung = 0; richtung <= 2; ++richtung) {
            const auto karten =
                DruckKarten(Beispiel(), TDruckart::Testbogen, 0, richtung, kHeute, zufall);
            ASSERT_EQ(karten.size(), 4u);
            gemischt = gemischt || karten[0].Fach != 1 || karten[1].Index != 1;
            for (const TDruckkarte& k : karten) {
                fremd[static_cast<std::size_t>(richtung)] += k.FremdGegeben ? 1 : 0;
            }
        }
    }
    EXPECT_TRUE(gemischt);
    EXPECT_EQ(fremd[0], 0);
    EXPECT_EQ(fremd[1], 80);
    EXPECT_GT(fremd[2], 20); // drawn per card: about half of 80
    EXPECT_LT(fremd[2], 60);
}

TEST(Seitenplan, MeasuresOnlyTheRowsOfThePagesAskedFor) {
    int gemessen = 0;
    TSeitenplan plan(1'000'000, 10, [&](int) { return ++gemessen, 1; });
    EXPECT_EQ(plan.Seite(2), std::pair(20, 30));
    EXPECT_EQ(gemessen, 31); // the row that opens page 4 ends page 3
    EXPECT_FALSE(plan.Fertig());
    EXPECT_EQ(plan.BekannteSeiten(), 3);
}

TEST(Tagesstand, RecordsTodayAndWritesBack) {
    for (const auto& fall : Testfaelle("verlauf_tage.txt")) {
        TVerlauf verlauf = VerlaufLesen(fall[0]);
        EXPECT_EQ(verlauf.Beschaedigt, std::stoi(fall[4])) << fall[0];
        TagEintragen(verlauf, kHeute, KarteiMit({0, 1, 2, 0, 0, 0, 3}), std::stoi(fall[1]),
                     std::stoi(fall[2]));
        const std::string geschrieben = VerlaufSchreiben(verlauf);
        EXPECT_EQ(geschrieben, fall[3]);
        EXPECT_EQ(VerlaufLesen(geschrieben).Tage, verlauf.Tage);
    }
}

// Rows of tests/data/vorschau.txt.
TEST(Faelligkeitsvorschau, CountsCardsOnTheirDay) {
    for (const auto& f : Testfaelle("vorschau.txt")) {
        TKartei k = KarteiMit({0, 1, 2, 3, 4, 5, 6});
        const auto termine = Teilen(f[0], " ");
        for (int fach = 2; fach <= 5; ++fach) {
            k.Termin[fach] = PlusTage(kHeute, std::stoi(termine[fach - 2]));
        }
        for (const auto& fach : Teilen(f[1], " ")) {
            k.Faellig[std::stoi(fach)] = true;
        }
        std::string tage;
        const auto vorschau = Vorschau(k, kHeute);
        for (std::size_t tag = 0; tag < vorschau.size(); ++tag) {
            if (vorschau[tag] > 0) {
                tage += std::to_string(tag) + ":" + std::to_string(vorschau[tag]) + " ";
            }
        }
        EXPECT_EQ(tage, f[2] + " ") << f[0];
    }
}

} // namespace
} // namespace lexidor
