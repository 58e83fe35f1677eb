// The rules of a KVTML import: which language is German, grades to compartments, the rows.
#include "kvtml.h"
#include "testdatei.h"
#include "vokabelimport.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

// What the shell's XML reader hands over for tests/data/import/tiere.kvtml.
KvtmlDokument Tiere() {
    return {{{"0", "English", "en"}, {"1", "Deutsch", "de"}},
            {{19, {{"0", "dog", 2}, {"1", "Hund", {}}}},
             {33, {{"0", "cat", {}}, {"1", "Katze", {}}}},
             {41, {{"0", "butterfly", 7}, {"1", "Schmetterling", 4}}},
             {61, {{"0", "mice\n(plural)", {}}, {"1", "M\xC3\xA4use", {}}}}}};
}

TEST(Kvtml, TheSampleFileIsRecognisedAndACsvIsNot) {
    EXPECT_TRUE(IstKvtml(Testdatei("import/tiere.kvtml")));
    EXPECT_FALSE(IstKvtml(Testdatei("import/tabelle_utf8.csv")));
}

TEST(Kvtml, GermanIsTheLanguageWithAGermanLocaleElseTheFirst) {
    const auto sprache = [](const char* locale) { return KvtmlSprache{"", "", locale}; };
    EXPECT_EQ(DeutscheSprache({sprache("en"), sprache("fr"), sprache("de_AT")}), 2u);
    EXPECT_EQ(DeutscheSprache({sprache("en"), sprache("DE-ch")}), 1u);
    EXPECT_EQ(DeutscheSprache({sprache("en"), sprache("dea"), sprache("fr")}), 0u);
    EXPECT_EQ(DeutscheSprache({}), 0u);
}

TEST(Kvtml, GradesStepThroughTheReviewCompartmentsAndOnlyTheTopOneIsLearned) {
    EXPECT_EQ(KvtmlFach(std::nullopt), 1);
    const int fach[] = {1, 1, 2, 3, 4, 5, 5, 5, 6, 6};
    for (int grad = -1; grad <= 8; ++grad) {
        EXPECT_EQ(KvtmlFach(grad), fach[grad + 1]) << grad;
    }
}

TEST(Kvtml, RowsPutGermanFirstAndCarryTheHigherGradeAsLevel) {
    const Importtabelle t = KvtmlTabelle(Tiere());
    EXPECT_EQ(t.spaltennamen, (std::vector<std::string>{"Deutsch", "English", "Lernstufe"}));
    EXPECT_EQ(t.stufenspalte, 2);
    Importwahl wahl = StandardWahl(t);
    wahl.stufenBehalten = true;
    TKartei kartei;
    EXPECT_EQ(Importieren(kartei, t, wahl).uebernommen, 4);
    EXPECT_EQ(kartei.Fach[1].Get(0), (TVokabel{"Katze", "cat", "", true}));
    EXPECT_EQ(kartei.Fach[1].Get(1), (TVokabel{"Mäuse", "mice¾¼(plural)", "", true}));
    EXPECT_EQ(kartei.Fach[3].Deutsch(0), "Hund");
    EXPECT_EQ(kartei.Fach[6].Deutsch(0), "Schmetterling");
}

TEST(Kvtml, TheForeignSideIsTheNextLanguageWrappingRound) {
    KvtmlDokument d{{{"a", "Latein", "la"}, {"b", "", "fr"}, {"c", "", "de"}, {"d", "", ""}},
                    {{5, {{"d", "x\r\ny", 3}, {"a", "domus", {}}, {"c", "Haus", 1}}}}};
    const Importtabelle t = KvtmlTabelle(d);
    EXPECT_EQ(t.spaltennamen,
              (std::vector<std::string>{"de", "Sprache 4", "Latein", "fr", "Lernstufe"}));
    EXPECT_EQ(t.Feld(0, 0), "Haus");
    EXPECT_EQ(t.Feld(0, 1), "x\ny");
    EXPECT_EQ(t.Feld(0, 3), "");
    EXPECT_EQ(t.Feld(0, 4), "4");
}

} // namespace
} // namespace lexidor
