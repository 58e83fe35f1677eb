// Anki's plain-text export of notes, and its HTML fields as plain text.
#include "ankinotizen.h"
#include "testdatei.h"
#include "vokabelimport.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Anki, SampleExportGivesTheNoteFieldsAsPlainText) {
    const std::string datei = Testdatei("import/anki_notizen.txt");
    ASSERT_TRUE(IstAnkiExport(datei));
    const Importtabelle t = TextdateiLesen(datei);
    EXPECT_EQ(t.format, Importformat::Anki);
    EXPECT_FALSE(t.kopfzeile);
    EXPECT_FALSE(t.stufenspalte);
    ASSERT_EQ(t.Zeilen(), 5);
    EXPECT_EQ(t.Zeilennummer(0), 7); // after the six lines that describe the file
    EXPECT_EQ(t.Spalten(), 2);       // guid, note type, deck and tags left out
    EXPECT_EQ(t.Feld(0, 0), "Haus");
    EXPECT_EQ(t.Feld(1, 0), "H\xC3\xA4user\nGeb\xC3\xA4ude");
    EXPECT_EQ(t.Feld(1, 1), "houses\nbuildings");
    EXPECT_EQ(t.Feld(2, 0), "\"T\xC3\xBCr\" & Tor");
    EXPECT_EQ(t.Feld(2, 1), "door\ngate");
    EXPECT_EQ(t.Feld(3, 0), "Spalte mit\tTab");
    EXPECT_EQ(t.Feld(3, 1), "column with <tab>");
    TKartei kartei;
    const Importergebnis e = Importieren(kartei, t, StandardWahl(t));
    EXPECT_TRUE(e.abgelehnt.empty());
    EXPECT_EQ(kartei.Fach[1].Deutsch(4), "fett und 中");
    EXPECT_EQ(kartei.Fach[1].Deutsch(1), "Häuser¾¼Gebäude");
}

TEST(Anki, ColumnNamesAndAFoundSeparatorWithoutHtml) {
    const Importtabelle t = AnkiLesen("#html:false\n#columns:Vorne;Hinten;Tags\n"
                                      "#tags column:3\n<b>a</b>;x<br>y;t1\n");
    EXPECT_EQ(t.trennzeichen, ';');
    EXPECT_EQ(t.spaltennamen, (std::vector<std::string>{"Vorne", "Hinten"}));
    EXPECT_EQ(t.Feld(0, 0), "<b>a</b>");
    EXPECT_EQ(t.Feld(0, 1), "x<br>y");
    EXPECT_EQ(t.Zeilennummer(0), 4);
    EXPECT_EQ(AnkiLesen("#separator:Pipe\na|b\n").Feld(0, 1), "b");
}

// Fields of megabytes of "&" or "<", each opening nothing, are read in one pass.
TEST(HtmlNachText, CharactersThatOpenNothingStandForThemselvesInLinearTime) {
    for (const char c : {'&', '<'}) {
        const std::string feld(4'000'000, c);
        EXPECT_EQ(HtmlNachText(feld), feld);
    }
}

} // namespace
} // namespace lexidor
