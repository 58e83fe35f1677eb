// Files as people publish them, imported with the dialog's proposals untouched: which columns
// become which side, the separator and header found, and the cards that come in.
#include "testdatei.h"
#include "trennwerte.h"
#include "vokabelimport.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

struct Fall {
    const char* datei;
    int deutsch;
    int fremd;
    char trenner;
    bool kopfzeile;
    std::vector<std::string> karten;         // UTF-8, "German | foreign", in file order
    std::vector<int> uebersprungen;          // lines of the rows that make no card
    std::vector<std::string> lektionen = {}; // as the dialog offers them
};

std::vector<std::string> Karten(const Importtabelle& t, const Importwahl& wahl,
                                std::vector<int>& uebersprungen) {
    std::vector<std::string> karten;
    for (int z = wahl.kopfzeileUeberspringen ? 1 : 0; z < t.Zeilen(); ++z) {
        const Zeilenkarte k = KarteAusZeile(t, z, wahl);
        if (k.abgelehnt) {
            uebersprungen.push_back(k.abgelehnt->zeile);
            continue;
        }
        karten.push_back(std::string(t.Feld(z, wahl.deutsch)) + " | " +
                         std::string(t.Feld(z, wahl.fremd)));
    }
    return karten;
}

const Fall kFaelle[] = {
    {"deutsch_zweite.csv",
     1,
     0,
     ',',
     true,
     {"der Bauer | agricola", "das Wasser | aqua", "die Tür | porta", "die Straße | via"},
     {}},
    {"deutsch_dritte.txt",
     2,
     1,
     '\t',
     false,
     {"das Haus | house", "der Bär | bear", "die Tür | door", "gehen und laufen | to go",
      "weiß | white", "der Schlüssel | "},
     {}},
    {"kopf_uebersetzt.csv", 1, 0, ',', true, {"Haus | house", "Bär | bear", "Straße | street"}, {}},
    {"kopf_grundform.csv",
     0,
     2,
     ';',
     true,
     {"gehen | to go", "Häuser | houses", "Bären | bears"},
     {}},
    {"kopf_nomen.csv", 0, 3, ',', true, {"Haus | house", "Baum | tree", "Tür | door"}, {}},
    {"senkrechter_strich.txt",
     0,
     1,
     '|',
     false,
     {"Haus | house, home", "Baum | tree, shrub", "Tür | door, gate", "Straße | street, road"},
     {}},
    {"anki_alt_html.txt",
     0,
     1,
     '\t',
     false,
     {"Haus | house", "mit ihr | 'with her'", "öffnen | open", "Tür & Tor | door & gate"},
     {}},
    {"ueberschriften.csv",
     0,
     1,
     ';',
     false,
     {"Haus | house", "Baum | tree", "Tür | door", "Straße | street"},
     {1, 4},
     {"Vocabularium 1 (2)", "Vocabularium 2 (2)"}},
    {"anki_karten.txt", 0, 1, '\t', false, {"Haus | house", "Baum | tree", "die Tür | door"}, {}},
    {"stufen_0_5.csv",
     0,
     1,
     ';',
     true,
     {"Haus | house", "Baum | tree", "Tür | door", "Wald | forest"},
     {}},
};

class Vorschlag : public testing::TestWithParam<Fall> {};

TEST_P(Vorschlag, TheDefaultsGiveTheRightCards) {
    const Fall& f = GetParam();
    const Importtabelle t = TextdateiLesen(Testdatei(std::string("import/") + f.datei));
    const Importwahl wahl = StandardWahl(t);
    EXPECT_EQ(wahl.deutsch, f.deutsch);
    EXPECT_EQ(wahl.fremd, f.fremd);
    EXPECT_EQ(t.trennzeichen, f.trenner);
    EXPECT_EQ(wahl.kopfzeileUeberspringen, f.kopfzeile);
    std::vector<int> uebersprungen;
    EXPECT_EQ(Karten(t, wahl, uebersprungen), f.karten);
    EXPECT_EQ(uebersprungen, f.uebersprungen);
    EXPECT_EQ(Lektionsnamen(t), f.lektionen);
}

INSTANTIATE_TEST_SUITE_P(Beispieldateien, Vorschlag, testing::ValuesIn(kFaelle),
                         [](const testing::TestParamInfo<Fall>& info) {
                             std::string name = info.param.datei;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

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
    // A named column stays a side even when its first rows are all empty.
    const Importtabelle leer = TextdateiLesen("Deutsch;Fremd;Lernstufe\r\n;house;1\r\n");
    EXPECT_EQ(StandardWahl(leer).deutsch, 0);
    EXPECT_EQ(StandardWahl(leer).fremd, 1);
    // The user's separator wins over the one found.
    art.trenner = ',';
    EXPECT_EQ(TextdateiLesen(Testdatei("import/senkrechter_strich.txt"), art).Feld(0, 1), " home");
}

// Lesson numbers beyond 6 are no levels; a column from 0 to 5 is, each one compartment higher.
TEST(Vorschlag, LevelsFromAnyColumnOnTheScaleItShows) {
    const Importtabelle t = TextdateiLesen(Testdatei("import/stufen_0_5.csv"));
    Importwahl wahl = StandardWahl(t);
    EXPECT_EQ(wahl.stufenspalte, 3);
    EXPECT_EQ(wahl.skala, Stufenskala::NullBisFuenf);
    wahl.stufenBehalten = true;
    std::vector<int> faecher;
    for (int z = 1; z < t.Zeilen(); ++z) {
        faecher.push_back(KarteAusZeile(t, z, wahl).fach);
    }
    EXPECT_EQ(faecher, (std::vector<int>{1, 6, 1, 3}));
    const auto sechs = [](const char* zellen) {
        return TrennwerteLesen(std::string("a;b;") + zellen);
    };
    EXPECT_EQ(StufenskalaErkennen(sechs("0\na;b;6\n"), 2, 0), Stufenskala::NullBisSechs);
    EXPECT_EQ(StufenskalaErkennen(sechs("1\na;b;6\n"), 2, 0), Stufenskala::EinsBisSechs);
    EXPECT_EQ(StufenskalaErkennen(sechs("1\na;b;7\n"), 2, 0), std::nullopt);
    const int nullBisSechs[] = {1, 1, 2, 3, 4, 5, 6};
    for (int wert = 0; wert <= 6; ++wert) {
        const std::string zelle(1, static_cast<char>('0' + wert));
        EXPECT_EQ(StufeLesen(zelle, Stufenskala::NullBisSechs), nullBisSechs[wert]);
        EXPECT_EQ(StufeLesen(zelle, Stufenskala::NullBisFuenf), wert <= 5 ? wert + 1 : 0);
    }
}

} // namespace
} // namespace lexidor
