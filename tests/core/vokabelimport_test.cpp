// Sample files into cards: columns, levels, refused rows, the card limit and the report;
// Anki's plain-text export of notes, and its HTML fields as plain text.
#include "ankinotizen.h"
#include "testdatei.h"
#include "textimport.h"
#include "vokabeleingabe.h"
#include "vokabelimport.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

Importergebnis Importiert(TKartei& kartei, const Importtabelle& t, bool stufen) {
    Importwahl wahl = StandardWahl(t);
    wahl.stufenBehalten = stufen;
    return Importieren(kartei, t, wahl);
}

// Only a card box, KVTML and text are read; the others are refused with a reason.
TEST(ImportdateiErkennen, TheContentDecidesNotTheName) {
    using namespace std::string_literals;
    const std::tuple<std::string, Importdatei, std::string_view> faelle[] = {
        {Testdatei("kartei_crlf.vkd"), Importdatei::Kartei, ""},
        {Testdatei("kartei_utf8.vkd"), Importdatei::Kartei, ""}, // after a byte-order mark
        {Testdatei("import/tiere.kvtml"), Importdatei::Kvtml, ""},
        {"<?xml version=\"1.0\"?>\n<html/>", Importdatei::AnderesXml,
         "Sie ist eine XML-Datei, aber keine KVTML-Datei (Parley, KWordQuiz)."},
        {"\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10"s, Importdatei::Binaer,
         "Sie ist keine Textdatei, sondern etwa ein Bild oder ein Programm."},
        {Utf16Le("Haus;h", false), Importdatei::Text, ""}, // UTF-16 without a mark
        {Testdatei("import/tabelle_1252.csv"), Importdatei::Text, ""},
    };
    for (const auto& [datei, art, grund] : faelle) {
        EXPECT_EQ(ImportdateiErkennen(datei), art) << datei.substr(0, 20);
        EXPECT_EQ(ImportdateiAblehnung(art), grund);
    }
    EXPECT_EQ(TextdateiLesen(Testdatei("import/tabelle_1252.csv")).kodierung,
              Textkodierung::Windows1252);
    EXPECT_EQ(TextdateiLesen(Testdatei("import/tabelle_utf8.csv")).kodierung,
              Textkodierung::Utf8MitBom);
    EXPECT_EQ(ZuGrossText(), "Die Datei ist größer als 512 MB. So viel braucht keine "
                             "Vokabelliste, auch nicht für 3200000 Vokabeln.");
}

TEST(KarteAusZeile, ARowWithAStrayByteIsRefusedAndTheOthersKeepTheirUmlauts) {
    TKartei kartei;
    const Importergebnis e = Importiert(
        kartei, TextdateiLesen("B\xC3\xA4r;bear\nT\xFCr;door\nK\xC3\xA4se;cheese\n"), false);
    EXPECT_EQ(e.abgelehnt, (std::vector<Abgelehnt>{{2, Ablehnung::Kodierung, ""}}));
    EXPECT_EQ(Kartenliste(kartei), (std::vector<std::string>{"1 Bär = bear", "1 Käse = cheese"}));
    EXPECT_EQ(AblehnungGrund(e.abgelehnt[0]),
              "Die Zeile enthält Bytes, die in der Kodierung der Datei kein Zeichen sind.");
}

TEST(AngeboteneSpalten, ARowOfMillionsOfCellsOffersAFew) {
    EXPECT_EQ(AngeboteneSpalten(TextdateiLesen(std::string(5'000'000, ';'))), kSpaltenangebot);
    EXPECT_EQ(AngeboteneSpalten(TextdateiLesen("a\nb\n")), 2);
    EXPECT_EQ(AngeboteneSpalten(TextdateiLesen("a;b;c\n")), 3);
}

