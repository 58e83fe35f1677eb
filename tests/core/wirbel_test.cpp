// The hidden effect's counts: two million and one pixels per colour inside the client area,
// then a sweep over every pixel up to and including width and height.
#include "wirbel.h"

#include <gtest/gtest.h>
#include <map>

namespace lexidor {
namespace {

// Always the largest value, so that a draw outside the area would show.
class Obergrenze final : public Zufall {
public:
    std::uint32_t Unter(std::uint32_t n) override { return n - 1; }
};

struct Zaehlung {
    std::map<Wirbelfarbe, std::uint64_t> je_farbe;
    std::uint64_t spaltenenden = 0;
    int max_x = -1;
    int max_y = -1;
};

Zaehlung Durchlaufen(int breite, int hoehe, Zufall& zufall) {
    Wirbelablauf ablauf(breite, hoehe, zufall);
    Zaehlung z;
    while (const auto p = ablauf.Naechster()) {
        ++z.je_farbe[p->farbe];
        z.spaltenenden += p->spaltenende;
        if (p->farbe != Wirbelfarbe::Flaeche) {
            z.max_x = std::max(z.max_x, p->x);
            z.max_y = std::max(z.max_y, p->y);
        }
    }
    return z;
}

TEST(Wirbelablauf, SetsTwoMillionAndOnePixelsOfEachColourInsideTheArea) {
    Obergrenze zufall;
    Zaehlung z = Durchlaufen(40, 30, zufall);
    EXPECT_EQ(z.je_farbe[Wirbelfarbe::Blau], kWirbelPunkteJeFarbe);
    EXPECT_EQ(z.je_farbe[Wirbelfarbe::Rot], kWirbelPunkteJeFarbe);
    EXPECT_EQ(z.je_farbe[Wirbelfarbe::Schwarz], kWirbelPunkteJeFarbe);
    EXPECT_EQ(z.max_x, 39);
    EXPECT_EQ(z.max_y, 29);
}

TEST(Wirbelablauf, SweepsColumnByColumnIncludingWidthAndHeight) {
    Obergrenze zufall;
    Wirbelablauf ablauf(2, 1, zufall);
    for (std::uint32_t i = 0; i < 3 * kWirbelPunkteJeFarbe; ++i) {
        ASSERT_NE(ablauf.Naechster()->farbe, Wirbelfarbe::Flaeche);
    }
    const int erwartet[][3] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 0}, {1, 1, 1}, {2, 0, 0}, {2, 1, 1}};
    for (const auto& e : erwartet) {
        const auto p = ablauf.Naechster();
        ASSERT_TRUE(p);
        EXPECT_EQ(p->farbe, Wirbelfarbe::Flaeche);
        EXPECT_EQ(p->x, e[0]);
        EXPECT_EQ(p->y, e[1]);
        EXPECT_EQ(p->spaltenende, e[2] == 1);
    }
    EXPECT_FALSE(ablauf.Naechster());
}

TEST(Wirbelablauf, EmptyAreaStillRunsEveryStep) {
    Obergrenze zufall;
    Zaehlung z = Durchlaufen(0, 0, zufall);
    EXPECT_EQ(z.je_farbe[Wirbelfarbe::Schwarz], kWirbelPunkteJeFarbe);
    EXPECT_EQ(z.max_x, 0);
    EXPECT_EQ(z.je_farbe[Wirbelfarbe::Flaeche], 1u);
    EXPECT_EQ(z.spaltenenden, 1u);
}

} // namespace
} // namespace lexidor
