// Finding line ends eight bytes at a time.
#include "zeilen.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

// Every length around the word size, the line end at every place and the search starting at
// every place; the other bytes differ from CR or LF in one bit only.
TEST(ZeilenendeSuchen, FindsTheFirstCrOrLfFromAnyPlace) {
    const std::string fuellung = "\x8D\x8A\x0C\x0E\x09\x0B\x2D\x4A";
    for (std::size_t laenge = 0; laenge <= 26; ++laenge) {
        for (std::size_t ende = 0; ende <= laenge; ++ende) {
            for (const char zeichen : {'\r', '\n'}) {
                std::string daten;
                for (std::size_t i = 0; i < laenge; ++i) {
                    daten += i == ende ? zeichen : fuellung[i % fuellung.size()];
                }
                for (std::size_t ab = 0; ab <= laenge; ++ab) {
                    EXPECT_EQ(ZeilenendeSuchen(daten, ab), ab <= ende ? ende : laenge)
                        << laenge << " " << ende << " " << ab;
                }
            }
        }
    }
}

TEST(Zeilenleser, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(ZeilenTeilen("a\r\nbb\rccc\n\n\rletzte"),
              (std::vector<std::string>{"a", "bb", "ccc", "", "", "letzte"}));
    EXPECT_EQ(ZeilenTeilen("eins\r\n"), std::vector<std::string>{"eins"});
    EXPECT_TRUE(ZeilenTeilen("").empty());
}

} // namespace
} // namespace lexidor
