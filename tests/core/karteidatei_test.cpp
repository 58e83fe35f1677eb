// Writing and reading card-box files: layout, line ends, lenient lines and every failure; the
// line-end search and the short dates the reader rests on.
#include "cp1252.h"
#include "karteidatei.h"
#include "kurzdatum.h"
#include "testdatei.h"
#include "zeilen.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexidor {
namespace {

constexpr std::string_view kMuster = "%d.%m.%Y";
// The samples' review dates are 8 and 15 December 2026, 4 January and 5 March 2027.
const Datum kHeute = DatumAus(2026, 12, 15);

std::string Ersetzt(std::string text, std::string_view alt, std::string_view neu) {
    for (auto p = text.find(alt); p != std::string::npos; p = text.find(alt, p + neu.size())) {
        text.replace(p, alt.size(), neu);
    }
    return text;
}

// Reads with a random source under which the shuffle leaves every card in place.
bool Lesen(std::optional<std::string_view> datei, TKartei& k) {
    k.Dateipfad = "/home/anna/Vokabeln/Latein.vkd";
    Hoechstzufall ohneWirkung;
    return KarteiLesen(k, datei, kMuster, kHeute, ohneWirkung);
}

// The same, with the file handed over in the given pieces.
bool StueckweiseLesen(const std::vector<std::string_view>& stuecke, TKartei& k) {
    k.Dateipfad = "/home/anna/Vokabeln/Latein.vkd";
    KarteiLeser leser(k, kMuster, kHeute);
    for (const std::string_view stueck : stuecke) {
        leser.Weiter(stueck);
    }
    Hoechstzufall ohneWirkung;
    return leser.Ende(ohneWirkung);
}

std::vector<std::string_view> Stuecke(std::string_view datei, std::size_t groesse) {
    std::vector<std::string_view> stuecke;
    for (std::size_t pos = 0; pos < datei.size(); pos += groesse) {
        stuecke.push_back(datei.substr(pos, groesse));
    }
    return stuecke;
}

TEST(KarteiLesen, ShufflesCompartmentsOneToFiveInOrderButNotSix) {
    TKartei box;
    for (int c = 1; c <= 6; ++c) {
        for (int i = 0; i < (c == 6 ? 3 : c + 1); ++i) {
            box.Fach[c].Add({std::to_string(c) + "." + std::to_string(i), "", "", true});
        }
    }
    TKartei k;
    SkriptZufall zufall;
    ASSERT_TRUE(KarteiLesen(k, KarteiSchreiben(box, kMuster), kMuster, kHeute, zufall));
    // A shuffle of n cards draws from n, n - 1, ... 2 places.
    EXPECT_EQ(zufall.gefragt,
              (std::vector<std::uint32_t>{2, 3, 2, 4, 3, 2, 5, 4, 3, 2, 6, 5, 4, 3, 2}));
    EXPECT_EQ(k.Fach[6].Get(0).Deutsch, "6.0");
    EXPECT_EQ(k.Fach[6].Get(2).Deutsch, "6.2");
}

// The program reads a file as it comes from the disk: whatever the line ends, pieces cut
// anywhere, also between the CR and the LF of a line end, give the box the whole file gives,
// which is written back as it was. Each file comes with another form that reads the same: the
// mixed sample has lines the reader passes over (the start marker, the flag and end-of-card
// lines, text after the last marker), the decomposed one characters to bring into NFC, as a
// file from another program may hold them.
TEST(KarteiLeser, PiecesCutAnywhereReadAsTheWholeFileWhateverTheLineEnds) {
    const std::string crlf = Testdatei("kartei_crlf.vkd");
    TKartei leer;
    ASSERT_TRUE(Lesen(crlf, leer));
    leer.Schliessen();
    const std::string ohneKarten = KarteiSchreiben(leer, kMuster);
    const std::pair<std::string, std::string> dateien[] = {
        {crlf, Testdatei("kartei_gemischt.vkd")},
        {Testdatei("kartei_utf8.vkd"), Testdatei("kartei_utf8_nfd.vkd")},
        {ohneKarten, ohneKarten}};
    for (const auto& [datei, andereForm] : dateien) {
        for (const std::string& variante :
             {datei, Ersetzt(datei, "\r\n", "\r"), Ersetzt(datei, "\r\n", "\n"),
              datei.substr(0, datei.size() - 2), andereForm}) {
            TKartei ganz;
            ASSERT_TRUE(Lesen(variante, ganz));
            EXPECT_EQ(KarteiSchreiben(ganz, kMuster), datei);
            EXPECT_EQ(ganz.Anzeigename, "Latein.vkd");
            EXPECT_EQ(ganz.Faellig, (std::array<bool, 6>{false, false, true, true, false, false}));
            for (std::size_t groesse = 1; groesse <= 13; ++groesse) {
                TKartei k;
                ASSERT_TRUE(StueckweiseLesen(Stuecke(variante, groesse), k)) << groesse;
                EXPECT_EQ(KarteiSchreiben(k, kMuster), datei) << groesse;
            }
            const std::string_view v(variante);
            for (std::size_t schnitt = 0; schnitt <= v.size(); ++schnitt) {
                TKartei k;
                ASSERT_TRUE(StueckweiseLesen({v.substr(0, schnitt), "", v.substr(schnitt)}, k))
                    << schnitt;
                EXPECT_EQ(KarteiSchreiben(k, kMuster), datei) << schnitt;
            }
        }
    }
}

TEST(KarteiLeser, WantsNoMoreOnceTheBoxIsCompleteOrTheFileBroken) {
    const std::string datei = Testdatei("kartei_crlf.vkd");
    TKartei k;
    k.Dateipfad = "/x/y.vkd";
    KarteiLeser leser(k, kMuster, kHeute);
    EXPECT_TRUE(leser.Weiter(std::string_view(datei).substr(0, datei.size() - 3)));
    EXPECT_FALSE(leser.Weiter("-\r\nNachspann"));
    Hoechstzufall ohneWirkung;
    EXPECT_TRUE(leser.Ende(ohneWirkung));
    EXPECT_EQ(k.Gesamtzahl(), 7);

    TKartei kaputt;
    KarteiLeser abbruch(kaputt, kMuster, kHeute);
    EXPECT_FALSE(abbruch.Weiter("05.12.2026\r\nkein Datum\r\n"));
    EXPECT_FALSE(abbruch.Ende(ohneWirkung));

    // A file with no line end at all, such as a device that hands out zeros forever.
    TKartei nullen;
    KarteiLeser endlos(nullen, kMuster, kHeute);
    const std::string stueck(1000, '\0');
    int stuecke = 0;
    while (endlos.Weiter(stueck) && stuecke < 100) {
        ++stuecke;
    }
    EXPECT_LT(stuecke, 10);
    EXPECT_FALSE(endlos.Ende(ohneWirkung));
}

// Pieces of about a megabyte, one card never split from its lines, even one larger than a
// block of the box's text, and the writing stops when the sink does.
TEST(KarteiSchreiben, HandsTheFileOnInPiecesAndStopsWhenTheSinkDoes) {
    TKartei k;
    k.Termin.fill(DatumAus(2000, 1, 1));
    std::vector<std::string> zeilen = {"01.01.2000", "01.01.2000", "01.01.2000", "01.01.2000",
                                       std::string(kMarker[0])};
    const std::string gross(3 << 20, 'g'); // one card of 3 MB
    for (int i = 0; i < 60000; ++i) {
        const std::string deutsch = i == 30000 ? gross : "Karte " + std::to_string(i);
        k.Fach[1].Add({deutsch, "card", "", true});
        zeilen.insert(zeilen.end(), {deutsch, "card", "", "true", std::string(kKartenende)});
    }
    for (int c = 1; c <= 6; ++c) {
        zeilen.emplace_back(kMarker[c]);
    }
    std::string datei;
    std::vector<std::size_t> groessen;
    EXPECT_TRUE(KarteiSchreiben(k, kMuster, [&](std::string_view stueck) {
        datei += stueck;
        groessen.push_back(stueck.size());
        return true;
    }));
    EXPECT_TRUE(datei == ZeilenVerbinden(zeilen)); // a diff of megabytes would take long
    ASSERT_GE(groessen.size(), 3u);
    EXPECT_EQ(std::count_if(groessen.begin(), groessen.end(),
                            [](std::size_t g) { return g > (1 << 20); }),
              1);

    int gerufen = 0;
    EXPECT_FALSE(
        KarteiSchreiben(k, kMuster, [&gerufen](std::string_view) { return ++gerufen < 2; }));
    EXPECT_EQ(gerufen, 2);

    // Whichever line the refused piece ends before, a card's or a compartment's end marker,
    // the write fails.
    for (std::size_t laenge = kStueck - 160; laenge < kStueck - 40; ++laenge) {
        TKartei einzeln;
        einzeln.Termin.fill(kHeute);
        einzeln.Fach[1].Add({std::string(laenge, 'x'), "", "", true});
        EXPECT_FALSE(KarteiSchreiben(einzeln, kMuster, [](std::string_view) { return false; }))
            << laenge;
    }
}

TEST(KarteiLesen, FailsOnEveryBrokenFile) {
    const std::string datei = Testdatei("kartei_crlf.vkd");
    const std::string utf8 = Testdatei("kartei_utf8.vkd");
    for (const auto& f : Testfaelle("kartei_kaputt.txt")) {
        const std::string& vorlage = f[0] == "utf8" ? utf8 : datei;
        const std::string inhalt =
            f[2] == "bis" ? vorlage.substr(0, vorlage.find(f[1])) : Ersetzt(vorlage, f[1], f[2]);
        ASSERT_NE(inhalt, vorlage) << f[1];
        TKartei k;
        EXPECT_FALSE(Lesen(inhalt, k)) << f[1];
        TKartei stueckweise;
        EXPECT_FALSE(StueckweiseLesen(Stuecke(inhalt, 5), stueckweise)) << f[1];
    }
    TKartei fehlt;
    EXPECT_FALSE(Lesen(std::nullopt, fehlt));
    EXPECT_EQ(fehlt.Anzeigename, "Latein.vkd");
}

// A card in each of seven languages, one- and two-line, comes back as it was; only a box that
// needs more than code page 1252 is written as UTF-8, after its byte-order mark, and only
// while it does.
TEST(KarteiSchreiben, CardsInAnyScriptComeBackAndOnlyTheyMakeTheFileUtf8) {
    const std::string kanonisch = Testdatei("kartei_crlf.vkd");
    for (const auto& f : Testfaelle("kartei_schriften.txt")) {
        const std::string& sprache = f[0];
        const TVokabel karte{f[1], f[2], f[3], true};
        TKartei k;
        ASSERT_TRUE(Lesen(kanonisch, k));
        k.Fach[3].Add(karte);
        const std::string datei = KarteiSchreiben(k, kMuster);
        const bool utf8 = !PasstCp1252(karte.Deutsch + karte.Fremd + karte.Zusatz);
        EXPECT_EQ(datei.starts_with(kBom), utf8) << sprache;
        EXPECT_EQ(IstUtf8(datei), utf8) << sprache;
        TKartei wieder;
        ASSERT_TRUE(Lesen(datei, wieder)) << sprache;
        EXPECT_EQ(wieder.Utf8Datei, utf8) << sprache;
        EXPECT_EQ(wieder.Fach[3].Get(0), karte) << sprache;
        EXPECT_EQ(KarteiSchreiben(wieder, kMuster), datei) << sprache;
        // Read from UTF-8, a box that code page 1252 holds is written in it again.
        TKartei ausUtf8;
        ASSERT_TRUE(Lesen(utf8 ? datei : std::string(kBom) + Cp1252NachUtf8(datei), ausUtf8));
        EXPECT_TRUE(ausUtf8.Utf8Datei) << sprache;
        EXPECT_EQ(KarteiSchreiben(ausUtf8, kMuster), datei) << sprache;
        // Without the card again, the box is written in code page 1252 as before.
        wieder.Fach[3].Delete(0);
        EXPECT_EQ(KarteiSchreiben(wieder, kMuster), kanonisch);
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

// Every length up to past two blocks, a line end at every place (or none) and a second one
// last, the search starting around the first and around a block's end; the other bytes
// differ from CR or LF in one bit only.
TEST(ZeilenendeSuchen, FindsTheFirstCrOrLfFromAnyPlace) {
    const std::string fuellung = "\x8D\x8A\x0C\x0E\x09\x0B\x2D\x4A";
    for (std::size_t laenge = 0; laenge <= 80; ++laenge) {
        for (std::size_t ende = 0; ende <= laenge; ++ende) {
            for (const char zeichen : {'\r', '\n'}) {
                std::string daten;
                for (std::size_t i = 0; i < laenge; ++i) {
                    const bool zweites = ende < laenge && i + 1 == laenge;
                    daten += i == ende || zweites ? zeichen : fuellung[i % fuellung.size()];
                }
                for (const std::size_t ab : {std::size_t{0}, ende - (ende > 0), ende, ende + 1,
                                             std::size_t{31}, std::size_t{33}}) {
                    if (ab > laenge) {
                        continue;
                    }
                    const std::size_t erwartet = ab <= ende    ? ende
                                                 : ab < laenge ? laenge - 1
                                                               : laenge;
                    EXPECT_EQ(ZeilenendeSuchen(daten, ab), erwartet)
                        << laenge << " " << ende << " " << ab;
                }
            }
        }
    }
}

// Every 97th day, and a leap day and years outside the two-digit century, which such a
// pattern writes in full.
TEST(KurzdatumLesen, EveryDayOfFourDigitYearsReadsBackUnderEveryPattern) {
    const char* const muster[] = {"%d.%m.%Y", "%-d/%-m/%y",    " %e %m %Y ", "%D",
                                  "%F",       "%y. %_m. %_d.", "%d%%%m%%%Y", "%m/%d/%Y",
                                  "%d/%m/%y", "%e.%m.%Y"};
    std::vector<Datum> tage = {DatumAus(1999, 12, 31), DatumAus(2100, 2, 28),
                               DatumAus(2028, 2, 29)};
    for (Datum d = DatumAus(1, 1, 1); d <= DatumAus(9999, 12, 31); d += std::chrono::days{97}) {
        tage.push_back(d);
    }
    for (const Datum d : tage) {
        for (const char* m : muster) {
            ASSERT_EQ(KurzdatumLesen(KurzdatumFormatieren(d, m), m), d) << m;
        }
    }
}

} // namespace
} // namespace lexidor
