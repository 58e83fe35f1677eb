// Code page 1252 to and from UTF-8, and its lower case.
#include "cp1252.h"
#include "unicodetext.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Cp1252, EveryByteSurvivesTheWayThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8NachCp1252(Cp1252NachUtf8(byte)).text, byte) << b;
    }
    EXPECT_EQ(Cp1252NachUtf8("\x80\x9F\xE4\xBC"), "\xE2\x82\xAC\xC5\xB8\xC3\xA4\xC2\xBC");
}

TEST(Cp1252, NamesTheFirstCharacterItCannotHold) {
    const Cp1252Kodierung k = Utf8NachCp1252("a\xC5\x82\xC5\x91");
    EXPECT_FALSE(k.ok());
    EXPECT_EQ(k.fremdzeichen, "\xC5\x82");
    // U+0080 is a control, not the euro sign that byte 0x80 stands for.
    EXPECT_EQ(Utf8NachCp1252("\xC2\x80").fremdzeichen, "\xC2\x80");
    for (const char* kaputt : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xFF"}) {
        EXPECT_EQ(Utf8NachCp1252(kaputt).fremdzeichen, "\xEF\xBF\xBD") << kaputt;
    }
}

// One walk tells whether a text is UTF-8, NFC and within code page 1252; the texts are long
// enough for the sixteen-byte windows, with every kind of flaw inside and at a window's edge.
TEST(Utf8Pruefen, TellsValidityNfcAndCodePage1252) {
    const struct {
        std::string_view text;
        bool gueltig, nfc, cp1252;
    } faelle[] = {
        {"Straße und Häuser, Bäume und Öl", true, true, true},
        {"здравствуйте, дорогой друг", true, true, false},
        {"καλημέρα σας, φίλε μου, ΑΒΓΔ", true, true, false},
        {"€ und Œ – „alles“ in 1252, lang", true, true, true},
        {"aaaaaaaaaaaaaaaд und noch mehr", true, true, false},       // a letter across the edge
        {"αβγδεζηθικλμνξο\xCE\x87ρστ und mehr", true, false, false}, // the ano teleia
        {"Hausaufgaben fu\xCC\x88r morgen, bitte", true, false, false},
        {"Lächeln 😀 ist schön, lang genug", true, true, false},
        {"aaaaaaaaaaaaaaaa\x80 aaaaaaaaaaaaa", false, false, false},
        {"aaaaaaaaaaaaaaa\xD0 aaaaaaaaaaaaaa", false, false, false},
        {"aaaaaaaaaaaaaaaaaaaa\xC0\xAF aaaaaaa", false, false, false},
        {"ддддддддд\xD0", false, false, false},
    };
    for (const auto& f : faelle) {
        const Utf8Befund b = Utf8Pruefen(f.text);
        EXPECT_EQ(b.gueltig, f.gueltig) << f.text;
        EXPECT_EQ(b.nfc, f.nfc) << f.text;
        EXPECT_EQ(b.cp1252, f.cp1252) << f.text;
        EXPECT_EQ(b.gueltig, IstUtf8(f.text)) << f.text;
    }
}

} // namespace
} // namespace lexidor
