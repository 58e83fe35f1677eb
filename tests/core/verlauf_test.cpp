// The learning history: its day records and file, and the forecast.
#include "verlauf.h"

#include "testdatei.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

const Datum kHeute = DatumAus(2026, 12, 7);

TKartei KarteiMit(std::array<int, 7> anzahl) {
    TKartei k;
    for (int f = 1; f <= 6; ++f) {
        for (int i = 0; i < anzahl[f]; ++i) {
            k.Fach[f].Anhaengen("d", "f", "");
        }
    }
    return k;
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

TEST(Faelligkeitsvorschau, CountsCardsOnTheirDay) {
    const struct {
        std::array<int, 6> terminInTagen;          // 2..5, relative to today
        std::array<bool, 6> faellig;               // 2..5, as set when the box was read
        std::vector<std::pair<int, int>> erwartet; // {day, cards}; every other day 0
    } faelle[] = {
        {{0, 0, 50, 50, 50, 50}, {}, {{0, 1}}}, // compartment 1 is due today, 6 never
        {{0, 0, 1, 3, 3, 29}, {}, {{0, 1}, {1, 2}, {3, 7}, {29, 5}}},
        {{0, 0, -5, 0, 2, 30}, {}, {{0, 6}, {2, 4}}}, // overdue and today count for today
        {{0, 0, 4, 8, 30, 30}, {false, false, false, true}, {{0, 4}, {4, 2}}}, // a due flag
        {{0, 0, 50, 50, 50, -2}, {}, {{0, 6}}}, // compartment 5 overdue
    };
    for (const auto& fall : faelle) {
        TKartei k = KarteiMit({0, 1, 2, 3, 4, 5, 6});
        for (int f = 2; f <= 5; ++f) {
            k.Termin[f] = PlusTage(kHeute, fall.terminInTagen[f]);
            k.Faellig[f] = fall.faellig[f];
        }
        std::array<int, kVorschauTage> erwartet{};
        for (const auto& [tag, karten] : fall.erwartet) {
            erwartet[static_cast<std::size_t>(tag)] = karten;
        }
        EXPECT_EQ(Vorschau(k, kHeute), erwartet);
    }
}

} // namespace
} // namespace lexidor
