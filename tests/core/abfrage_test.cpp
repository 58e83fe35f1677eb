// The query: choice of the next card, answer check, grading moves and the statistics texts.
#include "abfrage.h"
#include "skriptzufall.h"
#include "testdatei.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

const Datum kHeute = DatumAus(2026, 12, 5);

class Abfrage : public ::testing::Test {
protected:
    Abfrage() {
        bool start = false;
        EinstellungenLaden(Profildatei(), e, start); // intervals 3, 10, 30, 90
    }
    // Fills compartments with cards "<name>" / "<name>-f" / "<name>-z" and starts a query
    // with the given compartments due.
    void Starten(std::vector<std::pair<int, std::vector<std::string>>> faecher,
                 std::initializer_list<int> faellig = {}) {
        for (const auto& [fach, namen] : faecher) {
            for (const auto& n : namen) {
                kartei.Fach[fach].Add({n, n + "-f", n + "-z", true});
            }
        }
        kartei.Termin.fill(PlusTage(kHeute, 1));
        for (int k : faellig) {
            kartei.Termin[k] = kHeute;
        }
        kartei.FaelligkeitBestimmen(kHeute);
        a.AbfrageStarten(kartei);
    }
    bool Naechste() { return a.NaechsteVokabel(kartei, kHeute, e, zufall); }
    // Asks the next card and grades it right; returns the compartment it came from.
    int Antworten() {
        EXPECT_TRUE(Naechste());
        const int fach = a.AktuellesFach;
        a.VokabelVerschieben(kartei, true, zufall);
        return fach;
    }

    TKartei kartei;
    TEinstellungen e;
    TAbfrage a;
    SkriptZufall zufall;
};

TEST_F(Abfrage, NothingToLearnShowsTheMessageAndGradesNothing) {
    EXPECT_FALSE(Naechste());
    EXPECT_EQ(a.Aufdecken(kartei), TAufdeckung::KeineKartei);
    Starten({{6, {"gelernt"}}}, {3, 5}); // 3 and 5 are due, but empty
    ASSERT_TRUE(Naechste());
    EXPECT_EQ(a.AktuellesFach, -1);
    EXPECT_EQ(a.Frage(), "Momentan gibt es nichts zu lernen!");
    EXPECT_EQ(a.Balkenstufe(), 0);
    EXPECT_FALSE(kartei.Faellig[3] || kartei.Faellig[5]);
    EXPECT_EQ(kartei.Termin[3], PlusTage(kHeute, 10));
    EXPECT_EQ(kartei.Termin[5], PlusTage(kHeute, 90));
    EXPECT_EQ(a.AutomatischPruefen(kartei, ""), TPruefung::Nichts);
    EXPECT_EQ(a.VokabelVerschieben(kartei, true, zufall), std::nullopt);
    EXPECT_EQ(a.Richtige, 0);
}

TEST_F(Abfrage, CompartmentsFourAndThreeAlternateWithCompartmentOne) {
    Starten({{1, {"e1", "e2", "e3", "e4"}}, {3, {"d1", "d2"}}, {4, {"v1", "v2"}}}, {3, 4});
    std::vector<int> faecher;
    for (int i = 0; i < 8; ++i) {
        faecher.push_back(Antworten());
    }
    // Wechsel carries over: after the last card of 4 it is compartment 1's turn.
    EXPECT_EQ(faecher, (std::vector<int>{4, 1, 4, 1, 3, 1, 3, 1}));
    EXPECT_EQ(kartei.Termin[4], PlusTage(kHeute, 30));
}

// A single card in compartment 1 takes its turn; once it is gone, there is no turn to take.
TEST_F(Abfrage, CompartmentOneTakesItsTurnWhileItHoldsACard) {
    Starten({{1, {"e"}}, {3, {"d1", "d2", "d3"}}}, {3});
    std::vector<int> faecher;
    for (int i = 0; i < 4; ++i) {
        faecher.push_back(Antworten());
    }
    EXPECT_EQ(faecher, (std::vector<int>{3, 1, 3, 3}));
}

TEST_F(Abfrage, CompartmentTwoIsAskedFrontFirstWithoutAlternation) {
    Starten({{1, {"e1"}}, {2, {"z1", "z2"}}}, {2});
    EXPECT_EQ(Antworten(), 2);
    EXPECT_EQ(a.AktuelleVokabel.Deutsch, "z1");
    EXPECT_FALSE(a.Wechsel);
    a.Wechsel = true;
    EXPECT_EQ(Antworten(), 2);
    EXPECT_TRUE(a.Wechsel);
    EXPECT_EQ(Antworten(), 1);
}

TEST_F(Abfrage, PositionInCompartmentOneAndDirectionAreDrawn) {
    a.Fach1Position = 7; // left over from an earlier, bigger box
    Starten({{1, {"a", "b", "c"}}});
    e.Abfragerichtung = 2;
    zufall = SkriptZufall({2, 1});
    ASSERT_TRUE(Naechste());
    EXPECT_EQ(zufall.gefragt, (std::vector<std::uint32_t>{3, 2}));
    EXPECT_EQ(a.Frage(), "c-f");
    EXPECT_EQ(a.Loesung(), "c");
    e.Abfragerichtung = 0;
    ASSERT_TRUE(Naechste());
    EXPECT_EQ(a.Frage(), "c");
    EXPECT_EQ(zufall.gefragt.size(), 2u);
}