TEST(KarteiTabelle, AnotherBoxComesInWithItsCompartmentsAndLineBreaks) {
    TKartei andere;
    andere.Fach[2].Add({"Häuser¾¼Gebäude", "houses", "", true});
    andere.Fach[6].Add({"€", "euro¼", "", true});
    andere.Fach[6].Add({"", "", "", true});
    const Importtabelle t = KarteiTabelle(andere);
    EXPECT_EQ(t.Feld(0, 0), "H\xC3\xA4user\nGeb\xC3\xA4ude");
    TKartei kartei;
    const Importergebnis e = Importiert(kartei, t, true);
    EXPECT_EQ(e.abgelehnt, (std::vector<Abgelehnt>{{3, Ablehnung::Leer, ""}}));
    EXPECT_FALSE(kartei.Gesichert);
    // A bare "¼" is a line break to a field, and comes back as the Windows one.
    EXPECT_EQ(Kartenliste(kartei),
              (std::vector<std::string>{"2 Häuser¾¼Gebäude = houses", "6 € = euro¾¼"}));
}

TEST(KarteAusZeile, ColumnsLevelsAndWhatIsRefused) {
    const Importtabelle t = TextdateiLesen("Deutsch;Englisch;Stufe;Latein\n"
                                           "Haus;house;4;domus\n"
                                           "\xC2\xBC Liter;quarter litre;;\n"
                                           "Tag;day;9;dies\n");
    Importwahl wahl = StandardWahl(t);
    EXPECT_EQ(KarteAusZeile(t, 1, wahl).fach, 1); // levels are not kept unless chosen
    wahl.stufenBehalten = true;
    EXPECT_EQ(KarteAusZeile(t, 1, wahl).fach, 4);
    EXPECT_EQ(KarteAusZeile(t, 2, wahl).abgelehnt->grund, Ablehnung::Umbruchzeichen);
    EXPECT_EQ(KarteAusZeile(t, 3, wahl).abgelehnt, (Abgelehnt{4, Ablehnung::Stufe, "9"}));
    // Latin as the foreign side, English as the German one: the choice is the user's.
    wahl = {};
    wahl.deutsch = 1;
    wahl.fremd = 3;
    wahl.kopfzeileUeberspringen = true;
    EXPECT_EQ(KarteAusZeile(t, 1, wahl).karte, (TVokabel{"house", "domus", "", true}));
    const auto vorschau = ImportVorschau(t, wahl, 2);
    ASSERT_EQ(vorschau.size(), 2u);
    EXPECT_EQ(vorschau[1].zeile, 3);
    EXPECT_EQ(vorschau[1].zellen,
              (std::vector<std::string_view>{"\xC2\xBC Liter", "quarter litre", "", ""}));
}

TEST(Importieren, StopsAtTheCardLimitAndKeepsWhatItTook) {
    TKartei kartei;
    kartei.Fach[6].Reservieren(kKartenlimit, 0);
    for (int i = 0; i < kKartenlimit - 2; ++i) {
        kartei.Fach[6].Anhaengen("", "", "");
    }
    const Importergebnis e = Importiert(kartei, TextdateiLesen("a;b\n;\nc;d\ne;f\ng;h\n"), false);
    EXPECT_EQ(e.uebernommen, 2);
    EXPECT_EQ(e.uebersprungen, 1);
    EXPECT_EQ(e.limitAbZeile, 4);
    EXPECT_EQ(kartei.Gesamtzahl(), kKartenlimit);
    EXPECT_EQ(kartei.Fach[1].Fremd(1), "d");
    // Stopped at its first report, an import takes nothing.
    TKartei andere;
    const Importtabelle t = TextdateiLesen("a;b\nc;d\n");
    const auto halt = [](std::size_t, std::size_t) { return false; };
    const Importergebnis gestoppt = Importieren(andere, t, StandardWahl(t), halt);
    EXPECT_EQ(gestoppt.abgebrochenAbZeile, 1);
    EXPECT_EQ(andere.Gesamtzahl(), 0);
}

