// Taking cards from the add and edit fields, and the vocabulary list's rows, search and delete.
#include "vokabeleingabe.h"
#include "vokabelzeilen.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TVokabel Karte(std::string deutsch, std::string fremd, std::string zusatz = "") {
    return {std::move(deutsch), std::move(fremd), std::move(zusatz), true};
}

TEST(VokabelHinzufuegen, NeedsOneSideThatIsNotBlank) {
    TKartei k;
    EXPECT_EQ(VokabelHinzufuegen(k, " \n\t ", "\n\n").ergebnis, Eingabe::Leer);
    EXPECT_EQ(k.Fach[1].Count(), 0);
    EXPECT_EQ(VokabelHinzufuegen(k, "", "dog").ergebnis, Eingabe::Ok);
    EXPECT_EQ(VokabelHinzufuegen(k, "Katze", "  ").ergebnis, Eingabe::Ok);
    ASSERT_EQ(k.Fach[1].Count(), 2);
    EXPECT_EQ(k.Fach[1].Get(0), Karte("", "dog"));
    EXPECT_EQ(k.Fach[1].Get(1), Karte("Katze", "  "));
}

// Any script is taken, in NFC: a decomposed "й" or "ő" is stored as the one character.
TEST(VokabelHinzufuegen, TakesAnyScriptInNfcAndRefusesOnlyTheMarkerLine) {
    TKartei k;
    EXPECT_EQ(VokabelHinzufuegen(k, "łódź", "o\xCC\x8B").ergebnis, Eingabe::Ok);
    EXPECT_EQ(VokabelHinzufuegen(k, "Boot\nKahn", "лодка\nчелн\xD0\xB8\xCC\x86").ergebnis,
              Eingabe::Ok);
    EXPECT_EQ(k.Fach[1].Get(0), Karte("łódź", "ő"));
    EXPECT_EQ(k.Fach[1].Get(1), Karte("Boot¾¼Kahn", "лодка¾¼челнй"));
    EXPECT_FALSE(k.NurCp1252());
    // Only a German side that starts with the marker would end a compartment.
    EXPECT_EQ(VokabelHinzufuegen(k, "----Tag", "день").ergebnis, Eingabe::Markerzeile);
    EXPECT_EQ(VokabelHinzufuegen(k, "Tag----", "----").ergebnis, Eingabe::Ok);
    // A bare carriage return would break the file's lines: it is stored encoded.
    EXPECT_EQ(VokabelHinzufuegen(k, "Zeilenende", "\r").ergebnis, Eingabe::Ok);
    EXPECT_EQ(k.Fach[1].Get(3), Karte("Zeilenende", "¾"));
    // A full box takes no more.
    k.Fach[6].Reservieren(kKartenlimit, 0);
    while (k.Gesamtzahl() < kKartenlimit) {
        k.Fach[6].Anhaengen("", "", "");
    }
    EXPECT_EQ(VokabelHinzufuegen(k, "Tag", "day").ergebnis, Eingabe::Limit);
    EXPECT_EQ(k.Fach[1].Count(), 4);
}

TEST(VokabelAendern, WithoutACompartmentOnlyMarksTheBoxChanged) {
    TKartei k;
    k.Fach[1].Add(Karte("a", "b", "z"));
    EXPECT_EQ(VokabelAendern(k, {0, 0}, "x", "y", {}, {}).ergebnis, Eingabe::Ok);
    EXPECT_EQ(k.Fach[1].Get(0), Karte("a", "b", "z"));
    EXPECT_FALSE(k.Gesichert);
}

TEST(VokabelAendern, RefusedTextLeavesCardAndSavedFlag) {
    TKartei k;
    k.Fach[2].Add(Karte("a", "b", "z"));
    EXPECT_EQ(VokabelAendern(k, {2, 0}, "-----", "b", {}, {}).ergebnis, Eingabe::Markerzeile);
    EXPECT_EQ(k.Fach[2].Get(0), Karte("a", "b", "z"));
    EXPECT_TRUE(k.Gesichert);
}

