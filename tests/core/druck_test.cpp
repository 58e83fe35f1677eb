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

struct AuswahlFall {
    const char* name;
    TDruckart art;
    int fach;
    Karten erwartet;
};

const AuswahlFall kAuswahl[] = {
    {"ListOfAllInListOrder", TDruckart::Liste, 0, {{1, 0}, {1, 1}, {2, 0}, {3, 0}, {5, 0}, {6, 0}}},
    {"ListOfOneCompartment", TDruckart::Liste, 1, {{1, 0}, {1, 1}}},
    {"ListOfAnEmptyCompartment", TDruckart::Liste, 4, {}},
    {"TestOfTheCardsDueToday", TDruckart::Testbogen, 0, {{1, 0}, {1, 1}, {2, 0}, {3, 0}}},
    {"TestOfACompartmentNotDue", TDruckart::Testbogen, 6, {{6, 0}}},
};

class Druckauswahl : public testing::TestWithParam<AuswahlFall> {};

TEST_P(Druckauswahl, TakesTheChosenCards) {
    const AuswahlFall& fall = GetParam();
    LetzteWahl zufall;
    Karten karten;
    for (const TDruckkarte& k : DruckKarten(Beispiel(), fall.art, fall.fach, 0, kHeute, zufall)) {
        karten.emplace_back(k.Fach, k.Index);
    }
    EXPECT_EQ(karten, fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Druckauswahl, testing::ValuesIn(kAuswahl),
                         [](const auto& info) { return std::string(info.param.name); });

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

struct SeitenFall {
    const char* name;
    std::vector<int> hoehen; // of each row
    int seitenhoehe;
    std::vector<std::pair<int, int>> seiten; // first row, row after the last
};

const SeitenFall kSeiten[] = {
    {"NothingIsOneEmptyPage", {}, 10, {{0, 0}}},
    {"RowsThatFitExactly", {5, 5, 5, 5}, 10, {{0, 2}, {2, 4}}},
    {"ATallerRowMovesToTheNextPage", {3, 3, 6, 1}, 10, {{0, 2}, {2, 4}}},
    {"ARowTallerThanAPageStandsAlone", {2, 25, 2}, 10, {{0, 1}, {1, 2}, {2, 3}}},
    {"ATallRowFirst", {25, 2}, 10, {{0, 1}, {1, 2}}},
};

class Seitenumbruch : public testing::TestWithParam<SeitenFall> {};

TEST_P(Seitenumbruch, PutsRowsOnPages) {
    const SeitenFall& fall = GetParam();
    TSeitenplan plan(static_cast<int>(fall.hoehen.size()), fall.seitenhoehe,
                     [&](int i) { return fall.hoehen[static_cast<std::size_t>(i)]; });
    for (std::size_t s = 0; s < fall.seiten.size(); ++s) {
        EXPECT_EQ(plan.Seite(static_cast<int>(s)), fall.seiten[s]) << s;
    }
    EXPECT_EQ(plan.Seite(static_cast<int>(fall.seiten.size())), std::nullopt);
    EXPECT_TRUE(plan.Fertig());
    EXPECT_EQ(plan.BekannteSeiten(), static_cast<int>(fall.seiten.size()));
}

INSTANTIATE_TEST_SUITE_P(Faelle, Seitenumbruch, testing::ValuesIn(kSeiten),
                         [](const auto& info) { return std::string(info.param.name); });

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
