// Code page 1252 to and from UTF-8, and its lower case.
#include "cp1252.h"

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

} // namespace
} // namespace lexidor
