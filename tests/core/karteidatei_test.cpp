// Writing and reading card-box files: layout, line ends, lenient lines and every failure.
#include "karteidatei.h"
#include "skriptzufall.h"
#include "testdaten.h"
#include "zeilen.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

constexpr std::string_view kMuster = "%d.%m.%Y";
const Datum kHeute = DatumAus(2026, 12, 5);

std::string Ersetzt(std::string text, std::string_view alt, std::string_view neu) {
    for (auto p = text.find(alt); p != std::string::npos; p = text.find(alt, p + neu.size())) {
        text.replace(p, alt.size(), neu);
    }
    return text;
}

// Cards in several compartments, one with a Zusatz and two with encoded line breaks.
TKartei Beispiel(bool mitKarten = true) {
    TKartei k;
    k.Termin = {
        Datum{}, Datum{}, kHeute, PlusTage(kHeute, 1), PlusTage(kHeute, -3), DatumAus(2027, 3, 5)};
    const std::pair<int, TVokabel> karten[] = {{1, {"Haus\xBE\xBCH\xE4user", "house", "", true}},
                                               {1, {"", "leer", "", true}},
                                               {2, {"Baum", "tree", "Zusatz bleibt", true}},
                                               {5, {"gehen", "to go\xBE\xBCwent", "", true}},
                                               {6, {"eins", "one", "", true}},
                                               {6, {"zwei", "two", "", true}}};
    for (const auto& [fach, karte] : karten) {
        if (mitKarten) {
            k.Fach[fach].Add(karte);
        }
    }
    return k;
}

// Reads with a random source under which every exchange swaps a card with itself.
bool Lesen(std::optional<std::string_view> datei, TKartei& k) {
    k.Dateipfad = "/home/anna/Vokabeln/Latein.vkd";
    SkriptZufall ohneWirkung;
    return KarteiLesen(k, datei, kMuster, kHeute, ohneWirkung);
}

TEST(KarteiSchreiben, NewBoxWithOneCardGivesTheSixteenLines) {
    TKartei k;
    k.NeuAnlegen(kHeute, {0, 0, 3, 10, 30, 90});
    k.Fach[1].Add({"Haus", "house", "", false});
    EXPECT_EQ(KarteiSchreiben(k, kMuster),
              ZeilenVerbinden({"08.12.2026", "15.12.2026", "04.01.2027", "05.03.2027",
                               "-----------Anfang der Datei / Anfang Fach1----------", "Haus",
                               "house", "", "true", "<<<<<>>>>>",
                               "----------------ENDE Fach1 / Anfang Fach2-----------",
                               "---------------ENDE Fach2 / Anfang Fach3 -----------",
                               "--------------ENDE Fach3 / Anfang Fach4-------------",
                               "-------------ENDE Fach4 / Anfang Fach5--------------",
                               "-----------ENDE Fach5 / Anfang Fach6 -------------",
                               "----------ENDE Fach6 / ENDE DER DATEI --------------"}));
}

TEST(KarteiLesen, ReadsBackWhatWasWrittenWhateverTheLineEnds) {
    for (const TKartei& box : {Beispiel(), Beispiel(false)}) {
        const std::string datei = KarteiSchreiben(box, kMuster);
        EXPECT_EQ(std::count(datei.begin(), datei.end(), '\n'), 11 + 5 * box.Gesamtzahl());
        for (const std::string& variante :
             {datei, Ersetzt(datei, "\r\n", "\r"), Ersetzt(datei, "\r\n", "\n"),
              datei.substr(0, datei.size() - 2)}) {
            TKartei k;
            ASSERT_TRUE(Lesen(variante, k));
            EXPECT_EQ(KarteiSchreiben(k, kMuster), datei);
            EXPECT_EQ(k.Anzeigename, "Latein.vkd");
            EXPECT_EQ(k.Faellig, (std::array<bool, 6>{false, false, true, false, true, false}));
        }
    }
}

// The start marker, the flag and end-of-card lines and text after the last marker are not
// looked at: the next save writes the file as it should be.
TEST(KarteiLesen, IgnoresLinesItDoesNotNeed) {
    const std::string datei = KarteiSchreiben(Beispiel(), kMuster);
    std::string locker = Ersetzt(datei, kMarker[0], "irgendwas");
    locker = Ersetzt(locker, "\r\ntrue\r\n", "\r\nfalse\r\n");
    locker = Ersetzt(locker, kKartenende, "") + "Nachspann\r\n----\r\n";
    TKartei k;
    ASSERT_TRUE(Lesen(locker, k));
    EXPECT_EQ(KarteiSchreiben(k, kMuster), datei);
}

