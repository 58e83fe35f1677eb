// The rules of a KVTML import: which language is German, grades to compartments, the rows.
#include "kvtml.h"
#include "testdatei.h"
#include "vokabeleingabe.h"
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

// What the shell's XML reader hands over for tests/data/import/lektionen.kvtml.
KvtmlDokument Lektionen() {
    const std::uint16_t kommentar = Bit(Beigabe::Kommentar);
    return {
        {{"0", "Deutsch", "de"}, {"1", "English", "en"}, {"2", "Französisch", "fr"}},
        {{14, {{"0", "Hund", {}, kommentar}, {"1", "dog", {}}, {"2", "chien", {}, kommentar}}, "0"},
         {19,
          {{"0", "Katze", {}}, {"1", "cat", {}, Bit(Beigabe::Beispiel)}, {"2", "chat", {}}},
          "1"},
         {24,
          {{"0", "Haus", {}}, {"1", "house", {}, Bit(Beigabe::Aussprache)}, {"2", "maison", {}}},
          "2"},
         {29, {{"0", "Tisch", {}}, {"1", "table", {}}}, "3"},
         {33, {{"0", "Baum", {}}, {"1", "tree", {}}}, "4"}},
        {{"Tiere", {"0", "1"}}, {"Wohnen", {"1", "2"}}, {"Möbel", {"3", "9"}, "", 1}}};
}

TEST(KvtmlGrenze, EntitiesThatMultiplyAndTablesBeyondTheCardLimitAreRefused) {
    std::string bombe = "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY e \"" +
                        std::string(3000, 'x') + "\"><!ENTITY f \"&e;&e;\">]><kvtml><text>";
    for (int i = 0; i < 350'000; ++i) {
        bombe += "&e;";
    }
    bombe += "&f;&amp;&#228;&g;</text></kvtml>";
    EXPECT_EQ(EntitaetenZuwachs(bombe), 350'000 * 3000 + kEntitaetHoechstens);
    EXPECT_TRUE(KvtmlGrenze({.text = EntitaetenZuwachs(bombe)}, bombe.size()));
    EXPECT_EQ(EntitaetenZuwachs(Testdatei("import/tiere.kvtml")), 0u);
    // A value never closed ends the declarations (the search once began again from the start).
    EXPECT_EQ(EntitaetenZuwachs("<!DOCTYPE kvtml [<!ENTITY e \"&e;&e;<!ENTITY f"), 0u);
    EXPECT_FALSE(KvtmlGrenze({.text = 5'000'000}, 1'000'000));
    EXPECT_TRUE(KvtmlGrenze({.text = 6'000'000}, 1'000'000));
    EXPECT_FALSE(KvtmlGrenze({.sprachen = 3, .eintraege = kKartenlimit}, 1));
    EXPECT_FALSE(KvtmlGrenze({.sprachen = kKvtmlSprachen, .eintraege = 1}, 1));
    EXPECT_TRUE(KvtmlGrenze({.sprachen = kKvtmlSprachen + 1, .eintraege = 1}, 1));
    EXPECT_TRUE(KvtmlGrenze({.sprachen = 100, .eintraege = 200'000}, 1));
}

TEST(KvtmlFehler, AFileNeedsTwoLanguages) {
    EXPECT_EQ(KvtmlFehler({{}, {{3, {{"0", "Haus", {}}}}}}),
              "Die Datei nennt keine Sprachen (<identifiers>), also ist unklar, welcher Text "
              "welche Bedeutung ist.");
    EXPECT_EQ(KvtmlFehler({{{"0", "Deutsch", "de"}}, {}}),
              "Die Datei enthält Wörter in nur einer Sprache („Deutsch“); eine Vokabel braucht "
              "zwei Bedeutungen.");
    EXPECT_EQ(KvtmlFehler(Tiere()), std::nullopt);
}

TEST(Kvtml, RowsPutGermanFirstAndCarryTheHigherGradeAsLevel) {
    const Importtabelle t = KvtmlTabelle(Tiere());
    EXPECT_EQ(t.spaltennamen, (std::vector<std::string>{"Deutsch", "English", "Lernstufe"}));
    Importwahl wahl = StandardWahl(t);
    wahl.stufenBehalten = true;
    TKartei kartei;
    EXPECT_EQ(Importieren(kartei, t, wahl).uebernommen, 4);
    EXPECT_EQ(Kartenliste(kartei),
              (std::vector<std::string>{"1 Katze = cat", "1 Mäuse = mice¾¼(plural)", "3 Hund = dog",
                                        "6 Schmetterling = butterfly"}));
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

// The lessons chosen in the dialog: each entry once, those in no lesson on a line of their own,
// and what the cards cannot hold named in the closing message.
TEST(Kvtml, TheChosenLessonsComeInOnceEachAndWhatIsLeftOutIsNamed) {
    const Importtabelle t = KvtmlTabelle(Lektionen());
    EXPECT_EQ(Lektionsnamen(t),
              (std::vector<std::string>{"Tiere (2)", "Wohnen (2)", "Wohnen / Möbel (1)",
                                        "Ohne Lektion (1)"}));
    for (const auto& f : Testfaelle("kvtml_lektionen.txt")) {
        Importwahl wahl = StandardWahl(t);
        wahl.fremd = std::stoi(f[1]);
        for (const char c : f[0] == "-" ? "" : f[0]) {
            wahl.lektionen.push_back(c == '1');
        }
        TKartei kartei;
        EXPECT_EQ(ImportMeldung(Importieren(kartei, t, wahl)), f[3]);
        EXPECT_EQ(Kartenliste(kartei), Teilen(f[2], ", "));
        EXPECT_EQ(ImportVorschau(t, wahl, 1)[0].abgelehnt.has_value(), f[0].starts_with('0'));
    }
    // KVTML 1: a lesson number the file never names; a name however long stays short; a
    // lesson without a name is called by its place.
    const KvtmlDokument eins{{{"0", "", "de"}, {"1", "", "en"}},
                             {{2, {{"0", "Haus", {}}, {"1", "house", {}}}, "", "3"},
                              {3, {{"0", "Hund", {}}, {"1", "dog", {}}}, "", "1"},
                              {4, {{"0", "Baum", {}}, {"1", "tree", {}}}, "", "7"}},
                             {{std::string(300, 'x'), {}, "1"}, {"", {}, "7"}}};
    EXPECT_EQ(Lektionsnamen(KvtmlTabelle(eins)),
              (std::vector<std::string>{std::string(200, 'x') + "… (1)", "Lektion 2 (1)",
                                        "Lektion 3 (1)"}));
}

} // namespace
} // namespace lexidor
