// What a session's end does with the open box, and the question at the next start.
#include "sitzungsende.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Sitzungsende, KeepsUnsavedCardsAndWritesTheBoxOnlyUnderAutosave) {
    struct Fall {
        bool geoeffnet, gesichert, autosave;
        std::string_view pfad;
        Sitzungssicherung erwartet;
    };
    const Fall faelle[] = {
        {false, false, true, "a.vkd", Sitzungssicherung::Nichts},
        {true, true, false, "a.vkd", Sitzungssicherung::Nichts},
        {true, false, false, "a.vkd", Sitzungssicherung::Kopie},
        {true, false, true, "a.vkd", Sitzungssicherung::Kartei},
        {true, false, true, kKeineDatei, Sitzungssicherung::Kopie},
    };
    for (const Fall& f : faelle) {
        TKartei k;
        k.Geoeffnet = f.geoeffnet;
        k.Gesichert = f.gesichert;
        k.Dateipfad = f.pfad;
        EXPECT_EQ(BeimSitzungsende(k, f.autosave), f.erwartet)
            << f.geoeffnet << f.gesichert << f.autosave << f.pfad;
    }
}

TEST(Sitzungsende, TheQuestionNamesTheBox) {
    EXPECT_NE(WiederherstellungFrage("/home/x/Englisch.vkd").find("„Englisch.vkd“"),
              std::string::npos);
    EXPECT_NE(WiederherstellungFrage(kKeineDatei).find("„Neu“"), std::string::npos);
}

} // namespace
} // namespace lexidor
