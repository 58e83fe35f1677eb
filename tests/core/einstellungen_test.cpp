// The settings in "lexidor.ini": defaults, the three value encodings and the read failure.
#include "einstellungen.h"

#include "testdatei.h"
#include <gtest/gtest.h>

namespace lexidor {
namespace {

struct Geladen {
    EinstellungenGeladen ergebnis;
    TEinstellungen e;
    bool start = false;
    // What the next exit writes into an empty file; form10 says whether the window shows.
    std::string Gespeichert(bool form10 = false) const {
        Profildatei ini;
        EinstellungenSpeichern(ini, e, form10);
        return ini.Daten();
    }
};

Geladen Laden(std::string_view datei) {
    Geladen g;
    g.ergebnis = EinstellungenLaden(Profildatei(datei), g.e, g.start);
    return g;
}

TEST(Einstellungen, WithoutFileTheDefaultsAreWrittenAsFourteenLines) {
    const Geladen g = Laden("");
    EXPECT_TRUE(g.ergebnis.ok);
    EXPECT_EQ(g.Gespeichert(), "[Optionen]\r\nAbfragerichtung=1\r\nAutosave=0\r\n"
                               "[Intervalle]\r\nFach2=3\r\nFach3=10\r\nFach4=30\r\nFach5=90\r\n"
                               "[Sonstiges]\r\nTimer=7\r\nHintergrundfarbe=clNavy\r\n"
                               "Form10Sichtbar=0\r\nEnterneu=0\r\nEnterab=0\r\n");
}

TEST(Einstellungen, BooleansAreAnyNonZeroNumberAndWrittenAsOne) {
    EXPECT_FALSE(Laden("[Optionen]\nAutosave=true").e.Autosave);
    const Geladen g = Laden("[optionen]\nautosave=2\n[SONSTIGES]\nForm10Sichtbar=-1\nEnterab=1");
    EXPECT_TRUE(g.e.Autosave);
    EXPECT_TRUE(g.start);
    EXPECT_TRUE(g.e.Enterab);
    EXPECT_FALSE(g.e.Enterneu);
    const std::string text = g.Gespeichert(false);
    EXPECT_NE(text.find("Autosave=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("Form10Sichtbar=0\r\n"), std::string::npos);
}

TEST(Einstellungen, UnreadableColourStopsReadingAndLeavesTheRestFalse) {
    const Geladen g = Laden("[Intervalle]\nFach5=120\n[Sonstiges]\nTimer=15\n"
                            "Hintergrundfarbe=dunkelblau\nForm10Sichtbar=1\nEnterneu=1\nEnterab=1");
    EXPECT_FALSE(g.ergebnis.ok);
    EXPECT_EQ(g.e.Fach5, 120);
    EXPECT_EQ(g.e.Timer, 15);
    EXPECT_EQ(g.e.Hintergrundfarbe, clBlack);
    EXPECT_FALSE(g.start || g.e.Enterneu || g.e.Enterab);
    // Black is written by its name, so the failure does not come back at the next start.
    EXPECT_NE(g.Gespeichert().find("Hintergrundfarbe=clBlack\r\n"), std::string::npos);
    EXPECT_FALSE(Laden("[Sonstiges]\nHintergrundfarbe=").ergebnis.ok);
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
