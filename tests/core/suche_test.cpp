// The search hit rule of the vocabulary list.
#include "suche.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

TEST(TSuchmuster, FindsAnyCaseOfTheFirstLineOfEitherSide) {
    const TSuchmuster m("H\xC4US");
    EXPECT_TRUE(m.Treffer("H\xE4user", "houses", 1));
    EXPECT_TRUE(m.Treffer("", "die h\xE4user", 1));
    EXPECT_FALSE(m.Treffer("Haus", "house", 1));
    EXPECT_FALSE(m.Treffer("Haus\xBE\xBCH\xE4user", "", 1));
    // A bare line-feed marker does not end the first line.
    EXPECT_TRUE(m.Treffer("Haus\xBCH\xE4user", "", 1));
    EXPECT_TRUE(TSuchmuster("aab").Treffer("aaab", "", 1));
}

TEST(TSuchmuster, TheLevelDigitIsAColumnAndEmptyTextNeverHits) {
    const TSuchmuster drei("3");
    EXPECT_TRUE(drei.Treffer("Baum", "tree", 3));
    EXPECT_FALSE(drei.Treffer("Baum", "tree", 2));
    EXPECT_TRUE(drei.Treffer("Zimmer 3", "", 2));
    EXPECT_FALSE(TSuchmuster("23").Treffer("", "", 3));
    EXPECT_FALSE(TSuchmuster("").Treffer("Haus", "house", 6));
}

} // namespace
} // namespace lexidor
