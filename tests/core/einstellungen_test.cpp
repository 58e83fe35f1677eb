// The settings in "lexidor.ini" from sample files; the rules are rows of regeln.txt.
#include "einstellungen.h"

#include "testdatei.h"
#include <gtest/gtest.h>

namespace lexidor {
namespace {

struct Geladen {
    EinstellungenGeladen ergebnis;
    TEinstellungen e;
    bool start = false;
};

Geladen Laden(std::string_view datei) {
    Geladen g;
    g.ergebnis = EinstellungenLaden(Profildatei(datei), g.e, g.start);
    return g;
}

// The fixture files: all eleven settings, other spellings, and a byte-order mark that a
// UTF-8 editor puts before the first section.
TEST(Einstellungen, FixtureFilesWithAndWithoutByteOrderMark) {
    for (const char* name : {"lexidor.ini", "lexidor_bom.ini"}) {
        const Geladen g = Laden(Testdatei(name));
        EXPECT_TRUE(g.ergebnis.ok) << name;
        EXPECT_TRUE(g.start) << name;
        // Written back into the same file, every value is as it was and no second section
        // appears.
        Profildatei ini(Testdatei(name));
        EinstellungenSpeichern(ini, g.e, g.start);
        EXPECT_EQ(ini.Daten(), Testdatei("lexidor.ini")) << name;
    }
    const Geladen s = Laden(Testdatei("lexidor_schreibweisen.ini"));
    EXPECT_EQ(s.e.Abfragerichtung, 0);
    EXPECT_FALSE(s.e.Autosave);
    EXPECT_EQ(s.e.Intervall(), (Intervalle{0, 0, 31, -5, 30, 90}));
    EXPECT_EQ(s.e.Timer, 0);
    EXPECT_EQ(FarbeNachText(s.e.Hintergrundfarbe), "$00A0B0C0");
    EXPECT_TRUE(s.e.Enterneu);
    const Geladen f = Laden(Testdatei("lexidor_farbe_falsch.ini"));
    EXPECT_FALSE(f.ergebnis.ok);
    EXPECT_EQ(f.e.Timer, 3);
    EXPECT_FALSE(f.start || f.e.Enterab);
}

} // namespace
} // namespace lexidor
