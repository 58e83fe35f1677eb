// User text in messages: what shows as nothing or turns the line around appears by its code.
#include "zeichenanzeige.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(Anzeigetext, InvisibleAndDirectionCharactersByTheirCode) {
    const std::pair<std::string, std::string> faelle[] = {
        {"Stra\xC3\x9F"
         "e \xC3\xA4 \xE2\x82\xAC",
         "Stra\xC3\x9F"
         "e \xC3\xA4 \xE2\x82\xAC"},
        {"a\xE2\x80\xAE"
         "b",
         "aU+202Eb"},                                   // right-to-left override
        {"\xE2\x81\xA6x\xE2\x81\xA9", "U+2066xU+2069"}, // isolates
        {"a\xE2\x80\x8B"
         "b\xC2\xAD"
         "c",
         "aU+200BbU+00ADc"}, // zero-width space, soft hyphen
        {"a\tb\nc\x7F", "aU+0009bU+000AcU+007F"},
        {"a\xC2\xA0"
         "b\xE2\x80\xA8",
         "aU+00A0bU+2028"},                           // no-break space, line separator
        {"\xEF\xBB\xBF\xEE\x80\x80", "U+FEFFU+E000"}, // byte-order mark, private use
        {"a\xFF"
         "b",
         "aU+FFFDb"}, // no UTF-8
        // A mark on a letter stays; one with nothing to sit on, or beyond four, by its code.
        {"e\xCC\x81", "e\xCC\x81"},
        {"\xCC\x81", "U+0301"},
        {"a \xCC\x81", "a U+0301"},
        {"a\xCC\x81\xCC\x82\xCC\x83\xCC\x84\xCC\x85", "a\xCC\x81\xCC\x82\xCC\x83\xCC\x84U+0305"},
        {"\xE0\xA4\xB9\xE0\xA4\xBF\xE0\xA4\x82", "\xE0\xA4\xB9\xE0\xA4\xBF\xE0\xA4\x82"}, // हिं
    };
    for (const auto& [ein, aus] : faelle) {
        EXPECT_EQ(Anzeigetext(ein), aus) << ein;
    }
}

} // namespace
} // namespace lexidor
