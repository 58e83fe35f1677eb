// The learning history: its day records and file, and the forecast.
#include "verlauf.h"

#include "testdatei.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

const Datum kHeute = DatumAus(2026, 12, 7);

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