// The field shows a bare "¼", a bare "¾" and "¾¼" alike as one line break.
TEST(VokabelAendern, KeepsAnUneditedSideByteForByte) {
    TKartei k;
    k.Fach[3].Add(Karte("¼", "a¾b", "z"));
    const Vorlage deutsch{"¼", "\n"};
    const Vorlage fremd{"a¾b", "a\nb"};
    ASSERT_EQ(VokabelAendern(k, {3, 0}, "\n", "a\nb", deutsch, fremd).ergebnis, Eingabe::Ok);
    EXPECT_EQ(k.Fach[3].Get(0), Karte("¼", "a¾b", ""));
    // An edited side is stored as the field holds it; the other one stays as it was.
    ASSERT_EQ(VokabelAendern(k, {3, 0}, "\n", "a\nbc", deutsch, fremd).ergebnis, Eingabe::Ok);
    EXPECT_EQ(k.Fach[3].Get(0), Karte("¼", "a¾¼bc", ""));
}

class VokabellisteTest : public ::testing::Test {
protected:
    void SetUp() override {
        k.Fach[1].Add(Karte("Haus¾¼Hund", "house"));
        k.Fach[1].Add(Karte("¾¼Apfel", "ÄPFEL"));
        k.Fach[3].Add(Karte("Katze", "cat"));
        k.Fach[3].Add(Karte("Bär", "bear"));
        k.Fach[6].Add(Karte("Maus", "mouse 3"));
        liste.Aufbauen();
    }
    TKartei k;
    TVokabelliste liste{k};
};

TEST_F(VokabellisteTest, RowsFollowCompartmentOrderAndSkipEmptyOnes) {
    ASSERT_EQ(liste.Zeilen(), 5);
    EXPECT_EQ(liste.Position(0), (TPosInfo{1, 0}));
    EXPECT_EQ(liste.Position(1), (TPosInfo{1, 1}));
    EXPECT_EQ(liste.Position(2), (TPosInfo{3, 0}));
    EXPECT_EQ(liste.Position(3), (TPosInfo{3, 1}));
    EXPECT_EQ(liste.Position(4), (TPosInfo{6, 0}));
    EXPECT_EQ(liste.Deutsch(0), "Haus");
    EXPECT_EQ(liste.Deutsch(1), "");
    EXPECT_EQ(liste.Fremd(4), "mouse 3");
}

TEST_F(VokabellisteTest, SearchFindsShownTextIgnoringCase) {
    EXPECT_EQ(liste.Suchen("B\xC3\x84R").zeile, 3); // "BÄR" finds "Bär"
    EXPECT_EQ(liste.Suchposition, 4);
    EXPECT_EQ(liste.Suchen("\xC3\xA4pfel").zeile, 1); // "äpfel" finds "ÄPFEL"
    // The second line of a side is not shown, so not searched.
    EXPECT_EQ(liste.Suchen("hund").ausgang, Suchausgang::KeinTreffer);
    EXPECT_EQ(liste.Suchposition, -1);
    EXPECT_EQ(liste.Suchen("").ausgang, Suchausgang::KeinTreffer);
    EXPECT_EQ(liste.Suchen("ł").ausgang, Suchausgang::KeinTreffer);
}

TEST_F(VokabellisteTest, DeletingARowTakesItsCardOutOfTheBox) {
    k.Gesichert = true;
    EXPECT_EQ(liste.Loeschen(2), 2);
    EXPECT_EQ(k.Fach[3].Count(), 1);
    EXPECT_EQ(liste.Deutsch(2), "Bär");
    EXPECT_FALSE(k.Gesichert);
    EXPECT_EQ(liste.Loeschen(3), -1); // the last row: none is left below it
    EXPECT_EQ(k.Gesamtzahl(), 3);
}

TEST_F(VokabellisteTest, LevelDigitIsSearchedToo) {
    EXPECT_EQ(liste.Suchen("3").zeile, 2);
    EXPECT_EQ(liste.Weitersuchen("3").zeile, 3);
    EXPECT_EQ(liste.Weitersuchen("3").zeile, 4); // "mouse 3" in compartment 6
}

TEST_F(VokabellisteTest, SearchNextNeedsASearchSinceTheTextChanged) {
    // Untouched, the search resumes at row 0 with the empty text, which never hits.
    EXPECT_EQ(liste.Weitersuchen("").ausgang, Suchausgang::KeinTreffer);
    EXPECT_EQ(liste.Suchen("a").zeile, 0);
    liste.SuchtextGeaendert();
    EXPECT_EQ(liste.Weitersuchen("a").ausgang, Suchausgang::NichtGesucht);
    liste.Suchposition = 99; // past the last row, after deletes
    EXPECT_EQ(liste.Weitersuchen("a").ausgang, Suchausgang::KeinTreffer);
}

} // namespace
} // namespace lexidor