TEST(ImportMeldung, CountsAndListsTheFirstTwentyRefusedRows) {
    std::string datei = "Haus;house\n";
    for (int i = 0; i < 22; ++i) {
        datei += "----;\n";
    }
    TKartei kartei;
    const Importergebnis e = Importiert(kartei, TextdateiLesen(datei), false);
    const std::string meldung = ImportMeldung(e);
    EXPECT_TRUE(meldung.starts_with("1 Vokabel wurde importiert.\n\n22 Zeilen wurden "
                                    "übersprungen:\nZeile 2: Die deutsche Bedeutung beginnt "
                                    "mit \"----\".\nZeile 3: "))
        << meldung;
    EXPECT_TRUE(meldung.ends_with("\nZeile 21: Die deutsche Bedeutung beginnt mit \"----\"."
                                  "\n… und 2 weitere."))
        << meldung;
    EXPECT_EQ(ImportMeldung({0, 1, {{7, Ablehnung::Leer, ""}}, 9, std::nullopt}),
              "0 Vokabeln wurden importiert.\n\nDas Limit (3200000) wurde erreicht; ab Zeile 9 "
              "wurde nichts mehr importiert.\n\n1 Zeile wurde übersprungen:\nZeile 7: Beide "
              "Seiten sind leer.");
}

TEST(Anki, SampleExportGivesTheNoteFieldsAsPlainText) {
    const Importtabelle t = TextdateiLesen(Testdatei("import/anki_notizen.txt"));
    EXPECT_EQ(t.format, Importformat::Anki);
    EXPECT_FALSE(t.kopfzeile);
    EXPECT_FALSE(t.stufenspalte);
    EXPECT_EQ(t.Zeilennummer(0), 7); // after the six lines that describe the file
    EXPECT_EQ(t.Spalten(), 2);       // guid, note type, deck and tags left out
    TKartei kartei;
    EXPECT_TRUE(Importieren(kartei, t, StandardWahl(t)).abgelehnt.empty());
    EXPECT_EQ(Kartenliste(kartei),
              (std::vector<std::string>{"1 Haus = house", "1 Häuser¾¼Gebäude = houses¾¼buildings",
                                        "1 \"Tür\" & Tor = door¾¼gate",
                                        "1 Spalte mit\tTab = column with <tab>",
                                        "1 fett und 中 = bold"}));
}

TEST(Anki, ColumnNamesAndAFoundSeparatorWithoutHtml) {
    const Importtabelle t = AnkiLesen("#html:false\n#columns:Vorne;Hinten;Tags\n"
                                      "#tags column:3\n<b>a</b>;x<br>y;t1\n");
    EXPECT_EQ(t.trennzeichen, ';');
    EXPECT_EQ(t.spaltennamen, (std::vector<std::string>{"Vorne", "Hinten"}));
    EXPECT_EQ(t.Feld(0, 0), "<b>a</b>");
    EXPECT_EQ(t.Feld(0, 1), "x<br>y");
    EXPECT_EQ(t.Zeilennummer(0), 4);
    EXPECT_EQ(AnkiLesen("#separator:Pipe\na|b\n").Feld(0, 1), "b");
}

