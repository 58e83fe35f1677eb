// Code page 1252 to and from UTF-8; the characters it cannot hold are rows of regeln.txt.
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

} // namespace
} // namespace lexidor
