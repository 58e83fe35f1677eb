// Exporting all cards, and importing the export again.
#include "testdatei.h"
#include "vokabelexport.h"
#include "vokabelimport.h"
#include "zeilen.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lexidor {
namespace {

TKartei Beispiel() {
    TKartei k;
    k.Fach[1].Add({"Haus", "house", "", true});
    k.Fach[1].Add({"Häuser¾¼Gebäude", "houses", "", true});
    k.Fach[3].Add({"sagen \"Hallo\"", "to say; hello", "", true});
    k.Fach[4].Add({"  Tab\tim Text ", "", "", true});
    k.Fach[6].Add({"", "€ „ Ÿ", "Zusatz", true});
    k.Fach[6].Add({"Deutsch", "Fremd", "", true});
    return k;
}

TEST(VokabelnExportieren, SemicolonCsvInUtf8WithHeaderAndQuotedSides) {
    EXPECT_EQ(VokabelnExportieren(Beispiel(), Exportformat::CsvSemikolon),
              "\xEF\xBB\xBF"
              "Deutsch;Fremd;Lernstufe\r\n"
              "Haus;house;1\r\n"
              "\"H\xC3\xA4user\r\nGeb\xC3\xA4ude\";houses;1\r\n"
              "\"sagen \"\"Hallo\"\"\";\"to say; hello\";3\r\n"
              "  Tab\tim Text ;;4\r\n"
              ";\xE2\x82\xAC \xE2\x80\x9E \xC5\xB8;6\r\n"
              "Deutsch;Fremd;6\r\n");
    EXPECT_EQ(VokabelnExportieren(TKartei{}, Exportformat::TextTabulator),
              "\xEF\xBB\xBF"
              "Deutsch\tFremd\tLernstufe\r\n");
}

TEST(VokabelnExportieren, ABigBoxComesInPiecesThatStopWhenTheSinkRefuses) {
    TKartei kartei;
    for (int i = 0; i < 100000; ++i) {
        kartei.Fach[1 + i % 6].Add({"Straß"
                                    "e " +
                                        std::to_string(i),
                                    "street", "", true});
    }
    std::vector<std::size_t> groessen;
    std::string datei;
    EXPECT_TRUE(VokabelnExportieren(kartei, Exportformat::TextTabulator, [&](std::string_view s) {
        groessen.push_back(s.size());
        datei.append(s);
        return true;
    }));
    // Pieces of about a megabyte: the disk is not asked a hundred thousand times.
    ASSERT_GE(groessen.size(), 2u);
    EXPECT_GE(*std::min_element(groessen.begin(), groessen.end() - 1), kStueck);
    EXPECT_LT(*std::max_element(groessen.begin(), groessen.end()), std::size_t{1300000});
    EXPECT_EQ(datei, VokabelnExportieren(kartei, Exportformat::TextTabulator));
    EXPECT_EQ(TextdateiLesen(datei).Zeilen(), 100001);

    int aufrufe = 0;
    EXPECT_FALSE(VokabelnExportieren(kartei, Exportformat::CsvSemikolon, [&](std::string_view) {
        ++aufrufe;
        return false;
    }));
    EXPECT_EQ(aufrufe, 1);
}

TEST(VokabelnExportieren, ImportWithLevelsKeptGivesTheSameCardsInTheSameCompartments) {
    const TKartei original = Beispiel();
    for (const Exportformat format : {Exportformat::CsvSemikolon, Exportformat::TextTabulator}) {
        const Importtabelle t = TextdateiLesen(VokabelnExportieren(original, format));
        Importwahl wahl = StandardWahl(t);
        wahl.stufenBehalten = true;
        TKartei wieder;
        const Importergebnis e = Importieren(wieder, t, wahl);
        EXPECT_EQ(e.uebersprungen, 0);
        EXPECT_EQ(Kartenliste(wieder), Kartenliste(original));
    }
}

} // namespace
} // namespace lexidor
