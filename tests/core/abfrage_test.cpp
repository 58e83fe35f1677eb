// The query: choice of the next card, answer check, grading moves and the statistics texts.
#include "abfrage.h"
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
    // Fills compartments, "3:2" adding cards "3a" and "3b" (foreign side "3a-f", extra
    // "3a-z") to compartment 3, and starts a query with the compartments given due.
    void Starten(const std::string& faecher, const std::string& faellig = "") {
        for (const std::string& fach : Teilen(faecher, " ")) {
            TVokList& liste = kartei.Fach[fach[0] - '0'];
            for (int i = std::stoi(fach.substr(2)); i > 0; --i) {
                const std::string n = fach.substr(0, 1) + static_cast<char>('a' + liste.Count());
                liste.Add({n, n + "-f", n + "-z", true});
            }
        }
        kartei.Termin.fill(PlusTage(kHeute, 1));
        for (const std::string& k : Teilen(faellig, " ")) {
            kartei.Termin[std::stoi(k)] = kHeute;
        }
        kartei.FaelligkeitBestimmen(kHeute);
        a.AbfrageStarten(kartei);
    }
    bool Naechste() { return a.NaechsteVokabel(kartei, kHeute, e, zufall); }

    TKartei kartei;
    TEinstellungen e;
    TAbfrage a;
    SkriptZufall zufall;
};

TEST_F(Abfrage, NothingToLearnShowsTheMessageAndGradesNothing) {
    EXPECT_FALSE(Naechste());
    EXPECT_EQ(a.Aufdecken(kartei), TAufdeckung::KeineKartei);
    Starten("6:1", "3 5"); // 3 and 5 are due, but empty
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

// Rows of tests/data/abfragefolge.txt: the cards asked in turn, each graded right.
TEST_F(Abfrage, EachCompartmentIsAskedInItsTurn) {
    for (const auto& f : Testfaelle("abfragefolge.txt")) {
        kartei = {};
        a = {};
        Starten(f[0], f[1]);
        a.Wechsel = f[2] == "ja";
        std::vector<std::string> gefragt;
        for (int n = 0; n < 20 && Naechste() && a.AktuellesFach != -1; ++n) {
            gefragt.push_back(a.AktuelleVokabel.Deutsch);
            a.VokabelVerschieben(kartei, true, zufall);
        }
        EXPECT_EQ(gefragt, Teilen(f[3], " ")) << f[0];
        EXPECT_EQ(a.Wechsel, f[4] == "ja") << f[0];
    }
}

TEST_F(Abfrage, PositionInCompartmentOneAndDirectionAreDrawn) {
    a.Fach1Position = 7; // left over from an earlier, bigger box
    Starten("1:3");
    e.Abfragerichtung = 2;
    zufall = SkriptZufall({2, 1});
    ASSERT_TRUE(Naechste());
    EXPECT_EQ(zufall.gefragt, (std::vector<std::uint32_t>{3, 2}));
    EXPECT_EQ(a.Frage(), "1c-f");
    EXPECT_EQ(a.Loesung(), "1c");
    e.Abfragerichtung = 0;
    ASSERT_TRUE(Naechste());
    EXPECT_EQ(a.Frage(), "1c");
    EXPECT_EQ(zufall.gefragt.size(), 2u);
}

TEST_F(Abfrage, GradingMovesTheWholeCardToTheEndOfItsNewCompartment) {
    for (int k = 1; k <= 5; ++k) {
        for (const bool richtig : {true, false}) {
            SCOPED_TRACE(testing::Message() << k << (richtig ? " right" : " wrong"));
            kartei = {};
            a = {};
            zufall = SkriptZufall();
            const std::string fach = std::to_string(k);
            Starten("1:1 " + fach + ":2 " + std::to_string(k + 1) + ":1", fach);
            a.Fach1Position = 1;
            ASSERT_TRUE(Naechste());
            ASSERT_EQ(a.AktuellesFach, k);
            const std::string x = a.AktuelleVokabel.Deutsch;
            const int ziel = richtig ? k + 1 : 1;
            EXPECT_EQ(a.VokabelVerschieben(kartei, richtig, zufall), ziel);
            EXPECT_EQ(richtig ? a.Richtige : a.Falsche, 1);
            if (k == 1 && !richtig) { // the card stays, and a new position is drawn
                EXPECT_EQ(kartei.Fach[1].Count(), 3);
                EXPECT_EQ(zufall.gefragt, std::vector<std::uint32_t>{3});
                continue;
            }
            const TVokList& neu = kartei.Fach[ziel];
            EXPECT_EQ(neu.Get(neu.Count() - 1), (TVokabel{x, x + "-f", x + "-z", true}));
            EXPECT_EQ(kartei.Fach[k].Count(), k == 1 ? 2 : 1);
        }
    }
}

TEST_F(Abfrage, RevealAndAutomaticCheckFollowTheAnswerStates) {
    kartei.Fach[1].Add({"gehen", "to go¾¼went", "", true});
    Starten("");
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
