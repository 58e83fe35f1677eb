// Reading separated values: encodings, quoting, line ends, separator, header and levels.
#include "textkodierung.h"
#include "trennwerte.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexidor {
namespace {

using Zeilen = std::vector<std::vector<std::string>>;

Zeilen Inhalt(const Importtabelle& t) {
    Zeilen z(t.Zeilen());
    for (int r = 0; r < t.Zeilen(); ++r) {
        for (int s = 0; s < t.Felder(r); ++s) {
            z[r].emplace_back(t.Feld(r, s));
        }
    }
    return z;
}

std::vector<int> Zeilennummern(const Importtabelle& t) {
    std::vector<int> n;
    for (int r = 0; r < t.Zeilen(); ++r) {
        n.push_back(t.Zeilennummer(r));
    }
    return n;
}

Importtabelle Lesen(std::string_view text, char trenner) {
    Importtabelle t;
    Satzleser leser(text, trenner);
    while (leser.Naechster(t)) {
    }
    return t;
}

// The encoding found and the text as UTF-8.
std::pair<Textkodierung, std::string> Dekodiert(std::string_view datei) {
    std::string puffer;
    const Textkodierung kodierung = KodierungErkennen(datei);
    return {kodierung, std::string(AlsUtf8(datei, kodierung, puffer))};
}

TEST(Textkodierung, AMarkDecidesElseValidUtf8ElseWindows1252) {
    EXPECT_EQ(Dekodiert("\xEF\xBB\xBF"
                        "B\xC3\xA4r"),
              std::pair(Textkodierung::Utf8MitBom, std::string("B\xC3\xA4r")));
    EXPECT_EQ(Dekodiert("B\xC3\xA4r"), std::pair(Textkodierung::Utf8, std::string("B\xC3\xA4r")));
    // "Bär €" as a German spreadsheet saves it; one such byte is enough.
    EXPECT_EQ(Dekodiert("B\xE4r \x80"),
              std::pair(Textkodierung::Windows1252, std::string("B\xC3\xA4r \xE2\x82\xAC")));
    EXPECT_EQ(KodierungErkennen("\xC3\xA4\xE4"), Textkodierung::Windows1252);
}

TEST(Textkodierung, AFewStrayBytesKeepAUtf8FileUtf8) {
    const auto [kodierung, text] = Dekodiert("Stra\xC3\x9F"
                                             "e;street\nT\xFCr;door\nB\xC3\xA4r;bear");
    EXPECT_EQ(kodierung, Textkodierung::Utf8);
    EXPECT_EQ(text, "Stra\xC3\x9F"
                    "e;street\nT\xEF\xBF\xBDr;door\nB\xC3\xA4r;bear");
}

TEST(Textkodierung, Utf16WithAMarkInBothByteOrdersAndWithoutOne) {
    using namespace std::string_literals;
    // A surrogate pair is one character.
    EXPECT_EQ(Dekodiert("\xFF\xFEH\0\xE4\0\x3D\xD8\x00\xDE"s),
              std::pair(Textkodierung::Utf16Le, "H\xC3\xA4\xF0\x9F\x98\x80"s));
    EXPECT_EQ(Dekodiert("H\0a\0u\0s\0;\0h\0"s), std::pair(Textkodierung::Utf16Le, "Haus;h"s));
    EXPECT_EQ(Dekodiert("\0H\0a\0u\0s\0;\0h"s), std::pair(Textkodierung::Utf16Be, "Haus;h"s));
    EXPECT_EQ(Dekodiert("\xFE\xFF\0H\0\xE4"s).second, "H\xC3\xA4");
    // A lone surrogate and a dangling byte cannot be told: each is U+FFFD.
    EXPECT_EQ(Dekodiert("\xFF\xFE\x00\xDCH\0x"s).second, "\xEF\xBF\xBD"
                                                         "H\xEF\xBF\xBD");
}

TEST(Satzleser, QuotedFieldsHoldSeparatorsQuotesAndLineBreaksWhateverTheLineEnds) {
    for (const std::string_view ende : {"\r\n", "\n", "\r"}) {
        const std::string e(ende);
        const std::string text =
            "a;\"b;c\"" + e + "\"x" + e + "y\";\"sagt \"\"hi\"\"\"" + e + e + "last;";
        const Importtabelle t = Lesen(text, ';');
        EXPECT_EQ(Inhalt(t), (Zeilen{{"a", "b;c"}, {"x\ny", "sagt \"hi\""}, {"last", ""}}));
        // Line numbers count the break inside the quotes and the empty line.
        EXPECT_EQ(Zeilennummern(t), (std::vector<int>{1, 2, 5}));
    }
}

TEST(Satzleser, ANeverClosedQuoteIsAnOrdinaryCharacter) {
    const Importtabelle t = Lesen("\"Haus;house\nBaum;tree\n", ';');
    EXPECT_EQ(Inhalt(t), (Zeilen{{"\"Haus", "house"}, {"Baum", "tree"}}));
    EXPECT_EQ(Zeilennummern(t), (std::vector<int>{1, 2}));
    // A quote inside a field, and text after a closing quote, are kept.
    EXPECT_EQ(Inhalt(Lesen("5\" Rohr;\"pipe\" (5 in)", ';')),
              (Zeilen{{"5\" Rohr", "pipe (5 in)"}}));
}

TEST(TrennzeichenErkennen, TakesTheSeparatorThatSplitsEveryRecord) {
    EXPECT_EQ(TrennzeichenErkennen("gehen, ging\tto go; went\nHund\tdog\n"), '\t');
    EXPECT_EQ(TrennzeichenErkennen("gehen, ging;to go, went\nHund;dog\n"), ';');
    EXPECT_EQ(TrennzeichenErkennen("Haus,house\n\"Tür; Tor\",door\n"), ',');
    // A title line splits nowhere: the separator that splits the most records wins.
    EXPECT_EQ(TrennzeichenErkennen("Lektion 1\nHaus;house\nBaum;tree, shrub\n"), ';');
    EXPECT_EQ(TrennzeichenErkennen("Haus\nBaum\n"), '\t');
}

TEST(Kopfzeile, KnownColumnNamesMakeAHeaderOrdinaryWordsDoNot) {
    for (const char* kopf : {"Deutsch;Fremd;Lernstufe", "ENGLISCH:;deutsch", "Front;Back",
                             "Übersetzung;", "Wort;Bedeutung"}) {
        EXPECT_TRUE(IstKopfzeile(TrennwerteLesen(std::string(kopf) + "\nHaus;house\n"))) << kopf;
    }
    for (const char* karte : {"Haus;house", "Deutsch;Kiswahili", ";", "Haus;house;Box"}) {
        EXPECT_FALSE(IstKopfzeile(TrennwerteLesen(std::string(karte) + "\nBaum;tree\n"))) << karte;
    }
}

TEST(Kopfzeile, AWordAboveAColumnOfLevelsIsAHeader) {
    const Importtabelle t = TrennwerteLesen("Vokabel;Vertaling;Kasten\nHaus;huis;2\nBaum;boom;\n");
    EXPECT_TRUE(t.kopfzeile);
    EXPECT_EQ(t.spaltennamen, (std::vector<std::string>{"Vokabel", "Vertaling", "Kasten"}));
    EXPECT_EQ(t.stufenspalte, 2);
}

TEST(Stufenspalte, LevelsBelowAHeaderOrAHeaderThatNamesThem) {
    EXPECT_EQ(TrennwerteLesen("Haus;house; 3 \nBaum;tree;\n").stufenspalte, 2);
    EXPECT_FALSE(TrennwerteLesen("Haus;house;3\nBaum;tree;7\n").stufenspalte);
    EXPECT_FALSE(TrennwerteLesen("Haus;house;n.\nBaum;tree;\n").stufenspalte);
    EXPECT_FALSE(TrennwerteLesen("Haus;house;;\n").stufenspalte);
    // Named by the header, the column holds levels even with a wrong cell in it.
    EXPECT_EQ(TrennwerteLesen("Deutsch;Englisch;Stufe\nHaus;house;x\n").stufenspalte, 2);
    EXPECT_FALSE(TrennwerteLesen("Deutsch;Englisch;Notiz\nHaus;house;x\n").stufenspalte);
}

} // namespace
} // namespace lexidor
