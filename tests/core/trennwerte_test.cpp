// Reading separated values: encodings, quoting, line ends, separator, header and levels.
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

TEST(Kopfzeile, AWordAboveAColumnOfLevelsIsAHeader) {
    const Importtabelle t = TrennwerteLesen("Vokabel;Vertaling;Kasten\nHaus;huis;2\nBaum;boom;\n");
    EXPECT_TRUE(t.kopfzeile);
    EXPECT_EQ(t.spaltennamen, (std::vector<std::string>{"Vokabel", "Vertaling", "Kasten"}));
    EXPECT_EQ(t.stufenspalte, 2);
}

} // namespace
} // namespace lexidor
