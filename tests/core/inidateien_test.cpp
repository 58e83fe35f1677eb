// The program's ini files from sample files: the settings in "lexidor.ini", the recent-file
// list in "history.ini" and the substitution table in "sonderzeichen.ini". Their rules are rows
// of regeln.txt.
#include "einstellungen.h"
#include "history.h"
#include "sonderzeichen.h"
#include "testdatei.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

// The fixture files: all eleven settings, other spellings, and a byte-order mark that a
// UTF-8 editor puts before the first section.
TEST(Einstellungen, FixtureFilesWithAndWithoutByteOrderMark) {
    for (const char* name : {"lexidor.ini", "lexidor_bom.ini"}) {
        Profildatei ini(Testdatei(name));
        TEinstellungen e;
        bool start = false;
        EXPECT_TRUE(EinstellungenLaden(ini, e, start).ok) << name;
        EXPECT_TRUE(start) << name;
        // Written back into the same file, every value is as it was and no second section
        // appears.
        EinstellungenSpeichern(ini, e, start);
        EXPECT_EQ(ini.Daten(), Testdatei("lexidor.ini")) << name;
    }
    TEinstellungen s;
    bool start = false;
    EinstellungenLaden(Profildatei(Testdatei("lexidor_schreibweisen.ini")), s, start);
    EXPECT_EQ(s.Abfragerichtung, 0);
    EXPECT_FALSE(s.Autosave);
    EXPECT_EQ(s.Intervall(), (Intervalle{0, 0, 31, -5, 30, 90}));
    EXPECT_EQ(s.Timer, 0);
    EXPECT_EQ(FarbeNachText(s.Hintergrundfarbe), "$00A0B0C0");
    EXPECT_TRUE(s.Enterneu);
    TEinstellungen f;
    bool fStart = false;
    EXPECT_FALSE(
        EinstellungenLaden(Profildatei(Testdatei("lexidor_farbe_falsch.ini")), f, fStart).ok);
    EXPECT_EQ(f.Timer, 3);
    EXPECT_FALSE(fStart || f.Enterab);
}

using Zeilen = std::vector<std::string>;

TEST(THistory, FixtureFilesWithAndWithoutByteOrderMark) {
    const Zeilen erwartet{"/home/anna/Vokabeln/Franz\xC3\xB6sisch.vkd", "/home/anna/Latein.vkd",
                          "none", "none"};
    THistory h(4);
    for (const char* name : {"history.ini", "history_bom.ini"}) {
        h.Load(Testdatei(name));
        EXPECT_EQ(h.Lines, erwartet) << name;
        EXPECT_EQ(h.Save(), Testdatei("history.ini")) << name;
    }
    h.Load(Testdatei("history_kurz.ini"));
    EXPECT_EQ(h.Lines, (Zeilen{"/kurz.vkd", "/zweite Zeile ohne Ende.vkd", "none", "none"}));
    h.Load(std::nullopt); // an unreadable file
    EXPECT_EQ(h.Lines, Zeilen(4, "none"));
}

// The same table saved in code page 1252 and by a UTF-8 editor with its byte-order mark.
TEST(ErsatztexteLaden, FixtureFilesInCodePageAndUtf8WithByteOrderMark) {
    for (const char* name : {"sonderzeichen.ini", "sonderzeichen_bom.ini"}) {
        Ersatztexte t;
        EXPECT_TRUE(ErsatztexteLaden(t, Testdatei(name))) << name;
        EXPECT_EQ(t[0], "é") << name;   // "1": é
        EXPECT_EQ(t[10], "œ") << name;  // "ß": œ
        EXPECT_EQ(t[34], "¾¼") << name; // "Ä": ¾¼
        EXPECT_EQ(ErsatztexteSpeichern(t), Testdatei("sonderzeichen.ini")) << name;
    }
    Ersatztexte kurz;
    EXPECT_FALSE(ErsatztexteLaden(kurz, Testdatei("sonderzeichen_kurz.ini")));
    EXPECT_EQ(kurz[1], "è");
    EXPECT_EQ(kurz[10], "(Nichts)");
}

} // namespace
} // namespace lexidor
