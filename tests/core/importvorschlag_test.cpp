// Files as people publish them, imported with the dialog's proposals untouched: which columns
// become which side, the separator and header found, and the cards that come in.
#include "testdatei.h"
#include "trennwerte.h"
#include "vokabelimport.h"
#include "vokabelimport_vorschlag.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

// Each row of tests/data/import/vorschlaege.txt: the proposals and the cards they give.
TEST(Vorschlag, TheDefaultsGiveTheRightCards) {
    for (const auto& fall : Testfaelle("import/vorschlaege.txt")) {
        SCOPED_TRACE(fall[0]);
        const Importtabelle t = TextdateiLesen(Testdatei("import/" + fall[0]));
        Importwahl wahl = StandardWahl(t);
        EXPECT_EQ(wahl.deutsch, std::stoi(fall[1]));
        EXPECT_EQ(wahl.fremd, std::stoi(fall[2]));
        EXPECT_EQ(std::string(1, t.trennzeichen), fall[3]);
        EXPECT_EQ(wahl.kopfzeileUeberspringen, fall[4] == "1");
        wahl.stufenBehalten = true;
        TKartei kartei;
        std::string abgelehnt;
        for (const Abgelehnt& a : Importieren(kartei, t, wahl).abgelehnt) {
            abgelehnt += (abgelehnt.empty() ? "" : " ") + std::to_string(a.zeile);
        }
        EXPECT_EQ(abgelehnt, fall[5]);
        EXPECT_EQ(Kartenliste(kartei), std::vector<std::string>(fall.begin() + 6, fall.end()));
    }
}

// Heading rows of a text file are offered like lessons, each with the rows up to the next.
TEST(Vorschlag, HeadingsBecomeLessons) {
    for (const auto& fall : Testfaelle("lektionen.txt")) {
        EXPECT_EQ(Lektionsnamen(TextdateiLesen(fall[0])), Teilen(fall[1], ", ")) << fall[0];
    }
}

// The preview marks a card with a blank side, which the add dialog allows, and turning the
// HTML found off shows it raw.
TEST(Vorschlag, APreviewMarksABlankSideAndHtmlCanBeKeptRaw) {
    const std::string datei = Testdatei("import/deutsch_dritte.txt");
    const Importtabelle t = TextdateiLesen(datei);
    const auto vorschau = ImportVorschau(t, StandardWahl(t), 10);
    ASSERT_EQ(vorschau.size(), 6u);
    EXPECT_EQ(vorschau[5].zellen, (std::vector<std::string_view>{"12", "", "der Schlüssel"}));
    EXPECT_TRUE(vorschau[5].seiteLeer);
    EXPECT_FALSE(vorschau[4].seiteLeer);
    Leseart art;
    art.html = false;
    const Importtabelle roh = TextdateiLesen(Testdatei("import/anki_alt_html.txt"), art);
    EXPECT_TRUE(roh.htmlErkannt);
    EXPECT_FALSE(roh.htmlUmgewandelt);
    EXPECT_EQ(roh.Feld(2, 1), "open&nbsp;");
    EXPECT_FALSE(TextdateiLesen(datei).htmlErkannt);
    // This program's export gives back what the box held, markup-like text included.
    const Importtabelle eigen =
        TextdateiLesen("\xEF\xBB\xBF"
                       "Deutsch;Fremd;Lernstufe\r\n<b>fett</b>;\"a&amp;b\";1\r\n");
    EXPECT_EQ(eigen.Feld(1, 0), "<b>fett</b>");
    EXPECT_EQ(eigen.Feld(1, 1), "a&amp;b");
    // The user's separator wins over the one found.
    art.trenner = ',';
    EXPECT_EQ(TextdateiLesen(Testdatei("import/senkrechter_strich.txt"), art).Feld(0, 1), " home");
}

TEST(Vorschlag, TheColumnsProposedAsGermanAndForeign) {
    for (const auto& fall : Testfaelle("spaltenvorschlag.txt")) {
        const Spaltenvorschlag v = SpaltenVorschlagen(TrennwerteLesen(fall[0]));
        EXPECT_EQ(std::pair(v.deutsch, v.fremd), std::pair(std::stoi(fall[1]), std::stoi(fall[2])))
            << fall[0];
    }
}

// A column from 0 to 5 holds levels, each one compartment higher; without a header its first
// row counts too.
TEST(Vorschlag, LevelsFromAColumnOfZeroToFive) {
    for (const auto& [datei, spalte] : {std::pair{Testdatei("import/stufen_0_5.csv"), 3},
                                        std::pair{std::string("Haus;house;0\nBaum;tree;5\n"), 2}}) {
        const Importwahl wahl = StandardWahl(TextdateiLesen(datei));
        EXPECT_EQ(wahl.stufenspalte, spalte);
        EXPECT_EQ(wahl.skala, Stufenskala::NullBisFuenf);
    }
}

} // namespace
} // namespace lexidor