TEST(KarteiLesen, ShufflesCompartmentsOneToFiveInOrderButNotSix) {
    TKartei k;
    SkriptZufall zufall;
    ASSERT_TRUE(KarteiLesen(k, KarteiSchreiben(Beispiel(), kMuster), kMuster, kHeute, zufall));
    std::vector<std::uint32_t> erwartet(10, 2); // compartment 1: 2 cards, 5 exchanges
    erwartet.insert(erwartet.end(), 12, 1);     // compartments 2 and 5: 1 card, 3 exchanges
    EXPECT_EQ(zufall.gefragt, erwartet);
}

TEST(KarteiLesen, FailsOnEveryBrokenFile) {
    const std::string datei = KarteiSchreiben(Beispiel(), kMuster);
    const auto bis = [&](std::string_view text) { return datei.substr(0, datei.find(text)); };
    std::vector<std::pair<std::string, std::string>> faelle = {
        {"other regional format", Ersetzt(datei, "05.12.2026", "12/05/2026")},
        {"trailing text", Ersetzt(datei, "02.12.2026", "02.12.2026 x")},
        {"only the dates", bis(kMarker[0])},
        {"empty file", ""},
        {"end marker missing", bis(kMarker[6])},
        {"a marker missing", Ersetzt(datei, std::string(kMarker[2]) + "\r\n", "")},
        {"ends inside a card", bis("two\r\n")},
        {"ends after a card's third line", bis("true\r\n<<<<<>>>>>\r\n---")}};
    for (const char* datum : {"05.12.2026", "06.12.2026", "02.12.2026", "05.03.2027"}) {
        faelle.emplace_back(datum, Ersetzt(datei, datum, "kein Datum"));
    }
    for (const auto& [name, inhalt] : faelle) {
        TKartei k;
        EXPECT_FALSE(Lesen(inhalt, k)) << name;
    }
    TKartei fehlt;
    EXPECT_FALSE(Lesen(std::nullopt, fehlt));
    EXPECT_EQ(fehlt.Anzeigename, "Latein.vkd");
}

// Real files: every line-end style, mixed ones with lines the reader passes over, Zusatz
// lines, umlauts and encoded line breaks all read as the same box, which is written back as
// the CR LF file byte for byte.
TEST(KarteiLesen, FixtureFilesInEveryLineEndStyleReadAsTheSameBox) {
    const std::string kanonisch = Testdatei("kartei_crlf.vkd");
    for (const char* name :
         {"kartei_crlf.vkd", "kartei_lf.vkd", "kartei_cr.vkd", "kartei_gemischt.vkd"}) {
        TKartei k;
        ASSERT_TRUE(Lesen(Testdatei(name), k)) << name;
        EXPECT_EQ(KarteiSchreiben(k, kMuster), kanonisch) << name;
        EXPECT_EQ(k.Fach[1].Get(1).Deutsch, "Stra\xDF"
                                            "e\xBE\xBCWeg")
            << name;
        EXPECT_EQ(k.Fach[2].Zusatz(0), "der Baum, die B\xE4ume") << name;
        EXPECT_EQ(k.Termin[5], DatumAus(2027, 3, 5)) << name;
    }
    TKartei leer;
    ASSERT_TRUE(Lesen(Testdatei("kartei_leer.vkd"), leer));
    EXPECT_EQ(leer.Gesamtzahl(), 0);
    for (const char* name :
         {"kartei_ohne_ende.vkd", "kartei_datum_falsch.vkd", "kartei_abgebrochen.vkd"}) {
        TKartei k;
        EXPECT_FALSE(Lesen(Testdatei(name), k)) << name;
    }
}

// Interval values from the settings are used unchanged, so a review date may lie far off;
// it stops at the last day a four-digit year holds, and the box still opens.
TEST(KarteiLesen, BoxWithIntervalsAtTheLimitsOpensAgain) {
    for (const Intervalle& intervalle :
         {Intervalle{0, 0, 2147483647, 3000000, -2147483647 - 1, -3000000},
          Intervalle{0, 0, 1, 2920000, 2930000, 2147483646}}) {
        TKartei k;
        k.NeuAnlegen(kHeute, intervalle);
        k.Fach[1].Add({"Haus", "house", "", true});
        for (const char* muster : {"%d.%m.%Y", "%m/%d/%y", "%F", "%-d.%-m.%y"}) {
            const std::string datei = KarteiSchreiben(k, muster);
            TKartei wieder;
            wieder.Dateipfad = "/k.vkd";
            SkriptZufall ohneWirkung;
            ASSERT_TRUE(KarteiLesen(wieder, datei, muster, kHeute, ohneWirkung)) << datei;
            EXPECT_EQ(wieder.Termin, k.Termin) << muster;
        }
    }
}

} // namespace
} // namespace lexidor
