// Printing: which cards in which order, with which side given, and which go on which page.
#include "druck.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

const Datum kHeute = DatumAus(2026, 12, 7);

// Compartments 1..6 hold 2, 1, 1, 0, 1, 1 cards; 2 is due by its date, 3 by its flag, 5 not.
TKartei Beispiel() {
    TKartei k;
    const std::array<int, 7> anzahl{0, 2, 1, 1, 0, 1, 1};
    for (int f = 1; f <= 6; ++f) {
        for (int i = 0; i < anzahl[f]; ++i) {
            k.Fach[f].Anhaengen("d", "f", "");
        }
    }
    k.Termin = {Datum{}, Datum{}, kHeute, PlusTage(kHeute, 3), kHeute, PlusTage(kHeute, 1)};
    k.Faellig[3] = true;
    return k;
}

// Deterministic stand-in: always the last choice, so a shuffle leaves the order as it is.
class LetzteWahl final : public Zufall {
public:
    std::uint32_t Unter(std::uint32_t n) override { return n - 1; }
};

using Karten = std::vector<std::pair<int, int>>; // {compartment, index}

TEST(Druckauswahl, TakesTheChosenCards) {
    const struct {
        TDruckart art;
        int fach;
        Karten erwartet;
    } faelle[] = {
        {TDruckart::Liste, 0, {{1, 0}, {1, 1}, {2, 0}, {3, 0}, {5, 0}, {6, 0}}}, // in list order
        {TDruckart::Liste, 1, {{1, 0}, {1, 1}}},
        {TDruckart::Liste, 4, {}},
        {TDruckart::Testbogen, 0, {{1, 0}, {1, 1}, {2, 0}, {3, 0}}}, // the cards due today
        {TDruckart::Testbogen, 6, {{6, 0}}},                         // a compartment not due
    };
    for (const auto& fall : faelle) {
        LetzteWahl zufall;
        Karten karten;
        for (const TDruckkarte& k :
             DruckKarten(Beispiel(), fall.art, fall.fach, 0, kHeute, zufall)) {
            karten.emplace_back(k.Fach, k.Index);
        }
        EXPECT_EQ(karten, fall.erwartet) << fall.fach;
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

} // namespace
} // namespace lexidor
