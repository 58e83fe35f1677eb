// The hidden effect's counts: two million and one pixels per colour inside the client area,
// then a sweep over every pixel up to and including width and height.
#include "testdatei.h"
#include "wirbel.h"

#include <gtest/gtest.h>
#include <map>

namespace lexidor {
namespace {

// Always the largest draw, so that a draw outside the area would show.
TEST(Wirbelablauf, SetsTwoMillionAndOnePixelsOfEachColourInsideTheArea) {
    Hoechstzufall zufall;
    for (const auto& [breite, hoehe] : {std::pair{40, 30}, {0, 0}}) {
        Wirbelablauf ablauf(breite, hoehe, zufall);
        // The pixels of each colour, the largest coordinates drawn at random, and how many of
        // those end a column (none should: only the sweep has columns).
        std::map<Wirbelfarbe, std::uint64_t> je_farbe;
        int max_x = -1;
        int max_y = -1;
        int zufallsenden = 0;
        while (const auto p = ablauf.Naechster()) {
            ++je_farbe[p->farbe];
            if (p->farbe != Wirbelfarbe::Flaeche) {
                max_x = std::max(max_x, p->x);
                max_y = std::max(max_y, p->y);
                zufallsenden += p->spaltenende ? 1 : 0;
            }
        }
        EXPECT_EQ(zufallsenden, 0);
        for (const auto farbe : {Wirbelfarbe::Blau, Wirbelfarbe::Rot, Wirbelfarbe::Schwarz}) {
            EXPECT_EQ(je_farbe[farbe], kWirbelPunkteJeFarbe);
        }
        // An empty area still sweeps its one pixel.
        EXPECT_EQ(je_farbe[Wirbelfarbe::Flaeche], std::uint64_t(breite + 1) * (hoehe + 1));
        EXPECT_EQ(max_x, std::max(breite - 1, 0));
        EXPECT_EQ(max_y, std::max(hoehe - 1, 0));
    }
}

TEST(Wirbelablauf, SweepsColumnByColumnIncludingWidthAndHeight) {
    Hoechstzufall zufall;
    Wirbelablauf ablauf(2, 1, zufall);
    for (std::uint32_t i = 0; i < 3 * kWirbelPunkteJeFarbe; ++i) {
        ASSERT_NE(ablauf.Naechster()->farbe, Wirbelfarbe::Flaeche);
    }
    const int erwartet[][3] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 0}, {1, 1, 1}, {2, 0, 0}, {2, 1, 1}};
    for (const auto& e : erwartet) {
        const auto p = ablauf.Naechster();
        ASSERT_TRUE(p);
        EXPECT_EQ(std::tuple(p->farbe, p->x, p->y, p->spaltenende),
                  std::tuple(Wirbelfarbe::Flaeche, e[0], e[1], e[2] == 1));
    }
    EXPECT_FALSE(ablauf.Naechster());
}

} // namespace
} // namespace lexidor
