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

// Search and search-next in turn, each with its text and what it gives: the row hit, "kein"
// or "nicht" (no search since the text changed), and the search position after it. Untouched,
// the search resumes at row 0 with the empty text, which never hits. Search ignores case and
// the second line of a side, which is not shown; it finds the level digit and the compartment
// 6 card too.
TEST_F(VokabellisteTest, SearchFindsShownTextIgnoringCaseAndSearchNextGoesOn) {
    const std::tuple<char, std::string_view, std::string_view> schritte[] = {
        {'W', "", "kein -1"},     {'S', "B\xC3\x84R", "3 4"}, {'S', "\xC3\xA4pfel", "1 2"},
        {'S', "hund", "kein -1"}, {'S', "", "kein -1"},       {'S', "ł", "kein -1"},
        {'S', "3", "2 3"},        {'W', "3", "3 4"},          {'W', "3", "4 5"},
        {'S', "a", "0 1"},        {'G', "a", "nicht -1"},     {'P', "a", "kein -1"}};
    for (const auto& [schritt, text, erwartet] : schritte) {
        if (schritt == 'G') {
            liste.SuchtextGeaendert();
        } else if (schritt == 'P') {
            liste.Suchposition = 99; // past the last row, after deletes
        }
        const Suchlauf lauf = schritt == 'S' ? liste.Suchen(text) : liste.Weitersuchen(text);
        const std::string ergebnis = lauf.ausgang == Suchausgang::Treffer
                                         ? std::to_string(lauf.zeile)
                                     : lauf.ausgang == Suchausgang::KeinTreffer ? "kein"
                                                                                : "nicht";
        EXPECT_EQ(ergebnis + " " + std::to_string(liste.Suchposition), erwartet) << text;
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