// Fields of megabytes of "&" or "<", each opening nothing, are read in one pass.
TEST(HtmlNachText, CharactersThatOpenNothingStandForThemselvesInLinearTime) {
    for (const char c : {'&', '<'}) {
        const std::string feld(4'000'000, c);
        EXPECT_EQ(HtmlNachText(feld), feld);
    }
}

} // namespace
// Read piece by piece as the shell reads a large file, each file gives the cards and the
// refused rows that reading it whole gives, wherever a piece ends: in a character, a line end,
// a quoted field, an Anki export's leading lines.
TEST(Textimport, PiecesOfAnySizeGiveWhatTheWholeFileGives) {
    for (const std::string& datei :
         {Testdatei("import/tabelle_1252.csv"), Testdatei("import/tabelle_utf8.csv"),
          Testdatei("import/anki_notizen.txt"), Testdatei("import/anki_karten.txt"),
          Testdatei("import/anki_alt_html.txt"), Testdatei("import/ueberschriften.csv"),
          Testdatei("import/stufen_0_5.csv"), Testdatei("import/utf16_linear_b.txt"),
          Utf16Le("Haus;house\r\n\"zwei\r\nZeilen\";two\r\n;\r\n", true),
          std::string("\"zwei\nZeilen\";two\r\nT\xC3\xBCr;door\r\n\"offen;open\nzu;closed\n")}) {
        const Importtabelle vorlage = TextdateiLesen(datei);
        Importwahl wahl = StandardWahl(vorlage);
        wahl.stufenBehalten = true;
        TKartei ganz;
        const Importergebnis erwartet = Importieren(ganz, vorlage, wahl);
        for (const std::size_t groesse : {1, 3, 64}) {
            TKartei kartei;
            Textimport import(kartei, vorlage, wahl, datei.size());
            for (std::size_t pos = 0; pos < datei.size(); pos += groesse) {
                ASSERT_TRUE(import.Stueck(std::string_view(datei).substr(pos, groesse),
                                          pos + groesse >= datei.size()));
            }
            EXPECT_EQ(Kartenliste(kartei), Kartenliste(ganz)) << datei << groesse;
            EXPECT_EQ(import.Ergebnis().abgelehnt, erwartet.abgelehnt) << datei << groesse;
            EXPECT_EQ(import.Ergebnis().uebersprungen, erwartet.uebersprungen);
        }
    }
    const Importtabelle anfang = TextanfangLesen("Haus;house\nT\xC3\xBCr;door\nBa");
    EXPECT_EQ(anfang.Zeilen(), 2);
    EXPECT_TRUE(anfang.nurAnfang);
}

// The shell's progress report comes between pieces, also of an Anki export once its leading
// lines are read; refused, the import stops at the first row not yet a card. Cancelled, it
// hands the box back only with every card of the pieces before in it.
TEST(Textimport, StopsWhereTheReportIsRefusedAndCancelsWithTheCardsIn) {
    const std::string anki = Testdatei("import/anki_notizen.txt");
    std::string liste;
    for (int i = 1; i <= 300'000; ++i) {
        liste += "Haus" + std::to_string(i) + ";house\n";
    }
    const struct {
        const std::string& datei;
        int erlaubt; // reports answered yes
        int berichte, karten, abbruchzeile;
    } faelle[] = {{anki, 99, 4, 2, 0}, {liste, 1, 2, 4, 5}};
    for (const auto& f : faelle) {
        const Importtabelle vorlage = TextanfangLesen(f.datei.substr(0, 500));
        TKartei kartei;
        int berichte = 0;
        Textimport import(kartei, vorlage, StandardWahl(vorlage), f.datei.size(),
                          [&](std::size_t, std::size_t) { return ++berichte <= f.erlaubt; });
        bool weiter = true;
        for (std::size_t pos = 0; weiter && pos < 250; pos += 50) {
            weiter = import.Stueck(std::string_view(f.datei).substr(pos, 50), false);
        }
        EXPECT_EQ(import.Ergebnis().abgebrochenAbZeile.value_or(0), f.abbruchzeile);
        EXPECT_EQ(berichte, f.berichte);
        EXPECT_EQ(kartei.Gesamtzahl(), f.karten);
    }
    // A piece of 300000 cards is still coming in when the next cannot be read.
    const Importtabelle vorlage = TextanfangLesen(liste.substr(0, 500));
    TKartei kartei;
    Textimport import(kartei, vorlage, StandardWahl(vorlage), liste.size());
    ASSERT_TRUE(import.Stueck(liste, false));
    import.Abbrechen();
    EXPECT_EQ(kartei.Gesamtzahl(), 299'999); // the last row might have gone on
    EXPECT_EQ(import.Ergebnis().abgebrochenAbZeile, 300'000);
}

} // namespace lexidor
