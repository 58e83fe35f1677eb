// Taking cards from the add and edit fields, and the vocabulary list's rows, search and delete.
#include "testdatei.h"
#include "vokabeleingabe.h"
#include "vokabelzeilen.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TVokabel Karte(std::string deutsch, std::string fremd, std::string zusatz = "") {
    return {std::move(deutsch), std::move(fremd), std::move(zusatz), true};
}

// What the fields may hold is rows of regeln.txt; a card taken goes last into compartment 1.
TEST(VokabelHinzufuegen, AppendsToCompartmentOneUntilTheBoxIsFull) {
    TKartei k;
    k.Fach[1].Add(Karte("Haus", "house"));
    EXPECT_EQ(VokabelHinzufuegen(k, "Tag", "day").ergebnis, Eingabe::Ok);
    EXPECT_EQ(k.Fach[1].Get(1), Karte("Tag", "day"));
    k.Fach[6].Reservieren(kKartenlimit, 0);
    while (k.Gesamtzahl() < kKartenlimit) {
        k.Fach[6].Anhaengen("", "", "");
    }
    EXPECT_EQ(VokabelHinzufuegen(k, "Tag", "day").ergebnis, Eingabe::Limit);
    EXPECT_EQ(k.Fach[1].Count(), 2);
}

// Without a compartment an edit only marks the box changed; a refused one changes nothing.
TEST(VokabelAendern, WithoutACompartmentOrRefusedLeavesTheCard) {
    for (const auto& [pos, deutsch, ergebnis] : {std::tuple{TPosInfo{0, 0}, "x", Eingabe::Ok},
                                                 {TPosInfo{2, 0}, "-----", Eingabe::Markerzeile}}) {
        TKartei k;
        k.Fach[pos.Stufe == 0 ? 1 : pos.Stufe].Add(Karte("a", "b", "z"));
        EXPECT_EQ(VokabelAendern(k, pos, deutsch, "b", {}, {}).ergebnis, ergebnis);
        EXPECT_EQ(k.Fach[pos.Stufe == 0 ? 1 : pos.Stufe].Get(0), Karte("a", "b", "z"));
        EXPECT_EQ(k.Gesichert, ergebnis != Eingabe::Ok);
    }
}

// The field shows a bare "¼", a bare "¾" and "¾¼" alike as one line break. A learned card
// (compartment 6) is edited as any other.
TEST(VokabelAendern, KeepsAnUneditedSideByteForByte) {
    TKartei k;
    k.Fach[6].Add(Karte("¼", "a¾b", "z"));
    const Vorlage deutsch{"¼", "\n"};
    const Vorlage fremd{"a¾b", "a\nb"};
    ASSERT_EQ(VokabelAendern(k, {6, 0}, "\n", "a\nb", deutsch, fremd).ergebnis, Eingabe::Ok);
    EXPECT_EQ(k.Fach[6].Get(0), Karte("¼", "a¾b", ""));
    // An edited side is stored as the field holds it; the other one stays as it was.
    ASSERT_EQ(VokabelAendern(k, {6, 0}, "\n", "a\nbc", deutsch, fremd).ergebnis, Eingabe::Ok);
    EXPECT_EQ(k.Fach[6].Get(0), Karte("¼", "a¾¼bc", ""));
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
    std::vector<TPosInfo> positionen;
    for (int i = 0; i < liste.Zeilen(); ++i) {
        positionen.push_back(liste.Position(i));
    }
    EXPECT_EQ(positionen, (std::vector<TPosInfo>{{1, 0}, {1, 1}, {3, 0}, {3, 1}, {6, 0}}));
    EXPECT_EQ(liste.Deutsch(0), "Haus");
    EXPECT_EQ(liste.Deutsch(1), "");
    EXPECT_EQ(liste.Fremd(4), "mouse 3");
}

// Rows of tests/data/vokabelsuche.txt, in turn.
TEST_F(VokabellisteTest, SearchFindsShownTextIgnoringCaseAndSearchNextGoesOn) {
    for (const auto& f : Testfaelle("vokabelsuche.txt")) {
        const char schritt = f[0][0];
        if (schritt == 'G') {
            liste.SuchtextGeaendert();
        } else if (schritt == 'P') {
            liste.Suchposition = 99;
        }
        const Suchlauf lauf = schritt == 'S' ? liste.Suchen(f[1]) : liste.Weitersuchen(f[1]);
        const std::string ergebnis = lauf.ausgang == Suchausgang::Treffer
                                         ? std::to_string(lauf.zeile)
                                     : lauf.ausgang == Suchausgang::KeinTreffer ? "kein"
                                                                                : "nicht";
        EXPECT_EQ(ergebnis + " " + std::to_string(liste.Suchposition), f[2]) << f[1];
    }
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

} // namespace
} // namespace lexidor