TEST_F(Abfrage, GradingMovesTheWholeCardToTheEndOfItsNewCompartment) {
    for (int k = 1; k <= 5; ++k) {
        for (const bool richtig : {true, false}) {
            SCOPED_TRACE(testing::Message() << k << (richtig ? " right" : " wrong"));
            kartei = {};
            a = {};
            zufall = SkriptZufall();
            Starten({{1, {"eins"}}, {k, {"x", "y"}}, {k + 1, {"alt"}}}, {k});
            a.Fach1Position = 1;
            ASSERT_TRUE(Naechste());
            ASSERT_EQ(a.AktuellesFach, k);
            const int ziel = richtig ? k + 1 : 1;
            EXPECT_EQ(a.VokabelVerschieben(kartei, richtig, zufall), ziel);
            EXPECT_EQ(richtig ? a.Richtige : a.Falsche, 1);
            if (k == 1 && !richtig) { // the card stays, and a new position is drawn
                EXPECT_EQ(kartei.Fach[1].Count(), 3);
                EXPECT_EQ(zufall.gefragt, std::vector<std::uint32_t>{3});
                continue;
            }
            const TVokList& neu = kartei.Fach[ziel];
            EXPECT_EQ(neu.Get(neu.Count() - 1), (TVokabel{"x", "x-f", "x-z", true}));
            EXPECT_EQ(kartei.Fach[k].Count(), k == 1 ? 2 : 1);
        }
    }
}

TEST_F(Abfrage, RevealAndAutomaticCheckFollowTheAnswerStates) {
    kartei.Fach[1].Add({"gehen", "to go¾¼went", "", true});
    Starten({});
    e.Abfragerichtung = 0;
    ASSERT_TRUE(Naechste());
    kartei.Gesichert = true;
    EXPECT_FALSE(a.KannBewerten(true));
    EXPECT_EQ(a.AutomatischPruefen(kartei, "To go\nwent "), TPruefung::Richtig);
    EXPECT_FALSE(kartei.Gesichert);

    ASSERT_TRUE(Naechste());
    EXPECT_EQ(a.AutomatischPruefen(kartei, "to go went"), TPruefung::Abgelehnt);
    EXPECT_TRUE(a.KannBewerten(true));
    EXPECT_FALSE(a.KannBewerten(false));
    EXPECT_EQ(a.Aufdecken(kartei), TAufdeckung::Nichts);
    // Accepting the rejection is the shell's wrong grading; the check itself moves nothing.
    EXPECT_EQ(a.AutomatischPruefen(kartei, "to gowent"), TPruefung::Weiter);
    EXPECT_EQ(a.Zustand, TZustand::Abgelehnt);
    EXPECT_EQ(a.Falsche, 0);
    EXPECT_EQ(kartei.Fach[1].Count(), 1);

    ASSERT_TRUE(Naechste());
    EXPECT_EQ(a.Aufdecken(kartei), TAufdeckung::Aufgedeckt);
    EXPECT_TRUE(a.KannBewerten(false));
    EXPECT_EQ(a.AutomatischPruefen(kartei, "to gowent"), TPruefung::Nichts);

    // A box closed after the reveal: grading finds nothing to move and counts nothing.
    ASSERT_TRUE(Naechste());
    a.Aufdecken(kartei);
    kartei.Geoeffnet = false;
    EXPECT_EQ(a.VokabelVerschieben(kartei, false, zufall), std::nullopt);
    EXPECT_EQ(a.Falsche, 0);
}

TEST(Abfragebild, EachAnswerStateHasItsButtonsCaptionsAndColours) {
    const std::string_view r = "Richtig (R)", f10 = "Eingabe autom. überprüfen (F10)";
    // Typing, F9, R, F, R's caption and width, F10's caption, colours, verdict, R/F keys.
    const std::pair<TZustand, TAbfragebild> faelle[] = {
        {TZustand::Offen, {true, true, false, false, r, 100, f10, 0, 0, false, false}},
        {TZustand::Aufgedeckt, {false, false, true, true, r, 100, f10, 0, 0, false, true}},
        {TZustand::Abgelehnt,
         {false, false, true, false, "Doch richtig (R)", 209, "Weiter (F10)", 0x0000FF, 0x008000,
          true, true}}};
    for (const auto& [zustand, bild] : faelle) {
        EXPECT_EQ(Abfragebild(zustand), bild) << static_cast<int>(zustand);
    }
}

// The clock shows minutes and seconds with two digits each; the reminder comes once when it
// reaches the set minute. A new query starts from nothing and arms the reminder again.
TEST(Abfrageuhr, CountsFromNothingAndRemindsOnceAtTheSetMinute) {
    TAbfrage a;
    TKartei k;
    a.Richtige = 1;
    a.AbfrageStarten(k);
    EXPECT_EQ(a.Prozent(), std::nullopt);
    EXPECT_FALSE(a.ErinnerungFaellig(0)); // 0 switches it off, even at 00:00
    for (int s = 1; s < 7 * 60; ++s) {
        a.Sekundentakt();
        ASSERT_FALSE(a.ErinnerungFaellig(7)) << a.Zeittext();
    }
    a.Sekundentakt();
    EXPECT_EQ(a.Zeittext(), "07:00");
    EXPECT_TRUE(a.ErinnerungFaellig(7));
    EXPECT_FALSE(a.ErinnerungFaellig(7));
    a.Minuten = 100;
    EXPECT_EQ(a.Zeittext(), "100:00");
    // A limit the clock has already passed brings none.
    a.AbfrageStarten(k);
    EXPECT_EQ(a.Zeittext(), "00:00");
    for (int s = 0; s < 2 * 60 + 1; ++s) {
        a.Sekundentakt();
    }
    EXPECT_EQ(a.Zeittext(), "02:01");
    EXPECT_FALSE(a.ErinnerungFaellig(1));
    EXPECT_TRUE(a.ErinnerungFaellig(2));
}

} // namespace
} // namespace lexidor
